// shown_frame.cpp: the frame's changes since the last one shown, and the
// frame scaled to the window with its texts drawn at the window's size.
#include "platform/shown_frame.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace {
// The first of `view` pixels whose source among `area` pixels is at or after `pos`.
int32_t ViewStart(int32_t pos, int32_t view, int32_t area) {
    return static_cast<int32_t>((static_cast<int64_t>(pos) * view + area - 1) / area);
}

int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
int64_t CeilDiv(int64_t a, int64_t b) { return -FloorDiv(-a, b); }
}  // namespace

void ShownFrame::SetSize(int32_t areaW, int32_t areaH, int32_t viewW, int32_t viewH) {
    if (areaW == areaW_ && areaH == areaH_ && viewW == viewW_ && viewH == viewH_) return;
    areaW_ = areaW;
    areaH_ = areaH;
    viewW_ = viewW;
    viewH_ = viewH;
    full_ = true;
    oneToOne_ = viewW == areaW && viewH == areaH;
    const int32_t scale = areaW > 0 ? viewW / areaW : 0;
    textScale_ = scale >= 2 && viewW == areaW * scale && viewH == areaH * scale ? scale : 0;
    canvas_ = Surface16{};  // gives back the memory of a larger canvas
    if (!oneToOne_) canvas_.Resize(viewW, viewH);
    sourceX_.assign(static_cast<size_t>(std::max(viewW, 0)), 0);
    sourceY_.assign(static_cast<size_t>(std::max(viewH, 0)), 0);
    for (int32_t x = 0; x < viewW; ++x)
        sourceX_[x] = static_cast<int32_t>(static_cast<int64_t>(x) * areaW / viewW);
    for (int32_t y = 0; y < viewH; ++y)
        sourceY_[y] = static_cast<int32_t>(static_cast<int64_t>(y) * areaH / viewH);
}

std::span<const TRect> ShownFrame::Update(const Surface16& back, std::span<const LayerText> texts,
                                          ITextRenderer* renderer) {
    lastBack_ = &back;
    changedCount_ = shownCount_ = 0;
    wasFull_ = false;
    if (back.Empty() || back.Width() != areaW_ || back.Height() != areaH_ || viewW_ <= 0 ||
        viewH_ <= 0)
        return {};
    if (textScale_ == 0 || renderer == nullptr) texts = {};
    if (last_.Width() != back.Width() || last_.Height() != back.Height()) {
        last_.Resize(back.Width(), back.Height());
        full_ = true;
    }
    for (size_t i = 0; i < texts.size(); ++i) boxes_[i] = TextBox(texts[i], *renderer);
    if (full_) {
        std::memcpy(last_.Row(0), back.Row(0), back.Pixels().size() * sizeof(uint16_t));
        AddRect(changed_, changedCount_, back.Rect());
    } else {
        FindChanges(back);
        if (renderer) AddTextChanges(texts, *renderer);
    }
    wasFull_ = full_;
    full_ = false;
    if (!texts.empty()) GrowOverTexts(texts.size());
    KeepTexts(texts);
    for (size_t i = 0; i < changedCount_; ++i) {
        const TRect r = IntersectRect(changed_[i], back.Rect());
        if (r.IsEmpty()) continue;
        Draw(back, r, texts, renderer);
        const TRect v = oneToOne_ ? r : ToView(r);
        if (!v.IsEmpty()) shown_[shownCount_++] = v;
    }
    return {shown_.data(), shownCount_};
}

// Compares only where the back buffer was written since the last frame
// shown (everywhere when that is not known).
void ShownFrame::FindChanges(const Surface16& back) {
    band_ = TRect{};
    const WrittenBands& written = back.WrittenSinceForget();
    if (!written.Known()) {
        for (int32_t y = 0; y < back.Height(); ++y) CompareRow(back, y, 0, back.Width());
        CloseBand();
        return;
    }
    for (int32_t b = 0; b < written.Bands(); ++b) {
        const TRect r = IntersectRect(written.Band(b, back.Height()), back.Rect());
        if (r.IsEmpty()) {
            CloseBand();
            continue;
        }
        for (int32_t y = r.Top; y < r.Bottom; ++y) CompareRow(back, y, r.Left, r.Right);
    }
    CloseBand();
}

// Copies what differs in row y between x0 and x1 and adds it to the band.
void ShownFrame::CompareRow(const Surface16& back, int32_t y, int32_t x0, int32_t x1) {
    const uint16_t* now = back.Row(y);
    uint16_t* kept = last_.Row(y);
    const size_t bytes = static_cast<size_t>(x1 - x0) * sizeof(uint16_t);
    if (std::memcmp(now + x0, kept + x0, bytes) == 0) {
        CloseBand();
        return;
    }
    int32_t first = x0, end = x1;
    while (now[first] == kept[first]) ++first;
    while (now[end - 1] == kept[end - 1]) --end;
    std::memcpy(kept + first, now + first, static_cast<size_t>(end - first) * sizeof(uint16_t));
    band_ = UnionRect(band_, TRect{first, y, end, y + 1});
}

void ShownFrame::CloseBand() {
    if (band_.IsEmpty()) return;
    AddRect(changed_, changedCount_, band_);
    band_ = TRect{};
}

// A full list takes the new rectangle into its last one.
void ShownFrame::AddRect(std::array<TRect, kMaxRects>& list, size_t& count, const TRect& r) {
    if (r.IsEmpty()) return;
    if (count == list.size())
        list[count - 1] = UnionRect(list[count - 1], r);
    else
        list[count++] = r;
}

// Every text that is new, gone or different from the last frame's in its
// place marks its old and new boxes as changed.
void ShownFrame::AddTextChanges(std::span<const LayerText> texts, ITextRenderer& renderer) {
    const size_t count = std::max(texts.size(), lastTextCount_);
    for (size_t i = 0; i < count; ++i) {
        if (i < texts.size() && i < lastTextCount_ && texts[i].SameAs(lastTexts_[i])) continue;
        if (i < lastTextCount_) AddRect(changed_, changedCount_, TextBox(lastTexts_[i], renderer));
        if (i < texts.size()) AddRect(changed_, changedCount_, boxes_[i]);
    }
}

// The drawing-area pixels a text drawn at the window's scale may touch.
TRect ShownFrame::TextBox(const LayerText& t, ITextRenderer& renderer) const {
    const int64_t s = textScale_;
    if (s == 0) return TRect{};
    const TRect b = renderer.TextBounds(static_cast<int32_t>(t.pixelHeight * s), t.text);
    if (b.IsEmpty()) return TRect{};
    const int64_t pad = t.outlined ? s : 0;
    const int64_t left = t.x * s + b.Left - pad, top = t.y * s + b.Top - pad;
    const int64_t right = t.x * s + b.Right + pad, bottom = t.y * s + b.Bottom + pad;
    const TRect box{ClampToInt32(FloorDiv(left, s)), ClampToInt32(FloorDiv(top, s)),
                    ClampToInt32(CeilDiv(right, s)), ClampToInt32(CeilDiv(bottom, s))};
    return IntersectRect(box, TRect{0, 0, areaW_, areaH_});
}

// Each changed rectangle grows until it holds every text it touches whole,
// so redrawing it draws those texts once over a fresh picture.
void ShownFrame::GrowOverTexts(size_t textCount) {
    for (size_t i = 0; i < changedCount_; ++i) {
        TRect& r = changed_[i];
        for (bool grown = true; grown;) {
            grown = false;
            for (size_t t = 0; t < textCount; ++t) {
                const TRect& box = boxes_[t];
                if (box.IsEmpty() || !OverlapRect(box, r)) continue;
                const TRect both = UnionRect(r, box);
                if (both == r) continue;
                r = both;
                grown = true;
            }
        }
    }
}

void ShownFrame::Draw(const Surface16& back, const TRect& r, std::span<const LayerText> texts,
                      ITextRenderer* renderer) {
    if (oneToOne_) return;
    ScaleRect(back, r);
    const int32_t s = textScale_;
    for (size_t i = 0; i < texts.size(); ++i) {
        if (!OverlapRect(boxes_[i], r)) continue;
        const LayerText& t = texts[i];
        const int32_t x = ClampToInt32(int64_t{t.x} * s), y = ClampToInt32(int64_t{t.y} * s);
        if (t.outlined)
            renderer->TextOutOutlinedWide(canvas_, x, y, t.pixelHeight * s, t.text, t.bgrColor, s);
        else
            renderer->TextOut(canvas_, x, y, t.pixelHeight * s, t.text, t.bgrColor);
    }
}

// The area rectangle r, scaled nearest-neighbour into the canvas.
void ShownFrame::ScaleRect(const Surface16& back, const TRect& r) {
    const TRect v = ToView(r);
    for (int32_t dy = v.Top; dy < v.Bottom; ++dy) {
        uint16_t* to = canvas_.Row(dy);
        if (dy > v.Top && sourceY_[dy] == sourceY_[dy - 1]) {
            std::memcpy(to + v.Left, canvas_.Row(dy - 1) + v.Left,
                        static_cast<size_t>(v.Width()) * sizeof(uint16_t));
            continue;
        }
        const uint16_t* from = back.Row(sourceY_[dy]);
        for (int32_t dx = v.Left; dx < v.Right; ++dx) to[dx] = from[sourceX_[dx]];
    }
    canvas_.NoteDrawn(v);
}

TRect ShownFrame::ToView(const TRect& r) const {
    return TRect{ViewStart(r.Left, viewW_, areaW_), ViewStart(r.Top, viewH_, areaH_),
                 ViewStart(r.Right, viewW_, areaW_), ViewStart(r.Bottom, viewH_, areaH_)};
}

// The slots keep their strings' storage: copying a frame's texts allocates
// nothing once texts of their length were seen.
void ShownFrame::KeepTexts(std::span<const LayerText> texts) {
    std::copy(texts.begin(), texts.end(), lastTexts_.begin());
    lastTextCount_ = texts.size();
}
