// text_layer.h: the frame's texts kept apart from its pixels, for a window
// that shows the drawing area enlarged.
//
// At 1x the overlay's texts are drawn into the back buffer like everything
// else. When the window shows the area at a whole-number scale of 2 or more,
// the texts would be enlarged with the picture into blocks of pixels; the
// window then turns the layer on, and LayeredTextRenderer records each text
// of the frame (position and size in drawing-area pixels, colour, outline)
// instead of drawing it. The window draws the recorded texts itself at its
// own scale over the enlarged picture, with the same face, so they stay
// sharp. Measuring is never affected: widths are always those of the
// drawing area, so the layout does not depend on the scale.
//
// The layer holds at most kMaxTexts texts a frame (more are drawn into the
// back buffer as at 1x); its slots keep their strings' storage, so recording
// a frame allocates nothing once the texts have been seen. Whoever shows the
// frame empties the layer (Clear) for the next one.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "graphics/text_renderer.h"

struct LayerText {
    int32_t x = 0, y = 0;        // top-left corner in drawing-area pixels
    int32_t pixelHeight = 0;     // in drawing-area pixels
    uint32_t bgrColor = 0;
    bool outlined = false;
    std::string text;

    bool SameAs(const LayerText& o) const {
        return x == o.x && y == o.y && pixelHeight == o.pixelHeight && bgrColor == o.bgrColor &&
               outlined == o.outlined && text == o.text;
    }
};

class TextLayer {
public:
    static constexpr size_t kMaxTexts = 48;

    bool Active() const { return active_; }
    void SetActive(bool active) { active_ = active; }

    // False when the layer is full (the caller then draws the text itself).
    bool Add(int32_t x, int32_t y, int32_t pixelHeight, std::string_view text, uint32_t bgrColor,
             bool outlined);
    std::span<const LayerText> Texts() const { return {texts_.data(), count_}; }
    void Clear() { count_ = 0; }

private:
    bool active_ = false;
    size_t count_ = 0;
    std::array<LayerText, kMaxTexts> texts_;
};

// Measures with `inner`; draws with it too unless the layer is active, in
// which case the texts go into the layer.
class LayeredTextRenderer : public ITextRenderer {
public:
    LayeredTextRenderer(ITextRenderer& inner, TextLayer& layer) : inner_(inner), layer_(layer) {}

    int32_t TextWidth(int32_t pixelHeight, std::string_view text) override {
        return inner_.TextWidth(pixelHeight, text);
    }
    TRect TextBounds(int32_t pixelHeight, std::string_view text) override {
        return inner_.TextBounds(pixelHeight, text);
    }
    void TextOut(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight, std::string_view text,
                 uint32_t bgrColor) override;
    void TextOutOutlined(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                         std::string_view text, uint32_t bgrColor) override;
    void TextOutOutlinedWide(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                             std::string_view text, uint32_t bgrColor, int32_t step) override {
        inner_.TextOutOutlinedWide(dest, x, y, pixelHeight, text, bgrColor, step);
    }

    ITextRenderer& Inner() { return inner_; }

private:
    ITextRenderer& inner_;
    TextLayer& layer_;
};

// Draws the layer's texts onto dest as the overlay would have at 1x (the
// unscaled frame of a screenshot).
void DrawLayerTexts(ITextRenderer& renderer, Surface16& dest, std::span<const LayerText> texts);
