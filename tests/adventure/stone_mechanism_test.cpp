// stone_mechanism_test.cpp: the cemetery's stone buttons and the glass pattern.
#include <algorithm>
#include <array>

#include "adventure/inventory.h"
#include "tests/adventure/puzzle_fixture.h"

namespace {

using Stones = std::array<uint8_t, 9>;

class StoneMechanism : public PuzzleTest {
protected:
    void SetUp() override {
        PuzzleTest::SetUp();
        Give(204);  // the match
        Give(223);  // the diagram
    }
    void SetPattern(const Stones& pattern) {
        std::copy(pattern.begin(), pattern.end(), progress.glassPattern);
        progress.glassPatternSet = 1;
    }
    Stones StonesNow() const {
        Stones s{};
        std::copy(progress.stone, progress.stone + 9, s.begin());
        return s;
    }
    void Push(int k) { PushStone(k); }
    void PushWithMatch(int k) {
        Carry(204);
        PushStone(k);
        Carry(0);
    }
};

TEST_F(StoneMechanism, WithoutTheMatchEachPushPopsTheOthersOut) {
    SetPattern({1, 0, 0, 0, 1, 0, 0, 0, 1});
    Push(0);
    EXPECT_EQ(StonesNow(), (Stones{1, 0, 0, 0, 0, 0, 0, 0, 0}));
    Push(4);
    EXPECT_EQ(StonesNow(), (Stones{0, 0, 0, 0, 1, 0, 0, 0, 0}));
    Push(4);  // a pushed stone comes out again
    EXPECT_EQ(StonesNow(), Stones{});
    for (int k : {0, 4, 8}) Push(k);
    EXPECT_EQ(StonesNow(), (Stones{0, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(progress.mechanismSolved, 0);
    EXPECT_EQ(Played(), std::vector<int>(6, 5));
    EXPECT_EQ(Take(), Steps{});
}

TEST_F(StoneMechanism, AStoneHeldByTheMatchKeepsTheOthersInAndSolvesThePattern) {
    SetPattern({1, 0, 0, 0, 1, 0, 0, 0, 1});
    Push(0);
    PushWithMatch(0);
    EXPECT_EQ(Take(), Steps{Step(49, 141)});
    EXPECT_EQ(progress.stone[0], 2);
    EXPECT_EQ(progress.stoneJammed, 1);
    EXPECT_FALSE(HasItem(204));
    Push(4);
    Push(2);  // a wrong stone stays in too, and comes out with a second push
    Push(2);
    EXPECT_EQ(StonesNow(), (Stones{2, 0, 0, 0, 1, 0, 0, 0, 0}));
    EXPECT_EQ(Take(), Steps{});
    Push(8);
    EXPECT_EQ(progress.mechanismSolved, 1);
    EXPECT_EQ(Take(), (Steps{Step(-1, 139), Step(36, 140, 0, 10)}));
    EXPECT_FALSE(HasItem(223));
    EXPECT_EQ(Played(), std::vector<int>(5, 5));  // no sample for the match
}

TEST_F(StoneMechanism, ClickingTheHeldStoneGivesTheMatchBackAndLetsAllOut) {
    SetPattern({1, 1, 1, 0, 0, 0, 0, 0, 0});
    Push(3);
    PushWithMatch(3);
    Push(0);
    Push(1);
    Take();
    Push(3);
    EXPECT_EQ(Take(), Steps{Step(49, 138, 204)});
    EXPECT_EQ(StonesNow(), Stones{});
    EXPECT_EQ(progress.stoneJammed, 0);
}

TEST_F(StoneMechanism, TheMatchOnlyHoldsAPushedStoneAndOtherItemsDoNothing) {
    SetPattern({1, 1, 1, 0, 0, 0, 0, 0, 0});
    PushWithMatch(5);  // out: nothing
    Carry(223);
    PushStone(5);
    Carry(0);
    EXPECT_EQ(StonesNow(), Stones{});
    EXPECT_TRUE(HasItem(204));
    EXPECT_EQ(Take(), Steps{});
    EXPECT_TRUE(Played().empty());
    Push(5);
    PushWithMatch(5);
    Take();
    PushWithMatch(5);  // already held
    EXPECT_EQ(Take(), Steps{});
    EXPECT_EQ(progress.stone[5], 2);
}

TEST_F(StoneMechanism, NothingMatchesBeforeThePatternExists) {
    EXPECT_FALSE(StonesMatchPattern());
    Push(0);
    EXPECT_FALSE(StonesMatchPattern());
    progress.glassPatternSet = 1;  // an all-empty pattern, reached only by editing
    EXPECT_FALSE(StonesMatchPattern());
    progress.stone[0] = 0;
    EXPECT_TRUE(StonesMatchPattern());
    progress.glassPattern[4] = 2;  // not a pane value: never matches
    EXPECT_FALSE(StonesMatchPattern());
}

TEST_F(StoneMechanism, APatternHasThreeOrMorePanesIsNeverSolvedOnArrivalAndFollowsTheSeed) {
    Stones first{};
    for (int showing = 0; showing < 200; ++showing) {
        // Stones as the player might leave them: the held one and some pushed.
        std::fill(progress.stone, progress.stone + 9, 0);
        for (int k = 0; k < 9; ++k)
            if ((showing >> (k % 5)) & 1) progress.stone[k] = k == 0 ? 2 : 1;
        MakeGlassPattern();
        ASSERT_EQ(progress.glassPatternSet, 1);
        int panes = 0;
        for (uint8_t pane : progress.glassPattern) {
            ASSERT_LE(pane, 1);
            panes += pane;
        }
        ASSERT_GE(panes, 3) << showing;
        ASSERT_FALSE(StonesMatchPattern()) << showing;
        if (showing == 0) std::copy(progress.glassPattern, progress.glassPattern + 9, first.begin());
    }
    std::fill(progress.stone, progress.stone + 9, 0);
    Randomize(1);
    MakeGlassPattern();
    EXPECT_TRUE(std::equal(first.begin(), first.end(), progress.glassPattern));
}

// Stones in every state the pattern asks for, with all nine panes: only
// possible with the held stone.
TEST_F(StoneMechanism, AFullPatternIsSolvedByHoldingOneAndPushingTheRest) {
    SetPattern({1, 1, 1, 1, 1, 1, 1, 1, 1});
    Push(4);
    PushWithMatch(4);
    for (int k : {0, 1, 2, 3, 5, 6, 7}) Push(k);
    EXPECT_EQ(progress.mechanismSolved, 0);
    Push(8);
    EXPECT_EQ(progress.mechanismSolved, 1);
}

// A saved game with a stone byte other than 0, 1 or 2: it shows and acts as
// pushed in.
TEST_F(StoneMechanism, AnUnknownStoneValueActsAsPushedIn) {
    SetPattern({1, 0, 0, 0, 1, 0, 0, 0, 1});
    progress.stone[4] = 9;
    EXPECT_FALSE(StonesMatchPattern());
    Push(0);  // pops the unknown one out like any pushed stone
    EXPECT_EQ(progress.stone[4], 0);
    progress.stone[7] = 40;
    PushWithMatch(7);  // and the match holds it
    EXPECT_EQ(progress.stone[7], 2);
}

}  // namespace
