// scene_catalogue.h: the content of every scene: its hotspots, objects and
// the state its build sets.
//
// Called by VykresliScenu (step 8) after the cursor and the background exist
// and the origin is set, and before the game-menu strip and the inventory
// bar are added. Hotspots and objects are created in the catalogue's order,
// each under its condition on GameState; the order matters where spots
// overlap (the later record wins). Scenes without content get nothing.
#pragma once
#include <cstdint>

// Adds the content of `scene`. Returns false for the scenes that show no
// inventory bar (the titles 20, 21, 22 and the end 82), true otherwise.
bool AddSceneContent(int32_t scene);
