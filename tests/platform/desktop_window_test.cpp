// desktop_window_test.cpp: the real window backend and the desktop keys on
// SDL's dummy video driver (one 1024x768 screen): the window's place and
// size, full screen with black borders and the mouse on a hotspot's edge
// pixels there, F12's file, and window.cfg following every change.
#include <gtest/gtest.h>

#include <SDL.h>
#include <png.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>

#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/muting_sound_library.h"
#include "platform/sdl_display.h"
#include "platform/window_prefs.h"
#include "shell/start_game.h"
#include "tests/platform/sdl_events.h"
#include "shell/game_reset.h"

namespace {
namespace fs = std::filesystem;


class DesktopWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        dir = fs::temp_directory_path() / ("vk3-desktop-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        ResetGame();
        form = std::make_unique<TMainForm>(TPlatform{display, platform.clock, platform.fixedText, sound, platform.web});
        std::string error;
        ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
        ASSERT_TRUE(StartGame(*form, DisplayMode{}, error)) << error;
        desktop = std::make_unique<Desktop>(*form, display, sound, dir.string() + "/", out);
        desktop->screenshotFolder = [this] { return dir.string(); };
    }
    void TearDown() override {
        desktop.reset();
        form.reset();
        ResetGame();
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        fs::remove_all(dir);
    }
    uint16_t HoverAt(EventRouter& router, int32_t wx, int32_t wy) {
        router.Handle(Motion(wx, wy));
        form->TimerTimer(16);
        return GameState.ui.hoverId;
    }

    fs::path dir;
    TNullPlatform platform;
    SdlDisplayBackend display{"test"};
    MutingSoundLibrary sound{platform.sound};
    std::unique_ptr<TMainForm> form;
    std::ostringstream out;
    std::unique_ptr<Desktop> desktop;
};

TEST_F(DesktopWindowTest, TheWindowSitsAt50And50AndOnlyScalesThatFitAreTaken) {
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(display.Window(), &x, &y);
    SDL_GetWindowSize(display.Window(), &w, &h);
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 50);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_TRUE(SDL_GetWindowFlags(display.Window()) & SDL_WINDOW_BORDERLESS);
    // 2x would be 1280x960 at (50,50): more than the dummy's 1024x768 screen.
    EXPECT_EQ(display.MaxScale(), 1);
    EventRouter router(*form, desktop.get());
    router.Handle(KeyDown(SDLK_EQUALS, KMOD_LCTRL));
    EXPECT_EQ(display.Scale(), 1);
    EXPECT_FALSE(fs::exists(dir / "window.cfg"));  // nothing changed, nothing written
}

TEST_F(DesktopWindowTest, FullScreenHasBlackBordersAndTheMouseStillHitsEdgePixels) {
    EventRouter router(*form, desktop.get());
    desktop->ApplyPrefs(WindowPrefs{1, false, false, true});  // the replies off: kept when remembering
    router.Handle(KeyDown(SDLK_RETURN, KMOD_LALT));
    ASSERT_TRUE(display.FullScreen());
    const AreaViewport v = display.Viewport();
    EXPECT_EQ(v.x, 192);
    EXPECT_EQ(v.y, 144);
    EXPECT_EQ(v.w, 640);
    EXPECT_EQ(v.h, 480);
    EXPECT_EQ(LoadWindowPrefs(dir.string() + "/"), (WindowPrefs{1, true, false, true}));

    const TPomocnyObjekt* spot = nullptr;
    for (const TPomocnyObjekt& h : GameState.ui.hotspots)
        if (h.id == 15) spot = &h;
    ASSERT_NE(spot, nullptr);
    const int32_t left = GameState.ui.originX + spot->left, right = GameState.ui.originX + spot->right;
    const int32_t middle = GameState.ui.originY + (spot->top + spot->bottom) / 2;
    EXPECT_EQ(HoverAt(router, v.x + left, v.y + middle), 15);
    EXPECT_EQ(HoverAt(router, v.x + right, v.y + middle), 15);
    EXPECT_NE(HoverAt(router, v.x + left - 1, v.y + middle), 15);
    EXPECT_NE(HoverAt(router, v.x + right + 1, v.y + middle), 15);
    HoverAt(router, 3, 1000);  // on the border: the nearest edge of the area
    EXPECT_EQ(GameState.ui.mouseX, 0);
    EXPECT_EQ(GameState.ui.mouseY, 479);

    // F11 goes back to the window, at its place and size.
    router.Handle(KeyDown(SDLK_F11));
    EXPECT_FALSE(display.FullScreen());
    int w = 0, h = 0;
    SDL_GetWindowSize(display.Window(), &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_EQ(display.Viewport().x, 0);
    EXPECT_EQ(LoadWindowPrefs(dir.string() + "/"), (WindowPrefs{1, false, false, true}));
}

TEST_F(DesktopWindowTest, F12WritesTheLastFrameAndPrintsItsPath) {
    form->TimerTimer(16);
    EventRouter router(*form, desktop.get());
    router.Handle(KeyDown(SDLK_F12));
    std::string path = out.str();
    ASSERT_FALSE(path.empty());
    ASSERT_EQ(path.back(), '\n');
    path.pop_back();
    EXPECT_EQ(fs::path(path).parent_path(), dir);
    EXPECT_EQ(fs::path(path).filename().string().rfind("varnoklet3-", 0), 0u);
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str())) << image.message;
    EXPECT_EQ(image.width, 640u);  // the drawing area, unscaled
    EXPECT_EQ(image.height, 480u);
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    // Every pixel is the back buffer's.
    const Surface16& frame = form->DDraw.Surface();
    int wrong = 0;
    for (int32_t y = 0; y < 480; ++y)
        for (int32_t x = 0; x < 640; ++x) {
            uint8_t r, g, b;
            Rgb565ToRgb(frame.Pixel(x, y), r, g, b);
            const uint8_t* p = &rgb[(static_cast<size_t>(y) * 640 + x) * 3];
            wrong += p[0] != r || p[1] != g || p[2] != b;
        }
    EXPECT_EQ(wrong, 0);
}

TEST_F(DesktopWindowTest, CtrlMMutesAndRestoresWithoutTouchingTheSettings) {
    GameState.settings.soundOn = 1;
    EventRouter router(*form, desktop.get());
    router.Handle(KeyDown(SDLK_m, KMOD_LCTRL));
    EXPECT_TRUE(sound.Muted());
    router.Handle(KeyDown(SDLK_m, KMOD_RCTRL));
    EXPECT_FALSE(sound.Muted());
    EXPECT_EQ(GameState.settings.soundOn, 1);
    EXPECT_FALSE(fs::exists(dir / "save.qzd"));
}
}  // namespace
