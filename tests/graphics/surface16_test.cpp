// surface16_test.cpp: fills and the stretched, keyed blit at the surface's
// edges, and the clear that writes only where something was drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "graphics/surface16.h"

namespace {
int CountValue(const Surface16& s, uint16_t v) {
    int n = 0;
    for (uint16_t p : s.Pixels()) n += (p == v);
    return n;
}

TEST(Surface16, FillRectClipsAndIgnoresRectanglesOutsideTheSurface) {
    Surface16 s(10, 8);
    s.FillRect(TRect{-5, -5, 2, 3}, 7);
    EXPECT_EQ(CountValue(s, 7), 2 * 3);
    for (TRect r : {TRect{-20, 0, -10, 5}, TRect{12, 0, 30, 5}, TRect{0, 9, 5, 20},
                    TRect{0, -9, 5, -1}, TRect{4, 4, 4, 6}})
        s.FillRect(r, 9);
    EXPECT_EQ(CountValue(s, 9), 0);
}

TEST(Surface16, StretchBlitScalesClipsAndLeavesOutTheKey) {
    Surface16 src(2, 1);
    src.SetPixel(0, 0, 1);
    src.SetPixel(1, 0, 2);
    Surface16 dst(8, 4);
    dst.StretchBlit(TRect{-2, 0, 6, 2}, src, src.Rect(), false, 0);  // 4x scaled, 2 px clipped
    EXPECT_EQ(dst.Pixel(0, 0), 1);
    EXPECT_EQ(dst.Pixel(1, 0), 1);
    EXPECT_EQ(dst.Pixel(2, 1), 2);
    EXPECT_EQ(dst.Pixel(5, 1), 2);
    EXPECT_EQ(dst.Pixel(6, 0), 0);
    EXPECT_EQ(dst.Pixel(0, 2), 0);

    Surface16 keyed(8, 4);
    keyed.Fill(5);
    keyed.StretchBlit(TRect{0, 0, 8, 4}, src, src.Rect(), true, 1);
    EXPECT_EQ(keyed.Pixel(0, 0), 5);  // key colour left out
    EXPECT_EQ(keyed.Pixel(7, 3), 2);
}

TEST(Surface16, BlitFromOutsideTheSourceOrIntoNothingCopiesNothing) {
    Surface16 src(4, 4);
    src.Fill(3);
    Surface16 dst(4, 4);
    dst.StretchBlit(TRect{0, 0, 4, 4}, src, TRect{2, 2, 6, 6}, false, 0);
    dst.StretchBlit(TRect{0, 0, 0, 4}, src, src.Rect(), false, 0);
    dst.StretchBlit(TRect{10, 10, 20, 20}, src, src.Rect(), false, 0);
    EXPECT_EQ(CountValue(dst, 3), 0);
}

TEST(Surface16, ColoursReduceToRgb565AndBack) {
    EXPECT_EQ(ColorToRgb565(0x0000FF), 0xF800);  // 0x00BBGGRR: pure red
    EXPECT_EQ(ColorToRgb565(0xFFFFFF), 0xFFFF);
    EXPECT_EQ(ColorToRgb565(0x0400FC), ColorToRgb565(0x0000FF));  // indistinguishable in 16 bits
    uint8_t r, g, b;
    Rgb565ToRgb(0xFFFF, r, g, b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 255);
    EXPECT_EQ(b, 255);
}
}  // namespace

namespace {
// Every destination pixel shows the source pixel under its centre, for
// shrinking and growing spans of many lengths (the sizes the game scales
// between included: 535 to 68, 270 to 34).
TEST(Surface16, ScaledPixelsComeFromUnderTheirCentres) {
    for (int32_t sw : {1, 2, 3, 7, 17, 34, 35, 270, 535}) {
        Surface16 src(sw, 1);
        for (int32_t x = 0; x < sw; ++x) src.SetPixel(x, 0, static_cast<uint16_t>(x + 1));
        for (int32_t dw : {1, 2, 3, 5, 34, 35, 68, 100, 535, 1024}) {
            Surface16 dst(dw, 1);
            dst.StretchBlit(TRect{0, 0, dw, 1}, src, src.Rect(), false, 0);
            for (int32_t d = 0; d < dw; ++d) {
                const int64_t expected = (2 * int64_t{d} + 1) * sw / (2 * int64_t{dw});
                ASSERT_EQ(dst.Pixel(d, 0), expected + 1) << sw << " -> " << dw << " at " << d;
            }
        }
    }
}

TEST(Surface16, ExtremeRectanglesAreClippedWithoutOverflow) {
    Surface16 src(4, 4);
    src.Fill(6);
    Surface16 dst(8, 8);
    dst.StretchBlit(TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, src, src.Rect(), false, 0);
    EXPECT_EQ(dst.Pixel(0, 0), 6);
    EXPECT_EQ(dst.Pixel(7, 7), 6);
}
}  // namespace

namespace {
TRect RandomRect(std::mt19937& rng, int32_t w, int32_t h) {
    const int32_t x = static_cast<int32_t>(rng() % (w + 20)) - 10, y = static_cast<int32_t>(rng() % (h + 20)) - 10;
    return Bounds(x, y, static_cast<int32_t>(rng() % 25), static_cast<int32_t>(rng() % 20));
}
// The underlay copied again rewrites only what was written over it; with
// random writes in between (fills, keyed blits, pixels, rows noted by hand,
// another or a changed source) it must leave exactly the pixels of a whole copy.
TEST(Surface16, TheUnderlayCopiedAgainEqualsAWholeCopy) {
    std::mt19937 rng(3);
    Surface16 picture(300, 250), other(300, 250), sprite(20, 10);
    for (int32_t y = 0; y < 250; ++y)
        for (int32_t x = 0; x < 300; ++x) {
            picture.SetPixel(x, y, static_cast<uint16_t>(rng()));
            other.SetPixel(x, y, static_cast<uint16_t>(rng()));
        }
    sprite.FillRect(sprite.Rect(), 5);
    sprite.FillRect(TRect{0, 0, 4, 4}, 0);
    const TRect where{-10, 10, 290, 260}, from = picture.Rect();  // 290 x 230 on the surface
    Surface16 fast(320, 240);
    for (int frame = 0; frame < 200; ++frame) {
        const int writes = static_cast<int>(rng() % 4);
        for (int w = 0; w < writes; ++w) {
            const int32_t x = static_cast<int32_t>(rng() % 330) - 10;
            const int32_t y = static_cast<int32_t>(rng() % 250) - 10;
            switch (rng() % 4) {
            case 0: fast.FillRect(Bounds(x, y, 15, 9), 3); break;
            case 1: fast.StretchBlit(Bounds(x, y, 20, 10), sprite, sprite.Rect(), true, 0); break;
            case 2:
                if (x >= 0 && y >= 0 && x < 320 && y < 240) fast.SetPixel(x, y, 9);
                break;
            default:
                if (y >= 0 && y < 240) {
                    fast.Row(y)[0] = 4;
                    fast.NoteDrawn(Bounds(0, y, 1, 1));
                }
            }
        }
        if (frame == 120) picture.SetPixel(5, 5, 77);  // the source changes
        const Surface16& src = frame % 50 == 49 ? other : picture;
        Surface16 whole(320, 240);  // the same pixels, no underlay: a whole copy
        for (int32_t y = 0; y < 240; ++y) std::copy_n(fast.Pixels().data() + y * 320, 320, whole.Row(y));
        fast.StretchBlit(where, src, from, false, 0);
        whole.StretchBlit(where, src, from, false, 0);
        ASSERT_EQ(fast.Pixels(), whole.Pixels()) << "frame " << frame;
    }
}

}  // namespace

// The frame's clear writes only where something was drawn since the last
// clear; it must leave exactly what a whole clear outside the kept rectangle
// leaves, frame after frame, whatever was drawn and however much.
TEST(Surface16, ClearingWhatWasDrawnLeavesWhatAWholeClearLeaves) {
    std::mt19937 rng(11);
    Surface16 picture(7, 5);
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 7; ++x) picture.SetPixel(x, y, static_cast<uint16_t>(1 + x + 7 * y));
    Surface16 tracked(64, 48), whole(64, 48);
    for (int frame = 0; frame < 400; ++frame) {
        const TRect keep = frame % 7 == 0 ? TRect{} : RandomRect(rng, 64, 48);
        const uint16_t clear = frame % 50 < 45 ? 0 : 0x1234;  // the clear colour changes now and then
        tracked.ClearOutside(keep, clear);
        whole.FillOutside(keep, clear);
        ASSERT_EQ(tracked.Pixels(), whole.Pixels()) << "frame " << frame;
        const int draws = static_cast<int>(rng() % (frame % 10 == 0 ? 60 : 6));  // at times more than it lists
        for (int i = 0; i < draws; ++i) {
            const TRect r = RandomRect(rng, 64, 48);
            const uint16_t v = static_cast<uint16_t>(rng());
            switch (rng() % 3) {
            case 0:
                tracked.FillRect(r, v), whole.FillRect(r, v);
                break;
            case 1:
                tracked.StretchBlit(r, picture, picture.Rect(), true, 3);
                whole.StretchBlit(r, picture, picture.Rect(), true, 3);
                break;
            default:
                if (r.Left >= 0 && r.Top >= 0 && r.Left < 64 && r.Top < 48)
                    tracked.SetPixel(r.Left, r.Top, v), whole.SetPixel(r.Left, r.Top, v);
            }
        }
    }
}

TEST(Surface16, DrawnAreaKnowsWhatIsStillClear) {
    Surface16 s(20, 10);
    EXPECT_TRUE(s.Drawn().IsClear(s.Rect()));  // a new surface is black
    s.FillRect(Bounds(2, 2, 3, 3), 5);
    EXPECT_FALSE(s.Drawn().IsClear(Bounds(4, 4, 2, 2)));
    EXPECT_TRUE(s.Drawn().IsClear(Bounds(5, 0, 15, 10)));
    s.ClearOutside(Bounds(0, 0, 3, 3), 0);  // the part outside (0,0)-(3,3) is cleared
    EXPECT_TRUE(s.Drawn().IsClear(Bounds(3, 0, 17, 10)));
    EXPECT_FALSE(s.Drawn().IsClear(Bounds(2, 2, 1, 1)));
    EXPECT_EQ(s.Pixel(2, 2), 5);
    EXPECT_EQ(s.Pixel(3, 3), 0);
    s.Fill(7);
    EXPECT_EQ(s.Drawn().ClearValue(), 7);
    EXPECT_TRUE(s.Drawn().IsClear(s.Rect()));
}
