// block_holes_test.cpp: filling the tablet's holes in the ruin.
#include "adventure/inventory.h"
#include "tests/adventure/puzzle_fixture.h"

namespace {

// Hole (1..4 from the left) → the order index its hotspot passes.
constexpr int kOrderOfHole[5] = {-1, 0, 3, 1, 2};

class BlockHoles : public PuzzleTest {
protected:
    void SetUp() override {
        PuzzleTest::SetUp();
        for (uint16_t block = 210; block <= 213; ++block) Give(block);
    }
    // The first block still in the inventory.
    uint16_t AnyBlock() {
        for (uint16_t block = 213; block >= 210; --block)
            if (HasItem(block)) return block;
        ADD_FAILURE() << "no block left";
        return 0;
    }
    // Clicks `hole` carrying `block` (any block still held when not given).
    void Insert(int hole, uint16_t block = 0) {
        Carry(block != 0 ? block : AnyBlock());
        UseBlockHole(kOrderOfHole[hole], hole);
        Carry(0);
    }
    // Clicks `hole` with an empty cursor; a block that comes out is held again.
    void Click(int hole) {
        UseBlockHole(kOrderOfHole[hole], hole);
        for (const TSekvence& s : GameState.ui.steps)
            if (s.pending && s.item != 0) Give(s.item);
    }
    bool Solved() const { return progress.tabletUnlocked == 1 && progress.holeOrderCount >= 4; }
};

TEST_F(BlockHoles, TheOrderOneThreeFourTwoUnlocksTheTabletWhicheverBlockGoesWhere) {
    Insert(1, 212);
    EXPECT_EQ(Take(), Steps{Step(25, 145, 0, 5)});
    EXPECT_FALSE(HasItem(212));
    EXPECT_EQ(progress.holeBlock[0], 212);
    Insert(3, 210);
    Insert(4, 213);
    EXPECT_EQ(progress.holeOrderCount, 3);
    EXPECT_FALSE(Solved());
    Take();
    Insert(2, 211);
    EXPECT_EQ(Take(), (Steps{Step(25, 145, 0, 5), Step(-1, 146, 0, 10)}));
    EXPECT_TRUE(Solved());
    const uint8_t start[9] = {6, 7, 1, 5, 8, 0, 2, 4, 3};
    for (int k = 0; k < 9; ++k) EXPECT_EQ(progress.tile[k], start[k]) << k;
    for (uint16_t block = 210; block <= 213; ++block) EXPECT_FALSE(HasItem(block));

    // Solved: the holes no longer answer, not even to an empty cursor.
    Click(3);
    EXPECT_EQ(Take(), Steps{});
    EXPECT_EQ(progress.holeBlock[2], 210);
}

TEST_F(BlockHoles, EveryWrongFirstHoleFailsUntilAllBlocksComeOutAndTheOrderRestarts) {
    for (int wrongFirst : {2, 3, 4}) {
        SCOPED_TRACE(wrongFirst);
        Insert(wrongFirst);
        EXPECT_EQ(progress.holeOrderCount, 0);
        // Going on in the right order from there does not recover.
        for (int hole : {1, 3, 4, 2})
            if (hole != wrongFirst) Insert(hole);
        EXPECT_FALSE(Solved());
        Take();
        for (int hole = 1; hole <= 4; ++hole) {
            uint16_t block = progress.holeBlock[hole - 1];
            Click(hole);
            EXPECT_EQ(Take(), (Steps{Step(-1, 147), Step(25, -1, block)}));
            EXPECT_EQ(progress.holeBlock[hole - 1], 0);
            EXPECT_EQ(progress.holeOrderCount, 0);
        }
    }
    // Refilled from four empty holes in the right order, it opens.
    for (int hole : {1, 3, 4, 2}) Insert(hole);
    EXPECT_TRUE(Solved());
}

TEST_F(BlockHoles, TakingOneBlockOutRestartsTheCountSoTheRestCannotFinish) {
    Insert(1);
    Insert(3);
    EXPECT_EQ(progress.holeOrderCount, 2);
    Click(3);
    EXPECT_EQ(progress.holeOrderCount, 0);
    for (int hole : {3, 4, 2}) Insert(hole);
    EXPECT_EQ(progress.holeOrderCount, 3);
    EXPECT_FALSE(Solved());
    for (int hole = 1; hole <= 4; ++hole) Click(hole);
    for (int hole : {1, 3, 4, 2}) Insert(hole);
    EXPECT_TRUE(Solved());
}

TEST_F(BlockHoles, OnlyABlockOnAnEmptyHoleOrAnEmptyCursorDoesAnything) {
    UseBlockHole(0, 1);
    EXPECT_EQ(Take(), Steps{Step(-1, 148)});
    Carry(229);  // the map
    UseBlockHole(0, 1);
    EXPECT_EQ(Take(), Steps{});
    Insert(1, 210);
    Take();
    Carry(211);  // a block onto a filled hole
    UseBlockHole(0, 1);
    Carry(229);
    UseBlockHole(0, 1);
    EXPECT_EQ(Take(), Steps{});
    EXPECT_EQ(progress.holeBlock[0], 210);
    EXPECT_TRUE(HasItem(211));
    EXPECT_EQ(progress.holeOrderCount, 1);
    EXPECT_TRUE(Played().empty());  // the insertion's sample comes with its step
}

// A saved game that holds something else than a block in a hole: the hole
// reads as empty, so no foreign item comes out and a block can go in.
TEST_F(BlockHoles, AHoleHoldingNoBlockReadsAsEmpty) {
    progress.holeBlock[0] = 5;
    progress.holeBlock[2] = 250;
    Click(1);
    EXPECT_EQ(Take(), Steps{Step(-1, 148)});
    for (uint8_t entry : GameState.live.inventory) EXPECT_TRUE(entry == 0 || (entry >= 210 && entry <= 213));
    Insert(1);
    EXPECT_EQ(progress.holeOrderCount, 1);  // holes 2..4 count as empty
    Insert(3);
    EXPECT_EQ(progress.holeOrderCount, 2);
    Insert(4);
    Insert(2);
    EXPECT_TRUE(Solved());
}

}  // namespace
