// chapter_village.cpp: the village (scenes 1 and 38..48): the park with the
// old axe, the street, the square, the white house's door, the pub with its
// toilet, the old local and his card table, and the pub's dialogue pictures.
#include "adventure/chapters.h"
#include "adventure/inventory.h"
#include "adventure/puzzles.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 1: the pub's toilet ---------------------------------------------

void BuildToilet() {
    if (P().flushCount < 3) AddHotspot(6, 388, 22, 390, 132, ckPointer, 43);
    else DejPredmet("splachovadlo", 382, 0, 6);
    if (P().scraperTaken == 0) AddHotspot(8, 273, 0, 379, 45, ckPointer, 44);
    if (P().toiletPaperTaken == 0) AddHotspot(9, 206, 113, 229, 125, ckPointer, 45);
    AddHotspot(11, 153, 243, 486, 268, ckDown, 46);
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
        RemoveHotspot(6);
        QueueStep({.to = 1, .text = 151, .item = 220});
    } else {
        QueueStep({.text = 152, .sound = 2});
    }
}

void ClickToilet(int32_t id) {
    if (id == 11) QueueStep({.to = 42});
    if (Carried() != 0) return;
    if (id == 6) Flush();
    if (id == 8) {
        QueueStep({.text = 154});
        QueueStep({.to = 1, .item = 218});
        P().scraperTaken = 1;
    }
    if (id == 9) {
        P().toiletPaperTaken = 1;
        RemoveHotspot(9);
        QueueStep({.text = 155});
        QueueStep({.to = 1, .item = 201});
    }
}

// ---- Scene 38: the park by the cemetery ------------------------------------

void BuildPark() {
    AddHotspot(90, 298, 183, 380, 211, ckUp, 92);
    AddHotspot(91, 473, 170, 539, 271, ckRight, 93);
    if (P().axeTaken == 0) {
        DejPredmet("sekera", 27, 97, 137);
        AddHotspot(137, 27, 97, 56, 136, ckPointer, 21);
    }
}

void ClickPark(int32_t id) {
    if (id == 90) QueueStep({.to = 36});
    if (id == 91) QueueStep({.to = 39});
    if (id == 137 && Carried() == 0) {
        QueueStep({.text = 261});
        QueueStep({.to = 38, .text = 262, .item = 226});
        P().axeTaken = 1;
    }
}

// ---- Scene 39: the street --------------------------------------------------

void BuildStreet() {
    AddHotspot(92, 0, 199, 54, 269, ckLeft, 94);
    AddHotspot(93, 43, 156, 111, 194, ckRight, 95);
    if (P().whiteHouseKnown != 0) AddHotspot(94, 238, 184, 256, 203, ckUp, 96);
    AddHotspot(96, 417, 158, 538, 270, ckRight, 97);
}

void ClickStreet(int32_t id) {
    if (id == 92) QueueStep({.to = 38});
    if (id == 93) QueueStep({.to = 40});
    if (id == 94) QueueStep({.to = 41});
    if (id == 96) QueueStep({.to = 24});
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
        if (P().glassPattern[k] == 1) DejPredmet(kPanes[k].picture, kPanes[k].x, kPanes[k].y, 0);
}

void BuildSquare() {
    AddHotspot(97, 0, 131, 40, 189, ckPointer, 98);
    AddHotspot(98, 331, 119, 354, 249, ckRight, 99);
    AddHotspot(99, 308, 33, 350, 82, ckPointer, 100);
    if (P().businessCardTaken == 0) AddHotspot(100, 239, 217, 271, 239, ckPointer, 53);
    AddHotspot(101, 0, 220, 150, 270, ckDown, 93);
    if (P().magnetTaken == 0) {
        DejPredmet("magnet", 41, 10, 0);
        AddHotspot(112, 42, 10, 47, 14, ckPointer, 24);
    }
    StainedGlassPanes();
}

void ClickSquare(int32_t id) {
    switch (id) {
        case 97: if (Carried() == 0) QueueStep({.text = 212}); break;
        case 98: QueueStep({.to = 42}); break;
        case 99: if (Carried() == 0) QueueStep({.text = 213}); break;
        case 100:
            if (P().businessCardTaken != 0) break;
            QueueStep({.text = 214});
            QueueStep({.to = 40, .item = 227});
            P().businessCardTaken = 1;
            break;
        case 101: QueueStep({.to = 39}); break;
        case 112:
            if (Carried() != 0) break;
            QueueStep({.text = 254});
            QueueStep({.to = 40, .item = 219});
            P().magnetTaken = 1;
            break;
        default: break;
    }
}

// ---- Scene 41: the door of the white house ---------------------------------

void BuildHouseDoor() {
    AddHotspot(103, 356, 229, 382, 242, ckPointer, 101);
    AddHotspot(104, 0, 0, 74, 270, ckLeft, 59);
    if (P().letterTaken == 0) {
        DejPredmet("obalka", 211, 162, 0);
        AddHotspot(102, 181, 78, 339, 189, ckPointer, 102);
        AddHotspot(105, 323, 139, 331, 149, ckPointer, 103);
    }
}

void RingBell() {
    if (Carried() == 0) {
        QueueStep({.text = 216, .sound = 11});
        QueueStep({.literal = "..."});
        QueueStep({.text = 217});
    }
    if (Carried() == 204) QueueStep({.text = 218});
}

// The little key from the coffin opens the postbox: the map.
void UseLock() {
    if (Carried() == 0) QueueStep({.text = 219});
    if (Carried() != 228) return;
    QueueStep({.text = 220});
    QueueStep({.to = 41, .text = 221});
    P().letterTaken = 1;
    QueueStep({.item = 229});
    RemoveItem(228);
}

void ClickHouseDoor(int32_t id) {
    if (id == 102 && Carried() == 0) QueueStep({.text = 215});
    if (id == 103) RingBell();
    if (id == 104) QueueStep({.to = 39});
    if (id == 105) UseLock();
}

// ---- Scene 42: the pub -----------------------------------------------------

// Every visit to the pub finds the toilet cistern refilled.
void BuildPub() {
    AddHotspot(106, 0, 181, 213, 268, ckDown, 104);
    AddHotspot(107, 300, 60, 372, 171, ckPointer, 105);
    AddHotspot(108, 298, 0, 376, 49, ckRight, 106);
    if (P().cardRiddleState == 1) AddHotspot(120, 303, 188, 318, 202, ckPointer, 107);
    if (P().penTaken == 0) {
        DejPredmet("propiska", 386, 209, 136);
        AddHotspot(136, 386, 209, 420, 214, ckPointer, 27);
    }
    P().tankRefilling = 0;
}

// A dialogue in the pub: each line with its speaker's picture (45 the
// narrator, 46..48 the local), then back to the pub.
void PubTalk(std::initializer_list<std::pair<int32_t, int32_t>> lines) {
    for (const auto& [scene, text] : lines) QueueStep({.to = scene, .text = text});
    QueueStep({.to = 42});
}

void TalkToLocal() {
    if (P().tombstoneRead == 0) {
        QueueStep({.text = 249});
    } else if (P().cardRiddleState < 2) {
        PubTalk({{45, 234}, {48, 235}, {45, 236}, {48, 237}});
        P().cardRiddleState = 1;
    } else {
        PubTalk({{45, 238}, {47, 239}, {46, 240}, {45, 241}, {47, 242}, {45, 243},
                 {46, 244}, {45, 245}, {47, 246}, {45, 247}, {46, 248}});
    }
}

// After the riddle the local reads the photo (the white house) and the
// diagram (the glass by the pub door). Both stay in the inventory.
void ShowToLocal() {
    if (P().tombstoneRead != 1 || P().cardRiddleState != 2) return;
    if (Carried() == 217) {
        PubTalk({{45, 222}, {47, 223}, {45, 224}, {46, 225}, {45, 226}, {47, 227},
                 {45, 228}, {46, 229}});
        P().whiteHouseKnown = 1;
    }
    if (Carried() == 223) {
        PubTalk({{45, 230}, {47, 231}, {45, 232}, {46, 233}});
        MakeGlassPattern();
    }
}

void ClickPub(int32_t id) {
    switch (id) {
        case 106: QueueStep({.to = 40}); break;
        case 107:
            if (Carried() == 0) TalkToLocal();
            else ShowToLocal();
            break;
        case 108: QueueStep({.to = 1}); break;
        case 120: ClickCards(); break;
        case 136:
            if (Carried() != 0) break;
            QueueStep({.text = 260});
            QueueStep({.to = 42, .item = 222});
            P().penTaken = 1;
            break;
        default: break;
    }
}

// ---- Scene 44: the card table ----------------------------------------------

void BuildCardTable() {
    DejPredmet("ka0", 86, 146, 115);
    DejPredmet("kb0", 183, 146, 116);
    DejPredmet("kc0", 280, 146, 117);
    DejPredmet("kd0", 377, 146, 118);
    AddHotspot(115, 86, 146, 158, 231, ckPointer, 109);
    AddHotspot(116, 183, 146, 255, 231, ckPointer, 109);
    AddHotspot(117, 280, 146, 352, 231, ckPointer, 109);
    AddHotspot(118, 377, 146, 449, 231, ckPointer, 109);
    AddHotspot(119, 0, 0, 533, 76, ckUp, 110);
}

void ClickCardTable(int32_t id) {
    if (id >= 115 && id <= 118) CycleCard(id - 115);
    if (id == 119) GiveUpCards();
}

constexpr TSceneEntry kScenes[] = {
    {1, BuildToilet, ClickToilet},
    {38, BuildPark, ClickPark},
    {39, BuildStreet, ClickStreet},
    {40, BuildSquare, ClickSquare},
    {41, BuildHouseDoor, ClickHouseDoor},
    {42, BuildPub, ClickPub},
    {44, BuildCardTable, ClickCardTable},
    {45, nullptr, nullptr},  // pub dialogue: the narrator
    {46, nullptr, nullptr},  // pub dialogue: the local
    {47, nullptr, nullptr},  // pub dialogue: the local, remembering
    {48, nullptr, nullptr},  // pub dialogue: the local, at his cards
};

}  // namespace

std::span<const TSceneEntry> VillageChapter() { return kScenes; }
