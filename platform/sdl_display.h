// sdl_display.h: the drawing surface's SDL backend (the real game's window).
//
// Opens one window for a display mode and shows each finished 16-bit frame in
// it, scaled to fit and centred, waiting for the vertical blank where the
// renderer offers it. A full-screen mode the screen cannot take falls back to a
// full-screen desktop window with the drawing area scaled and centred, so the
// player never sees a failure for it; only a display that cannot be made at all
// (no video device, no window, no renderer) fails, with the player-facing text.
// The windowed mode is a borderless 640x480 window with its top-left corner at
// (50,50) on the desktop.
#pragma once
#include <string>

#include "graphics/display.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

class SdlDisplayBackend : public IDisplayBackend {
public:
    explicit SdlDisplayBackend(std::string title) : title_(std::move(title)) {}
    ~SdlDisplayBackend() override { Close(); }

    bool Open(const DisplayMode& mode, std::string& error) override;
    void Present(const Surface16& backBuffer) override;
    void Close() override;

    SDL_Window* Window() const { return window_; }
    // The caption of windows opened from now on.
    void SetTitle(std::string title) { title_ = std::move(title); }

private:
    bool MakeWindow(const DisplayMode& mode, std::string& error);
    bool MakeRenderer(const DisplayMode& mode, std::string& error);

    std::string title_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
};
