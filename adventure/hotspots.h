// hotspots.h: the hotspot table of the current scene and its operations.
//
// A scene's pointable spots live in GameState.ui.hotspots, a fixed table of 26
// TPomocnyObjekt records (game_state.h). Rectangles are in picture
// coordinates (relative to originX/originY) and inclusive on all four edges;
// id 0 marks a free record. The cursor tests the whole table every frame and
// the later record wins where rectangles overlap, so the order in which a
// scene adds its spots matters.
//
// Callers: the scene build and its catalogue, the inventory bar and the
// save/load panel add spots; the click handling removes single spots between
// builds. None of these fail loudly: a full table drops the new spot.
#pragma once
#include <cstdint>
#include <string>

struct TPomocnyObjekt;

// The cursor shape shown over a spot (how each is drawn: player_sprite.h).
enum CursorKind : uint8_t {
    ckHidden = 0,    // no cursor at all
    ckPointer = 1,   // plain pointer, or the item carried on the cursor
    ckRight = 2,     // exit to the right
    ckDown = 3,      // exit downwards / back
    ckLeft = 4,      // exit to the left
    ckUp = 5,        // exit forwards / upwards
    ckGameMenu = 6,  // the game-menu strip (turning gear)
};

// Stores a spot in the first free record (lowest index whose id is 0), all
// seven fields, the label copied (none: a spot without a label). With all 26
// records in use nothing is stored.
void AddHotspot(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom,
                uint8_t cursorKind, const std::string& label = std::string());

// Frees every record whose id equals `id` (id := 0; the other fields stay).
// The spot stops reacting from the next frame's hit test on.
void RemoveHotspot(int32_t id);

// RemoveHotspot for the six save-slot spots, Spot::SaveSlot1 to SaveSlot6 in
// this order.
void RemoveSlotHotspots();

// Frees all 26 records (id := 0 in each); what the scene build does first.
void FreeAllHotspots();

// Whether a record in use has this id.
bool HasHotspot(int32_t id);

// The record the cursor finds at picture point (px, py): of the records in
// use whose rectangle holds the point, the later one; nullptr for none.
const TPomocnyObjekt* HotspotAt(int64_t px, int64_t py);
