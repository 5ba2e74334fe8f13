// card_riddle_test.cpp: the four cards of the local's riddle.
#include <set>

#include "tests/adventure/puzzle_fixture.h"

namespace {

class CardRiddle : public PuzzleTest {
protected:
    void SetUp() override {
        PuzzleTest::SetUp();
        progress.cardRiddleState = 1;
    }
    void Deal(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
        progress.cardFace[0] = a, progress.cardFace[1] = b;
        progress.cardFace[2] = c, progress.cardFace[3] = d;
    }
    static Steps WinSteps() { return Steps{Step(44, 136), Step(48, 137), Step(42, -1)}; }
};

TEST_F(CardRiddle, ACardTurnsThroughFourFacesAndWrapsFromThreeToZero) {
    Deal(3, 2, 2, 2);
    CycleCard(0);
    EXPECT_EQ(progress.cardFace[0], 0);
    CycleCard(0);
    CycleCard(0);
    CycleCard(0);
    EXPECT_EQ(progress.cardFace[0], 3);
    EXPECT_EQ(Played(), (std::vector<int>{8, 8, 8, 8}));
    EXPECT_EQ(progress.cardFace[1], 2);
    EXPECT_EQ(Take(), Steps{});
}

TEST_F(CardRiddle, EveryDealtTableIsSolvedByTurningEachCardToZeroAndOnlyTheLastTurnWins) {
    for (int dealt = 0; dealt < 81; ++dealt) {
        uint8_t faces[4] = {static_cast<uint8_t>(1 + dealt % 3), static_cast<uint8_t>(1 + dealt / 3 % 3),
                            static_cast<uint8_t>(1 + dealt / 9 % 3), static_cast<uint8_t>(1 + dealt / 27)};
        Deal(faces[0], faces[1], faces[2], faces[3]);
        progress.cardRiddleState = 1;
        int clicks = 0;
        for (int k = 0; k < 4; ++k) {
            for (int t = faces[k]; t < 4; ++t) {
                ASSERT_EQ(progress.cardRiddleState, 1) << dealt;
                CycleCard(k);
                ++clicks;
            }
        }
        ASSERT_EQ(progress.cardRiddleState, 2) << dealt;
        ASSERT_EQ(Take(), WinSteps()) << dealt;
        ASSERT_EQ(clicks, 16 - faces[0] - faces[1] - faces[2] - faces[3]);
    }
    Deal(1, 2, 3, 1);  // 3 + 2 + 1 + 3 turns
    progress.cardRiddleState = 1;
    Played();
    for (int k : {0, 0, 0, 1, 1, 2, 3, 3, 3}) CycleCard(k);
    EXPECT_EQ(progress.cardRiddleState, 2);
    EXPECT_EQ(Played(), std::vector<int>(9, 8));
}

TEST_F(CardRiddle, DealingDrawsFacesOneToThreeFromTheSeededSourceAndGivingUpKeepsThem) {
    ClickCards();
    EXPECT_EQ(Take(), (Steps{Step(45, 257), Step(48, 258), Step(44, -1)}));
    uint8_t first[4];
    std::set<int> seen;
    for (int k = 0; k < 4; ++k) first[k] = progress.cardFace[k];
    for (int deal = 0; deal < 50; ++deal) {
        ClickCards();
        for (int k = 0; k < 4; ++k) {
            ASSERT_GE(progress.cardFace[k], 1);
            ASSERT_LE(progress.cardFace[k], 3);
            seen.insert(progress.cardFace[k]);
        }
    }
    EXPECT_EQ(seen.size(), 3u);
    Randomize(1);
    ClickCards();
    for (int k = 0; k < 4; ++k) EXPECT_EQ(progress.cardFace[k], first[k]) << k;
    Take();

    GiveUpCards();
    EXPECT_EQ(Take(), (Steps{Step(45, 255), Step(48, 256), Step(42, -1)}));
    for (int k = 0; k < 4; ++k) EXPECT_EQ(progress.cardFace[k], first[k]) << k;
}

TEST_F(CardRiddle, ACarriedItemDoesNothing) {
    Deal(1, 1, 1, 3);
    Carry(227);
    CycleCard(3);
    ClickCards();
    GiveUpCards();
    EXPECT_EQ(progress.cardFace[3], 3);
    EXPECT_EQ(progress.cardFace[0], 1);
    EXPECT_EQ(Take(), Steps{});
    EXPECT_TRUE(Played().empty());
}

// A saved game with a face above 3: it reads as face 3, so the next turn
// brings it to 0 instead of counting up through the byte.
TEST_F(CardRiddle, AFaceAboveThreeActsAsThree) {
    Deal(0, 0, 0, 77);
    CycleCard(3);
    EXPECT_EQ(progress.cardFace[3], 0);
    EXPECT_EQ(progress.cardRiddleState, 2);
}

}  // namespace
