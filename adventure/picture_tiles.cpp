// picture_tiles.cpp: the nine turning tiles on the unlocked tablet.
//
// A click turns a tile to its next piece (0..8, then 0 again) with the click
// sample. When every tile shows its own piece the picture is complete: the
// tablet releases the note that sends the player on to the village street.
#include <cstdint>

#include "adventure/game_ids.h"
#include "adventure/puzzle_values.h"
#include "adventure/picture_tiles.h"
#include "adventure/rules.h"

namespace {

constexpr int kTileCount = 9;

bool PictureComplete() {
    for (int k = 0; k < kTileCount; ++k)
        if (TilePiece(k) != k) return false;
    return true;
}

}  // namespace

void TurnTile(int32_t hotspotId) {
    int k = hotspotId - Spot::Tile1;
    if (Carried() != 0 || k < 0 || k >= kTileCount) return;
    uint8_t piece = TilePiece(k);
    P().tile[k] = piece >= kLastTilePiece ? 0 : static_cast<uint8_t>(piece + 1);
    PlayNow(3);
    if (!PictureComplete()) return;
    QueueStep({.to = Scene::Tablet, .text = 142});
    QueueStep({.text = 143});
    QueueStep({.to = Scene::TabletNote, .text = 144});
    QueueStep({.to = Scene::Ruin});
    P().pictureSolved = 1;
    P().tabletDone = 1;
}
