// inventory_rules.cpp: picking items up from the bar and combining them.
#include "adventure/inventory_rules.h"

#include "adventure/code_dial.h"
#include "adventure/inventory.h"
#include "adventure/rules.h"

namespace {

constexpr int32_t kPhoneGameScene = 5;

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

// The magnet tied to the string.
void MagnetOnString() {
    Queue({.text = 345});
    RemoveItem(219);
    RemoveItem(220);
    Queue({.to = Here(), .item = 221});
}

// The pen copies the stone mechanism onto the paper, but only in front of it.
void PenOnPaper() {
    if (Here() != 49) {
        Queue({.text = 347});
        return;
    }
    RemoveItem(201);
    RemoveItem(222);
    Queue({.text = 346, .sound = 7});
    Queue({.to = Here(), .item = 223});
}

// The first look at the business card settles the gate's code and goes
// through the view that shows it first; later looks show the plain card. The
// code is drawn here, at dispatch, so it never depends on a frame showing the
// first view.
void StudyBusinessCard() {
    if (P().businessCardStudied == 0) {
        MakeDialCode();
        Queue({.to = 34, .text = 350});
        P().businessCardStudied = 1;
    }
    Queue({.to = 35, .text = 351, .sound = 7});
    Queue({.to = Here()});
}

void OpenMap() {
    if (Here() == 54) return;
    GameState.live.mapReturnScene = static_cast<uint8_t>(Here());
    Queue({.to = 54, .text = 352, .sound = 7});
}

}  // namespace

void ClickInventoryItem(uint16_t clicked) {
    if (GameState.live.scene == kPhoneGameScene) return;
    Select(clicked);
    const uint16_t carried = GameState.ui.selectedItem;
    if (Pair(clicked, carried, 219, 220) || Pair(clicked, carried, 220, 219)) MagnetOnString();
    if (Pair(clicked, carried, 201, 222)) PenOnPaper();
    if (Pair(clicked, carried, 226, 225)) {
        RemoveItem(226);
        Queue({.text = 348, .sound = 4});
        Queue({.to = Here(), .item = 216});
    }
    if (Pair(clicked, carried, 224, 225)) {
        RemoveItem(224);
        RemoveItem(225);
        Queue({.text = 349, .sound = 6});
        Queue({.to = Here(), .item = 233});
    }
    if (Pair(clicked, carried, 227, 227)) StudyBusinessCard();
    if (Pair(clicked, carried, 229, 229)) OpenMap();
}
