// sdl_display.cpp: window, display modes and presenting frames with SDL2.
#include "platform/sdl_display.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <filesystem>

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

bool NamesSoftwareGl(const char* name) {
    return name && (std::strstr(name, "llvmpipe") || std::strstr(name, "softpipe") ||
                    std::strstr(name, "swrast") || std::strstr(name, "Software Rasterizer"));
}

// On Linux a 3D driver of the hardware needs a graphics device; without one
// Mesa can only emulate it on the processor. (Elsewhere: unknown, so false.)
bool WithoutGraphicsDevice() {
#ifdef __linux__
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!driver || (std::strcmp(driver, "x11") != 0 && std::strcmp(driver, "wayland") != 0))
        return false;
    std::error_code ec;
    if (std::filesystem::exists("/dev/nvidiactl", ec)) return false;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec))
        if (entry.path().filename().string().rfind("renderD", 0) == 0) return false;
    return true;
#else
    return false;
#endif
}

// True when the renderer draws through OpenGL that Mesa runs on the processor.
bool RendererIsSoftwareGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0 || !info.name ||
        std::strncmp(info.name, "opengl", 6) != 0)
        return false;
    using GetString = const unsigned char* (*)(unsigned int);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    if (!getString) return false;
    constexpr unsigned int kGlRenderer = 0x1F01;
    return NamesSoftwareGl(reinterpret_cast<const char*>(getString(kGlRenderer)));
}

bool RenderDriverChosen() {
    const char* chosen = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    return chosen && *chosen;
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
    if (!MakeWindow(mode, error) || !MakeOutput(mode, error)) {
        Close();
        return false;
    }
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    shown_.Invalidate();
    WindowResized();
    return true;
}

// The renderer unless the 3D driver is software and the user chose none;
// then the window surface (see the header).
bool SdlDisplayBackend::MakeOutput(const DisplayMode& mode, std::string& error) {
    surfaceOutput_ = false;
    if (output_ == Output::Renderer || (output_ == Output::Chosen && RenderDriverChosen()))
        return MakeRenderer(mode, error);
    if (output_ == Output::Chosen && !WithoutGraphicsDevice()) {
        if (!MakeRenderer(mode, error)) return false;
        if (!RendererIsSoftwareGl(renderer_)) return true;
        // A fresh window without the 3D context, so its driver can go again.
        DropRenderer();
        SDL_DestroyWindow(window_);
        window_ = nullptr;
        if (!MakeWindow(mode, error)) return false;
    }
    surfaceOutput_ = true;
    if (!SDL_GetWindowSurface(window_)) {
        std::fprintf(stderr, "window surface: %s\n", SDL_GetError());
        surfaceOutput_ = false;
        return MakeRenderer(mode, error);
    }
    return true;
}

void SdlDisplayBackend::DropRenderer() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    texture_ = nullptr;
    renderer_ = nullptr;
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
    if (!window_) return;
    int w = 0, h = 0;
    if (!renderer_ || SDL_GetRendererOutputSize(renderer_, &w, &h) != 0)
        SDL_GetWindowSize(window_, &w, &h);
    viewport_ = FitDrawingArea(w, h, mode_.width, mode_.height);
    if (renderer_) {
        const SDL_Rect rect{viewport_.x, viewport_.y, viewport_.w, viewport_.h};
        SDL_RenderSetViewport(renderer_, &rect);
    }
    shown_.SetSize(mode_.width, mode_.height, viewport_.w, viewport_.h);
    shown_.Invalidate();
    if (layer_) layer_->SetActive(layerRenderer_ != nullptr && shown_.TextScale() != 0);
}

void SdlDisplayBackend::AttachTextLayer(TextLayer* layer, ITextRenderer* renderer) {
    if (layer_ && layer_ != layer) layer_->SetActive(false);
    layer_ = layer;
    layerRenderer_ = renderer;
    if (layer_) layer_->SetActive(layerRenderer_ != nullptr && shown_.TextScale() != 0);
    shown_.Invalidate();
}

void SdlDisplayBackend::MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) const {
    if (!window_) {
        ax = wx;
        ay = wy;
        return;
    }
    // Mouse events come in window points; the viewport is in output pixels
    // (the same on most desktops, twice as many on a high-density one).
    int ww = 0, wh = 0, ow = 0, oh = 0;
    SDL_GetWindowSize(window_, &ww, &wh);
    if (renderer_ && SDL_GetRendererOutputSize(renderer_, &ow, &oh) == 0 && ww > 0 && wh > 0 &&
        (ow != ww || oh != wh)) {
        wx = static_cast<int32_t>(static_cast<int64_t>(wx) * ow / ww);
        wy = static_cast<int32_t>(static_cast<int64_t>(wy) * oh / wh);
    }
    WindowToArea(viewport_, mode_.width, mode_.height, wx, wy, ax, ay);
}

// Nothing is drawn into a hidden or minimised window (it is shown whole when
// it comes back); otherwise only what changed since the last frame shown.
// The layer's texts are taken in either way, so it starts every frame empty.
void SdlDisplayBackend::Present(const Surface16& backBuffer) {
    const std::span<const LayerText> texts =
        layer_ ? layer_->Texts() : std::span<const LayerText>{};
    if (!window_ || (!renderer_ && !surfaceOutput_) || backBuffer.Empty() || !PresentWanted(window_)) {
        shown_.Invalidate();
        if (layer_) layer_->Clear();
        lastChanged_ = false;  // nothing to see; shown whole when it comes back
        return;
    }
    if (surfaceOutput_ && SDL_GetWindowSurface(window_) != lastSurface_) shown_.Invalidate();
    const std::span<const TRect> rects = shown_.Update(backBuffer, texts, layerRenderer_);
    if (layer_) layer_->Clear();
    lastChanged_ = !rects.empty();
    if (rects.empty()) return;
    if (surfaceOutput_)
        PresentToSurface(rects);
    else
        PresentToRenderer(rects);
}

// The changed rectangles into the window's pixels, and only they to the screen.
void SdlDisplayBackend::PresentToSurface(std::span<const TRect> rects) {
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    lastSurface_ = surface;
    if (!surface || SDL_LockSurface(surface) != 0) {
        shown_.Invalidate();
        return;
    }
    const Surface16& picture = shown_.Picture();
    const bool whole = shown_.WasFull();
    if (whole) std::memset(surface->pixels, 0, static_cast<size_t>(surface->pitch) * surface->h);
    SDL_Rect changed[ShownFrame::kMaxRects];
    int count = 0;
    const TRect view = IntersectRect(TRect{0, 0, surface->w - viewport_.x, surface->h - viewport_.y},
                                     picture.Rect());
    for (const TRect& r : rects) {
        const TRect c = IntersectRect(r, view);
        if (c.IsEmpty()) continue;
        WriteRect(picture, c, surface->pixels, surface->pitch, surface->format->format,
                  viewport_.x + c.Left, viewport_.y + c.Top);
        changed[count++] = SDL_Rect{viewport_.x + c.Left, viewport_.y + c.Top, c.Width(), c.Height()};
    }
    SDL_UnlockSurface(surface);
    const int failed = whole ? SDL_UpdateWindowSurface(window_)
                             : SDL_UpdateWindowSurfaceRects(window_, changed, count);
    if (failed != 0) shown_.Invalidate();
}

// The changed rectangles into the texture; the renderer then shows it whole
// (what a renderer's back buffer holds after a present is not defined).
void SdlDisplayBackend::PresentToRenderer(std::span<const TRect> rects) {
    const Surface16& picture = shown_.Picture();
    const bool uploaded = shown_.WasFull() ? UploadFrame(renderer_, texture_, picture)
                                           : UploadRects(renderer_, texture_, picture, rects);
    if (!uploaded) {
        shown_.Invalidate();
        return;
    }
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
}

void SdlDisplayBackend::Close() {
    DropRenderer();
    if (window_) SDL_DestroyWindow(window_);
    window_ = nullptr;
    lastSurface_ = nullptr;
    surfaceOutput_ = false;
    if (layer_) layer_->SetActive(false);
}
