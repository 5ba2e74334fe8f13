// chapter_countryside.cpp: the village stop and the countryside around it
// (scenes 24..33).
//
// Four blocks come from here: the base in the ruin (opened with the rod once
// it is oiled at the excavator), the stone heap on the hillside, the hay of
// the feeder, and the stop's secret place (revealed by the apple in the
// feeder). In the ruin they go into the holes; the tablet's picture tiles
// then open the street at the stop.
#include "adventure/chapters.h"
#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/puzzle_values.h"
#include "adventure/block_holes.h"
#include "adventure/picture_tiles.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 24: the village stop --------------------------------------------

void BuildStop() {
    if (P().streetReached == 0) AddHotspot(Spot::StopToForestRoad, 296, 43, 331, 85, ckUp, 62);
    if (P().secretPlaceOpen == 1) AddHotspot(Spot::SecretPlace, 408, 130, 425, 138, ckPointer, 63);
    if (P().pictureSolved == 1) AddHotspot(Spot::StopToStreet, 0, 205, 281, 270, ckDown, 64);
    if (P().mapStudied == 1) AddHotspot(Spot::StopToTracks, 460, 80, 536, 161, ckRight, 65);
    if (P().secretPlaceOpen == 1) DejPredmet("part", 409, 130, Object::Plain);  // the block glints under the plate
}

void ClickStop(int32_t id) {
    switch (id) {
        case Spot::StopToForestRoad: QueueStep({.to = Scene::ForestRoad}); break;
        case Spot::SecretPlace:
            if (Carried() != 0 || P().secretPlaceOpen != 1) break;
            QueueStep({.text = 201});
            QueueStep({.item = Item::StopBlock});
            P().secretPlaceOpen = 0;
            RemoveHotspot(Spot::SecretPlace);
            break;
        case Spot::StopToStreet:
            QueueStep({.to = Scene::Street});
            P().streetReached = 1;
            break;
        case Spot::StopToTracks:
            QueueStep({.to = Scene::AlongTheTracks, .text = 339});
            QueueStep({.to = Scene::Clearing, .text = 340});
            P().bunkerFound = 1;
            break;
        default: break;
    }
}

// ---- Scene 25: the castle ruin ---------------------------------------------

// "Hole" while empty, "Block filled hole" once a block sits in it.
TextId HoleLabel(int hole) { return HoleHoldsBlock(hole) ? 67 : 66; }

// An opening in the ruin: the flat dark "kostka0" laid edge to edge over what
// the picture shows closed.
void DarkOpening(int32_t x, int32_t y, int columns, int rows) {
    for (int k = 0; k < columns * rows; ++k)
        DejPredmet("kostka0", x + 7 * (k % columns), y + 6 * (k / columns), Object::Plain);
}

void BuildRuin() {
    if (P().holeOrderCount < 4) {
        AddHotspot(Spot::Hole1, 76, 116, 86, 123, ckPointer, HoleLabel(0));
        AddHotspot(Spot::Hole2, 141, 123, 152, 131, ckPointer, HoleLabel(1));
        AddHotspot(Spot::Hole3, 368, 126, 380, 133, ckPointer, HoleLabel(2));
        AddHotspot(Spot::Hole4, 464, 126, 473, 134, ckPointer, HoleLabel(3));
    }
    if (P().tabletDone == 0) AddHotspot(Spot::Tablet, 451, 152, 487, 190, ckPointer, 68);
    AddHotspot(Spot::RuinNumbers, 243, 43, 275, 49, ckPointer, 69);
    if (P().baseOpened == 0) AddHotspot(Spot::Base, 253, 189, 292, 207, ckPointer, 70);
    AddHotspot(Spot::RuinExit, 19, 239, 520, 271, ckDown, 71);
    DejPredmet("kostka1", 77, 118, Object::Hole1);
    DejPredmet("kostka1", 142, 125, Object::Hole2);
    DejPredmet("kostka1", 369, 128, Object::Hole3);
    DejPredmet("kostka1", 466, 128, Object::Hole4);
    if (P().baseOpened == 1) DarkOpening(255, 192, 5, 3);  // the lid gave way
    if (P().tabletUnlocked == 1 && P().tabletDone == 0) DejPredmet("tabletloose", 447, 147, Object::Plain);
    if (P().tabletDone == 1) DejPredmet("tabletopen", 451, 152, Object::Plain);  // the tablet swung open
}

void UseBase() {
    switch (Carried()) {
        case 0: QueueStep({.text = 184}); break;
        case Item::Rod:
            QueueStep({.text = 186, .sound = 4});
            P().rodTriedOnBase = 1;
            break;
        case Item::OiledRod:
            QueueStep({.text = 185, .sound = 4});
            QueueStep({.to = Scene::Ruin, .item = Item::RuinBlock});
            P().baseOpened = 1;
            RemoveItem(Item::OiledRod);
            break;
        default: break;
    }
}

void ClickRuin(int32_t id) {
    switch (id) {
        case Spot::Hole1: UseBlockHole(0, 1); break;
        case Spot::Hole2: UseBlockHole(3, 2); break;
        case Spot::Hole3: UseBlockHole(1, 3); break;
        case Spot::Hole4: UseBlockHole(2, 4); break;
        case Spot::Tablet:
            if (Carried() != 0) break;
            if (P().tabletUnlocked == 1) QueueStep({.to = Scene::Tablet});
            else QueueStep({.text = 182});
            break;
        case Spot::RuinNumbers: if (Carried() == 0) QueueStep({.text = 183}); break;
        case Spot::Base: UseBase(); break;
        case Spot::RuinExit: QueueStep({.to = Scene::ForestRoad}); break;
        default: break;
    }
}

// ---- Scene 26: the forest road ---------------------------------------------

void BuildForestRoad() {
    AddHotspot(Spot::ForestRoadToStop, 357, 92, 456, 133, ckRight, 72);
    AddHotspot(Spot::ForestRoadToRuin, 452, 159, 540, 269, ckRight, 73);
    AddHotspot(Spot::ForestRoadToHillside, 31, 222, 271, 271, ckDown, 74);
}

void ClickForestRoad(int32_t id) {
    if (id == Spot::ForestRoadToStop) QueueStep({.to = Scene::VillageStop});
    if (id == Spot::ForestRoadToRuin) WalkFirstTime(P().ruinVisited, Scene::Ruin, 187);
    if (id == Spot::ForestRoadToHillside) QueueStep({.to = Scene::Hillside});
}

// ---- Scene 27: the hillside ------------------------------------------------

void BuildHillside() {
    AddHotspot(Spot::HillsideToFeeder, 131, 96, 160, 125, ckUp, 75);
    AddHotspot(Spot::HillsideToForestRoad, 420, 186, 540, 267, ckRight, 76);
    AddHotspot(Spot::HillsideToExcavator, 197, 103, 295, 160, ckUp, 77);
    AddHotspot(Spot::StoneHeap, 118, 173, 237, 250, ckPointer, 78);
    if (P().stonesBlockTaken == 0)
        AddHotspot(Spot::HillsideBlock, 160, 203, 169, 211, ckPointer, 18);
    if (P().stonesBlockTaken == 0) DejPredmet("kostka1", 161, 205, Object::Plain);  // pale in its dark gap
}

void ClickStones() {
    QueueStep({.text = 189});
    if (P().flatStoneTaken == 1) return;
    QueueStep({.text = 190});
    QueueStep({.item = Item::FlatStone});
    P().flatStoneTaken = 1;
}

void ClickHillside(int32_t id) {
    switch (id) {
        case Spot::HillsideToFeeder: QueueStep({.to = Scene::Feeder}); break;
        case Spot::HillsideToForestRoad: QueueStep({.to = Scene::ForestRoad}); break;
        case Spot::HillsideToExcavator:
            WalkFirstTime(P().excavatorVisited, Scene::Excavator, 188);
            break;
        case Spot::StoneHeap: if (Carried() == 0) ClickStones(); break;
        case Spot::HillsideBlock:
            if (Carried() != 0) break;
            QueueStep({.text = 194});
            QueueStep({.item = Item::HillsideBlock});
            RemoveHotspot(Spot::HillsideBlock);
            P().stonesBlockTaken = 1;
            break;
        default: break;
    }
}

// ---- Scene 28: the excavator -----------------------------------------------

void BuildExcavator() {
    AddHotspot(Spot::OilStain, 415, 88, 432, 109, ckPointer, 79);
    AddHotspot(Spot::ExcavatorExit, 0, 232, 422, 271, ckDown, 59);
    if (P().rodTaken == 0) {
        AddHotspot(Spot::Rod, 43, 223, 84, 238, ckPointer, 80);
        DejPredmet("tyc", 40, 223, Object::Rod);
    }
}

// The oil stain: the rod gets oiled once it has been tried on the base.
void UseStain() {
    if (Carried() == 0) QueueStep({.text = 191});
    if (Carried() == Item::Rod && P().rodTriedOnBase == 1) {
        RemoveItem(Item::Rod);
        QueueStep({.to = Scene::Excavator, .text = 192, .sound = 4});
        QueueStep({.item = Item::OiledRod});
    }
}

void ClickExcavator(int32_t id) {
    if (id == Spot::OilStain) UseStain();
    if (id == Spot::ExcavatorExit) QueueStep({.to = Scene::Hillside});
    if (id == Spot::Rod && Carried() == 0) {
        QueueStep({.text = 193, .sound = 4});
        QueueStep({.item = Item::Rod});
        P().rodTaken = 1;
        RemoveHotspot(Spot::Rod);
    }
}

// ---- Scene 30: the animal feeder -------------------------------------------

void BuildFeeder() {
    AddHotspot(Spot::FeederExit, 456, 124, 538, 271, ckRight, 59);
    AddHotspot(Spot::Hay, 224, 121, 295, 167, ckPointer, 81);
    AddHotspot(Spot::Trough, 193, 176, 296, 187, ckPointer, 82);
    if (P().secretPlaceOpen == 1) DejPredmet("inv208", 192, 146, Object::Plain);  // the apple in the trough
}

void ClickHay() {
    if (P().hayBlockTaken == 0) {
        QueueStep({.text = 195});
        QueueStep({.item = Item::HayBlock});
        P().hayBlockTaken = 1;
    } else {
        QueueStep({.text = 196});
    }
}

// The stop's block, once found, stays found: in the bar or in a hole.
bool StopBlockFound() {
    if (HasItem(Item::StopBlock)) return true;
    for (uint8_t block : P().holeBlock)
        if (block == Item::StopBlock) return true;
    return false;
}

// The apple left in the feeder lures an animal; the note it uncovers points
// to the secret place at the stop. A second apple after the block was found
// uncovers nothing more, so the stop never hands out the same block twice.
void UseFeeder() {
    if (Carried() == 0) QueueStep({.text = 197});
    if (Carried() != Item::Apple || StopBlockFound()) return;
    QueueStep({.text = 198});
    QueueStep({.to = Scene::FeederNote, .text = 199});
    QueueStep({.to = Scene::Feeder, .text = 200});
    RemoveItem(Item::Apple);
    P().secretPlaceOpen = 1;
}

void ClickFeeder(int32_t id) {
    if (id == Spot::FeederExit) QueueStep({.to = Scene::Hillside});
    if (id == Spot::Hay && Carried() == 0) ClickHay();
    if (id == Spot::Trough) UseFeeder();
}

// ---- Scene 32: the tablet's picture tiles ----------------------------------

// Nine tiles, row-major. The third column's spots start at 294, two pixels
// inside the second column, which the later record wins.
void BuildTablet() {
    static constexpr int32_t kX[3] = {134, 215, 296};
    static constexpr int32_t kY[3] = {13, 94, 175};
    static constexpr int32_t kSpotLeft[3] = {134, 215, 294}, kSpotRight[3] = {214, 295, 374};
    static constexpr int32_t kSpotTop[3] = {13, 94, 174}, kSpotBottom[3] = {93, 173, 254};
    for (int k = 0; k < 9; ++k)
        DejPredmet("p0", kX[k % 3], kY[k / 3], static_cast<uint16_t>(Object::Tile1 + k));
    for (int k = 0; k < 9; ++k)
        AddHotspot(Spot::Tile1 + k, kSpotLeft[k % 3], kSpotTop[k / 3], kSpotRight[k % 3],
                   kSpotBottom[k / 3], ckPointer);
    AddHotspot(Spot::TabletExit, 409, 0, 534, 266, ckRight, 83);
}

void ClickTablet(int32_t id) {
    if (id >= Spot::Tile1 && id <= Spot::Tile9) TurnTile(id);
    if (id == Spot::TabletExit) QueueStep({.to = Scene::Ruin});
}

constexpr TSceneEntry kScenes[] = {
    {Scene::VillageStop, BuildStop, ClickStop},
    {Scene::Ruin, BuildRuin, ClickRuin},
    {Scene::ForestRoad, BuildForestRoad, ClickForestRoad},
    {Scene::Hillside, BuildHillside, ClickHillside},
    {Scene::Excavator, BuildExcavator, ClickExcavator},
    {Scene::Feeder, BuildFeeder, ClickFeeder},
    {Scene::FeederNote, nullptr, nullptr},
    {Scene::Tablet, BuildTablet, ClickTablet},
    {Scene::TabletNote, nullptr, nullptr},
};

}  // namespace

std::span<const TSceneEntry> CountrysideChapter() { return kScenes; }
