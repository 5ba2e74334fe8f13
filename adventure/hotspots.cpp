// hotspots.cpp: adding and removing records of the scene's hotspot table.
#include "adventure/hotspots.h"

#include "adventure/game_ids.h"
#include "core/game_state.h"

void AddHotspot(int32_t id, int32_t left, int32_t top, int32_t right, int32_t bottom,
                uint8_t cursorKind, const std::string& label) {
    for (TPomocnyObjekt& h : GameState.ui.hotspots) {
        if (h.id != 0) continue;
        h.left = left;
        h.top = top;
        h.right = right;
        h.bottom = bottom;
        h.id = id;
        h.cursorKind = cursorKind;
        h.label = label;
        return;
    }
}

void RemoveHotspot(int32_t id) {
    for (TPomocnyObjekt& h : GameState.ui.hotspots)
        if (h.id == id) h.id = 0;
}

void RemoveSlotHotspots() {
    for (int32_t id = Spot::SaveSlot1; id <= Spot::SaveSlot6; ++id) RemoveHotspot(id);
}

void FreeAllHotspots() {
    for (TPomocnyObjekt& h : GameState.ui.hotspots) h.id = 0;
}

bool HasHotspot(int32_t id) {
    for (const TPomocnyObjekt& h : GameState.ui.hotspots)
        if (h.id != 0 && h.id == id) return true;
    return false;
}

const TPomocnyObjekt* HotspotAt(int64_t px, int64_t py) {
    const TPomocnyObjekt* found = nullptr;
    for (const TPomocnyObjekt& h : GameState.ui.hotspots)
        if (h.id != 0 && px >= h.left && px <= h.right && py >= h.top && py <= h.bottom) found = &h;
    return found;
}
