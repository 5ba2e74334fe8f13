// comforts.cpp: the Tab walk, the replies and the sprites the comforts add
// to a scene.
#include "adventure/comforts.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "adventure/game_ids.h"
#include "adventure/hotspot_markers.h"
#include "adventure/hotspots.h"
#include "adventure/picture_choice.h"
#include "adventure/player_sprite.h"
#include "adventure/rules.h"
#include "adventure/sound_effects.h"
#include "adventure/spot_finder.h"
#include "adventure/step_queue.h"
#include "sprites/image_sprite.h"
#include "sprites/sprite_engine.h"

namespace {

constexpr int32_t kNothingHappensText = 344;
constexpr uint8_t kMetalClank = 4;     // the tablet's mechanism jams
constexpr int32_t kReadingRow = 24;    // points this close in height read as one row
constexpr int32_t kGearMargin = 5;     // from the drawing area's top and right edges
constexpr int32_t kGearLayer = 3;      // with the bar: under the marks and the cursor

// The id the hover finds at a drawing-area point.
int32_t IdAt(int64_t x, int64_t y) {
    const TPomocnyObjekt* h = HotspotAt(x - GameState.ui.originX, y - GameState.ui.originY);
    return h != nullptr ? h->id : 0;
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
    const int64_t ox = GameState.ui.originX, oy = GameState.ui.originY;
    std::array<SpotPiece, 26> pieces;
    const size_t count =
        FindSpotPieces(GameState.ui.hotspots, VisibleArea(surfaceWidth, surfaceHeight, ox, oy), pieces);
    for (size_t i = 0; i < count; ++i) {
        const SpotRect& piece = pieces[i].piece;
        stops[i] = TStop{pieces[i].id, static_cast<int32_t>((piece.left + piece.right) / 2 + ox),
                         static_cast<int32_t>((piece.top + piece.bottom) / 2 + oy)};
    }
    std::sort(stops.begin(), stops.begin() + static_cast<std::ptrdiff_t>(count), ReadsBefore);
    return static_cast<int32_t>(count);
}

void CopyIds(int32_t (&ids)[26]) {
    for (size_t i = 0; i < std::size(ids); ++i) ids[i] = GameState.ui.hotspots[i].id;
}

}  // namespace

void WalkHotspots(int direction, int32_t surfaceWidth, int32_t surfaceHeight) {
    if (GameState.live.scene == Scene::PhoneGame) return;  // the mouse steers the rocket there
    std::array<TStop, 26> stops;
    const int32_t count = ReadingOrder(stops, surfaceWidth, surfaceHeight);
    if (count == 0) return;
    const int32_t here = IdAt(GameState.ui.mouseX, GameState.ui.mouseY);
    int32_t next = direction >= 0 ? 0 : count - 1;
    for (int32_t i = 0; i < count; ++i)
        if (stops[static_cast<size_t>(i)].id == here) next = (i + (direction >= 0 ? 1 : count - 1)) % count;
    // A move like the mouse's: a click before the next frame finds the hover here.
    MouseMovedTo(stops[static_cast<size_t>(next)].x, stops[static_cast<size_t>(next)].y);
}

TTryWatch::TTryWatch() {
    const int32_t scene = GameState.live.scene;
    armed_ = Comforts().replies && GameState.ui.selectedItem != 0 && GameState.ui.hoverId != 0 &&
             GameState.ui.menuOpen == 0 && scene != Scene::PhoneGame && scene != Scene::Menu;
    if (!armed_) return;
    item_ = GameState.ui.selectedItem;
    samples_ = SamplesStarted();
    live_ = GameState.live;
    CopyIds(spots_);
}

void TTryWatch::Answer() const {
    if (!armed_ || IsBusy() || GameState.ui.selectedItem != item_ || SamplesStarted() != samples_ ||
        GameState.ui.menuOpen != 0 || std::memcmp(&live_, &GameState.live, sizeof live_) != 0)
        return;
    int32_t spots[26];
    CopyIds(spots);
    if (std::memcmp(spots, spots_, sizeof spots) != 0) return;
    QueueStep({.text = kNothingHappensText});
}

void AnswerWrongBlockOrder() {
    if (Comforts().replies) PlaySample(kMetalClank);
}

void AddComfortSprites(TSpriteEngine& engine) {
    new THotspotMarkers(&engine);
    if (!HasHotspot(Spot::GameMenuStrip) || GameState.ui.menuOpen != 0 ||
        GameState.live.scene == Scene::Menu)
        return;
    auto* gear = new TImageSpriteEx(&engine);
    SetPictureAndSize(*gear, "menugear");
    gear->X = engine.SurfaceRect.Width() - gear->Width - kGearMargin;
    gear->Y = kGearMargin;
    gear->Collisioned = false;
    gear->SetZ(kGearLayer);
}
