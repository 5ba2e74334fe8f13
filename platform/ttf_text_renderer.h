// ttf_text_renderer.h: the game's text renderer, SDL_ttf with the built-in face.
//
// Draws Windows-1250 texts anti-aliased in Liberation Sans Bold at the pixel
// heights asked (the em height: 15 for the overlay, 16 for the card tables),
// blended by coverage onto the 16-bit back buffer with a transparent
// background, clipped to the surface. The text's top-left corner is (x, y).
// It needs no video device (only TTF_Init), so the game, the play harness and
// the tests all use it.
//
// Each face size is opened once, on first use. Each rasterised string is kept
// as an 8-bit coverage mask keyed by size and text, in a least-recently-used
// cache bounded by entry count and bytes; widths (TTF_SizeUTF8) are cached
// with it. On its first draw in a colour a cached text is also composed
// (graphics/composed_text.h), plain or outlined (the eight black copies and
// the coloured one together), so drawing it again costs a lookup and one pass
// over its inked pixels, and gives exactly the pixels of a fresh draw. A text
// drawn in a second colour is blended from its mask, as is every text of a
// renderer without a cache.
//
// Failure: if SDL_ttf cannot start or the face cannot be opened, TextWidth
// returns 0 and TextOut draws nothing; the first failure is reported on
// stderr, once per renderer. Pixel heights outside 1..256 measure 0 and draw
// nothing. NUL bytes in a text are skipped.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "graphics/text_renderer.h"

class TtfTextRenderer : public ITextRenderer {
public:
    static constexpr size_t kDefaultCacheEntries = 512;
    static constexpr size_t kCacheMaskBytes = 16u << 20;  // mask and composed bytes kept at most
    static constexpr int32_t kMaxPixelHeight = 256;

    // The built-in face with the default cache.
    TtfTextRenderer();
    // Another face (its bytes must outlive the renderer) and cache size; a
    // cache of 0 entries rasterises every text on every draw.
    explicit TtfTextRenderer(std::span<const uint8_t> fontData,
                             size_t cacheEntries = kDefaultCacheEntries);
    ~TtfTextRenderer() override;
    TtfTextRenderer(const TtfTextRenderer&) = delete;
    TtfTextRenderer& operator=(const TtfTextRenderer&) = delete;

    int32_t TextWidth(int32_t pixelHeight, std::string_view text) override;
    void TextOut(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight, std::string_view text,
                 uint32_t bgrColor) override;
    void TextOutOutlinedWide(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                             std::string_view text, uint32_t bgrColor, int32_t step) override;
    TRect TextBounds(int32_t pixelHeight, std::string_view text) override;

    // For tests and benchmarks: texts rasterised so far, and texts cached now.
    uint64_t Rasterisations() const;
    size_t CachedTexts() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};
