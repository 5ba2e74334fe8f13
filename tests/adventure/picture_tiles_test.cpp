// picture_tiles_test.cpp: turning the tablet's nine tiles.
#include <algorithm>

#include "tests/adventure/puzzle_fixture.h"

namespace {

constexpr uint8_t kStart[9] = {6, 7, 1, 5, 8, 0, 2, 4, 3};

class PictureTiles : public PuzzleTest {
protected:
    void SetUp() override {
        PuzzleTest::SetUp();
        std::copy(kStart, kStart + 9, progress.tile);
    }
    bool Solved() const { return progress.pictureSolved == 1 && progress.tabletDone == 1; }
};

TEST_F(PictureTiles, ATileTurnsThroughAllNinePiecesAndPastEightBackToZero) {
    for (int turn = 1; turn <= 9; ++turn) {
        TurnTile(76);  // tile 4 starts on piece 8
        EXPECT_EQ(progress.tile[4], (8 + turn) % 9) << turn;
    }
    EXPECT_EQ(Played(), std::vector<int>(9, 3));
    EXPECT_EQ(Take(), Steps{});
}

TEST_F(PictureTiles, TheFewestTurnsFromTheStartCompleteThePictureOnTheLastTurn) {
    // Turns tile k needs: (k - start) mod 9, which are 3, 3, 1, 7, 5, 5, 4, 3, 5.
    const int expected[9] = {3, 3, 1, 7, 5, 5, 4, 3, 5};
    int total = 0;
    for (int k = 0; k < 9; ++k) {
        int turns = (k - kStart[k] + 9) % 9;
        EXPECT_EQ(turns, expected[k]) << k;
        for (int t = 0; t < turns; ++t) {
            EXPECT_FALSE(Solved()) << "solved early at turn " << total;
            EXPECT_EQ(Take(), Steps{});
            TurnTile(72 + k);
            ++total;
        }
    }
    EXPECT_EQ(total, 36);
    EXPECT_TRUE(Solved());
    EXPECT_EQ(Take(), (Steps{Step(32, 142), Step(-1, 143), Step(33, 144), Step(25, -1)}));
    EXPECT_EQ(Played(), std::vector<int>(36, 3));
}

TEST_F(PictureTiles, ACarriedItemOrAnotherSpotChangesNothing) {
    Carry(229);
    TurnTile(72);
    GameState.ui.selectedItem = 0;
    TurnTile(71);
    TurnTile(81);
    EXPECT_TRUE(std::equal(kStart, kStart + 9, progress.tile));
    EXPECT_TRUE(Played().empty());
}

// A saved game with a tile piece above 8: it shows and acts as piece 8, so
// one turn takes it to 0 rather than counting up through the byte.
TEST_F(PictureTiles, APieceAboveEightActsAsEight) {
    for (int k = 0; k < 9; ++k) progress.tile[k] = static_cast<uint8_t>(k);
    progress.tile[8] = 200;
    progress.tile[0] = 8;
    TurnTile(72);  // tile 0 to piece 0: every tile reads as its own piece
    EXPECT_EQ(progress.tile[0], 0);
    EXPECT_TRUE(Solved());
    Take();
    TurnTile(80);
    EXPECT_EQ(progress.tile[8], 0);
}

}  // namespace
