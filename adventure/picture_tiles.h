// picture_tiles.h: the nine turning tiles on the unlocked tablet.
//
// A puzzle runs at dispatch, like any rule: the chapter file routes a click
// on its hotspot here whatever is carried, and the puzzle decides what the
// carried item means. It changes GameState, may play a sample at once and
// queues steps.
#pragma once
#include <cstdint>

// Picture tiles on the tablet (Spot::Tile1..Tile9).
void TurnTile(int32_t hotspotId);
