// hotspot_markers.h: the marks over every hotspot while the reveal is held.
//
// One sprite per scene, Z 4: above the picture, its objects and the bar,
// below the cursor (Z 5). While RevealShown() (comforts.h) it marks each
// hotspot of the scene (not the inventory bar's items, which are drawn as
// what they are) on the part of it the cursor can find: small amber corners
// around that part, a dot at the point the Tab walk goes to and the label
// under the dot, outlined like the label under the cursor (except for the
// spot under the cursor, whose label the cursor shows already).
//
// Where the marks go is worked out in the move pass, only when the hotspot
// table or the picture's place changed; the draw pass only paints them and
// draws the labels through the text renderer, whose cache keeps every label
// it has drawn (the same texts the cursor's label uses). Drawing changes
// nothing of the game.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "adventure/spot_finder.h"
#include "sprites/sprite.h"

class ITextRenderer;

// The renderer the labels are drawn with (the form's); null draws no labels.
void SetMarkerTextRenderer(ITextRenderer* renderer);

class THotspotMarkers : public TSprite {
public:
    explicit THotspotMarkers(TSprite* parent);

    static constexpr int32_t kLayer = 4;
    static constexpr int32_t kLabelHeight = 15;  // the cursor label's font

    // The marks of the last layout (tests read them): the part marked, in
    // drawing-area pixels, and the record whose label goes under it.
    struct TMark {
        SpotRect piece;
        int32_t record = -1;
    };
    int32_t MarkCount() const { return count_; }
    const TMark& Mark(int32_t i) const { return marks_[static_cast<size_t>(i)]; }

protected:
    void DoMove(int32_t MoveCount) override;
    void DoDraw() override;

private:
    struct TKey {
        int32_t id = 0, left = 0, top = 0, right = 0, bottom = 0;
        bool operator==(const TKey&) const = default;
    };
    void FitSurface();
    bool TableChanged() const;
    void Layout();
    void DrawMark(const TMark& mark) const;

    bool shown_ = false;
    bool laidOut_ = false;
    std::array<TKey, 26> keys_{};
    uint16_t originX_ = 0, originY_ = 0;
    std::array<TMark, 26> marks_{};
    int32_t count_ = 0;
};
