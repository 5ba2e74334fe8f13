// Composed texts against the blends they stand for, on made-up masks: any
// order of steps and colours, soft and hard coverage, every background.
#include "graphics/composed_text.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

Surface16 Noise(int32_t w, int32_t h, uint32_t seed) {
    std::mt19937 rng(seed);
    Surface16 s(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) s.SetPixel(x, y, static_cast<uint16_t>(rng()));
    return s;
}

std::vector<uint8_t> RandomMask(int32_t w, int32_t h, std::mt19937& rng) {
    std::vector<uint8_t> m(static_cast<size_t>(w) * h);
    for (auto& a : m) {
        const uint32_t r = rng() % 4;
        a = r == 0 ? 0 : r == 1 ? 255 : static_cast<uint8_t>(rng());
    }
    return m;
}

TEST(ComposedText, EqualsItsBlendsOneAfterAnotherForAnyStepsAndBackground) {
    std::mt19937 rng(7);
    ChannelMapPool pool;
    for (int round = 0; round < 40; ++round) {
        const int32_t w = 1 + static_cast<int32_t>(rng() % 30), h = 1 + static_cast<int32_t>(rng() % 12);
        const std::vector<uint8_t> cov = RandomMask(w, h, rng);
        const CoverageMask mask{w, h, cov.data()};
        std::vector<ComposeStep> steps(1 + rng() % 9);
        for (auto& s : steps)
            s = {static_cast<int32_t>(rng() % 5) - 2, static_cast<int32_t>(rng() % 5) - 2,
                 static_cast<uint32_t>(rng() & 0xFFFFFF)};
        ComposedText text;
        ASSERT_TRUE(text.Compose(mask, steps, pool));
        for (auto [x, y] : {std::pair{5, 4}, {-3, -2}, {30, 15}, {-40, 0}}) {
            // Over noise the maps are used; over a surface known to be black
            // the text's form over black is copied; over black that was drawn
            // (not known to be clear) the maps are used again.
            Surface16 drawnBlack(40, 20);
            drawnBlack.FillRect(Bounds(x - 3, y - 3, 40, 20), 0);
            for (Surface16 want : {Noise(40, 20, static_cast<uint32_t>(round)), Surface16(40, 20), drawnBlack}) {
                Surface16 got = want;
                for (const auto& s : steps) BlendCoverage(want, x + s.dx, y + s.dy, mask, s.bgrColor);
                text.Draw(got, x, y);
                ASSERT_EQ(got.Pixels(), want.Pixels()) << "round " << round << " at " << x << "," << y;
            }
        }
    }
    EXPECT_LT(pool.Count(), 40000u);
}

TEST(ComposedText, SkipsUntouchedPixelsAndDrawsNothingWhenEmpty) {
    const std::vector<uint8_t> cov = {0, 0, 255, 0, 0, 0, 128, 0, 0, 0, 0, 0};
    ChannelMapPool pool;
    ComposedText text;
    const ComposeStep steps[] = {{0, 0, 0xFFFFFF}};
    ASSERT_TRUE(text.Compose(CoverageMask{6, 2, cov.data()}, steps, pool));
    Surface16 s = Noise(8, 4, 1);
    const Surface16 before = s;
    text.Draw(s, 1, 1);
    int changed = 0;
    for (size_t i = 0; i < s.Pixels().size(); ++i) changed += s.Pixels()[i] != before.Pixels()[i];
    EXPECT_LE(changed, 2);
    EXPECT_EQ(s.Pixel(3, 1), 0xFFFF);
    EXPECT_LE(text.Bytes(), 96u);  // two runs of one pixel, and the same over black

    ComposedText none;
    ASSERT_TRUE(none.Compose(CoverageMask{6, 2, std::vector<uint8_t>(12, 0).data()}, steps, pool));
    Surface16 t = before;
    none.Draw(t, 1, 1);
    EXPECT_EQ(t.Pixels(), before.Pixels());
}

}  // namespace
