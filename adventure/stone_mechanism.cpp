// stone_mechanism.cpp: the nine stone buttons in the cemetery and the glass
// pattern on the square that they must copy.
//
// Pushing a button in pops every other pushed button out again, unless one
// button is held in with the match: then the others stay where they are.
// Clicking the held button gives the match back and lets all nine out. The
// mechanism opens when the buttons in are exactly the panes of the pattern,
// which exists only once the local has seen the diagram.
#include <cstdint>

#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/puzzle_values.h"
#include "adventure/stone_mechanism.h"
#include "adventure/rules.h"
#include "core/random.h"

namespace {

constexpr int kStoneCount = 9;
constexpr int kFewestPanes = 3;

void ReleaseHeldStone() {
    QueueStep({.to = Scene::StoneMechanism, .text = 138, .item = Item::Match});
    P().stoneJammed = 0;
    for (uint8_t& s : P().stone) s = kStoneOut;
}

void PushWithEmptyCursor(int k) {
    PlayNow(5);
    if (P().stoneJammed == 0) {
        for (int j = 0; j < kStoneCount; ++j)
            if (j != k && StoneState(j) == kStoneIn) P().stone[j] = kStoneOut;
    }
    switch (StoneState(k)) {
        case kStoneOut: P().stone[k] = kStoneIn; break;
        case kStoneHeld: ReleaseHeldStone(); break;
        default: P().stone[k] = kStoneOut; break;
    }
    if (!StonesMatchPattern()) return;
    RemoveItem(Item::Diagram);
    QueueStep({.text = 139});
    QueueStep({.to = Scene::Cemetery, .text = 140, .sound = 10});
    P().mechanismSolved = 1;
}

}  // namespace

bool StonesMatchPattern() {
    if (P().glassPatternSet == 0) return false;
    for (int k = 0; k < kStoneCount; ++k) {
        uint8_t pane = P().glassPattern[k];
        bool in = StoneState(k) != kStoneOut;
        if (pane > 1 || (pane == 1) != in) return false;
    }
    return true;
}

void MakeGlassPattern() {
    P().glassPatternSet = 1;
    int panes = 0;
    do {
        panes = 0;
        for (uint8_t& pane : P().glassPattern) {
            pane = static_cast<uint8_t>(Random(2));
            panes += pane;
        }
    } while (panes < kFewestPanes || StonesMatchPattern());
}

void PushStone(int k) {
    if (k < 0 || k >= kStoneCount) return;
    if (Carried() == 0) {
        PushWithEmptyCursor(k);
    } else if (Carried() == Item::Match && StoneState(k) == kStoneIn) {
        P().stone[k] = kStoneHeld;
        RemoveItem(Item::Match);
        QueueStep({.to = Scene::StoneMechanism, .text = 141});
        P().stoneJammed = 1;
    }
}
