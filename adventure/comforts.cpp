// comforts.cpp: the switches, the reveal, the Tab walk, Escape, the replies
// and the sprites the comforts add to a scene.
#include "adventure/comforts.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "adventure/click_handling.h"
#include "adventure/game_ids.h"
#include "adventure/hotspot_markers.h"
#include "adventure/hotspots.h"
#include "adventure/picture_choice.h"
#include "adventure/rules.h"
#include "adventure/sound_effects.h"
#include "adventure/spot_finder.h"
#include "adventure/step_queue.h"
#include "sprites/image_sprite.h"
#include "sprites/sprite_engine.h"

namespace {

TComfortSwitches switches;
uint8_t revealHolders = 0;
uint32_t samplesStarted = 0;

constexpr int32_t kNothingHappensText = 344;
constexpr uint8_t kMetalClank = 4;     // the tablet's mechanism jams
constexpr int32_t kReadingRow = 24;    // points this close in height read as one row
constexpr int32_t kGearMargin = 5;     // from the drawing area's top and right edges
constexpr int32_t kGearLayer = 3;      // with the bar: under the marks and the cursor

// The id the hover finds at a drawing-area point (the later record wins).
int32_t IdAt(int64_t x, int64_t y) {
    const int64_t px = x - GameState.originX, py = y - GameState.originY;
    int32_t id = 0;
    for (const TPomocnyObjekt& h : GameState.hotspots)
        if (h.id != 0 && px >= h.left && px <= h.right && py >= h.top && py <= h.bottom) id = h.id;
    return id;
}

bool HasHotspot(int32_t id) {
    return std::any_of(std::begin(GameState.hotspots), std::end(GameState.hotspots),
                       [id](const TPomocnyObjekt& h) { return h.id == id; });
}

struct TStop {
    int32_t id = 0;
    int32_t x = 0, y = 0;  // drawing-area point where the hover finds the id
};

// Reading order: rows from the top, within a row from the left.
bool ReadsBefore(const TStop& a, const TStop& b) {
    const int32_t rowA = a.y / kReadingRow, rowB = b.y / kReadingRow;
    return rowA != rowB ? rowA < rowB : a.x < b.x;
}

// Every id of the scene once, at its point, in reading order; returns the count.
int32_t ReadingOrder(std::array<TStop, 26>& stops, int32_t surfaceWidth, int32_t surfaceHeight) {
    const int64_t ox = GameState.originX, oy = GameState.originY;
    const SpotRect visible{-ox, -oy, surfaceWidth - 1 - ox, surfaceHeight - 1 - oy};
    int32_t count = 0;
    for (const TPomocnyObjekt& h : GameState.hotspots) {
        const int32_t id = h.id;
        if (id == 0 || std::any_of(stops.begin(), stops.begin() + count,
                                   [id](const TStop& s) { return s.id == id; }))
            continue;
        SpotRect piece;
        if (!FindSpotPiece(GameState.hotspots, id, visible, piece)) continue;
        stops[static_cast<size_t>(count++)] =
            TStop{id, static_cast<int32_t>((piece.left + piece.right) / 2 + ox),
                  static_cast<int32_t>((piece.top + piece.bottom) / 2 + oy)};
    }
    std::sort(stops.begin(), stops.begin() + count, ReadsBefore);
    return count;
}

void CopyIds(int32_t (&ids)[26]) {
    for (size_t i = 0; i < std::size(ids); ++i) ids[i] = GameState.hotspots[i].id;
}

}  // namespace

TComfortSwitches& Comforts() { return switches; }

void HoldReveal(TRevealSource source, bool held) {
    if (held) revealHolders |= source;
    else revealHolders &= static_cast<uint8_t>(~source);
}

void ReleaseReveal() { revealHolders = 0; }

bool RevealShown() { return switches.markers && revealHolders != 0; }

void WalkHotspots(int direction, int32_t surfaceWidth, int32_t surfaceHeight) {
    if (GameState.live.scene == Scene::PhoneGame) return;  // the mouse steers the rocket there
    std::array<TStop, 26> stops;
    const int32_t count = ReadingOrder(stops, surfaceWidth, surfaceHeight);
    if (count == 0) return;
    const int32_t here = IdAt(GameState.mouseX, GameState.mouseY);
    int32_t next = direction >= 0 ? 0 : count - 1;
    for (int32_t i = 0; i < count; ++i)
        if (stops[static_cast<size_t>(i)].id == here) next = (i + (direction >= 0 ? 1 : count - 1)) % count;
    GameState.mouseX = stops[static_cast<size_t>(next)].x;
    GameState.mouseY = stops[static_cast<size_t>(next)].y;
}

void ClickGameMenuByKey() {
    if (!HasHotspot(Spot::GameMenuStrip)) return;
    if (!IsBusy()) DispatchClick(Spot::GameMenuStrip);
    RunNextStep();
}

TTryWatch::TTryWatch() {
    const int32_t scene = GameState.live.scene;
    armed_ = switches.replies && GameState.selectedItem != 0 && GameState.hoverId != 0 &&
             GameState.menuOpen == 0 && scene != Scene::PhoneGame && scene != Scene::Menu;
    if (!armed_) return;
    item_ = GameState.selectedItem;
    samples_ = samplesStarted;
    live_ = GameState.live;
    CopyIds(spots_);
}

void TTryWatch::Answer() const {
    if (!armed_ || IsBusy() || GameState.selectedItem != item_ || samplesStarted != samples_ ||
        GameState.menuOpen != 0 || std::memcmp(&live_, &GameState.live, sizeof live_) != 0)
        return;
    int32_t spots[26];
    CopyIds(spots);
    if (std::memcmp(spots, spots_, sizeof spots) != 0) return;
    QueueStep({.text = kNothingHappensText});
}

void AnswerWrongBlockOrder() {
    if (switches.replies) PlaySample(kMetalClank);
}

uint32_t SamplesStarted() { return samplesStarted; }
void CountSampleStarted() { ++samplesStarted; }

void AddComfortSprites(TSpriteEngine& engine) {
    new THotspotMarkers(&engine);
    if (!HasHotspot(Spot::GameMenuStrip) || GameState.menuOpen != 0 ||
        GameState.live.scene == Scene::Menu)
        return;
    auto* gear = new TImageSpriteEx(&engine);
    gear->Image = PictureOrNothing("menugear");
    gear->Width = gear->Image != nullptr ? gear->Image->Width() : 0;
    gear->Height = gear->Image != nullptr ? gear->Image->Height() : 0;
    gear->X = engine.SurfaceRect.Width() - gear->Width - kGearMargin;
    gear->Y = kGearMargin;
    gear->Collisioned = false;
    gear->SetZ(kGearLayer);
}
