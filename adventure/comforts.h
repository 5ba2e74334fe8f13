// comforts.h: help a player of today expects, beside the game's own rules.
//
// Two comforts, each with its own switch (window.cfg keeps them, both on by
// default); with both off the game does exactly what its rules say:
//   - replies: an item used where no rule takes it answers "Nothing happens."
//     instead of silence, and a tablet filled in the wrong order clanks;
//   - markers: while the player holds the reveal (H, the middle mouse
//     button, the gamepad's X), every hotspot of the scene is marked with its
//     label (hotspot_markers.h draws them).
// The switches and the reveal's holders are kept in comfort_switches.h.
// Beside them, always there: Tab walks the cursor over the hotspots in
// reading order, Escape opens the game menu as the top strip does
// (ClickGameMenuByKey, click_handling.h), and a small gear at the right end
// of the strip shows that the menu is there.
//
// Callers: the form's key, mouse and gamepad handlers (shell), the click
// handling (replies), the block holes (the clank), the scene build (the
// markers and the gear), the play harness and window.cfg at start-up.
#pragma once
#include <cstdint>

#include "adventure/comfort_switches.h"
#include "core/game_state.h"

class TSpriteEngine;

// Moves the mouse point to the next (+1) or previous (-1) hotspot in reading
// order from the one under the cursor, onto a part of it no later hotspot
// covers, on the drawing area of the given size. No hotspot: nothing.
void WalkHotspots(int direction, int32_t surfaceWidth, int32_t surfaceHeight);

// Watches one idle dispatch: made before it, Answer() after it. When an item
// was carried onto a hotspot and the dispatch changed nothing (no step, no
// flag, no sound, the item still carried), Answer queues the reply.
class TTryWatch {
public:
    TTryWatch();
    void Answer() const;

private:
    bool armed_ = false;
    uint16_t item_ = 0;
    uint32_t samples_ = 0;
    TLiveRecord live_{};
    int32_t spots_[26] = {};
};

// The block holes call this when the fourth hole was filled in a wrong order.
void AnswerWrongBlockOrder();

// The scene build's last step: the gear at the strip's right end when the
// scene has the strip, and the marker layer under the cursor.
void AddComfortSprites(TSpriteEngine& engine);
