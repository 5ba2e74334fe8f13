// chapter_village.cpp: the village (scenes 1 and 38..48): the park with the
// old axe, the street, the square, the white house's door, the pub with its
// toilet, the old local and his card table, and the pub's dialogue pictures.
#include "adventure/chapters.h"
#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/card_riddle.h"
#include "adventure/stone_mechanism.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 1: the pub's toilet ---------------------------------------------

void BuildToilet() {
    if (P().flushCount < 3) AddHotspot(Spot::Hopper, 388, 22, 390, 132, ckPointer, 43);
    else DejPredmet("splachovadlo", 382, 0, Object::Hopper);
    if (P().scraperTaken == 0) AddHotspot(Spot::ToiletWindow, 273, 0, 379, 45, ckPointer, 44);
    if (P().toiletPaperTaken == 0) AddHotspot(Spot::ToiletPaper, 206, 113, 229, 125, ckPointer, 45);
    AddHotspot(Spot::ToiletExit, 153, 243, 486, 268, ckDown, 46);
    if (P().scraperTaken == 0) DejPredmet("inv218", 338, 6, Object::Plain);  // the scraper on the window
}

// The cistern refills only while the player is in the pub (every build of
// scene 42); the third flush breaks the hopper off, and its string is free.
void Flush() {
    if (P().tankRefilling == 1) {
        QueueStep({.text = 153});
        return;
    }
    P().tankRefilling = 1;
    P().flushCount += 1;
    if (P().flushCount == 3) {
        RemoveHotspot(Spot::Hopper);
        QueueStep({.to = Scene::PubToilet, .text = 151, .item = Item::String});
    } else {
        QueueStep({.text = 152, .sound = 2});
    }
}

void ClickToilet(int32_t id) {
    if (id == Spot::ToiletExit) QueueStep({.to = Scene::Pub});
    if (Carried() != 0) return;
    if (id == Spot::Hopper) Flush();
    if (id == Spot::ToiletWindow) {
        QueueStep({.text = 154});
        QueueStep({.to = Scene::PubToilet, .item = Item::Scraper});
        P().scraperTaken = 1;
    }
    if (id == Spot::ToiletPaper) {
        P().toiletPaperTaken = 1;
        RemoveHotspot(Spot::ToiletPaper);
        QueueStep({.text = 155});
        QueueStep({.to = Scene::PubToilet, .item = Item::Paper});
    }
}

// ---- Scene 38: the park by the cemetery ------------------------------------

void BuildPark() {
    AddHotspot(Spot::ParkToCemetery, 298, 183, 380, 211, ckUp, 92);
    AddHotspot(Spot::ParkToStreet, 473, 170, 539, 271, ckRight, 93);
    if (P().axeTaken == 0) {
        DejPredmet("sekera", 27, 97, Object::OldAxe);
        AddHotspot(Spot::OldAxe, 27, 97, 56, 136, ckPointer, 21);
    }
}

void ClickPark(int32_t id) {
    if (id == Spot::ParkToCemetery) {
        QueueStep({.to = Scene::Cemetery});
        P().cemeteryVisited = 1;  // nothing reads it; the record keeps it
    }
    if (id == Spot::ParkToStreet) QueueStep({.to = Scene::Street});
    if (id == Spot::OldAxe && Carried() == 0) {
        QueueStep({.text = 261});
        QueueStep({.to = Scene::Park, .text = 262, .item = Item::OldAxe});
        P().axeTaken = 1;
    }
}

// ---- Scene 39: the street --------------------------------------------------

void BuildStreet() {
    AddHotspot(Spot::StreetToPark, 0, 199, 54, 269, ckLeft, 94);
    AddHotspot(Spot::StreetToSquare, 43, 156, 111, 194, ckRight, 95);
    if (P().whiteHouseKnown != 0) AddHotspot(Spot::StreetToHouseDoor, 238, 184, 256, 203, ckUp, 96);
    AddHotspot(Spot::StreetToStop, 417, 158, 538, 270, ckRight, 97);
}

void ClickStreet(int32_t id) {
    if (id == Spot::StreetToPark) QueueStep({.to = Scene::Park});
    if (id == Spot::StreetToSquare) QueueStep({.to = Scene::Square});
    if (id == Spot::StreetToHouseDoor) QueueStep({.to = Scene::WhiteHouseDoor});
    if (id == Spot::StreetToStop) QueueStep({.to = Scene::VillageStop});
}

// ---- Scene 40: the square --------------------------------------------------

// The stained-glass window shows one pane per glassPattern entry set to 1.
void StainedGlassPanes() {
    struct Pane { const char* picture; int32_t x, y; };
    static constexpr Pane kPanes[9] = {
        {"sklo0", 433, 78},  {"sklo0", 443, 76},  {"sklo0", 452, 74},
        {"sklo1", 434, 94},  {"sklo1", 443, 93},  {"sklo1", 452, 92},
        {"sklo2", 434, 110}, {"sklo2", 443, 109}, {"sklo2", 452, 108},
    };
    for (int k = 0; k < 9; ++k)
        if (P().glassPattern[k] == 1)
            DejPredmet(kPanes[k].picture, kPanes[k].x, kPanes[k].y, Object::Plain);
}

void BuildSquare() {
    AddHotspot(Spot::Hairdresser, 0, 131, 40, 189, ckPointer, 98);
    AddHotspot(Spot::SquareToPub, 331, 119, 354, 249, ckRight, 99);
    AddHotspot(Spot::Sign, 308, 33, 350, 82, ckPointer, 100);
    if (P().businessCardTaken == 0) AddHotspot(Spot::CardBasket, 239, 217, 271, 239, ckPointer, 53);
    AddHotspot(Spot::SquareToStreet, 0, 220, 150, 270, ckDown, 93);
    if (P().businessCardTaken == 0) DejPredmet("part", 253, 219, Object::Plain);  // the card glints in the basket
    if (P().magnetTaken == 0) {
        DejPredmet("magnet", 41, 10, Object::Plain);
        AddHotspot(Spot::Magnet, 42, 10, 47, 14, ckPointer, 24);
    }
    StainedGlassPanes();
}

void ClickSquare(int32_t id) {
    switch (id) {
        case Spot::Hairdresser: if (Carried() == 0) QueueStep({.text = 212}); break;
        case Spot::SquareToPub: QueueStep({.to = Scene::Pub}); break;
        case Spot::Sign: if (Carried() == 0) QueueStep({.text = 213}); break;
        case Spot::CardBasket:
            if (P().businessCardTaken != 0) break;
            QueueStep({.text = 214});
            QueueStep({.to = Scene::Square, .item = Item::BusinessCard});
            P().businessCardTaken = 1;
            break;
        case Spot::SquareToStreet: QueueStep({.to = Scene::Street}); break;
        case Spot::Magnet:
            if (Carried() != 0) break;
            QueueStep({.text = 254});
            QueueStep({.to = Scene::Square, .item = Item::Magnet});
            P().magnetTaken = 1;
            break;
        default: break;
    }
}

// ---- Scene 41: the door of the white house ---------------------------------

void BuildHouseDoor() {
    AddHotspot(Spot::Bell, 356, 229, 382, 242, ckPointer, 101);
    AddHotspot(Spot::HouseDoorExit, 0, 0, 74, 270, ckLeft, 59);
    if (P().letterTaken == 0) {
        DejPredmet("obalka", 211, 162, Object::Plain);
        AddHotspot(Spot::Postbox, 181, 78, 339, 189, ckPointer, 102);
        AddHotspot(Spot::PostboxLock, 323, 139, 331, 149, ckPointer, 103);
    }
    if (P().letterTaken == 1) DejPredmet("postboxopen", 148, 84, Object::Plain);  // door open, box empty
}

void RingBell() {
    if (Carried() == 0) {
        QueueStep({.text = 216, .sound = 11});
        QueueStep({.literal = "..."});
        QueueStep({.text = 217});
    }
    if (Carried() == Item::Match) QueueStep({.text = 218});
}

// The little key from the coffin opens the postbox: the map.
void UseLock() {
    if (Carried() == 0) QueueStep({.text = 219});
    if (Carried() != Item::LittleKey) return;
    QueueStep({.text = 220});
    QueueStep({.to = Scene::WhiteHouseDoor, .text = 221});
    P().letterTaken = 1;
    QueueStep({.item = Item::Map});
    RemoveItem(Item::LittleKey);
}

void ClickHouseDoor(int32_t id) {
    if (id == Spot::Postbox && Carried() == 0) QueueStep({.text = 215});
    if (id == Spot::Bell) RingBell();
    if (id == Spot::HouseDoorExit) QueueStep({.to = Scene::Street});
    if (id == Spot::PostboxLock) UseLock();
}

// ---- Scene 42: the pub -----------------------------------------------------

// Every visit to the pub finds the toilet cistern refilled.
void BuildPub() {
    AddHotspot(Spot::PubExit, 0, 181, 213, 268, ckDown, 104);
    AddHotspot(Spot::Local, 300, 60, 372, 171, ckPointer, 105);
    AddHotspot(Spot::PubToToilet, 298, 0, 376, 49, ckRight, 106);
    if (P().cardRiddleState == 1) AddHotspot(Spot::Cards, 303, 188, 318, 202, ckPointer, 107);
    if (P().penTaken == 0) {
        DejPredmet("propiska", 386, 209, Object::Pen);
        AddHotspot(Spot::Pen, 386, 209, 420, 214, ckPointer, 27);
    }
    P().tankRefilling = 0;
}

// A dialogue in the pub: each line with the picture shown while it is said
// (the local talking or remembering, the legend he tells, or me at the card
// table), then back to the pub.
void PubTalk(std::initializer_list<std::pair<int32_t, int32_t>> lines) {
    for (const auto& [scene, text] : lines) QueueStep({.to = scene, .text = text});
    QueueStep({.to = Scene::Pub});
}

void TalkToLocal() {
    if (P().tombstoneRead == 0) {
        QueueStep({.text = 249});
    } else if (P().cardRiddleState < 2) {
        PubTalk({{Scene::LocalTalking, 234},
                 {Scene::PlayerInPub, 235},
                 {Scene::LocalTalking, 236},
                 {Scene::PlayerInPub, 237}});
        P().cardRiddleState = 1;
    } else {
        PubTalk({{Scene::LocalTalking, 238},
                 {Scene::LocalRemembering, 239},
                 {Scene::VarnokLegend, 240},
                 {Scene::LocalTalking, 241},
                 {Scene::LocalRemembering, 242},
                 {Scene::LocalTalking, 243},
                 {Scene::VarnokLegend, 244},
                 {Scene::LocalTalking, 245},
                 {Scene::LocalRemembering, 246},
                 {Scene::LocalTalking, 247},
                 {Scene::VarnokLegend, 248}});
    }
}

// After the riddle the local reads the photo (the white house) and the
// diagram (the glass by the pub door). Both stay in the inventory.
void ShowToLocal() {
    if (P().tombstoneRead != 1 || P().cardRiddleState != 2) return;
    if (Carried() == Item::Photo) {
        PubTalk({{Scene::LocalTalking, 222},
                 {Scene::LocalRemembering, 223},
                 {Scene::LocalTalking, 224},
                 {Scene::VarnokLegend, 225},
                 {Scene::LocalTalking, 226},
                 {Scene::LocalRemembering, 227},
                 {Scene::LocalTalking, 228},
                 {Scene::VarnokLegend, 229}});
        P().whiteHouseKnown = 1;
    }
    if (Carried() == Item::Diagram) {
        PubTalk({{Scene::LocalTalking, 230},
                 {Scene::LocalRemembering, 231},
                 {Scene::LocalTalking, 232},
                 {Scene::VarnokLegend, 233}});
        MakeGlassPattern();
    }
}

void ClickPub(int32_t id) {
    switch (id) {
        case Spot::PubExit: QueueStep({.to = Scene::Square}); break;
        case Spot::Local:
            if (Carried() == 0) TalkToLocal();
            else ShowToLocal();
            break;
        case Spot::PubToToilet: QueueStep({.to = Scene::PubToilet}); break;
        case Spot::Cards: ClickCards(); break;
        case Spot::Pen:
            if (Carried() != 0) break;
            QueueStep({.text = 260});
            QueueStep({.to = Scene::Pub, .item = Item::Pen});
            P().penTaken = 1;
            break;
        default: break;
    }
}

// ---- Scene 44: the card table ----------------------------------------------

void BuildCardTable() {
    DejPredmet("ka0", 86, 146, Object::Card1);
    DejPredmet("kb0", 183, 146, Object::Card2);
    DejPredmet("kc0", 280, 146, Object::Card3);
    DejPredmet("kd0", 377, 146, Object::Card4);
    AddHotspot(Spot::Card1, 86, 146, 158, 231, ckPointer, 109);
    AddHotspot(Spot::Card2, 183, 146, 255, 231, ckPointer, 109);
    AddHotspot(Spot::Card3, 280, 146, 352, 231, ckPointer, 109);
    AddHotspot(Spot::Card4, 377, 146, 449, 231, ckPointer, 109);
    AddHotspot(Spot::GiveUp, 0, 0, 533, 76, ckUp, 110);
}

void ClickCardTable(int32_t id) {
    if (id >= Spot::Card1 && id <= Spot::Card4) CycleCard(id - Spot::Card1);
    if (id == Spot::GiveUp) GiveUpCards();
}

constexpr TSceneEntry kScenes[] = {
    {Scene::PubToilet, BuildToilet, ClickToilet},
    {Scene::Park, BuildPark, ClickPark},
    {Scene::Street, BuildStreet, ClickStreet},
    {Scene::Square, BuildSquare, ClickSquare},
    {Scene::WhiteHouseDoor, BuildHouseDoor, ClickHouseDoor},
    {Scene::Pub, BuildPub, ClickPub},
    {Scene::CardTable, BuildCardTable, ClickCardTable},
    {Scene::LocalTalking, nullptr, nullptr},  // the pub dialogues' pictures
    {Scene::VarnokLegend, nullptr, nullptr},
    {Scene::LocalRemembering, nullptr, nullptr},
    {Scene::PlayerInPub, nullptr, nullptr},
};

}  // namespace

std::span<const TSceneEntry> VillageChapter() { return kScenes; }
