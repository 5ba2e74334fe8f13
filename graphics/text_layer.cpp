// text_layer.cpp: recording the frame's texts for a scaled window.
#include "graphics/text_layer.h"

bool TextLayer::Add(int32_t x, int32_t y, int32_t pixelHeight, std::string_view text,
                    uint32_t bgrColor, bool outlined) {
    if (count_ == kMaxTexts) return false;
    LayerText& t = texts_[count_++];
    t.x = x;
    t.y = y;
    t.pixelHeight = pixelHeight;
    t.bgrColor = bgrColor;
    t.outlined = outlined;
    t.text.assign(text);
    return true;
}

void LayeredTextRenderer::TextOut(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                                  std::string_view text, uint32_t bgrColor) {
    if (text.empty()) return;
    if (layer_.Active() && layer_.Add(x, y, pixelHeight, text, bgrColor, false)) return;
    inner_.TextOut(dest, x, y, pixelHeight, text, bgrColor);
}

void LayeredTextRenderer::TextOutOutlined(Surface16& dest, int32_t x, int32_t y,
                                          int32_t pixelHeight, std::string_view text,
                                          uint32_t bgrColor) {
    if (text.empty()) return;
    if (layer_.Active() && layer_.Add(x, y, pixelHeight, text, bgrColor, true)) return;
    inner_.TextOutOutlined(dest, x, y, pixelHeight, text, bgrColor);
}

void DrawLayerTexts(ITextRenderer& renderer, Surface16& dest, std::span<const LayerText> texts) {
    for (const LayerText& t : texts) {
        if (t.outlined)
            renderer.TextOutOutlined(dest, t.x, t.y, t.pixelHeight, t.text, t.bgrColor);
        else
            renderer.TextOut(dest, t.x, t.y, t.pixelHeight, t.text, t.bgrColor);
    }
}
