// sdl_display.cpp: window, display modes and presenting frames with SDL2.
#include "platform/sdl_display.h"

#include <SDL.h>

#include <cstdio>

#include "platform/frame_upload.h"

namespace {
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
    mode_ = mode;
    if (!MakeWindow(mode, error) || !MakeRenderer(mode, error)) {
        Close();
        return false;
    }
    WindowResized();
    return true;
}

bool SdlDisplayBackend::MakeWindow(const DisplayMode& mode, std::string& error) {
    window_ = SDL_CreateWindow(title_.c_str(), kWindowLeft, kWindowTop, mode.width, mode.height,
                               SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
    if (!window_) {
        error = "Primary Surface cannot be made";
        std::fprintf(stderr, "window: %s\n", SDL_GetError());
        return false;
    }
    fullScreen_ = mode.fullScreen;
    if (mode.fullScreen && !EnterFullScreen(window_, mode)) {
        error = ModeError(mode);
        std::fprintf(stderr, "full screen: %s\n", SDL_GetError());
        return false;
    }
    if (!mode.fullScreen) PlaceWindow();
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
    // Sharp pixels at every scale: the texture is sampled nearest-neighbour.
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
    // In the renderer's own format from the start, so no frame has to replace it.
    const uint32_t native = NativeFrameFormat(renderer_);
    texture_ = SDL_CreateTexture(renderer_, native != 0 ? native : SDL_PIXELFORMAT_RGB565,
                                 SDL_TEXTUREACCESS_STREAMING, mode.width, mode.height);
    if (!texture_) {
        error = "Surface cannot be made";
        std::fprintf(stderr, "texture: %s\n", SDL_GetError());
        return false;
    }
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    return true;
}

// The window at its place with the scaled area's size (window mode only).
void SdlDisplayBackend::PlaceWindow() {
    scale_ = ClampWindowScale(scale_, MaxScale());
    SDL_SetWindowSize(window_, mode_.width * scale_, mode_.height * scale_);
    SDL_SetWindowPosition(window_, kWindowLeft, kWindowTop);
}

int32_t SdlDisplayBackend::MaxScale() const {
    if (!window_) return kMaxWindowScale;
    SDL_Rect usable;
    const int display = SDL_GetWindowDisplayIndex(window_);
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) != 0) return 1;
    return LargestWindowScale(usable.x + usable.w, usable.y + usable.h, kWindowLeft, kWindowTop,
                              mode_.width, mode_.height);
}

int32_t SdlDisplayBackend::SetScale(int32_t scale) {
    scale_ = ClampWindowScale(scale, MaxScale());
    if (window_ && !fullScreen_) {
        PlaceWindow();
        WindowResized();
    }
    return scale_;
}

bool SdlDisplayBackend::SetFullScreen(bool fullScreen) {
    if (!window_) {
        fullScreen_ = fullScreen;
        return true;
    }
    if (fullScreen == fullScreen_) return true;
    if (SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        std::fprintf(stderr, "full screen: %s\n", SDL_GetError());
        return false;
    }
    fullScreen_ = fullScreen;
    if (!fullScreen_) PlaceWindow();
    WindowResized();
    return true;
}

void SdlDisplayBackend::WindowResized() {
    if (!renderer_) return;
    int w = 0, h = 0;
    if (SDL_GetRendererOutputSize(renderer_, &w, &h) != 0) SDL_GetWindowSize(window_, &w, &h);
    viewport_ = FitDrawingArea(w, h, mode_.width, mode_.height);
    const SDL_Rect rect{viewport_.x, viewport_.y, viewport_.w, viewport_.h};
    SDL_RenderSetViewport(renderer_, &rect);
}

void SdlDisplayBackend::MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) const {
    if (!window_ || !renderer_) {
        ax = wx;
        ay = wy;
        return;
    }
    // Mouse events come in window points; the viewport is in output pixels
    // (the same on most desktops, twice as many on a high-density one).
    int ww = 0, wh = 0, ow = 0, oh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    if (SDL_GetRendererOutputSize(renderer_, &ow, &oh) == 0 && ww > 0 && wh > 0 &&
        (ow != ww || oh != wh)) {
        wx = static_cast<int32_t>(static_cast<int64_t>(wx) * ow / ww);
        wy = static_cast<int32_t>(static_cast<int64_t>(wy) * oh / wh);
    }
    WindowToArea(viewport_, mode_.width, mode_.height, wx, wy, ax, ay);
}

// Nothing is drawn into a hidden or minimised window; the frame goes into a
// texture of the renderer's own format (platform/frame_upload.h).
void SdlDisplayBackend::Present(const Surface16& backBuffer) {
    if (!renderer_ || !texture_ || backBuffer.Empty() || !PresentWanted(window_)) return;
    if (!UploadFrame(renderer_, texture_, backBuffer)) return;
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
