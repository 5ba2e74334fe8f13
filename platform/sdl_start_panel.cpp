// sdl_start_panel.cpp: the start panel's window, drawing and input.
#include "platform/sdl_start_panel.h"

#include <SDL.h>

#include <cstdio>

#include "graphics/embedded_pictures.h"
#include "platform/font_data.h"

namespace {
// A key of the panel, or false for a key the panel does not use.
bool PanelKeyOf(const SDL_Keysym& key, TPanelKey& out) {
    const bool shift = (key.mod & KMOD_SHIFT) != 0, alt = (key.mod & KMOD_ALT) != 0;
    switch (key.sym) {
        case SDLK_TAB: out = shift ? TPanelKey::BackTab : TPanelKey::Tab; return true;
        case SDLK_UP: out = TPanelKey::Up; return true;
        case SDLK_DOWN: out = alt ? TPanelKey::OpenList : TPanelKey::Down; return true;
        case SDLK_F4: if (alt) return false; out = TPanelKey::OpenList; return true;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: out = TPanelKey::Enter; return true;
        case SDLK_SPACE: out = TPanelKey::Space; return true;
        case SDLK_ESCAPE: out = TPanelKey::Escape; return true;
        default: return false;
    }
}
}  // namespace

void ShowErrorBox(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", TStartPanel::kApplicationTitle, text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, TStartPanel::kApplicationTitle, text.c_str(), nullptr);
}

SdlStartPanel::SdlStartPanel() : text_(EmbeddedPanelFontData()) {
    std::string error;
    if (!painter_.LoadPictures(EmbeddedPanelPictureData(), error))
        std::fprintf(stderr, "%s: %s\n", TStartPanel::kApplicationTitle, error.c_str());
}

SdlStartPanel::~SdlStartPanel() {
    Close();
    if (busy_) SDL_FreeCursor(busy_);
    if (hand_) SDL_FreeCursor(hand_);
}

TStartPanelHost SdlStartPanel::Host() {
    TStartPanelHost host;
    host.hidePanel = [this] {
        if (window_) SDL_HideWindow(window_);
    };
    host.showBusyCursor = [this] {
        if (!busy_) busy_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
        if (busy_) SDL_SetCursor(busy_);
        SDL_PumpEvents();
    };
    host.hideSystemCursor = [] { SDL_ShowCursor(SDL_DISABLE); };
    host.showError = [this](const std::string& text) {
        failed_ = true;
        ShowErrorBox(text);
    };
    return host;
}

bool SdlStartPanel::Open(const std::string& caption, std::string& error) {
    window_ = SDL_CreateWindow(caption.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               TStartPanel::kWindowWidth, TStartPanel::kWindowHeight,
                               SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    // The window's own pixels, not a texture behind them (which would start
    // the 3D driver first); the game's window makes its renderer later.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    if (window_) windowSurface_ = SDL_GetWindowSurface(window_);
    if (!windowSurface_) {
        error = "Primary Surface cannot be made";
        std::fprintf(stderr, "start panel: %s\n", SDL_GetError());
        Close();
        return false;
    }
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    return true;
}

void SdlStartPanel::Close() {
    if (window_) SDL_DestroyWindow(window_);  // frees its surface too
    windowSurface_ = nullptr;
    window_ = nullptr;
}

void SdlStartPanel::Present(TStartPanel& panel) {
    if (!windowSurface_ || !panel.Visible()) return;
    windowSurface_ = SDL_GetWindowSurface(window_);  // made anew if the window changed
    if (!windowSurface_) return;
    painter_.Paint(panel, text_, pixels_);
    SDL_Surface* picture = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint16_t*>(pixels_.Pixels().data()), pixels_.Width(), pixels_.Height(), 16,
        pixels_.Width() * static_cast<int>(sizeof(uint16_t)), SDL_PIXELFORMAT_RGB565);
    if (picture == nullptr) return;
    SDL_BlitSurface(picture, nullptr, windowSurface_, nullptr);
    SDL_FreeSurface(picture);
    SDL_UpdateWindowSurface(window_);
}

// Returns false when the event ends the panel (closing the window).
bool SdlStartPanel::HandleEvent(TStartPanel& panel, const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: return false;
        case SDL_WINDOWEVENT: return e.window.event != SDL_WINDOWEVENT_CLOSE;
        case SDL_MOUSEMOTION:
            panel.MouseMove(e.motion.x, e.motion.y);
            if (panel.HandCursor() && !hand_) hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
            SDL_SetCursor(panel.HandCursor() && hand_ ? hand_ : SDL_GetDefaultCursor());
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (e.button.button == SDL_BUTTON_LEFT) panel.MouseDown(e.button.x, e.button.y);
            break;
        case SDL_MOUSEBUTTONUP:
            if (e.button.button == SDL_BUTTON_LEFT) panel.MouseUp(e.button.x, e.button.y);
            break;
        case SDL_MOUSEWHEEL: {
            int x = 0, y = 0;
            SDL_GetMouseState(&x, &y);
            const int32_t steps = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
            panel.MouseWheel(x, y, steps);
            break;
        }
        case SDL_KEYDOWN: {
            TPanelKey key;
            if (PanelKeyOf(e.key.keysym, key)) panel.KeyPress(key);
            break;
        }
        default: break;
    }
    return true;
}

SdlStartPanel::Outcome SdlStartPanel::Run(TStartPanel& panel, const std::string& caption) {
    std::string error;
    if (!Open(caption, error)) {
        ShowErrorBox(error);
        return Outcome::Failed;
    }
    Present(panel);
    SDL_Event e;
    while (panel.Visible() && SDL_WaitEvent(&e)) {
        if (!HandleEvent(panel, e)) {
            Close();
            return Outcome::Closed;
        }
        while (panel.Visible() && SDL_PollEvent(&e))
            if (!HandleEvent(panel, e)) {
                Close();
                return Outcome::Closed;
            }
        Present(panel);
        if (panel.ProgramClosing()) break;
    }
    Close();
    if (failed_) return Outcome::Failed;
    return panel.Visible() ? Outcome::Closed : Outcome::Started;
}
