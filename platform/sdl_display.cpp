// sdl_display.cpp: window, display modes and presenting frames with SDL2.
#include "platform/sdl_display.h"

#include <SDL.h>

#include <cstdio>

namespace {
constexpr int kWindowedPosition = 50;  // left and top of the windowed mode

std::string ModeError(const DisplayMode& mode) {
    char buf[96];
    std::snprintf(buf, sizeof buf, "Display mode cannot be changed (%dx%d %dbit)", mode.width,
                  mode.height, 16);
    return buf;
}

// Switches the window to an exclusive mode of exactly the requested size, or
// else to a desktop-sized full-screen window. False only if neither works.
bool EnterFullScreen(SDL_Window* window, const DisplayMode& mode) {
    SDL_DisplayMode want{SDL_PIXELFORMAT_RGB565, mode.width, mode.height, 0, nullptr};
    SDL_DisplayMode got;
    int display = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetClosestDisplayMode(display < 0 ? 0 : display, &want, &got) &&
        got.w == mode.width && got.h == mode.height &&
        SDL_SetWindowDisplayMode(window, &got) == 0 &&
        SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0)
        return true;
    return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}
}  // namespace

bool SdlDisplayBackend::Open(const DisplayMode& mode, std::string& error) {
    Close();
    if (!SDL_WasInit(SDL_INIT_VIDEO) && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        error = "Primary Surface cannot be made";
        std::fprintf(stderr, "video: %s\n", SDL_GetError());
        return false;
    }
    if (!MakeWindow(mode, error) || !MakeRenderer(mode, error)) {
        Close();
        return false;
    }
    return true;
}

bool SdlDisplayBackend::MakeWindow(const DisplayMode& mode, std::string& error) {
    const int position = mode.fullScreen ? static_cast<int>(SDL_WINDOWPOS_CENTERED) : kWindowedPosition;
    window_ = SDL_CreateWindow(title_.c_str(), position, position, mode.width, mode.height,
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!window_) {
        error = "Primary Surface cannot be made";
        std::fprintf(stderr, "window: %s\n", SDL_GetError());
        return false;
    }
    if (mode.fullScreen && !EnterFullScreen(window_, mode)) {
        error = ModeError(mode);
        std::fprintf(stderr, "full screen: %s\n", SDL_GetError());
        return false;
    }
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    return true;
}

bool SdlDisplayBackend::MakeRenderer(const DisplayMode& mode, std::string& error) {
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) {
        error = "Primary Surface cannot be made";
        std::fprintf(stderr, "renderer: %s\n", SDL_GetError());
        return false;
    }
    // The drawing area keeps its size; the renderer scales it to the window and
    // centres it, and reports mouse positions in drawing-area coordinates.
    SDL_RenderSetLogicalSize(renderer_, mode.width, mode.height);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                                 mode.width, mode.height);
    if (!texture_) {
        error = "Surface cannot be made";
        std::fprintf(stderr, "texture: %s\n", SDL_GetError());
        return false;
    }
    return true;
}

void SdlDisplayBackend::Present(const Surface16& backBuffer) {
    if (!renderer_ || !texture_ || backBuffer.Empty()) return;
    SDL_UpdateTexture(texture_, nullptr, backBuffer.Pixels().data(),
                      backBuffer.Width() * static_cast<int>(sizeof(uint16_t)));
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlDisplayBackend::Close() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}
