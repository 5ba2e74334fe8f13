// chapter_bunker.cpp: the business card, the walk along the tracks, the
// bunker's gate and dial, the bunker with its household, the phone game and
// the ending (scenes 2, 3, 5, 34, 35, 50..81).
#include "adventure/chapters.h"
#include "adventure/inventory.h"
#include "adventure/phone_game.h"
#include "adventure/puzzles.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scenes 2 and 3: the left corridor, lit and dark -----------------------

void BuildCorridorLit() {
    AddHotspot(1, 253, 92, 264, 103, ckPointer, 47);
    AddHotspot(3, 223, 41, 236, 236, ckUp, 48);
    AddHotspot(4, 461, 108, 533, 264, ckRight, 49);
    if (P().keyTaken == 0) AddHotspot(5, 204, 164, 210, 167, ckPointer, 9);
}

void BuildCorridorDark() {
    AddHotspot(2, 253, 92, 264, 103, ckPointer, 47);
    AddHotspot(4, 461, 108, 533, 264, ckRight, 49);
}

void ClickCorridor(int32_t id) {
    switch (id) {
        case 1:
            if (Carried() != 0) break;
            QueueStep({.to = 3, .text = 149});
            P().corridorLightOn = 0;
            break;
        case 2:
            if (Carried() != 0) break;
            QueueStep({.to = 2});
            P().corridorLightOn = 1;
            break;
        case 3: QueueStep({.to = 65}); break;
        case 4: QueueStep({.to = 56}); break;
        case 5:
            if (Carried() != 0) break;
            P().keyTaken = 1;
            RemoveHotspot(5);
            QueueStep({.text = 150});
            QueueStep({.item = 200});
            break;
        default: break;
    }
}

// ---- Scene 50: the code dial -----------------------------------------------

// Buttons 1..9 (ids 140..148) are labelled "Button" and their digit.
void BuildDial() {
    struct Button { int32_t left, top, right, bottom; };
    static constexpr Button kButtons[9] = {
        {318, 124, 340, 144}, {341, 124, 363, 144}, {364, 124, 385, 144},
        {318, 97, 340, 123},  {341, 97, 363, 123},  {364, 97, 385, 123},
        {318, 71, 340, 96},   {341, 71, 363, 96},   {364, 71, 385, 96},
    };
    const std::string button = Text(111);
    for (int k = 0; k < 9; ++k) {
        const Button& b = kButtons[k];
        AddHotspot(140 + k, b.left, b.top, b.right, b.bottom, ckPointer,
                   button + " " + static_cast<char>('1' + k));
    }
    DejPredmet("c0", 336, 51, 140);
    DejPredmet("c0", 348, 51, 141);
    DejPredmet("c0", 360, 51, 142);
    AddHotspot(149, 0, 187, 536, 269, ckDown, 46);
    AddHotspot(181, 467, 135, 493, 151, ckPointer, 112);
}

void ClickDial(int32_t id) {
    if ((id >= 140 && id <= 148) || id == 181) PressDial(id);
    if (id == 149) QueueStep({.to = 51});
}

// ---- Scene 51: outside the bunker ------------------------------------------

void BuildGate() {
    AddHotspot(150, 155, 4, 265, 269, ckPointer, 113);
    AddHotspot(151, 440, 17, 471, 73, ckPointer, 114);
    AddHotspot(152, 309, 187, 536, 270, ckDown, 115);
}

void ClickGate(int32_t id) {
    if (id == 150 && Carried() == 0) QueueStep({.text = 263});
    if (id == 151 && Carried() == 0) QueueStep({.to = 50});
    if (id == 152) QueueStep({.to = 53});
}

// ---- Scene 53: the clearing ------------------------------------------------

void BuildClearing() {
    AddHotspot(153, 338, 140, 364, 173, ckUp, 116);
    AddHotspot(154, 20, 195, 111, 206, ckPointer, 117);
}

void ClickClearing(int32_t id) {
    if (id == 153) QueueStep({.to = 51});
    if (id == 154 && Carried() == 0) QueueStep({.text = 264});
}

// ---- Scene 54: the map, opened from the inventory --------------------------

void BuildMap() {
    AddHotspot(155, 0, 0, 131, 271, ckLeft, 118);
    if (P().bunkerFound == 0) AddHotspot(156, 469, 199, 487, 217, ckPointer, 119);
}

// Back where the map was opened. A saved game whose byte names no scene of
// the story (only a damaged file holds one) returns to the village stop.
void ClickMap(int32_t id) {
    if (id == 155) {
        const int32_t back = GameState.live.mapReturnScene;
        QueueStep({.to = back != 54 && FindScene(back) != nullptr ? back : 24});
    }
    if (id == 156 && Carried() == 0) {
        QueueStep({.text = 265});
        P().mapStudied = 1;
    }
}

// ---- Scene 56: the bunker corridor -----------------------------------------

void BuildBunkerCorridor() {
    AddHotspot(158, 0, 48, 60, 270, ckLeft, 120);
    if (P().boxOpened == 0) AddHotspot(159, 83, 53, 166, 178, ckPointer, 121);
    AddHotspot(160, 424, 81, 459, 170, ckUp, 122);
    if (P().bathroomOpen != 0) AddHotspot(161, 480, 88, 503, 222, ckRight, 123);
}

// The key from the dark corridor opens the box: junk, and a jar of pickles.
void UseBox() {
    if (Carried() == 0) QueueStep({.text = 267});
    if (Carried() != 200) return;
    QueueStep({.text = 268});
    QueueStep({.to = 66, .text = 269});
    QueueStep({.to = 64, .text = 270, .item = 230});
    QueueStep({.to = 56});
    RemoveItem(200);
    P().boxOpened = 1;
}

// The first time in, the three friends greet the narrator one by one.
void EnterRoom() {
    if (P().groupGreeted == 1) {
        QueueStep({.to = 57});
        return;
    }
    QueueStep({.text = 271});
    QueueStep({.to = 63, .text = 272});
    QueueStep({.to = 59, .text = 273});
    QueueStep({.to = 60, .text = 274});
    QueueStep({.to = 61, .text = 275});
    QueueStep({.to = 58, .text = 276});
    QueueStep({.to = 59, .text = 277});
    QueueStep({.to = 62, .text = 278});
    QueueStep({.to = 57});
    P().groupGreeted = 1;
}

void ClickBunkerCorridor(int32_t id) {
    switch (id) {
        case 158:
            if (P().corridorLightOn == 1) QueueStep({.to = 2});
            else QueueStep({.to = 3, .text = 266});
            break;
        case 159: UseBox(); break;
        case 160: EnterRoom(); break;
        case 161: QueueStep({.to = 68}); break;
        default: break;
    }
}

// ---- Scene 57: the bunker room ---------------------------------------------

// The three companions are labelled with their names.
void BuildRoom() {
    AddHotspot(162, 107, 111, 209, 270, ckPointer, 124);
    AddHotspot(163, 216, 59, 344, 169, ckPointer, 125);
    AddHotspot(164, 387, 58, 476, 183, ckPointer, 126);
    AddHotspot(165, 0, 0, 48, 271, ckLeft, 127);
}

void ClickRoom(int32_t id) {
    if (id >= 162 && id <= 164) ClickCompanion(id);
    if (id == 165) QueueStep({.to = 56});
}

// ---- Scene 65: the boiler room ---------------------------------------------

// The boilers take two records with one id.
void BuildBoilerRoom() {
    AddHotspot(166, 24, 210, 409, 273, ckDown, 128);
    AddHotspot(167, 284, 0, 522, 58, ckPointer, 129);
    AddHotspot(167, 345, 59, 522, 90, ckPointer, 129);
    if (P().valveState < 3) AddHotspot(168, 479, 109, 488, 121, ckPointer, 130);
    if (P().valveState != 0) DejPredmet("kohoutek", 470, 105, 0);
}

void ClickBoilerRoom(int32_t id) {
    if (id == 166) QueueStep({.to = 2});
    if (id == 167 && Carried() == 0) QueueStep({.text = 328});
    if (id == 168) ClickValve();
}

// ---- Scene 68: the bathroom ------------------------------------------------

void BuildBathroom() {
    AddHotspot(169, 144, 0, 206, 35, ckPointer, 131);
    if (P().tapFound == 0) AddHotspot(171, 428, 253, 443, 265, ckPointer, 132);
    AddHotspot(172, 0, 0, 95, 269, ckLeft, 127);
}

// The hook fishes the tap out of the drain.
void UseDrain() {
    if (Carried() == 0) QueueStep({.text = 337});
    if (Carried() != 233) return;
    QueueStep({.text = 338, .sound = 4});
    QueueStep({.to = 68, .item = 231});
    RemoveItem(233);
    P().tapFound = 1;
}

void ClickBathroom(int32_t id) {
    if (id == 169) ClickShower();
    if (id == 171) UseDrain();
    if (id == 172) QueueStep({.to = 56});
}

constexpr TSceneEntry kScenes[] = {
    {2, BuildCorridorLit, ClickCorridor},
    {3, BuildCorridorDark, ClickCorridor},
    {5, BuildPhoneGame, nullptr},  // hotspot 30 has no rule: the game plays itself
    {34, nullptr, nullptr},        // the business card, first look (the code drawn)
    {35, nullptr, nullptr},        // the business card
    {50, BuildDial, ClickDial},
    {51, BuildGate, ClickGate},
    {52, nullptr, nullptr},        // the gate opening
    {53, BuildClearing, ClickClearing},
    {54, BuildMap, ClickMap},
    {55, nullptr, nullptr},        // the walk along the tracks
    {56, BuildBunkerCorridor, ClickBunkerCorridor},
    {57, BuildRoom, ClickRoom},
    {65, BuildBoilerRoom, ClickBoilerRoom},
    {68, BuildBathroom, ClickBathroom},
};

}  // namespace

std::span<const TSceneEntry> BunkerChapter() { return kScenes; }
