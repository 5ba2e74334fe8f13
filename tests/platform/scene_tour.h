// scene_tour.h: a walk over scenes as a player's frames meet them, for the
// tests that hold what a faster way of making or showing frames gives
// against the plain way. A Player has Build(scene), MouseAt(x, y) and Frame().
#pragma once
#include <cstdint>
#include <initializer_list>

#include "adventure/step_queue.h"
#include "core/game_state.h"

// The centre of the first hotspot with a label, on the surface.
inline bool LabelledSpot(int32_t& x, int32_t& y) {
    for (const auto& h : GameState.ui.hotspots)
        if (h.id != 0 && !h.label.empty()) {
            x = GameState.ui.originX + (h.left + h.right) / 2;
            y = GameState.ui.originY + (h.top + h.bottom) / 2;
            return true;
        }
    return false;
}

// In each scene: the cursor in the middle, on a labelled hotspot and a
// little off it, a three-line message with the cursor over it on the
// border, the message gone, the cursor in a corner.
template <class Player>
void TourScene(Player& p, int32_t scene) {
    p.Build(scene);
    p.MouseAt(320, 240);
    p.Frame();
    int32_t x = 0, y = 0;
    if (LabelledSpot(x, y)) {
        p.MouseAt(x, y);
        p.Frame();
        p.Frame();  // the label under the cursor
        p.MouseAt(x + 9, y - 4);
        p.Frame();
    }
    SetMessage("The first line of a message.#A second one.#And a third, the longest of them all.");
    p.Frame();
    p.MouseAt(300, 410);  // the cursor over the message on the border
    p.Frame();
    p.MouseAt(2, 470);
    p.Frame();
    SetMessage("");
    p.Frame();
    p.MouseAt(630, 3);
    p.Frame();
}

// The phone game with the mouse wandering under the rocket.
template <class Player>
void PlayThePhoneGame(Player& p, int32_t frames) {
    p.Build(5);
    for (int32_t i = 0; i < frames; ++i) {
        p.MouseAt(200 + (i * 7) % 240, 300);
        p.Frame();
    }
}
