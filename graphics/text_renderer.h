// text_renderer.h: drawing text onto the back buffer (the surface's text canvas).
//
// Texts are 8-bit Windows-1250 strings drawn in an Arial-metric bold face at a
// pixel height (15 for the overlay, 16 for the business-card tables), with a
// transparent background. The SDL_ttf renderer of platform/ serves the game and
// the play harness; FixedTextRenderer below is a deterministic stand-in for
// unit tests that only need widths and positions.
//
// Contract: TextWidth and TextOut accept any bytes; text outside the surface is
// clipped; nothing fails. Implementations cache what they rasterise, so drawing
// the same string every frame costs no new rasterisation.
//
// TextOutOutlined draws the overlay's outlined form of a text: in black at the
// eight neighbouring positions (kOutlineOffsets, in that order), then in the
// colour at (x, y). An implementation may compose the nine into one image, but
// its pixels must equal those of the nine TextOut calls exactly.
#pragma once
#include <climits>
#include <cstdint>
#include <string_view>

#include "graphics/surface16.h"

// The black copies of an outlined text, relative to its position, in drawing order.
inline constexpr int32_t kOutlineOffsets[8][2] = {{-1, 0}, {1, 0},   {0, 1},  {0, -1},
                                                  {1, 1},  {-1, -1}, {-1, 1}, {1, -1}};

class ITextRenderer {
public:
    virtual ~ITextRenderer() = default;
    virtual int32_t TextWidth(int32_t pixelHeight, std::string_view text) = 0;
    virtual void TextOut(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                         std::string_view text, uint32_t bgrColor) = 0;
    // The nine draws, one after another; renderers with a cache do better.
    virtual void TextOutOutlined(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                                 std::string_view text, uint32_t bgrColor) {
        TextOutOutlinedWide(dest, x, y, pixelHeight, text, bgrColor, 1);
    }
    // The outlined form with the black copies `step` pixels away instead of
    // one (a text drawn at `step` times its size keeps the outline's shape).
    virtual void TextOutOutlinedWide(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                                     std::string_view text, uint32_t bgrColor, int32_t step) {
        for (const auto& d : kOutlineOffsets)
            TextOut(dest, ClampedAdd(x, d[0] * step), ClampedAdd(y, d[1] * step), pixelHeight,
                    text, 0x000000);
        TextOut(dest, x, y, pixelHeight, text, bgrColor);
    }
    // Where a plain draw at (0, 0) may set pixels: at least the advance width
    // and the pixel height; a rasteriser whose glyphs reach further says so.
    virtual TRect TextBounds(int32_t pixelHeight, std::string_view text) {
        return Bounds(0, 0, TextWidth(pixelHeight, text), pixelHeight);
    }

protected:
    // x + d kept inside int32 (a position far off the surface stays far off).
    static int32_t ClampedAdd(int32_t x, int32_t d) { return ClampToInt32(int64_t{x} + d); }
};

// Every character is a solid box pixelHeight/2 wide (blanks are left empty),
// one pixel apart: enough to test layout without a font.
class FixedTextRenderer : public ITextRenderer {
public:
    int32_t TextWidth(int32_t pixelHeight, std::string_view text) override {
        return static_cast<int32_t>(text.size()) * (pixelHeight / 2 + 1);
    }
    void TextOut(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight, std::string_view text,
                 uint32_t bgrColor) override {
        const int32_t w = pixelHeight / 2;
        for (size_t i = 0; i < text.size(); ++i)
            if (text[i] != ' ')
                dest.FillRect(Bounds(x + static_cast<int32_t>(i) * (w + 1), y, w, pixelHeight),
                              ColorToRgb565(bgrColor));
    }
};
