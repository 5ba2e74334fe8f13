// inventory_rules.cpp: picking items up from the bar and combining them.
#include "adventure/inventory_rules.h"

#include "adventure/inventory.h"
#include "adventure/rules.h"

namespace {

constexpr int32_t kPhoneGameScene = 5;

void Select(uint16_t clicked) {
    uint16_t& carried = GameState.selectedItem;
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

// The magnet tied to the string.
void MagnetOnString() {
    QueueStep({.text = 345});
    RemoveItem(219);
    RemoveItem(220);
    QueueStep({.to = Here(), .item = 221});
}

// The pen copies the stone mechanism onto the paper, but only in front of it.
void PenOnPaper() {
    if (Here() != 49) {
        QueueStep({.text = 347});
        return;
    }
    RemoveItem(201);
    RemoveItem(222);
    QueueStep({.text = 346, .sound = 7});
    QueueStep({.to = Here(), .item = 223});
}

// The first look at the business card goes through the view in which the
// gate's code is drawn; later looks show the plain card.
void StudyBusinessCard() {
    if (P().businessCardStudied == 0) {
        QueueStep({.to = 34, .text = 350});
        P().businessCardStudied = 1;
    }
    QueueStep({.to = 35, .text = 351, .sound = 7});
    QueueStep({.to = Here()});
}

void OpenMap() {
    if (Here() == 54) return;
    GameState.live.mapReturnScene = static_cast<uint8_t>(Here());
    QueueStep({.to = 54, .text = 352, .sound = 7});
}

}  // namespace

void ClickInventoryItem(uint16_t clicked) {
    if (GameState.live.scene == kPhoneGameScene) return;
    Select(clicked);
    const uint16_t carried = GameState.selectedItem;
    if (Pair(clicked, carried, 219, 220) || Pair(clicked, carried, 220, 219)) MagnetOnString();
    if (Pair(clicked, carried, 201, 222)) PenOnPaper();
    if (Pair(clicked, carried, 226, 225)) {
        RemoveItem(226);
        QueueStep({.text = 348, .sound = 4});
        QueueStep({.to = Here(), .item = 216});
    }
    if (Pair(clicked, carried, 224, 225)) {
        RemoveItem(224);
        RemoveItem(225);
        QueueStep({.text = 349, .sound = 6});
        QueueStep({.to = Here(), .item = 233});
    }
    if (Pair(clicked, carried, 227, 227)) StudyBusinessCard();
    if (Pair(clicked, carried, 229, 229)) OpenMap();
}
