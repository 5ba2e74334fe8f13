// code_dial_test.cpp: the bunker gate's code and its dial.
#include <array>
#include <set>

#include "adventure/code_dial.h"
#include "tests/adventure/puzzle_fixture.h"

namespace {

class CodeDial : public PuzzleTest {
protected:
    void SetCode(uint8_t a, uint8_t b, uint8_t c) {
        progress.dialCode[0] = a, progress.dialCode[1] = b, progress.dialCode[2] = c;
        progress.businessCardStudied = 1;
    }
    void Press(std::initializer_list<int> digits) {
        for (int d : digits) PressDial(139 + d);
    }
    static Steps OpenSteps() { return Steps{Step(-1, 341, 0, 3), Step(52, 342, 0, 10), Step(56, 343)}; }
    static Steps WrongSteps() { return Steps{Step(-1, 344, 0, 3)}; }
};

TEST_F(CodeDial, TheCodeIsThreeDifferentDigitsOneToNineRepeatableUnderASeed) {
    std::set<int> digitsSeen;
    std::array<uint8_t, 3> first{};
    for (int draw = 0; draw < 300; ++draw) {
        MakeDialCode();
        const uint8_t* c = progress.dialCode;
        ASSERT_TRUE(c[0] >= 1 && c[0] <= 9 && c[1] >= 1 && c[1] <= 9 && c[2] >= 1 && c[2] <= 9);
        ASSERT_TRUE(c[0] != c[1] && c[1] != c[2] && c[0] != c[2]);
        digitsSeen.insert(c[0]);
        digitsSeen.insert(c[2]);
        if (draw == 0) first = {c[0], c[1], c[2]};
    }
    EXPECT_EQ(digitsSeen.size(), 9u);
    Randomize(1);
    MakeDialCode();
    EXPECT_EQ((std::array<uint8_t, 3>{progress.dialCode[0], progress.dialCode[1], progress.dialCode[2]}), first);
}

TEST_F(CodeDial, OnlyTheLastThreePressesCountAgainstTheCode) {
    SetCode(4, 7, 2);
    Press({9, 4, 7, 2});
    EXPECT_EQ(Played(), (std::vector<int>{9, 9, 9, 9}));
    EXPECT_EQ(progress.dialDigits[0], 4);
    PressDial(181);
    EXPECT_EQ(Take(), OpenSteps());
    // Nothing is stored: the dial goes on working.
    PressDial(181);
    EXPECT_EQ(Take(), OpenSteps());
    Press({4, 7, 2, 2});
    PressDial(181);
    EXPECT_EQ(Take(), WrongSteps());
    for (auto wrong : {std::array{2, 7, 4}, std::array{4, 7, 3}, std::array{7, 4, 2}}) {
        Press({wrong[0], wrong[1], wrong[2]});
        PressDial(181);
        EXPECT_EQ(Take(), WrongSteps());
    }
}

TEST_F(CodeDial, BeforeTheCardIsReadNothingOpensTheGate) {
    PressDial(181);  // code and display both 0, 0, 0
    EXPECT_EQ(Take(), WrongSteps());
    EXPECT_EQ(progress.dialCode[0], 0);  // the card is not read: nothing is drawn here
    Press({1, 2, 3});
    PressDial(181);
    EXPECT_EQ(Take(), WrongSteps());
}

TEST_F(CodeDial, ACarriedItemOrAnUnknownSpotDoesNothing) {
    SetCode(1, 2, 3);
    Press({1, 2, 3});
    Played();
    Carry(227);
    Press({5});
    PressDial(181);
    EXPECT_EQ(Take(), Steps{});
    EXPECT_TRUE(Played().empty());
    Carry(0);
    PressDial(139);
    PressDial(149);
    PressDial(180);
    EXPECT_EQ(progress.dialDigits[2], 3);
    PressDial(181);
    EXPECT_EQ(Take(), OpenSteps());
}

// A studied card whose code is not three digits 1..9 (a damaged save) can
// never be entered: the fuse refuses it and settles a real code, which the
// card then shows.
TEST_F(CodeDial, ADamagedCodeIsRefusedAndReplacedByARealOne) {
    SetCode(12, 0, 3);
    progress.dialDigits[0] = 12, progress.dialDigits[1] = 0, progress.dialDigits[2] = 3;
    PressDial(181);
    EXPECT_EQ(Take(), WrongSteps());
    const uint8_t* c = progress.dialCode;
    ASSERT_TRUE(c[0] >= 1 && c[0] <= 9 && c[1] >= 1 && c[1] <= 9 && c[2] >= 1 && c[2] <= 9);
    Press({c[0], c[1], c[2]});
    PressDial(181);
    EXPECT_EQ(Take(), OpenSteps());
}

}  // namespace
