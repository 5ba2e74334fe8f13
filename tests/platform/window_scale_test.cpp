// window_scale_test.cpp: where the drawing area lands in a window or on a
// screen, and which drawing-area pixel a window position is.
#include <gtest/gtest.h>

#include "platform/window_scale.h"

namespace {
void ExpectView(const AreaViewport& v, int x, int y, int w, int h) {
    EXPECT_EQ(v.x, x);
    EXPECT_EQ(v.y, y);
    EXPECT_EQ(v.w, w);
    EXPECT_EQ(v.h, h);
}

TEST(WindowScale, WindowsOfWholeScalesAreFilledAndScreensGetCentredWholeScales) {
    for (int s = 1; s <= 4; ++s) ExpectView(FitDrawingArea(640 * s, 480 * s, 640, 480), 0, 0, 640 * s, 480 * s);
    ExpectView(FitDrawingArea(1920, 1080, 640, 480), 320, 60, 1280, 960);   // 2x, borders all round
    ExpectView(FitDrawingArea(1024, 768, 640, 480), 192, 144, 640, 480);    // 1x: 2x does not fit
    ExpectView(FitDrawingArea(1024, 768, 800, 600), 112, 84, 800, 600);
    ExpectView(FitDrawingArea(2560, 1440, 640, 480), 320, 0, 1920, 1440);   // 3x exactly high
    // Smaller than the area: scaled down with its proportions, centred.
    ExpectView(FitDrawingArea(320, 200, 640, 480), 27, 0, 266, 200);
    ExpectView(FitDrawingArea(320, 400, 640, 480), 0, 80, 320, 240);
    ExpectView(FitDrawingArea(0, 480, 640, 480), 0, 0, 0, 0);
}

TEST(WindowScale, EveryWindowPixelOfAnAreaPixelMapsBackToIt) {
    for (int s = 1; s <= 4; ++s) {
        const AreaViewport v = FitDrawingArea(640 * s, 480 * s, 640, 480);
        for (int ax : {0, 1, 99, 100, 639})
            for (int k = 0; k < s; ++k) {
                int32_t x = -1, y = -1;
                WindowToArea(v, 640, 480, ax * s + k, 479 * s + k, x, y);
                EXPECT_EQ(x, ax) << "scale " << s << " offset " << k;
                EXPECT_EQ(y, 479);
            }
    }
}

TEST(WindowScale, BordersOfAFullScreenMapToTheNearestEdge) {
    const AreaViewport v = FitDrawingArea(1920, 1080, 640, 480);  // 2x at (320, 60)
    int32_t x = 0, y = 0;
    WindowToArea(v, 640, 480, 0, 0, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    WindowToArea(v, 640, 480, 319, 59, x, y);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    WindowToArea(v, 640, 480, 320 + 1279, 60 + 959, x, y);
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
    WindowToArea(v, 640, 480, 1919, 1079, x, y);
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
    WindowToArea(v, 640, 480, 320 + 2 * 100 + 1, 60 + 2 * 50, x, y);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 50);
    // Scaled down: positions still land inside the area.
    const AreaViewport small = FitDrawingArea(320, 200, 640, 480);
    WindowToArea(small, 640, 480, 27 + 265, 199, x, y);
    EXPECT_EQ(x, 637);
    EXPECT_EQ(y, 477);
}

TEST(WindowScale, OnlyScalesWhoseWindowFitsTheScreenAreOffered) {
    EXPECT_EQ(LargestWindowScale(1024, 768, 50, 50, 640, 480), 1);
    EXPECT_EQ(LargestWindowScale(1920, 1080, 50, 50, 640, 480), 2);
    EXPECT_EQ(LargestWindowScale(2050, 1500, 50, 50, 640, 480), 3);
    EXPECT_EQ(LargestWindowScale(3840, 2160, 50, 50, 640, 480), 4);
    EXPECT_EQ(LargestWindowScale(600, 400, 50, 50, 640, 480), 1);  // not even 1x: still 1x
    EXPECT_EQ(ClampWindowScale(0, 3), 1);
    EXPECT_EQ(ClampWindowScale(4, 3), 3);
    EXPECT_EQ(ClampWindowScale(2, 0), 1);
}
}  // namespace
