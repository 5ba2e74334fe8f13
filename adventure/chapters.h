// chapters.h: the story's scenes, gathered chapter by chapter, and the
// lookup that finds a scene's entry (chapters.cpp).
//
// The chapter files have no headers of their own: each defines the one
// entry point declared for it below, which only the lookup calls; the menu
// chapter also defines the game-menu strip's click, which the click handling
// calls.
//
// Each chapter file holds its scenes' builds (the hotspots, objects and state
// a scene build adds) beside their click rules, so one hotspot id's
// rectangle, picture and rule sit together:
//   chapter_menu.cpp         game menu (4), opening narration and titles
//                            (6..9, 20..23) and the end picture (82)
//   chapter_station.cpp      departure station (10..18)
//   chapter_countryside.cpp  village stop, ruin, forest, hillside,
//                            excavator, feeder, tablet (24..33)
//   chapter_village.cpp      park, street, square, white house, pub and its
//                            toilet, card table, pub dialogues (1, 38..48)
//   chapter_cemetery.cpp     cemetery, tomb, grave, stone mechanism (36, 37,
//                            43, 49)
//   chapter_bunker.cpp       the gate, the bunker, its household, the phone
//                            game and the ending (2, 3, 5, 34, 35, 50..81)
// A scene that no chapter lists (only a damaged saved game can ask for one)
// is built as a bare background with the strip and the bar, and its clicks
// do nothing.
#pragma once
#include <cstdint>
#include <span>

struct TSceneEntry {
    int32_t scene;
    void (*build)();              // scene content; nullptr = background only
    void (*click)(int32_t id);    // idle click on hotspot id; nullptr = none
    bool showsBar = true;         // false for the titles and the end picture
};

std::span<const TSceneEntry> MenuChapter();
std::span<const TSceneEntry> StationChapter();
std::span<const TSceneEntry> CountrysideChapter();
std::span<const TSceneEntry> VillageChapter();
std::span<const TSceneEntry> CemeteryChapter();
std::span<const TSceneEntry> BunkerChapter();

// Adds the content of `scene` (called by VykresliScenu after the cursor and
// the background exist and the origin is set, and before the game-menu strip
// and the inventory bar are added). Hotspots and objects are created in the
// chapter's order, each under its condition on GameState; the order matters
// where spots overlap (the later record wins). Scenes without content get
// nothing. Returns false for the scenes that show no inventory bar (the
// titles 20, 21, 22 and the end 82), true otherwise.
bool AddSceneContent(int32_t scene);

// The entry of `scene` in any chapter, or nullptr.
const TSceneEntry* FindScene(int32_t scene);

// The game-menu strip (hotspot 20), in any scene: opens the menu from a game,
// or goes back to the game from the menu.
void ClickGameMenuStrip();

// Runs the scene's click rule for hotspot `id`; nothing for unknown scenes
// and for ids the scene has no rule for.
void DispatchSceneClick(int32_t scene, int32_t id);
