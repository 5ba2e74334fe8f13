// chapter_station.cpp: the departure station (scenes 10..18).
//
// The wire outside, the apple in the hall's basket, the girl who changes the
// two-hundred note for one coin, the ticket machine whose jammed coin slot the
// wire clears (and gives the match), the ticket, and boarding the train.
#include "adventure/chapters.h"
#include "adventure/inventory.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 10: outside the station -----------------------------------------

void BuildEntrance() {
    AddHotspot(35, 256, 128, 289, 201, ckUp, 51);
    if (P().wireTaken == 0) {
        DejPredmet("drat", 511, 180, 46);
        AddHotspot(46, 511, 180, 520, 211, ckPointer, 11);
    }
}

void ClickEntrance(int32_t id) {
    if (id == 35) QueueStep({.to = 11});
    if (id == 46 && Carried() == 0) {
        QueueStep({.text = 181});
        QueueStep({.item = 202});
        P().wireTaken = 1;
        RemoveHotspot(46);
    }
}

// ---- Scene 11: the station hall --------------------------------------------

void BuildHall() {
    AddHotspot(36, 0, 17, 40, 233, ckLeft, 52);
    AddHotspot(37, 101, 188, 148, 246, ckPointer, 53);
    AddHotspot(38, 314, 5, 349, 36, ckPointer, 54);
    AddHotspot(39, 173, 129, 212, 187, ckPointer, 55);
    AddHotspot(40, 203, 247, 398, 269, ckDown, 56);
    AddHotspot(41, 479, 87, 532, 212, ckRight, 57);
}

// The basket gives an apple whenever none is carried.
void ClickBasket() {
    if (HasItem(208)) {
        QueueStep({.text = 164});
        return;
    }
    QueueStep({.text = 163});
    QueueStep({.item = 208});
}

void ClickGirl() {
    if (Carried() == 0) {
        QueueStep({.to = 14, .text = 166});
        QueueStep({.to = 15, .text = 167});
        QueueStep({.to = 11});
    } else if (Carried() == 205 && P().knowsCoinsOnly == 1) {
        QueueStep({.to = 14, .text = 168});
        QueueStep({.to = 15, .text = 169});
        QueueStep({.to = 16, .text = 170, .item = 203});
        QueueStep({.to = 14, .text = 171});
        QueueStep({.to = 11});
        RemoveItem(205);
    }
}

void ClickHall(int32_t id) {
    switch (id) {
        case 36: QueueStep({.to = 10}); break;
        case 37: if (Carried() == 0) ClickBasket(); break;
        case 38: if (Carried() == 0) QueueStep({.text = 165}); break;
        case 39: ClickGirl(); break;
        case 40: QueueStep({.to = 12}); break;
        case 41: QueueStep({.to = 13}); break;
        default: break;
    }
}

// ---- Scene 12: the ticket machine ------------------------------------------

void BuildMachine() {
    AddHotspot(44, 242, 132, 255, 198, ckPointer, 58);
    AddHotspot(45, 133, 243, 407, 266, ckDown, 59);
}

void UseMachine() {
    switch (Carried()) {
        case 0: QueueStep({.text = 176}); break;
        case 205:
            QueueStep({.text = 177});
            P().knowsCoinsOnly = 1;
            break;
        case 202:
            if (P().coinSlotJamSeen != 1) break;
            RemoveItem(202);
            P().coinSlotCleared = 1;
            QueueStep({.text = 178, .sound = 8});
            QueueStep({.to = 12, .item = 204});
            break;
        case 203:
            if (P().coinSlotCleared == 0) {
                QueueStep({.text = 179});
                P().coinSlotJamSeen = 1;
            } else if (P().coinSlotCleared == 1) {
                QueueStep({.to = 17, .text = 180});
                QueueStep({.to = 12, .item = 207});
                RemoveItem(203);
            }
            break;
        default: break;
    }
}

void ClickMachine(int32_t id) {
    if (id == 44) UseMachine();
    if (id == 45) QueueStep({.to = 11});
}

// ---- Scene 13: the platform ------------------------------------------------

void BuildPlatform() {
    AddHotspot(42, 184, 88, 380, 142, ckUp, 60);
    AddHotspot(43, 228, 228, 536, 268, ckDown, 61);
}

// The ride: the credit pictures keep a blank message up, so each waits for a
// click. The ticket stays in the inventory.
void Board() {
    if (!HasItem(207)) {
        QueueStep({.text = 175});
        return;
    }
    QueueStep({.to = 18, .text = 172});
    QueueStep({.to = 20, .sound = 10, .literal = " "});
    QueueStep({.to = 21, .sound = 10, .literal = " "});
    QueueStep({.to = 22, .sound = 10, .literal = " "});
    QueueStep({.to = 23, .text = 173});
    QueueStep({.to = 24, .text = 174});
    QueueStep({.to = 24});
}

void ClickPlatform(int32_t id) {
    if (id == 42) Board();
    if (id == 43) QueueStep({.to = 11});
}

constexpr TSceneEntry kScenes[] = {
    {10, BuildEntrance, ClickEntrance},
    {11, BuildHall, ClickHall},
    {12, BuildMachine, ClickMachine},
    {13, BuildPlatform, ClickPlatform},
    {14, nullptr, nullptr},  // the girl talking
    {15, nullptr, nullptr},  // the narrator talking
    {16, nullptr, nullptr},  // the coin changing hands
    {17, nullptr, nullptr},  // the ticket printing
    {18, nullptr, nullptr},  // on the train
};

}  // namespace

std::span<const TSceneEntry> StationChapter() { return kScenes; }
