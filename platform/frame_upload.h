// frame_upload.h: handing the 16-bit back buffer to the renderer.
//
// A streaming texture in a format the renderer does not have is kept by SDL in
// one it has, and every upload is converted pixel by pixel behind our back.
// UploadFrame instead makes sure the frame's texture is in one of the
// renderer's own formats (SDL_GetRendererInfo): RGB565 itself where the
// renderer has it, uploaded as it is; else a 32-bit format, written straight
// into the locked texture through a table of all 65536 RGB565 values, which
// gives exactly the colours SDL's own conversion would.
#pragma once
#include <cstdint>

#include "graphics/surface16.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

// False while the window is hidden or minimised: nothing needs drawing then.
bool PresentWanted(SDL_Window* window);

// Uploads the frame into `texture` (w x h of the back buffer), first replacing
// it by a texture of a native format if it has none (the old one is
// destroyed). False when nothing could be uploaded.
bool UploadFrame(SDL_Renderer* renderer, SDL_Texture*& texture, const Surface16& backBuffer);

// The native format UploadFrame chose for `renderer` (SDL_PIXELFORMAT_*), or 0.
uint32_t NativeFrameFormat(SDL_Renderer* renderer);
