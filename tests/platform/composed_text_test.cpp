// The real renderer's composed texts against a renderer without a cache (which
// blends every copy from the mask): every text of the table, both languages,
// both pixel heights, outlined and plain, over a background of many colours,
// must come out pixel for pixel the same, also when clipped at the edges.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "platform/font_data.h"
#include "platform/ttf_text_renderer.h"
#include "texts/texts.h"

namespace {

// Every RGB565 channel value occurs under the texts.
Surface16 Patterned(int32_t w, int32_t h) {
    Surface16 s(w, h);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            s.SetPixel(x, y, static_cast<uint16_t>((x * 2654435761u + y * 40503u) >> 7));
    return s;
}

// The lines of the texts firstId..lastId of one table, as the overlay draws them.
std::vector<std::string> TextLines(uint8_t language, int firstId, int lastId) {
    std::vector<std::string> lines;
    for (int id = firstId; id <= lastId; ++id) {
            std::string text;
            if (!GetTextIn(language, static_cast<TextId>(id), text)) continue;
            size_t from = 0;
            for (size_t at; (at = text.find('#', from)) != std::string::npos; from = at + 1)
                lines.push_back(text.substr(from, at - from));
            lines.push_back(text.substr(from));
    }
    return lines;
}

void ExpectSame(const Surface16& got, const Surface16& want, const std::string& what) {
    if (got.Pixels() == want.Pixels()) return;
    for (int32_t y = 0; y < got.Height(); ++y)
        for (int32_t x = 0; x < got.Width(); ++x)
            if (got.Pixel(x, y) != want.Pixel(x, y)) {
                ADD_FAILURE() << what << ": first difference at " << x << "," << y;
                return;
            }
}

void ExpectTextsDrawnAsTheNineBlends(uint8_t language, int32_t height, int firstId, int lastId) {
    TtfTextRenderer cached;
    TtfTextRenderer fresh(EmbeddedFontData(), 0);
    const std::vector<std::string> lines = TextLines(language, firstId, lastId);
    ASSERT_GT(lines.size(), 60u);
    const Surface16 background = Patterned(900, 26);
    for (const std::string& line : lines) {
        Surface16 outlined = background;
        fresh.TextOutOutlined(outlined, 4, 3, height, line, 0xFFFFFF);
        // Twice: the first draw composes, the second uses the composition.
        for (int pass = 0; pass < 2; ++pass) {
            Surface16 got = background;
            cached.TextOutOutlined(got, 4, 3, height, line, 0xFFFFFF);
            ExpectSame(got, outlined, "outlined '" + line + "' at " + std::to_string(height));
        }
        Surface16 got = background, want = background;
        cached.TextOut(got, 4, 3, height, line, 0x000000);
        fresh.TextOut(want, 4, 3, height, line, 0x000000);
        ExpectSame(got, want, "plain '" + line + "' at " + std::to_string(height));
    }
}

// Every text of both tables at both sizes, in cases short enough for the
// sanitizer build: one per table, size and third of the ids.
class EveryText : public ::testing::TestWithParam<std::tuple<int, int, int>> {};

TEST_P(EveryText, DrawsAsTheNineBlends) {
    static constexpr int kFirst[] = {0, 200, 300}, kLast[] = {199, 299, 400};
    const auto [language, height, part] = GetParam();
    ExpectTextsDrawnAsTheNineBlends(static_cast<uint8_t>(language), height, kFirst[part], kLast[part]);
}

INSTANTIATE_TEST_SUITE_P(ComposedTexts, EveryText,
                         ::testing::Combine(::testing::Values(0, 1), ::testing::Values(15, 16),
                                            ::testing::Values(0, 1, 2)));

TEST(ComposedTexts, ClippedAtEveryEdgeAndInASecondColourStillTheSame) {
    TtfTextRenderer cached;
    TtfTextRenderer fresh(EmbeddedFontData(), 0);
    const std::string text = "Outlined text at the edges";
    const Surface16 background = Patterned(120, 14);
    for (auto [x, y] : {std::pair{-1, -1}, {-30, 2}, {100, 5}, {3, -9}, {5, 8}, {-200, 0}, {0, 14},
                        {INT32_MIN, 0}, {INT32_MAX, INT32_MAX}})
        for (uint32_t color : {0xFFFFFFu, 0x30C0F0u}) {  // the second colour is blended plainly
            Surface16 got = background, want = background;
            cached.TextOutOutlined(got, x, y, 15, text, color);
            fresh.TextOutOutlined(want, x, y, 15, text, color);
            ExpectSame(got, want, "at " + std::to_string(x) + "," + std::to_string(y));
        }
    EXPECT_EQ(cached.Rasterisations(), 1u);
}

}  // namespace
