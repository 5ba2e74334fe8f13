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
#include <span>

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

// Writes rectangle r of `pixels` into a buffer of `format` (pitch bytes a
// row) with r's top-left corner landing at (toX, toY) of the buffer: copied
// as it is into RGB565, through the table into 32-bit RGB, else converted by
// SDL. False when SDL cannot convert to the format.
bool WriteRect(const Surface16& pixels, const TRect& r, void* buffer, int pitch, uint32_t format,
               int32_t toX, int32_t toY);

// Uploads just the rectangles of `pixels` into `texture`, which must have
// their size (made in the renderer's own format if it is not so yet, and then
// uploaded whole). False when nothing could be uploaded.
bool UploadRects(SDL_Renderer* renderer, SDL_Texture*& texture, const Surface16& pixels,
                 std::span<const TRect> rects);
