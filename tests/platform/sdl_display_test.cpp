// sdl_display_test.cpp: the SDL window backend on SDL's dummy video driver.
//
// No real screen is involved: the dummy driver offers one display mode and
// no exclusive modes of other sizes, which is exactly the case where a full
// screen mode must fall back to a scaled desktop window instead of failing.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/sdl_display.h"

namespace {
class SdlDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    }
    void TearDown() override { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

TEST_F(SdlDisplayTest, EveryResolutionGivesADrawingAreaOfItsSize) {
    for (uint8_t res = 0; res <= 3; ++res) {
        SdlDisplayBackend backend("test");
        TDXDraw display(backend);
        std::string error;
        const DisplayMode mode = DisplayModeForResolution(res);
        ASSERT_TRUE(display.Initialize(mode, error)) << int(res) << ": " << error;
        EXPECT_EQ(display.SurfaceWidth(), mode.width);
        EXPECT_EQ(display.SurfaceHeight(), mode.height);
        display.Fill(0x0000FF);
        display.Flip();  // presenting through the renderer must not fail or crash
        display.Finalize();
        EXPECT_EQ(backend.Window(), nullptr);
    }
}

TEST_F(SdlDisplayTest, TheWindowedModeIsABorderless640x480WindowAt50_50) {
    SdlDisplayBackend backend("test");
    TDXDraw display(backend);
    std::string error;
    ASSERT_TRUE(display.Initialize(DisplayModeForResolution(0), error)) << error;
    int x = 0, y = 0, w = 0, h = 0;
    SDL_GetWindowPosition(backend.Window(), &x, &y);
    SDL_GetWindowSize(backend.Window(), &w, &h);
    EXPECT_EQ(x, 50);
    EXPECT_EQ(y, 50);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_NE(SDL_GetWindowFlags(backend.Window()) & SDL_WINDOW_BORDERLESS, 0u);
}

TEST_F(SdlDisplayTest, WithoutVideoTheDisplayReportsItCannotBeMade) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    SdlDisplayBackend backend("test");
    TDXDraw display(backend);
    std::string error;
    EXPECT_FALSE(display.Initialize(DisplayModeForResolution(0), error));
    EXPECT_EQ(error, "Primary Surface cannot be made");
    EXPECT_FALSE(display.CanDraw());
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}
}  // namespace
