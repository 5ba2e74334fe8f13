// desktop_input_test.cpp: the window's own keys and the mouse mapping, from
// SDL events to the form: Alt+Enter is never a click, the desktop keys never
// reach the game, and a hotspot's edge pixels are hit exactly at 1x, 2x and 3x.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "platform/event_loop.h"
#include "platform/window_scale.h"
#include "shell/start_game.h"
#include "tests/platform/sdl_events.h"
#include "shell/game_reset.h"

namespace {
struct Recorder : IFormInput {
    std::vector<std::string> got;
    void MouseMove(int32_t x, int32_t y) override { got.push_back("move " + std::to_string(x) + " " + std::to_string(y)); }
    void Click() override { got.push_back("click"); }
    void MouseUp(TMouseButton b, int32_t, int32_t) override { got.push_back(b == TMouseButton::mbLeft ? "up left" : "up other"); }
    void MouseDown(TMouseButton b, int32_t, int32_t) override { got.push_back(b == TMouseButton::mbMiddle ? "down middle" : "down other"); }
    void KeyDown(int32_t key, bool shift) override { got.push_back("down " + std::to_string(key) + (shift ? " shift" : "")); }
    void KeyUp(int32_t key) override { got.push_back("up " + std::to_string(key)); }
    void PadButton(TPadButton b, bool down) override { got.push_back("pad " + std::to_string(static_cast<int>(b)) + (down ? " down" : " up")); }
    void PadStick(int32_t x, int32_t y) override { got.push_back("stick " + std::to_string(x) + " " + std::to_string(y)); }
    bool Saw(const std::string& what) const { return std::find(got.begin(), got.end(), what) != got.end(); }
};

struct FakeControls : IDesktopControls {
    int toggles = 0, shots = 0, mutes = 0, scale = 0;
    AreaViewport view{0, 0, 640, 480};
    void ToggleFullScreen() override { ++toggles; }
    void ChangeScale(int32_t step) override { scale += step; }
    void TakeScreenshot() override { ++shots; }
    void ToggleMute() override { ++mutes; }
    void MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) override { WindowToArea(view, 640, 480, wx, wy, ax, ay); }
    void WindowResized() override {}
};


class DesktopInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGame();
        form = std::make_unique<TMainForm>(platform.Platform());
    }
    TNullPlatform platform;
    std::unique_ptr<TMainForm> form;
    Recorder input;
    FakeControls controls;
};

TEST_F(DesktopInputTest, TheEnterOfAltEnterIsNeverAClick) {
    EventRouter router(*form, &controls, &input);
    // Alt down, Enter down (and held: repeats), Alt up first, then Enter up.
    router.Handle(Key(SDL_KEYDOWN, SDLK_LALT, KMOD_LALT));
    router.Handle(Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT));
    router.Handle(Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT, 1));
    router.Handle(Key(SDL_KEYUP, SDLK_LALT));
    router.Handle(Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_NONE, 1));
    router.Handle(Key(SDL_KEYUP, SDLK_RETURN));
    EXPECT_EQ(controls.toggles, 1);
    EXPECT_FALSE(input.Saw("down 13"));
    EXPECT_FALSE(input.Saw("up 13"));
    // Keypad Enter with the right Alt, released in the usual order.
    router.Handle(Key(SDL_KEYDOWN, SDLK_KP_ENTER, KMOD_RALT));
    router.Handle(Key(SDL_KEYUP, SDLK_KP_ENTER, KMOD_RALT));
    EXPECT_EQ(controls.toggles, 2);
    EXPECT_FALSE(input.Saw("up 13"));
    // A plain Enter afterwards is a click again.
    router.Handle(Key(SDL_KEYDOWN, SDLK_RETURN));
    router.Handle(Key(SDL_KEYUP, SDLK_RETURN));
    EXPECT_TRUE(input.Saw("down 13"));
    EXPECT_TRUE(input.Saw("up 13"));
    EXPECT_EQ(controls.toggles, 2);
}

TEST_F(DesktopInputTest, AnEnterWhoseReleaseWasLostStillClicksNextTime) {
    EventRouter router(*form, &controls, &input);
    router.Handle(Key(SDL_KEYDOWN, SDLK_RETURN, KMOD_LALT));  // release goes to another window
    router.Handle(Key(SDL_KEYDOWN, SDLK_RETURN));
    router.Handle(Key(SDL_KEYUP, SDLK_RETURN));
    EXPECT_EQ(controls.toggles, 1);
    EXPECT_TRUE(input.Saw("up 13"));
}

TEST_F(DesktopInputTest, DesktopKeysActOnceAndNeverReachTheGame) {
    EventRouter router(*form, &controls, &input);
    router.Handle(Key(SDL_KEYDOWN, SDLK_F11));
    router.Handle(Key(SDL_KEYDOWN, SDLK_F11, KMOD_NONE, 1));
    router.Handle(Key(SDL_KEYDOWN, SDLK_F12));
    router.Handle(Key(SDL_KEYDOWN, SDLK_F12, KMOD_NONE, 1));
    router.Handle(Key(SDL_KEYDOWN, SDLK_m, KMOD_LCTRL));
    router.Handle(Key(SDL_KEYDOWN, SDLK_EQUALS, KMOD_LCTRL | KMOD_LSHIFT));
    router.Handle(Key(SDL_KEYDOWN, SDLK_KP_PLUS, KMOD_RCTRL));
    router.Handle(Key(SDL_KEYDOWN, SDLK_MINUS, KMOD_LCTRL));
    EXPECT_EQ(controls.toggles, 1);
    EXPECT_EQ(controls.shots, 1);
    EXPECT_EQ(controls.mutes, 1);
    EXPECT_EQ(controls.scale, 1);
    for (const std::string& g : input.got) EXPECT_EQ(g.rfind("down", 0), std::string::npos) << g;
    // Without Ctrl these are ordinary keys for the form, and do nothing here.
    router.Handle(Key(SDL_KEYDOWN, SDLK_m));
    router.Handle(Key(SDL_KEYDOWN, SDLK_MINUS));
    EXPECT_EQ(controls.mutes, 1);
    EXPECT_EQ(controls.scale, 1);
    EXPECT_TRUE(input.Saw("down 0"));
    // Space keeps acting as a click.
    router.Handle(Key(SDL_KEYUP, SDLK_SPACE));
    EXPECT_TRUE(input.Saw("up 32"));
}

// The game's own keys reach the form with their meaning: Tab with Shift, Escape, H;
// the middle button's press as well as its release.
TEST_F(DesktopInputTest, TabEscapeHAndTheMiddleButtonReachTheForm) {
    EventRouter router(*form, &controls, &input);
    router.Handle(Key(SDL_KEYDOWN, SDLK_TAB));
    router.Handle(Key(SDL_KEYDOWN, SDLK_TAB, KMOD_LSHIFT));
    router.Handle(Key(SDL_KEYUP, SDLK_ESCAPE));
    router.Handle(Key(SDL_KEYDOWN, SDLK_h));
    router.Handle(Key(SDL_KEYUP, SDLK_h));
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = SDL_BUTTON_MIDDLE;
    router.Handle(press);
    for (const char* want : {"down 9", "down 9 shift", "up 27", "down 72", "up 72", "down middle"})
        EXPECT_TRUE(input.Saw(want)) << want;
}

// The game menu's first entry (hotspot 15) under a window of scale s: the
// window pixels of its left and right edge columns hover it, the ones just
// outside do not.
TEST_F(DesktopInputTest, AHotspotsEdgePixelsAreHitAtEveryScale) {
    std::string error;
    ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
    ASSERT_TRUE(StartGame(*form, DisplayMode{}, error)) << error;
    const TPomocnyObjekt* spot = nullptr;
    for (const TPomocnyObjekt& h : GameState.ui.hotspots)
        if (h.id == 15) spot = &h;
    ASSERT_NE(spot, nullptr);
    const int32_t left = GameState.ui.originX + spot->left, right = GameState.ui.originX + spot->right;
    const int32_t middle = GameState.ui.originY + (spot->top + spot->bottom) / 2;
    EventRouter router(*form, &controls);
    auto hoverAt = [&](int32_t wx, int32_t wy) {
        router.Handle(Motion(wx, wy));
        form->TimerTimer(16);
        return GameState.ui.hoverId;
    };
    for (int32_t s = 1; s <= 3; ++s) {
        controls.view = FitDrawingArea(640 * s, 480 * s, 640, 480);
        for (int32_t k = 0; k < s; ++k) {
            EXPECT_EQ(hoverAt(left * s + k, middle * s + k), 15) << "scale " << s;
            EXPECT_EQ(hoverAt(right * s + k, middle * s), 15) << "scale " << s;
        }
        EXPECT_NE(hoverAt(left * s - 1, middle * s), 15) << "scale " << s;
        EXPECT_NE(hoverAt((right + 1) * s, middle * s), 15) << "scale " << s;
        EXPECT_EQ(GameState.ui.mouseX, right + 1);
    }
}
}  // namespace
