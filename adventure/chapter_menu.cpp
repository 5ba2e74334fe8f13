// chapter_menu.cpp: the game menu (scene 4), the opening narration (6..9),
// the titles of the train ride (20..23) and the end picture (82).
//
// The game-menu strip (hotspot 20) lies along the top edge of every scene but
// the phone game while the menu is closed; in the menu it reads "Back to
// game" once a game is running.
#include "adventure/chapters.h"
#include "adventure/game_ids.h"
#include "adventure/rules.h"
#include "adventure/saved_games.h"
#include "adventure/scene_content.h"
#include "adventure/game_window.h"

namespace {

// ---- Scene 4: the game menu -------------------------------------------------

void BuildMenu() {
    GameState.ui.menuOpen = 1;
    P().saveMenuMode = 0;
    DejPredmet("menu10", 35, 120, Object::MenuNewGame);
    AddHotspot(Spot::MenuNewGame, 35, 120, 105, 134, ckPointer);
    DejPredmet("menu20", 35, 135, Object::MenuLoad);
    AddHotspot(Spot::MenuLoad, 35, 135, 135, 149, ckPointer);
    DejPredmet("menu30", 35, 150, Object::MenuSave);
    AddHotspot(Spot::MenuSave, 35, 150, 135, 164, ckPointer);
    DejPredmet("menu50", 35, 165, Object::MenuQuit);
    AddHotspot(Spot::MenuQuit, 35, 165, 101, 179, ckPointer);
    DejPredmet("empty", 270, 115, Object::SaveSlot1);
    DejPredmet("empty", 354, 115, Object::SaveSlot2);
    DejPredmet("empty", 438, 115, Object::SaveSlot3);
    DejPredmet("empty", 270, 165, Object::SaveSlot4);
    DejPredmet("empty", 354, 165, Object::SaveSlot5);
    DejPredmet("empty", 438, 165, Object::SaveSlot6);
    DejPredmet("saveload", 268, 113, Object::SaveLoadPanel);
    DejPredmet(InLanguage("podtitul"), 269, 57, Object::Plain);
    if (GameState.ui.menuReturnScene != 0)
        AddHotspot(Spot::GameMenuStrip, SurfaceLeft(), SurfaceTop(), 1024, 35 + SurfaceTop(),
                   ckRight, 50);
}

// The saved-game part of the record is cleared; the settings and the six
// slots stay. The opening narration runs over four pictures.
void NewGame() {
    GameState.ui.menuOpen = 0;
    ClearSavedGame(GameState.live);
    GameState.live.inventory[0] = Item::Becherovka;
    GameState.live.inventory[1] = Item::TwoHundredNote;
    QueueStep({.to = Scene::MyRoom, .text = 156, .sound = 3});
    QueueStep({.to = Scene::Invitation, .text = 157});
    QueueStep({.to = Scene::Packing, .text = 158});
    QueueStep({.to = Scene::WayToStation, .text = 159});
    QueueStep({.to = Scene::StationEntrance, .text = 160});
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
    if (P().saveMenuMode != 2 && GameState.ui.menuReturnScene != 0) {
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
        case Spot::MenuNewGame: NewGame(); break;
        case Spot::MenuLoad: ToggleLoadList(); break;
        case Spot::MenuSave: ToggleSaveList(); break;
        case Spot::MenuQuit: if (GameWindow() != nullptr) GameWindow()->CloseWindow(); break;
        case Spot::SaveSlot1: case Spot::SaveSlot2: case Spot::SaveSlot3:
        case Spot::SaveSlot4: case Spot::SaveSlot5: case Spot::SaveSlot6:
            ClickSlot(id - Spot::SaveSlot1);
            break;
        default: break;
    }
}

// ---- Scenes 20, 21, 22: the titles; 82: the end ---------------------------

void BuildPresents() { DejPredmet(InLanguage("uvadi"), 180, 205, Object::Plain); }
void BuildAuthors() { DejPredmet(InLanguage("tvurce"), 72, 92, Object::Plain); }
void BuildTheEnd() { DejPredmet(InLanguage("konec"), 171, 113, Object::Plain); }

constexpr TSceneEntry kScenes[] = {
    {Scene::Menu, BuildMenu, ClickMenu},
    {Scene::MyRoom, nullptr, nullptr},  // the opening narration: pictures only
    {Scene::Invitation, nullptr, nullptr},
    {Scene::Packing, nullptr, nullptr},
    {Scene::WayToStation, nullptr, nullptr},
    {Scene::TitlePresents, BuildPresents, nullptr, false},
    {Scene::TitleAuthors, BuildAuthors, nullptr, false},
    {Scene::TitleName, nullptr, nullptr, false},
    {Scene::TrainArrived, nullptr, nullptr},
    {Scene::TheEnd, BuildTheEnd, nullptr, false},
};

}  // namespace

// The strip opens the menu from a game; in the menu it goes back to the game.
void ClickGameMenuStrip() {
    if (GameState.ui.menuOpen == 1 && GameState.ui.menuReturnScene != 0) {
        GameState.ui.menuOpen = 0;
        QueueStep({.to = GameState.ui.menuReturnScene});
        PlayNow(3);
        return;
    }
    GameState.ui.menuReturnScene = GameState.live.scene;
    PlayNow(3);
    GameState.ui.menuOpen = 1;
    QueueStep({.to = Scene::Menu});
}

std::span<const TSceneEntry> MenuChapter() { return kScenes; }
