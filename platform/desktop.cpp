// desktop.cpp: full screen, scale, screenshots and mute for the real game.
#include "platform/desktop.h"

#include <iostream>

#include "shell/main_form.h"
#include "platform/muting_sound_library.h"
#include "platform/screenshot.h"
#include "platform/sdl_display.h"

Desktop::Desktop(TMainForm& form, SdlDisplayBackend& display, MutingSoundLibrary& sound,
                 std::string prefsDir, std::ostream& out)
    : screenshotFolder(ScreenshotFolder), now([] { return std::time(nullptr); }), form_(form),
      display_(display), sound_(sound), prefsDir_(std::move(prefsDir)), out_(out) {}

void Desktop::ApplyPrefs(const WindowPrefs& prefs) {
    prefs_ = prefs;
    display_.SetScale(prefs.scale);
    display_.SetFullScreen(prefs.fullScreen);
}

void Desktop::Remember() {
    prefs_.scale = display_.Scale();
    prefs_.fullScreen = display_.FullScreen();
    SaveWindowPrefs(prefsDir_, prefs_);
}

void Desktop::ToggleFullScreen() {
    if (display_.ToggleFullScreen()) Remember();
}

void Desktop::ChangeScale(int32_t step) {
    if (display_.FullScreen()) return;  // the window's scale; full screen fits itself
    const int32_t before = display_.Scale();
    if (display_.SetScale(before + step) != before) Remember();
}

// At a scale with the texts kept apart, they are put back into a copy.
void Desktop::TakeScreenshot() {
    std::string path, error;
    const Surface16* frame = &form_.DDraw.Surface();
    Surface16 withTexts;
    if (!display_.LayerTexts().empty() && display_.LayerRenderer()) {
        withTexts = *frame;
        DrawLayerTexts(*display_.LayerRenderer(), withTexts, display_.LayerTexts());
        frame = &withTexts;
    }
    if (SaveScreenshot(*frame, screenshotFolder(), now(), path, error))
        out_ << path << std::endl;
    else
        std::cerr << "Varnoklet 3: screenshot not saved: " << error << std::endl;
}

void Desktop::ToggleMute() { sound_.SetMuted(!sound_.Muted()); }

void Desktop::MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) {
    display_.MapMouse(wx, wy, ax, ay);
}

void Desktop::WindowResized() { display_.WindowResized(); }

void Desktop::RepresentAll() { display_.RepresentAll(); }
bool Desktop::LastFrameChanged() { return display_.LastPresentChanged(); }
