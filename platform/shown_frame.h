// shown_frame.h: what of a frame the window has to show anew, and the frame
// at the window's size.
//
// The game draws up to 60 frames a second whether anything moves or not
// (fewer only once the loop rests, platform/frame_pacer.h); showing a frame
// (converting it, handing it to the window system) is most of what a frame
// costs. ShownFrame keeps a copy of the last frame shown and finds
// where the new one differs, looking only where either frame may differ from
// the clear colour (the back buffer's DrawnArea): everything else is the
// clear colour in both. Update returns the rectangles of the window's picture
// that changed; none means the window already shows this frame.
//
// The picture in the window is the drawing area scaled to the viewport,
// nearest neighbour (any size; the game uses whole-number scales, and a
// smaller size only on a screen smaller than the area). At 1:1 the back
// buffer itself is the picture. At a whole-number scale of 2 or more the
// frame's texts come separately (graphics/text_layer.h) and are drawn here at
// the window's size over the scaled picture, in their order, with the outline
// scaled alike; a text is redrawn whenever the picture under it is, so
// every pixel ends as a full redraw of the frame would leave it.
//
// Invalidate (and any change of size) makes the next Update redraw and
// return everything: after the window was exposed, resized or switched.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "graphics/surface16.h"
#include "graphics/text_layer.h"

class ShownFrame {
public:
    static constexpr size_t kMaxRects = 32;

    // The drawing area's size and the viewport's; a change invalidates.
    void SetSize(int32_t areaW, int32_t areaH, int32_t viewW, int32_t viewH);
    // The whole-number scale at which texts are drawn here (2..), or 0 when
    // the texts are in the back buffer (1:1, or not a whole-number scale).
    int32_t TextScale() const { return textScale_; }
    void Invalidate() { full_ = true; }
    // True when the last Update redrew everything.
    bool WasFull() const { return wasFull_; }

    // Brings the picture up to `back` with `texts` over it (texts only count
    // when TextScale() is not 0; `renderer` draws them). Returns the changed
    // rectangles in viewport pixels.
    std::span<const TRect> Update(const Surface16& back, std::span<const LayerText> texts,
                                  ITextRenderer* renderer);

    // The texts drawn here by the last Update.
    std::span<const LayerText> Texts() const { return {lastTexts_.data(), lastTextCount_}; }

    // The picture at viewport size (the back buffer given to the last Update at 1:1).
    const Surface16& Picture() const { return oneToOne_ ? *lastBack_ : canvas_; }

private:
    void FindChanges(const Surface16& back);
    void CompareRow(const Surface16& back, int32_t y, int32_t x0, int32_t x1);
    void AddRect(std::array<TRect, kMaxRects>& list, size_t& count, const TRect& r);
    void CloseBand();
    void AddTextChanges(std::span<const LayerText> texts, ITextRenderer& renderer);
    TRect TextBox(const LayerText& t, ITextRenderer& renderer) const;  // drawing-area pixels
    void GrowOverTexts(size_t textCount);
    void Draw(const Surface16& back, const TRect& r, std::span<const LayerText> texts,
              ITextRenderer* renderer);
    void ScaleRect(const Surface16& back, const TRect& r);
    TRect ToView(const TRect& r) const;
    void KeepTexts(std::span<const LayerText> texts);

    int32_t areaW_ = 0, areaH_ = 0, viewW_ = 0, viewH_ = 0;
    int32_t textScale_ = 0;
    bool oneToOne_ = true;
    bool full_ = true;
    bool wasFull_ = false;
    const Surface16* lastBack_ = nullptr;

    Surface16 last_;    // the last frame shown, unscaled
    Surface16 canvas_;  // the picture at viewport size (unless 1:1)
    std::vector<int32_t> sourceX_;  // area column of each viewport column
    std::vector<int32_t> sourceY_;  // area row of each viewport row

    std::array<LayerText, TextLayer::kMaxTexts> lastTexts_;
    size_t lastTextCount_ = 0;
    std::array<TRect, TextLayer::kMaxTexts> boxes_{};  // of this frame's texts

    TRect band_{};  // rows changed so far in a run of changed rows
    std::array<TRect, kMaxRects> changed_{};  // area pixels
    size_t changedCount_ = 0;
    std::array<TRect, kMaxRects> shown_{};  // viewport pixels
    size_t shownCount_ = 0;
};
