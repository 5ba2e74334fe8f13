// chapter_menu.cpp: the game menu (scene 4), the opening narration (6..9),
// the titles of the train ride (20..23) and the end picture (82).
//
// The game-menu strip (hotspot 20) lies along the top edge of every scene but
// the phone game while the menu is closed; in the menu it reads "Back to
// game" once a game is running.
#include "adventure/chapters.h"
#include "adventure/rules.h"
#include "adventure/saved_games.h"
#include "adventure/scene_content.h"
#include "core/main_form.h"

namespace {

// ---- Scene 4: the game menu -------------------------------------------------

void BuildMenu() {
    GameState.menuOpen = 1;
    P().saveMenuMode = 0;
    DejPredmet("menu10", 35, 120, 15);
    AddHotspot(15, 35, 120, 105, 134, ckPointer);
    DejPredmet("menu20", 35, 135, 16);
    AddHotspot(16, 35, 135, 135, 149, ckPointer);
    DejPredmet("menu30", 35, 150, 17);
    AddHotspot(17, 35, 150, 135, 164, ckPointer);
    DejPredmet("menu50", 35, 165, 19);
    AddHotspot(19, 35, 165, 101, 179, ckPointer);
    DejPredmet("empty", 270, 115, 24);
    DejPredmet("empty", 354, 115, 25);
    DejPredmet("empty", 438, 115, 26);
    DejPredmet("empty", 270, 165, 27);
    DejPredmet("empty", 354, 165, 28);
    DejPredmet("empty", 438, 165, 29);
    DejPredmet("saveload", 268, 113, 23);
    DejPredmet(InLanguage("podtitul"), 269, 57, 0);
    if (GameState.menuReturnScene != 0)
        AddHotspot(kGameMenuStripId, SurfaceLeft(), SurfaceTop(), 1024, 35 + SurfaceTop(), ckRight, 50);
}

// The saved-game part of the record is cleared; the settings and the six
// slots stay. The opening narration runs over four pictures.
void NewGame() {
    GameState.menuOpen = 0;
    ClearSavedGame(GameState.live);
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[1] = 205;
    QueueStep({.to = 6, .text = 156, .sound = 3});
    QueueStep({.to = 7, .text = 157});
    QueueStep({.to = 8, .text = 158});
    QueueStep({.to = 9, .text = 159});
    QueueStep({.to = 10, .text = 160});
}

void ToggleLoadList() {
    if (P().saveMenuMode == 1) {
        P().saveMenuMode = 0;
        RemoveSlotHotspots();
    } else {
        P().saveMenuMode = 1;
        ShowSlotHotspots();
    }
    PlayNow(3);
}

// Saving needs a game to save: without one the button only closes a list.
void ToggleSaveList() {
    if (P().saveMenuMode != 2 && GameState.menuReturnScene != 0) {
        P().saveMenuMode = 2;
        PlayNow(3);
        ShowSlotHotspots();
    } else {
        P().saveMenuMode = 0;
        RemoveSlotHotspots();
        PlayNow(3);
    }
}

void ClickMenu(int32_t id) {
    switch (id) {
        case 15: NewGame(); break;
        case 16: ToggleLoadList(); break;
        case 17: ToggleSaveList(); break;
        case 19: if (MainForm != nullptr) MainForm->Close(); break;
        case 24: case 25: case 26: case 27: case 28: case 29:
            ClickSlot(id - kFirstSlotHotspotId);
            break;
        default: break;
    }
}

// ---- Scenes 20, 21, 22: the titles; 82: the end ---------------------------

void BuildPresents() { DejPredmet(InLanguage("uvadi"), 180, 205, 0); }
void BuildAuthors() { DejPredmet(InLanguage("tvurce"), 72, 92, 0); }
void BuildTheEnd() { DejPredmet(InLanguage("konec"), 171, 113, 0); }

constexpr TSceneEntry kScenes[] = {
    {4, BuildMenu, ClickMenu},
    {6, nullptr, nullptr},   // opening narration, pictures only
    {7, nullptr, nullptr},
    {8, nullptr, nullptr},
    {9, nullptr, nullptr},
    {20, BuildPresents, nullptr, false},
    {21, BuildAuthors, nullptr, false},
    {22, nullptr, nullptr, false},
    {23, nullptr, nullptr},  // the train arriving
    {82, BuildTheEnd, nullptr, false},
};

}  // namespace

// The strip opens the menu from a game; in the menu it goes back to the game.
void ClickGameMenuStrip() {
    if (GameState.menuOpen == 1 && GameState.menuReturnScene != 0) {
        GameState.menuOpen = 0;
        QueueStep({.to = GameState.menuReturnScene});
        PlayNow(3);
        return;
    }
    GameState.menuReturnScene = GameState.live.scene;
    PlayNow(3);
    GameState.menuOpen = 1;
    QueueStep({.to = 4});
}

std::span<const TSceneEntry> MenuChapter() { return kScenes; }
