// block_holes.cpp: the four holes of the stone tablet in the castle ruin.
//
// Any block fits any hole; only the order of filling counts: hole 1, 3, 4,
// then 2, counted from the left, each insertion made while exactly the holes
// before it in that order are filled. holeOrderCount counts the right
// insertions in a row; taking a block out starts the count again, so after a
// mistake every block has to come out. At four the tablet unlocks and the
// picture tiles take their starting pieces.
#include <cstdint>

#include "adventure/comforts.h"
#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/puzzle_values.h"
#include "adventure/block_holes.h"
#include "adventure/rules.h"

namespace {

constexpr int kHoleCount = 4;
constexpr uint8_t kSolvedCount = 4;

// The holes filled (bit k = hole k + 1) when the insertion with this order
// index was the right one: hole 1; holes 1, 3; holes 1, 3, 4; all four.
constexpr uint8_t kFilledWhenRight[kHoleCount] = {0b0001, 0b0101, 0b1101, 0b1111};

// The tiles' pieces when the tablet unlocks, top row first.
constexpr uint8_t kStartingPieces[9] = {6, 7, 1, 5, 8, 0, 2, 4, 3};

uint8_t FilledHoles() {
    uint8_t mask = 0;
    for (int k = 0; k < kHoleCount; ++k)
        if (HoleHoldsBlock(k)) mask |= static_cast<uint8_t>(1u << k);
    return mask;
}

void UnlockTablet() {
    QueueStep({.text = 146, .sound = 10});
    P().tabletUnlocked = 1;
    for (int k = 0; k < 9; ++k) P().tile[k] = kStartingPieces[k];
}

void InsertBlock(int orderIndex, int k) {
    uint16_t block = Carried();
    P().holeBlock[k] = static_cast<uint8_t>(block);
    RemoveItem(block);
    QueueStep({.to = Scene::Ruin, .text = 145, .sound = 5});
    uint8_t& count = P().holeOrderCount;
    if (FilledHoles() == kFilledWhenRight[orderIndex]) {
        if (count < 255) ++count;
    } else {
        count = 0;
    }
    if (count >= kSolvedCount) UnlockTablet();
    else if (FilledHoles() == kFilledWhenRight[kHoleCount - 1]) AnswerWrongBlockOrder();
}

// With an empty cursor: a block comes back out (and the count restarts), an
// empty hole only tells that it is empty.
void ClickWithEmptyCursor(int k) {
    if (!HoleHoldsBlock(k)) {
        QueueStep({.text = 148});
        return;
    }
    uint16_t block = P().holeBlock[k];
    QueueStep({.text = 147});
    QueueStep({.to = Scene::Ruin, .item = block});
    P().holeOrderCount = 0;
    P().holeBlock[k] = 0;
}

}  // namespace

void UseBlockHole(int orderIndex, int hole) {
    if (orderIndex < 0 || orderIndex >= kHoleCount || hole < 1 || hole > kHoleCount) return;
    int k = hole - 1;
    if (IsBlockItem(Carried()) && !HoleHoldsBlock(k)) {
        InsertBlock(orderIndex, k);
        return;  // the block stays on the cursor until the step rebuilds the ruin
    }
    if (Carried() == 0 && P().holeOrderCount < kSolvedCount) ClickWithEmptyCursor(k);
}
