// inventory_rules.cpp: picking items up from the bar and combining them.
#include "adventure/inventory_rules.h"

#include "adventure/code_dial.h"
#include "adventure/comfort_switches.h"
#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/rules.h"

namespace {

void Select(uint16_t clicked) {
    uint16_t& carried = GameState.ui.selectedItem;
    if (clicked == carried) {
        carried = 0;
        PlayNow(3);
    } else if (carried == 0) {
        carried = clicked;
        PlayNow(3);
    }
}

bool Pair(uint16_t clicked, uint16_t carried, uint16_t a, uint16_t b) {
    return clicked == a && carried == b;
}

// A combination of two different items, which the rules name one way round:
// with the replies comfort on, the other way round combines them too, so a
// player never hears "Nothing happens." for the right pair held wrong.
bool Combines(uint16_t clicked, uint16_t carried, uint16_t a, uint16_t b) {
    return Pair(clicked, carried, a, b) || (Comforts().replies && Pair(clicked, carried, b, a));
}

// The magnet tied to the string.
void MagnetOnString() {
    QueueStep({.text = 345});
    RemoveItem(Item::Magnet);
    RemoveItem(Item::String);
    QueueStep({.to = Here(), .item = Item::MagnetOnString});
}

// The pen copies the stone mechanism onto the paper, but only in front of it.
void PenOnPaper() {
    if (Here() != Scene::StoneMechanism) {
        QueueStep({.text = 347});
        return;
    }
    RemoveItem(Item::Paper);
    RemoveItem(Item::Pen);
    QueueStep({.text = 346, .sound = 7});
    QueueStep({.to = Here(), .item = Item::Diagram});
}

// The first look at the business card settles the gate's code and goes
// through the view that shows it first; later looks show the plain card. The
// code is drawn here, at dispatch, so it never depends on a frame showing the
// first view.
void StudyBusinessCard() {
    if (P().businessCardStudied == 0) {
        MakeDialCode();
        QueueStep({.to = Scene::BusinessCardFirstLook, .text = 350});
        P().businessCardStudied = 1;
    }
    QueueStep({.to = Scene::BusinessCard, .text = 351, .sound = 7});
    QueueStep({.to = Here()});
}

void OpenMap() {
    if (Here() == Scene::Map) return;
    GameState.live.mapReturnScene = static_cast<uint8_t>(Here());
    QueueStep({.to = Scene::Map, .text = 352, .sound = 7});
}

}  // namespace

void ClickInventoryItem(uint16_t clicked) {
    if (GameState.live.scene == Scene::PhoneGame) return;
    Select(clicked);
    const uint16_t carried = GameState.ui.selectedItem;
    if (Pair(clicked, carried, Item::Magnet, Item::String) ||
        Pair(clicked, carried, Item::String, Item::Magnet))
        MagnetOnString();
    if (Combines(clicked, carried, Item::Paper, Item::Pen)) PenOnPaper();
    if (Combines(clicked, carried, Item::OldAxe, Item::FlatStone)) {
        RemoveItem(Item::OldAxe);
        QueueStep({.text = 348, .sound = 4});
        QueueStep({.to = Here(), .item = Item::SharpAxe});
    }
    if (Combines(clicked, carried, Item::Sculpture, Item::FlatStone)) {
        RemoveItem(Item::Sculpture);
        RemoveItem(Item::FlatStone);
        QueueStep({.text = 349, .sound = 6});
        QueueStep({.to = Here(), .item = Item::Hook});
    }
    if (Pair(clicked, carried, Item::BusinessCard, Item::BusinessCard)) StudyBusinessCard();
    if (Pair(clicked, carried, Item::Map, Item::Map)) OpenMap();
}
