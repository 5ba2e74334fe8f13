// hotspot_markers.cpp: laying out and painting the reveal's marks.
#include "adventure/hotspot_markers.h"

#include <algorithm>

#include "adventure/comfort_switches.h"
#include "adventure/game_ids.h"
#include "adventure/inventory_rules.h"
#include "core/game_state.h"
#include "graphics/text_renderer.h"
#include "sprites/sprite_engine.h"

namespace {

ITextRenderer* markerText = nullptr;

constexpr uint16_t kAmber = RgbToRgb565(0xF4, 0xC0, 0x4E);  // lit windows, lit menu text
constexpr uint16_t kInk = RgbToRgb565(0x14, 0x1A, 0x2A);
constexpr uint32_t kLabelColor = 0xFFFFFF;  // as the cursor's label, so one cached form serves both
constexpr int32_t kArm = 7;                 // corner arm length, at most
constexpr int32_t kLabelGap = 5;            // from the dot down to the label
constexpr int32_t kLabelMargin = 4;         // labels stay this far inside the drawing area

bool IsBarItem(int32_t id) { return id >= kFirstInventoryHotspot && id <= kLastInventoryHotspot; }

// A line of the mark: amber, with an ink pixel around it so it reads on snow and night alike.
void Stroke(Surface16& s, const TRect& r) {
    s.FillRect({r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1}, kInk);
    s.FillRect(r, kAmber);
}

}  // namespace

void SetMarkerTextRenderer(ITextRenderer* renderer) { markerText = renderer; }

THotspotMarkers::THotspotMarkers(TSprite* parent) : TSprite(parent) {
    Collisioned = false;
    SetZ(kLayer);
    FitSurface();
}

// The layer covers the whole drawing area (the engine draws only what overlaps it).
void THotspotMarkers::FitSurface() {
    if (Engine == nullptr) return;
    Width = Engine->SurfaceRect.Width();
    Height = Engine->SurfaceRect.Height();
}

bool THotspotMarkers::TableChanged() const {
    if (!laidOut_ || originX_ != GameState.ui.originX || originY_ != GameState.ui.originY) return true;
    for (size_t i = 0; i < keys_.size(); ++i) {
        const TPomocnyObjekt& h = GameState.ui.hotspots[i];
        if (!(keys_[i] == TKey{h.id, h.left, h.top, h.right, h.bottom})) return true;
    }
    return false;
}

// One mark per id, on the part of its latest uncovered record the cursor finds.
void THotspotMarkers::Layout() {
    static_assert(std::size(GameState.ui.hotspots) == std::tuple_size_v<decltype(keys_)>);
    count_ = 0;
    originX_ = GameState.ui.originX;
    originY_ = GameState.ui.originY;
    const int64_t ox = originX_, oy = originY_;
    for (size_t i = 0; i < keys_.size(); ++i) {
        const TPomocnyObjekt& h = GameState.ui.hotspots[i];
        keys_[i] = TKey{h.id, h.left, h.top, h.right, h.bottom};
    }
    std::array<SpotPiece, std::tuple_size_v<decltype(keys_)>> pieces;
    const size_t found = FindSpotPieces(GameState.ui.hotspots, VisibleArea(Width, Height, ox, oy), pieces);
    // Painted from the latest record down, so later spots' marks lie under earlier ones.
    std::sort(pieces.begin(), pieces.begin() + static_cast<std::ptrdiff_t>(found),
              [](const SpotPiece& a, const SpotPiece& b) { return a.record > b.record; });
    for (size_t i = 0; i < found; ++i) {
        if (IsBarItem(pieces[i].id)) continue;
        const SpotRect& p = pieces[i].piece;
        marks_[static_cast<size_t>(count_++)] =
            TMark{{p.left + ox, p.top + oy, p.right + ox, p.bottom + oy}, pieces[i].record};
    }
    laidOut_ = true;
}

void THotspotMarkers::DoMove(int32_t) {
    FitSurface();
    shown_ = RevealShown() && GameState.live.scene != Scene::PhoneGame;
    if (shown_ && TableChanged()) Layout();
}

void THotspotMarkers::DrawMark(const TMark& mark) const {
    Surface16& s = *Engine->Surface;
    const SpotRect& p = mark.piece;
    const int32_t l = static_cast<int32_t>(p.left), t = static_cast<int32_t>(p.top);
    const int32_t r = static_cast<int32_t>(p.right), b = static_cast<int32_t>(p.bottom);
    const int32_t armX = std::clamp((r - l + 1) / 3, 1, kArm), armY = std::clamp((b - t + 1) / 3, 1, kArm);
    // Four corners, each an L of two strokes (rectangles are right/bottom exclusive).
    Stroke(s, {l, t, l + armX, t + 1});
    Stroke(s, {l, t, l + 1, t + armY});
    Stroke(s, {r + 1 - armX, t, r + 1, t + 1});
    Stroke(s, {r, t, r + 1, t + armY});
    Stroke(s, {l, b, l + armX, b + 1});
    Stroke(s, {l, b + 1 - armY, l + 1, b + 1});
    Stroke(s, {r + 1 - armX, b, r + 1, b + 1});
    Stroke(s, {r, b + 1 - armY, r + 1, b + 1});
    const int32_t cx = (l + r) / 2, cy = (t + b) / 2;
    Stroke(s, {cx - 2, cy - 1, cx + 3, cy + 2});  // the dot: a small plus of amber
    Stroke(s, {cx - 1, cy - 2, cx + 2, cy + 3});
    const TPomocnyObjekt& spot = GameState.ui.hotspots[static_cast<size_t>(mark.record)];
    const std::string& label = spot.label;
    if (markerText == nullptr || label.empty()) return;
    // The cursor's own label names the spot under it already: not twice.
    if (spot.id == GameState.ui.hoverId && !GameState.ui.hoverLabel.empty()) return;
    const int32_t w = markerText->TextWidth(kLabelHeight, label);
    const int32_t x = std::clamp(cx - w / 2, kLabelMargin, std::max(kLabelMargin, Width - w - kLabelMargin));
    const int32_t y = std::clamp(cy + kLabelGap, kLabelMargin, std::max(kLabelMargin, Height - kLabelHeight - kLabelMargin));
    markerText->TextOutOutlined(s, x, y, kLabelHeight, label, kLabelColor);
}

void THotspotMarkers::DoDraw() {
    if (!shown_ || Engine == nullptr || Engine->Surface == nullptr) return;
    for (int32_t i = 0; i < count_; ++i) DrawMark(marks_[static_cast<size_t>(i)]);
}
