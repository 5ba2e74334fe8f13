// chapter_countryside.cpp: the village stop and the countryside around it
// (scenes 24..33).
//
// Four blocks come from here: the base in the ruin (opened with the rod once
// it is oiled at the excavator), the stone heap on the hillside, the hay of
// the feeder, and the stop's secret place (revealed by the apple in the
// feeder). In the ruin they go into the holes; the tablet's picture tiles
// then open the street at the stop.
#include "adventure/chapters.h"
#include "adventure/inventory.h"
#include "adventure/puzzle_values.h"
#include "adventure/puzzles.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 24: the village stop --------------------------------------------

void BuildStop() {
    if (P().streetReached == 0) AddHotspot(47, 296, 43, 331, 85, ckUp, 62);
    if (P().secretPlaceOpen == 1) AddHotspot(71, 408, 130, 425, 138, ckPointer, 63);
    if (P().pictureSolved == 1) AddHotspot(138, 0, 205, 281, 270, ckDown, 64);
    if (P().mapStudied == 1) AddHotspot(180, 460, 80, 536, 161, ckRight, 65);
}

void ClickStop(int32_t id) {
    switch (id) {
        case 47: QueueStep({.to = 26}); break;
        case 71:
            if (Carried() != 0 || P().secretPlaceOpen != 1) break;
            QueueStep({.text = 201});
            QueueStep({.item = 213});
            P().secretPlaceOpen = 0;
            RemoveHotspot(71);
            break;
        case 138:
            QueueStep({.to = 39});
            P().streetReached = 1;
            break;
        case 180:
            QueueStep({.to = 55, .text = 339});
            QueueStep({.to = 53, .text = 340});
            P().bunkerFound = 1;
            break;
        default: break;
    }
}

// ---- Scene 25: the castle ruin ---------------------------------------------

// "Hole" while empty, "Block filled hole" once a block sits in it.
TextId HoleLabel(int hole) { return HoleHoldsBlock(hole) ? 67 : 66; }

void BuildRuin() {
    if (P().holeOrderCount < 4) {
        AddHotspot(48, 76, 116, 86, 123, ckPointer, HoleLabel(0));
        AddHotspot(49, 141, 123, 152, 131, ckPointer, HoleLabel(1));
        AddHotspot(50, 368, 126, 380, 133, ckPointer, HoleLabel(2));
        AddHotspot(51, 464, 126, 473, 134, ckPointer, HoleLabel(3));
    }
    if (P().tabletDone == 0) AddHotspot(52, 451, 152, 487, 190, ckPointer, 68);
    AddHotspot(53, 243, 43, 275, 49, ckPointer, 69);
    if (P().baseOpened == 0) AddHotspot(55, 253, 189, 292, 207, ckPointer, 70);
    AddHotspot(56, 19, 239, 520, 271, ckDown, 71);
    DejPredmet("kostka1", 77, 118, 48);
    DejPredmet("kostka1", 142, 125, 49);
    DejPredmet("kostka1", 369, 128, 50);
    DejPredmet("kostka1", 466, 128, 51);
}

void UseBase() {
    switch (Carried()) {
        case 0: QueueStep({.text = 184}); break;
        case 214:
            QueueStep({.text = 186, .sound = 4});
            P().rodTriedOnBase = 1;
            break;
        case 215:
            QueueStep({.text = 185, .sound = 4});
            QueueStep({.to = 25, .item = 210});
            P().baseOpened = 1;
            RemoveItem(215);
            break;
        default: break;
    }
}

void ClickRuin(int32_t id) {
    switch (id) {
        case 48: UseBlockHole(0, 1); break;
        case 49: UseBlockHole(3, 2); break;
        case 50: UseBlockHole(1, 3); break;
        case 51: UseBlockHole(2, 4); break;
        case 52:
            if (Carried() != 0) break;
            if (P().tabletUnlocked == 1) QueueStep({.to = 32});
            else QueueStep({.text = 182});
            break;
        case 53: if (Carried() == 0) QueueStep({.text = 183}); break;
        case 55: UseBase(); break;
        case 56: QueueStep({.to = 26}); break;
        default: break;
    }
}

// ---- Scene 26: the forest road ---------------------------------------------

void BuildForestRoad() {
    AddHotspot(57, 357, 92, 456, 133, ckRight, 72);
    AddHotspot(58, 452, 159, 540, 269, ckRight, 73);
    AddHotspot(60, 31, 222, 271, 271, ckDown, 74);
}

void ClickForestRoad(int32_t id) {
    if (id == 57) QueueStep({.to = 24});
    if (id == 58) WalkFirstTime(P().ruinVisited, 25, 187);
    if (id == 60) QueueStep({.to = 27});
}

// ---- Scene 27: the hillside ------------------------------------------------

void BuildHillside() {
    AddHotspot(59, 131, 96, 160, 125, ckUp, 75);
    AddHotspot(61, 420, 186, 540, 267, ckRight, 76);
    AddHotspot(62, 197, 103, 295, 160, ckUp, 77);
    AddHotspot(63, 118, 173, 237, 250, ckPointer, 78);
    if (P().stonesBlockTaken == 0) AddHotspot(67, 160, 203, 169, 211, ckPointer, 18);
}

void ClickStones() {
    QueueStep({.text = 189});
    if (P().flatStoneTaken == 1) return;
    QueueStep({.text = 190});
    QueueStep({.item = 225});
    P().flatStoneTaken = 1;
}

void ClickHillside(int32_t id) {
    switch (id) {
        case 59: QueueStep({.to = 30}); break;
        case 61: QueueStep({.to = 26}); break;
        case 62: WalkFirstTime(P().excavatorVisited, 28, 188); break;
        case 63: if (Carried() == 0) ClickStones(); break;
        case 67:
            if (Carried() != 0) break;
            QueueStep({.text = 194});
            QueueStep({.item = 211});
            RemoveHotspot(67);
            P().stonesBlockTaken = 1;
            break;
        default: break;
    }
}

// ---- Scene 28: the excavator -----------------------------------------------

void BuildExcavator() {
    AddHotspot(64, 415, 88, 432, 109, ckPointer, 79);
    AddHotspot(65, 0, 232, 422, 271, ckDown, 59);
    if (P().rodTaken == 0) {
        AddHotspot(66, 43, 223, 84, 238, ckPointer, 80);
        DejPredmet("tyc", 40, 223, 66);
    }
}

// The oil stain: the rod gets oiled once it has been tried on the base.
void UseStain() {
    if (Carried() == 0) QueueStep({.text = 191});
    if (Carried() == 214 && P().rodTriedOnBase == 1) {
        RemoveItem(214);
        QueueStep({.to = 28, .text = 192, .sound = 4});
        QueueStep({.item = 215});
    }
}

void ClickExcavator(int32_t id) {
    if (id == 64) UseStain();
    if (id == 65) QueueStep({.to = 27});
    if (id == 66 && Carried() == 0) {
        QueueStep({.text = 193, .sound = 4});
        QueueStep({.item = 214});
        P().rodTaken = 1;
        RemoveHotspot(66);
    }
}

// ---- Scene 30: the animal feeder -------------------------------------------

void BuildFeeder() {
    AddHotspot(68, 456, 124, 538, 271, ckRight, 59);
    AddHotspot(69, 224, 121, 295, 167, ckPointer, 81);
    AddHotspot(70, 193, 176, 296, 187, ckPointer, 82);
}

void ClickHay() {
    if (P().hayBlockTaken == 0) {
        QueueStep({.text = 195});
        QueueStep({.item = 212});
        P().hayBlockTaken = 1;
    } else {
        QueueStep({.text = 196});
    }
}

// The apple left in the feeder lures an animal; the note it uncovers points
// to the secret place at the stop.
void UseFeeder() {
    if (Carried() == 0) QueueStep({.text = 197});
    if (Carried() != 208) return;
    QueueStep({.text = 198});
    QueueStep({.to = 31, .text = 199});
    QueueStep({.to = 30, .text = 200});
    RemoveItem(208);
    P().secretPlaceOpen = 1;
}

void ClickFeeder(int32_t id) {
    if (id == 68) QueueStep({.to = 27});
    if (id == 69 && Carried() == 0) ClickHay();
    if (id == 70) UseFeeder();
}

// ---- Scene 32: the tablet's picture tiles ----------------------------------

// Nine tiles, row-major. The third column's spots start at 294, two pixels
// inside the second column, which the later record wins.
void BuildTablet() {
    static constexpr int32_t kX[3] = {134, 215, 296};
    static constexpr int32_t kY[3] = {13, 94, 175};
    static constexpr int32_t kSpotLeft[3] = {134, 215, 294}, kSpotRight[3] = {214, 295, 374};
    static constexpr int32_t kSpotTop[3] = {13, 94, 174}, kSpotBottom[3] = {93, 173, 254};
    for (int k = 0; k < 9; ++k) DejPredmet("p0", kX[k % 3], kY[k / 3], static_cast<uint16_t>(72 + k));
    for (int k = 0; k < 9; ++k)
        AddHotspot(72 + k, kSpotLeft[k % 3], kSpotTop[k / 3], kSpotRight[k % 3], kSpotBottom[k / 3],
              ckPointer);
    AddHotspot(81, 409, 0, 534, 266, ckRight, 83);
}

void ClickTablet(int32_t id) {
    if (id >= 72 && id <= 80) TurnTile(id);
    if (id == 81) QueueStep({.to = 25});
}

constexpr TSceneEntry kScenes[] = {
    {24, BuildStop, ClickStop},
    {25, BuildRuin, ClickRuin},
    {26, BuildForestRoad, ClickForestRoad},
    {27, BuildHillside, ClickHillside},
    {28, BuildExcavator, ClickExcavator},
    {30, BuildFeeder, ClickFeeder},
    {31, nullptr, nullptr},  // the note in the feeder
    {32, BuildTablet, ClickTablet},
    {33, nullptr, nullptr},  // the note from the tablet
};

}  // namespace

std::span<const TSceneEntry> CountrysideChapter() { return kScenes; }
