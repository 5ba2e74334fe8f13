// chapter_station.cpp: the departure station (scenes 10..18).
//
// The wire outside, the apple in the hall's basket, the girl who changes the
// two-hundred note for one coin, the ticket machine whose jammed coin slot the
// wire clears (and gives the match), the ticket, and boarding the train.
#include "adventure/chapters.h"
#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/puzzle_values.h"
#include "adventure/rules.h"
#include "adventure/scene_content.h"

namespace {

// ---- Scene 10: outside the station -----------------------------------------

void BuildEntrance() {
    AddHotspot(Spot::IntoStation, 256, 128, 289, 201, ckUp, 51);
    if (P().wireTaken == 0) {
        DejPredmet("drat", 511, 180, Object::Wire);
        AddHotspot(Spot::Wire, 511, 180, 520, 211, ckPointer, 11);
    }
}

void ClickEntrance(int32_t id) {
    if (id == Spot::IntoStation) QueueStep({.to = Scene::StationHall});
    if (id == Spot::Wire && Carried() == 0) {
        QueueStep({.text = 181});
        QueueStep({.item = Item::Wire});
        P().wireTaken = 1;
        RemoveHotspot(Spot::Wire);
    }
}

// ---- Scene 11: the station hall --------------------------------------------

void BuildHall() {
    AddHotspot(Spot::StationExit, 0, 17, 40, 233, ckLeft, 52);
    AddHotspot(Spot::AppleBasket, 101, 188, 148, 246, ckPointer, 53);
    AddHotspot(Spot::StationClock, 314, 5, 349, 36, ckPointer, 54);
    AddHotspot(Spot::Girl, 173, 129, 212, 187, ckPointer, 55);
    AddHotspot(Spot::ToTicketMachine, 203, 247, 398, 269, ckDown, 56);
    AddHotspot(Spot::ToPlatform, 479, 87, 532, 212, ckRight, 57);
}

// The basket gives an apple whenever none is carried.
void ClickBasket() {
    if (HasItem(Item::Apple)) {
        QueueStep({.text = 164});
        return;
    }
    QueueStep({.text = 163});
    QueueStep({.item = Item::Apple});
}

void ClickGirl() {
    if (Carried() == 0) {
        QueueStep({.to = Scene::PlayerToGirl, .text = 166});
        QueueStep({.to = Scene::GirlAnswering, .text = 167});
        QueueStep({.to = Scene::StationHall});
    } else if (Carried() == Item::TwoHundredNote && P().knowsCoinsOnly == 1) {
        QueueStep({.to = Scene::PlayerToGirl, .text = 168});
        QueueStep({.to = Scene::GirlAnswering, .text = 169});
        QueueStep({.to = Scene::GirlGivesCoin, .text = 170, .item = Item::Coin});
        QueueStep({.to = Scene::PlayerToGirl, .text = 171});
        QueueStep({.to = Scene::StationHall});
        RemoveItem(Item::TwoHundredNote);
    }
}

void ClickHall(int32_t id) {
    switch (id) {
        case Spot::StationExit: QueueStep({.to = Scene::StationEntrance}); break;
        case Spot::AppleBasket: if (Carried() == 0) ClickBasket(); break;
        case Spot::StationClock: if (Carried() == 0) QueueStep({.text = 165}); break;
        case Spot::Girl: ClickGirl(); break;
        case Spot::ToTicketMachine: QueueStep({.to = Scene::TicketMachine}); break;
        case Spot::ToPlatform: QueueStep({.to = Scene::Platform}); break;
        default: break;
    }
}

// ---- Scene 12: the ticket machine ------------------------------------------

void BuildMachine() {
    AddHotspot(Spot::TicketMachine, 242, 132, 255, 198, ckPointer, 58);
    AddHotspot(Spot::MachineExit, 133, 243, 407, 266, ckDown, 59);
    // The coin's try stays in this scene, so the match shows itself once it is found.
    if (P().coinSlotCleared == 0) DejPredmet("slotmatch", 243, 150, Object::SlotMatch);
}

void UseMachine() {
    switch (Carried()) {
        case 0: QueueStep({.text = 176}); break;
        case Item::TwoHundredNote:
            QueueStep({.text = 177});
            P().knowsCoinsOnly = 1;
            break;
        case Item::Wire:
            if (P().coinSlotJamSeen != 1) break;
            RemoveItem(Item::Wire);
            P().coinSlotCleared = 1;
            QueueStep({.text = 178, .sound = 8});
            QueueStep({.to = Scene::TicketMachine, .item = Item::Match});
            break;
        case Item::Coin:
            if (P().coinSlotCleared == 0) {
                QueueStep({.text = 179});
                P().coinSlotJamSeen = 1;
            } else if (P().coinSlotCleared == 1) {
                QueueStep({.to = Scene::TicketPrinting, .text = 180});
                QueueStep({.to = Scene::TicketMachine, .item = Item::Ticket});
                RemoveItem(Item::Coin);
            }
            break;
        default: break;
    }
}

void ClickMachine(int32_t id) {
    if (id == Spot::TicketMachine) UseMachine();
    if (id == Spot::MachineExit) QueueStep({.to = Scene::StationHall});
}

// ---- Scene 13: the platform ------------------------------------------------

void BuildPlatform() {
    AddHotspot(Spot::Board, 184, 88, 380, 142, ckUp, 60);
    AddHotspot(Spot::PlatformExit, 228, 228, 536, 268, ckDown, 61);
}

// The ride: the credit pictures keep a blank message up, so each waits for a
// click. The ticket stays in the inventory.
void Board() {
    if (!HasItem(Item::Ticket)) {
        QueueStep({.text = 175});
        return;
    }
    QueueStep({.to = Scene::Boarding, .text = 172});
    QueueStep({.to = Scene::TitlePresents, .sound = 10, .literal = " "});
    QueueStep({.to = Scene::TitleAuthors, .sound = 10, .literal = " "});
    QueueStep({.to = Scene::TitleName, .sound = 10, .literal = " "});
    QueueStep({.to = Scene::TrainArrived, .text = 173});
    QueueStep({.to = Scene::VillageStop, .text = 174});
    QueueStep({.to = Scene::VillageStop});
}

void ClickPlatform(int32_t id) {
    if (id == Spot::Board) Board();
    if (id == Spot::PlatformExit) QueueStep({.to = Scene::StationHall});
}

constexpr TSceneEntry kScenes[] = {
    {Scene::StationEntrance, BuildEntrance, ClickEntrance},
    {Scene::StationHall, BuildHall, ClickHall},
    {Scene::TicketMachine, BuildMachine, ClickMachine},
    {Scene::Platform, BuildPlatform, ClickPlatform},
    {Scene::PlayerToGirl, nullptr, nullptr},
    {Scene::GirlAnswering, nullptr, nullptr},
    {Scene::GirlGivesCoin, nullptr, nullptr},
    {Scene::TicketPrinting, nullptr, nullptr},
    {Scene::Boarding, nullptr, nullptr},
};

}  // namespace

std::span<const TSceneEntry> StationChapter() { return kScenes; }
