// chapter_bunker.cpp: the business card, the walk along the tracks, the
// bunker's gate and dial, the bunker with its household, the phone game and
// the ending (scenes 2, 3, 5, 34, 35, 50..81).
#include "adventure/chapters.h"
#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/phone_game.h"
#include "adventure/bunker_household.h"
#include "adventure/code_dial.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scenes 2 and 3: the left corridor, lit and dark -----------------------

void BuildCorridorLit() {
    AddHotspot(Spot::LitCorridorSwitch, 253, 92, 264, 103, ckPointer, 47);
    AddHotspot(Spot::ToBoilerRoom, 223, 41, 236, 236, ckUp, 48);
    AddHotspot(Spot::LeftCorridorExit, 461, 108, 533, 264, ckRight, 49);
    if (P().keyTaken == 0) AddHotspot(Spot::Key, 204, 164, 210, 167, ckPointer, 9);
    if (P().keyTaken == 0) DejPredmet("part", 205, 163, Object::Plain);  // the key glints in the lock
}

void BuildCorridorDark() {
    AddHotspot(Spot::DarkCorridorSwitch, 253, 92, 264, 103, ckPointer, 47);
    AddHotspot(Spot::LeftCorridorExit, 461, 108, 533, 264, ckRight, 49);
}

void ClickCorridor(int32_t id) {
    switch (id) {
        case Spot::LitCorridorSwitch:
            if (Carried() != 0) break;
            QueueStep({.to = Scene::LeftCorridorDark, .text = 149});
            P().corridorLightOn = 0;
            break;
        case Spot::DarkCorridorSwitch:
            if (Carried() != 0) break;
            QueueStep({.to = Scene::LeftCorridorLit});
            P().corridorLightOn = 1;
            break;
        case Spot::ToBoilerRoom: QueueStep({.to = Scene::BoilerRoom}); break;
        case Spot::LeftCorridorExit: QueueStep({.to = Scene::BunkerCorridor}); break;
        case Spot::Key:
            if (Carried() != 0) break;
            P().keyTaken = 1;
            RemoveHotspot(Spot::Key);
            QueueStep({.text = 150});
            QueueStep({.item = Item::Key});
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
        AddHotspot(Spot::DialButton1 + k, b.left, b.top, b.right, b.bottom, ckPointer,
                   button + " " + static_cast<char>('1' + k));
    }
    DejPredmet("c0", 336, 51, Object::DialDigit1);
    DejPredmet("c0", 348, 51, Object::DialDigit2);
    DejPredmet("c0", 360, 51, Object::DialDigit3);
    AddHotspot(Spot::DialExit, 0, 187, 536, 269, ckDown, 46);
    AddHotspot(Spot::Fuse, 467, 135, 493, 151, ckPointer, 112);
}

void ClickDial(int32_t id) {
    if ((id >= Spot::DialButton1 && id <= Spot::DialButton9) || id == Spot::Fuse) PressDial(id);
    if (id == Spot::DialExit) QueueStep({.to = Scene::BunkerGate});
}

// ---- Scene 51: outside the bunker ------------------------------------------

void BuildGate() {
    AddHotspot(Spot::ArmouredGate, 155, 4, 265, 269, ckPointer, 113);
    AddHotspot(Spot::GateDial, 440, 17, 471, 73, ckPointer, 114);
    AddHotspot(Spot::GateExit, 309, 187, 536, 270, ckDown, 115);
}

void ClickGate(int32_t id) {
    if (id == Spot::ArmouredGate && Carried() == 0) QueueStep({.text = 263});
    if (id == Spot::GateDial && Carried() == 0) QueueStep({.to = Scene::CodeDial});
    if (id == Spot::GateExit) QueueStep({.to = Scene::Clearing});
}

// ---- Scene 53: the clearing ------------------------------------------------

void BuildClearing() {
    AddHotspot(Spot::ClearingToGate, 338, 140, 364, 173, ckUp, 116);
    AddHotspot(Spot::Traces, 20, 195, 111, 206, ckPointer, 117);
}

void ClickClearing(int32_t id) {
    if (id == Spot::ClearingToGate) QueueStep({.to = Scene::BunkerGate});
    if (id == Spot::Traces && Carried() == 0) QueueStep({.text = 264});
}

// ---- Scene 54: the map, opened from the inventory --------------------------

void BuildMap() {
    AddHotspot(Spot::PutMapAway, 0, 0, 131, 271, ckLeft, 118);
    if (P().bunkerFound == 0) AddHotspot(Spot::CircledPlace, 469, 199, 487, 217, ckPointer, 119);
}

// Back where the map was opened. A saved game whose byte names no scene the
// map can be opened in (only a damaged file holds one: no scene of the story,
// the menu, the phone game or the map itself) returns to the village stop.
void ClickMap(int32_t id) {
    if (id == Spot::PutMapAway) {
        const int32_t back = GameState.live.mapReturnScene;
        const bool valid = back != Scene::Menu && back != Scene::PhoneGame &&
                           back != Scene::Map && FindScene(back) != nullptr;
        QueueStep({.to = valid ? back : Scene::VillageStop});
    }
    if (id == Spot::CircledPlace && Carried() == 0) {
        QueueStep({.text = 265});
        P().mapStudied = 1;
    }
}

// ---- Scene 56: the bunker corridor -----------------------------------------

void BuildBunkerCorridor() {
    AddHotspot(Spot::ToLeftCorridor, 0, 48, 60, 270, ckLeft, 120);
    if (P().boxOpened == 0) AddHotspot(Spot::Box, 83, 53, 166, 178, ckPointer, 121);
    AddHotspot(Spot::ToRoom, 424, 81, 459, 170, ckUp, 122);
    if (P().bathroomOpen != 0) AddHotspot(Spot::ToBathroom, 480, 88, 503, 222, ckRight, 123);
    if (P().boxOpened == 1) DejPredmet("boxopen", 80, 108, Object::Plain);  // lid up, padlock gone
}

// The key from the dark corridor opens the box: junk, and a jar of pickles.
void UseBox() {
    if (Carried() == 0) QueueStep({.text = 267});
    if (Carried() != Item::Key) return;
    QueueStep({.text = 268});
    QueueStep({.to = Scene::BoxOpened, .text = 269});
    QueueStep({.to = Scene::PicklesJar, .text = 270, .item = Item::Jar});
    QueueStep({.to = Scene::BunkerCorridor});
    RemoveItem(Item::Key);
    P().boxOpened = 1;
}

// The first time in, the three friends greet the narrator one by one.
void EnterRoom() {
    if (P().groupGreeted == 1) {
        QueueStep({.to = Scene::BunkerRoom});
        return;
    }
    QueueStep({.text = 271});
    QueueStep({.to = Scene::RoomFirstView, .text = 272});
    QueueStep({.to = Scene::Gamer, .text = 273});
    QueueStep({.to = Scene::Scout, .text = 274});
    QueueStep({.to = Scene::Patient, .text = 275});
    QueueStep({.to = Scene::PlayerInBunker, .text = 276});
    QueueStep({.to = Scene::Gamer, .text = 277});
    QueueStep({.to = Scene::ThreeFriends, .text = 278});
    QueueStep({.to = Scene::BunkerRoom});
    P().groupGreeted = 1;
}

void ClickBunkerCorridor(int32_t id) {
    switch (id) {
        case Spot::ToLeftCorridor:
            if (P().corridorLightOn == 1) QueueStep({.to = Scene::LeftCorridorLit});
            else QueueStep({.to = Scene::LeftCorridorDark, .text = 266});
            break;
        case Spot::Box: UseBox(); break;
        case Spot::ToRoom: EnterRoom(); break;
        case Spot::ToBathroom: QueueStep({.to = Scene::Bathroom}); break;
        default: break;
    }
}

// ---- Scene 57: the bunker room ---------------------------------------------

// The three companions are labelled with their names.
void BuildRoom() {
    AddHotspot(Spot::Gamer, 107, 111, 209, 270, ckPointer, 124);
    AddHotspot(Spot::Scout, 216, 59, 344, 169, ckPointer, 125);
    AddHotspot(Spot::Patient, 387, 58, 476, 183, ckPointer, 126);
    AddHotspot(Spot::RoomExit, 0, 0, 48, 271, ckLeft, 127);
    if (P().gamerState != 3) DejPredmet("inv232", 108, 228, Object::Plain);  // the nut mallet, until lent
}

// ---- Scene 59: Vašek close up ---------------------------------------------

void BuildGamerCloseUp() {
    if (P().gamerState != 3) DejPredmet("vasekmallet", 426, 186, Object::Plain);  // on his crate, until lent
}

void ClickRoom(int32_t id) {
    if (id >= Spot::Gamer && id <= Spot::Patient) ClickCompanion(id);
    if (id == Spot::RoomExit) QueueStep({.to = Scene::BunkerCorridor});
}

// ---- Scene 65: the boiler room ---------------------------------------------

// The boilers take two records with one id.
void BuildBoilerRoom() {
    AddHotspot(Spot::BoilerRoomExit, 24, 210, 409, 273, ckDown, 128);
    AddHotspot(Spot::Boilers, 284, 0, 522, 58, ckPointer, 129);
    AddHotspot(Spot::Boilers, 345, 59, 522, 90, ckPointer, 129);
    if (P().valveState < 3) AddHotspot(Spot::Valve, 479, 109, 488, 121, ckPointer, 130);
    if (P().valveState != 0) DejPredmet("kohoutek", 470, 105, Object::Plain);
}

void ClickBoilerRoom(int32_t id) {
    if (id == Spot::BoilerRoomExit) QueueStep({.to = Scene::LeftCorridorLit});
    if (id == Spot::Boilers && Carried() == 0) QueueStep({.text = 328});
    if (id == Spot::Valve) ClickValve();
}

// ---- Scene 68: the bathroom ------------------------------------------------

void BuildBathroom() {
    AddHotspot(Spot::Shower, 144, 0, 206, 35, ckPointer, 131);
    if (P().tapFound == 0) AddHotspot(Spot::Drain, 428, 253, 443, 265, ckPointer, 132);
    AddHotspot(Spot::BathroomExit, 0, 0, 95, 269, ckLeft, 127);
    if (P().tapFound == 0) DejPredmet("part", 433, 257, Object::Plain);  // something glints in the drain
}

// The hook fishes the tap out of the drain.
void UseDrain() {
    if (Carried() == 0) QueueStep({.text = 337});
    if (Carried() != Item::Hook) return;
    QueueStep({.text = 338, .sound = 4});
    QueueStep({.to = Scene::Bathroom, .item = Item::Tap});
    RemoveItem(Item::Hook);
    P().tapFound = 1;
}

void ClickBathroom(int32_t id) {
    if (id == Spot::Shower) ClickShower();
    if (id == Spot::Drain) UseDrain();
    if (id == Spot::BathroomExit) QueueStep({.to = Scene::BunkerCorridor});
}

constexpr TSceneEntry kScenes[] = {
    {Scene::LeftCorridorLit, BuildCorridorLit, ClickCorridor},
    {Scene::LeftCorridorDark, BuildCorridorDark, ClickCorridor},
    {Scene::PhoneGame, BuildPhoneGame, nullptr},  // no rule: the game plays itself
    {Scene::BusinessCardFirstLook, nullptr, nullptr},  // the code is drawn here
    {Scene::BusinessCard, nullptr, nullptr},
    {Scene::CodeDial, BuildDial, ClickDial},
    {Scene::BunkerGate, BuildGate, ClickGate},
    {Scene::GateOpening, nullptr, nullptr},
    {Scene::Clearing, BuildClearing, ClickClearing},
    {Scene::Map, BuildMap, ClickMap},
    {Scene::AlongTheTracks, nullptr, nullptr},
    {Scene::BunkerCorridor, BuildBunkerCorridor, ClickBunkerCorridor},
    {Scene::BunkerRoom, BuildRoom, ClickRoom},
    {Scene::Gamer, BuildGamerCloseUp, nullptr},  // a dialogue picture: no rule
    {Scene::BoilerRoom, BuildBoilerRoom, ClickBoilerRoom},
    {Scene::Bathroom, BuildBathroom, ClickBathroom},
};

}  // namespace

std::span<const TSceneEntry> BunkerChapter() { return kScenes; }
