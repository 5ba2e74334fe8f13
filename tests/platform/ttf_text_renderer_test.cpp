// Tests of the SDL_ttf text renderer with the built-in face: widths, Czech
// letters, coverage blending and transparency, clipping, the mask cache
// (a cached draw equals a fresh one, eviction) and a face that cannot open.
#include "platform/ttf_text_renderer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/font_data.h"
#include "texts/cp1250.h"

namespace {

constexpr uint16_t kGrey = ColorToRgb565(0x808080);

std::string Cp1250(std::string_view utf8) {
    std::string out, error;
    EXPECT_TRUE(Utf8ToCp1250(utf8, out, error)) << error;
    return out;
}

Surface16 Grey(int32_t w, int32_t h) {
    Surface16 s(w, h);
    s.Fill(kGrey);
    return s;
}

// The pixels the text changed: 1 where the surface differs from plain grey.
std::vector<uint8_t> Ink(const Surface16& s) {
    std::vector<uint8_t> ink(s.Pixels().size());
    for (size_t i = 0; i < ink.size(); ++i) ink[i] = s.Pixels()[i] != kGrey;
    return ink;
}

size_t InkCount(const Surface16& s) {
    size_t n = 0;
    for (uint16_t p : s.Pixels()) n += p != kGrey;
    return n;
}

Surface16 Drawn(TtfTextRenderer& r, std::string_view text, int32_t height = 15,
                uint32_t color = 0xFFFFFF) {
    Surface16 s = Grey(400, 40);
    r.TextOut(s, 5, 5, height, text, color);
    return s;
}

TEST(TtfTextRenderer, WidthsGrowWithTextAndSize) {
    TtfTextRenderer r;
    EXPECT_EQ(r.TextWidth(15, ""), 0);
    const int32_t a = r.TextWidth(15, "A"), ab = r.TextWidth(15, "AB"), abc = r.TextWidth(15, "ABC");
    EXPECT_GT(a, 5);
    EXPECT_LT(a, 15);
    EXPECT_LT(a, ab);
    EXPECT_LT(ab, abc);
    EXPECT_LT(r.TextWidth(15, "iii"), r.TextWidth(15, "WWW"));  // proportional, not fixed
    const std::string line = "The gate of the bunker opens with a code.";
    EXPECT_GT(r.TextWidth(16, line), r.TextWidth(15, line));
    EXPECT_EQ(r.TextWidth(0, "A"), 0);
    EXPECT_EQ(r.TextWidth(-4, "A"), 0);
    EXPECT_EQ(r.TextWidth(TtfTextRenderer::kMaxPixelHeight + 1, "A"), 0);
}

TEST(TtfTextRenderer, GlyphsSitBelowTheTopLeftCornerAtTheAskedHeight) {
    TtfTextRenderer r;
    for (int32_t h : {15, 16}) {
        Surface16 s = Grey(60, 40);
        r.TextOut(s, 10, 10, h, "H", 0xFFFFFF);
        int32_t top = 99, bottom = -1, left = 99, right = -1;
        for (int32_t y = 0; y < s.Height(); ++y)
            for (int32_t x = 0; x < s.Width(); ++x)
                if (s.Pixel(x, y) != kGrey) {
                    top = std::min(top, y), bottom = std::max(bottom, y);
                    left = std::min(left, x), right = std::max(right, x);
                }
        // A capital is about 0.73 em tall and starts under the ascent.
        EXPECT_GE(top, 10) << h;
        EXPECT_NEAR(bottom - top + 1, h * 0.73, 1.5) << h;
        EXPECT_GE(left, 10) << h;
        EXPECT_LT(right, 10 + r.TextWidth(h, "H")) << h;
    }
}

TEST(TtfTextRenderer, CzechLettersHaveTheirOwnGlyphs) {
    TtfTextRenderer r;
    const char* accented[] = {"ě", "š", "č", "ř", "ž", "ý", "á", "í", "é", "ů", "ú"};
    const char* plain[] = {"e", "s", "c", "r", "z", "y", "a", "i", "e", "u", "u"};
    std::vector<std::vector<uint8_t>> seen;
    for (size_t i = 0; i < std::size(accented); ++i) {
        const std::string letter = Cp1250(accented[i]);
        ASSERT_EQ(letter.size(), 1u) << accented[i];
        Surface16 s = Drawn(r, letter);
        EXPECT_GT(InkCount(s), 10u) << accented[i];
        EXPECT_NE(Ink(s), Ink(Drawn(r, plain[i]))) << accented[i] << " drawn as " << plain[i];
        for (const auto& other : seen) EXPECT_NE(Ink(s), other) << accented[i];
        seen.push_back(Ink(s));
    }
}

TEST(TtfTextRenderer, BlendsTheColourByCoverageOverATransparentBackground) {
    TtfTextRenderer r;
    const Surface16 s = Drawn(r, "Mallet", 15, 0x0000FF);  // red
    const int32_t w = r.TextWidth(15, "Mallet");
    const uint16_t red = ColorToRgb565(0x0000FF);
    int solid = 0, partial = 0;
    for (int32_t y = 0; y < s.Height(); ++y)
        for (int32_t x = 0; x < s.Width(); ++x) {
            const uint16_t p = s.Pixel(x, y);
            if (p == kGrey) continue;
            EXPECT_TRUE(x >= 5 && x < 5 + w + 2 && y >= 5 && y < 5 + 20) << x << "," << y;
            uint8_t pr, pg, pb;
            Rgb565ToRgb(p, pr, pg, pb);
            EXPECT_GE(pr, 0x80) << x << "," << y;  // between grey and red
            EXPECT_LE(pg, 0x80) << x << "," << y;
            EXPECT_NEAR(pg, pb, 8) << x << "," << y;  // both fade from grey alike
            (p == red ? solid : partial)++;
        }
    EXPECT_GT(solid, 20);
    EXPECT_GT(partial, 20);  // anti-aliased edges
}

TEST(TtfTextRenderer, ClipsAtEverySideAndFarAway) {
    TtfTextRenderer r;
    const std::string text = "Clipped text";
    Surface16 big = Grey(200, 60);
    r.TextOut(big, 20, 20, 16, text, 0xFFFFFF);
    Surface16 small = Grey(40, 8);
    r.TextOut(small, -7, -5, 16, text, 0xFFFFFF);  // big's (27, 25) is small's (0, 0)
    for (int32_t y = 0; y < small.Height(); ++y)
        for (int32_t x = 0; x < small.Width(); ++x)
            ASSERT_EQ(small.Pixel(x, y), big.Pixel(x + 27, y + 25)) << x << "," << y;
    EXPECT_GT(InkCount(small), 0u);

    Surface16 untouched = Grey(40, 8);
    for (auto [x, y] : {std::pair{INT32_MAX - 3, 0}, {INT32_MIN, 0}, {0, INT32_MAX}, {0, INT32_MIN},
                        {40, 0}, {-200, 0}, {0, 8}, {0, -30}})
        r.TextOut(untouched, x, y, 16, text, 0xFFFFFF);
    EXPECT_EQ(InkCount(untouched), 0u);
    Surface16 none;
    r.TextOut(none, 0, 0, 16, text, 0xFFFFFF);
}

TEST(TtfTextRenderer, CachedDrawsEqualFreshOnesAndRasteriseOnce) {
    TtfTextRenderer cached;
    TtfTextRenderer fresh(EmbeddedFontData(), 0);
    const std::string texts[] = {"Door", Cp1250("Příliš žluťoučký kůň"), "86  24  34  97  24"};
    for (const std::string& t : texts)
        for (uint32_t color : {0xFFFFFFu, 0u, 0x30C0F0u}) {
            const Surface16 first = Drawn(cached, t, 15, color);
            const Surface16 again = Drawn(cached, t, 15, color);
            const Surface16 reference = Drawn(fresh, t, 15, color);
            EXPECT_EQ(first.Pixels(), again.Pixels()) << t;
            EXPECT_EQ(first.Pixels(), reference.Pixels()) << t;
        }
    EXPECT_EQ(cached.Rasterisations(), 3u);  // once per text, whatever the colour
    EXPECT_EQ(fresh.Rasterisations(), 9u);
    EXPECT_EQ(cached.CachedTexts(), 3u);
    EXPECT_EQ(fresh.CachedTexts(), 0u);

    Drawn(cached, "Door", 16);  // another size is another entry
    EXPECT_EQ(cached.Rasterisations(), 4u);
}

TEST(TtfTextRenderer, CacheKeepsTheMostRecentTextsWithinItsBound) {
    TtfTextRenderer r(EmbeddedFontData(), 3);
    TtfTextRenderer fresh(EmbeddedFontData(), 0);
    const Surface16 firstDraw = Drawn(r, "one");
    Drawn(r, "two");
    Drawn(r, "three");
    Drawn(r, "one");  // used again: "two" is now the oldest
    Drawn(r, "four");
    EXPECT_EQ(r.CachedTexts(), 3u);
    EXPECT_EQ(r.Rasterisations(), 4u);
    Drawn(r, "one");
    EXPECT_EQ(r.Rasterisations(), 4u);
    const Surface16 redrawn = Drawn(r, "two");  // evicted, rasterised again
    EXPECT_EQ(r.Rasterisations(), 5u);
    EXPECT_EQ(redrawn.Pixels(), Drawn(fresh, "two").Pixels());
    EXPECT_EQ(firstDraw.Pixels(), Drawn(r, "one").Pixels());
    // Widths measured through the cache agree with a renderer without one.
    for (const char* t : {"one", "two", "three", "four", "five"})
        EXPECT_EQ(r.TextWidth(15, t), fresh.TextWidth(15, t)) << t;
}

TEST(TtfTextRenderer, AFaceThatCannotOpenDrawsNothingAndSaysSoOnce) {
    const std::vector<uint8_t> junk(2000, 0x5A);
    testing::internal::CaptureStderr();
    {
        TtfTextRenderer r(junk);
        Surface16 s = Grey(100, 30);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(r.TextWidth(15, "Door"), 0);
            EXPECT_EQ(r.TextWidth(16, "Door"), 0);
            r.TextOut(s, 2, 2, 15, "Door", 0xFFFFFF);
        }
        EXPECT_EQ(InkCount(s), 0u);
        TtfTextRenderer empty(std::span<const uint8_t>{});
        EXPECT_EQ(empty.TextWidth(15, "Door"), 0);
    }
    const std::string err = testing::internal::GetCapturedStderr();
    size_t reports = 0;
    for (size_t at = err.find("texts cannot be drawn"); at != std::string::npos;
         at = err.find("texts cannot be drawn", at + 1))
        ++reports;
    EXPECT_EQ(reports, 2u) << err;  // one per renderer
}

TEST(TtfTextRenderer, NulBytesAreSkipped) {
    TtfTextRenderer r;
    EXPECT_EQ(Drawn(r, std::string("Do\0or", 5)).Pixels(), Drawn(r, "Door").Pixels());
    EXPECT_EQ(r.TextWidth(15, std::string(3, '\0')), 0);
}

}  // namespace
