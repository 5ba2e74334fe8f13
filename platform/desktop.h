// desktop.h: the desktop keys' effects in the real game.
//
// Full screen and the window scale go to the SDL window and are remembered in
// "window.cfg" beside "save.qzd" at every change; screenshots are taken of the
// back buffer (the last finished frame, unscaled, with the texts the window
// drew at its own scale drawn in at 1x) and their path printed on
// standard output; muting goes to the sound layer for this run only.
#pragma once
#include <cstdint>
#include <ctime>
#include <functional>
#include <iosfwd>
#include <string>

#include "platform/event_loop.h"
#include "platform/window_prefs.h"

class SdlDisplayBackend;
class MutingSoundLibrary;
class TMainForm;

class Desktop : public IDesktopControls {
public:
    // prefsDir: the folder of "save.qzd" (with a trailing separator).
    Desktop(TMainForm& form, SdlDisplayBackend& display, MutingSoundLibrary& sound,
            std::string prefsDir, std::ostream& out);

    // Applies the remembered scale and full-screen choice to the open window
    // and keeps the rest (the comforts) to write back with them.
    void ApplyPrefs(const WindowPrefs& prefs);

    void ToggleFullScreen() override;
    void ChangeScale(int32_t step) override;
    void TakeScreenshot() override;
    void ToggleMute() override;
    void MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) override;
    void WindowResized() override;
    void RepresentAll() override;
    bool LastFrameChanged() override;

    // Where screenshots go and the time they are named after (tests replace them).
    std::function<std::string()> screenshotFolder;
    std::function<std::time_t()> now;

private:
    void Remember();

    TMainForm& form_;
    SdlDisplayBackend& display_;
    MutingSoundLibrary& sound_;
    std::string prefsDir_;
    WindowPrefs prefs_;
    std::ostream& out_;
};
