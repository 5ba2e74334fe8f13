// bunker_household_test.cpp: the gamer, the scout, the patient, the valve and
// the shower: every state of the three machines with the click that moves it
// on, and the clicks that come too early.
#include <string>
#include <vector>

#include "adventure/inventory.h"
#include "adventure/bunker_household.h"
#include "adventure/step_queue.h"
#include "tests/adventure/game_fixture.h"

namespace {

struct Step {
    int32_t scene;
    std::string text;
    uint16_t item;
    uint8_t sound;
    bool operator==(const Step&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Step& s) {
    return os << "[" << s.scene << " '" << s.text << "' +" << s.item << " s" << int{s.sound} << "]";
}

class Bunker : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        ClearSteps();
        SetMessage("");
        Build(57);
    }
    static std::vector<Step> Queued() {
        std::vector<Step> out;
        for (const auto& s : GameState.ui.steps)
            if (s.pending) out.push_back({s.scene, s.text, s.item, s.sound});
        return out;
    }
    static Step S(int32_t scene, int32_t text, uint16_t item = 0, uint8_t sound = 0) {
        return {scene, text < 0 ? std::string() : Text(static_cast<TextId>(text)), item, sound};
    }
    static void Carry(uint16_t item) {
        GameState.live.inventory[0] = static_cast<uint8_t>(item);
        GameState.ui.selectedItem = item;
    }
    void TalkedToAll() {
        progress.talkedToGamer = progress.talkedToScout = progress.talkedToPatient = 1;
    }
};

TEST_F(Bunker, GamerFirstTalkRepeatsUntilTheJarAndThenHeIsBusy) {
    ClickCompanion(162);
    EXPECT_EQ(Queued(), (std::vector<Step>{S(58, 279), S(59, 280), S(58, 281), S(59, 282),
                                            S(57, -1)}));
    EXPECT_EQ(progress.talkedToGamer, 1);
    EXPECT_EQ(progress.gamerState, 0);

    ClearSteps();
    ClickCompanion(162);  // still state 0: the same talk again
    EXPECT_EQ(Queued().size(), 5u);

    for (uint8_t state : {1, 3}) {
        ClearSteps();
        progress.gamerState = state;
        ClickCompanion(162);
        EXPECT_EQ(Queued(), std::vector<Step>{S(-1, 283)}) << int{state};
    }
}

TEST_F(Bunker, TheJarWorksOnlyAfterAllThreeFirstTalks) {
    Carry(230);
    progress.talkedToGamer = progress.talkedToScout = 1;
    ClickCompanion(162);
    EXPECT_TRUE(Queued().empty());
    EXPECT_TRUE(HasItem(230));
    EXPECT_EQ(progress.gamerState, 0);

    progress.talkedToPatient = 1;
    ClickCompanion(162);
    EXPECT_EQ(Queued(), (std::vector<Step>{S(58, 290), S(67, 291), S(61, 292), S(57, -1)}));
    EXPECT_FALSE(HasItem(230));
    EXPECT_EQ(progress.gamerState, 1);
    EXPECT_EQ(progress.patientState, 1);
}

TEST_F(Bunker, AnyOtherItemOnACompanionDoesNothing) {
    TalkedToAll();
    for (int32_t id : {162, 163, 164}) {
        Carry(231);
        ClickCompanion(id);
        EXPECT_TRUE(Queued().empty()) << id;
    }
    Carry(230);
    ClickCompanion(163);
    ClickCompanion(164);
    EXPECT_TRUE(Queued().empty());
    EXPECT_TRUE(HasItem(230));
}

TEST_F(Bunker, AskingTheApproachableGamerStartsHisPhoneGame) {
    progress.gamerState = 2;
    ClickCompanion(162);
    const auto q = Queued();
    ASSERT_EQ(q.size(), 7u);
    EXPECT_EQ(q[0], S(58, 284));
    EXPECT_EQ(q[1].scene, 59);
    EXPECT_NE(q[1].text.find("100"), std::string::npos) << q[1].text;
    EXPECT_EQ(q[1].text.find("%d"), std::string::npos) << q[1].text;
    EXPECT_EQ(q[5], S(59, 289));
    EXPECT_EQ(q[6].scene, 5);
    EXPECT_EQ(q[6].text, "0");
    EXPECT_EQ(progress.gamerState, 2);  // only winning lends the mallet
}

TEST_F(Bunker, TheScoutTalksTheSameEveryTime) {
    ClickCompanion(163);
    const auto q = Queued();
    ASSERT_EQ(q.size(), 9u);
    EXPECT_EQ(q[0], S(58, 293));
    EXPECT_EQ(q[1], S(60, 294));
    EXPECT_EQ(q[7], S(60, 300));
    EXPECT_EQ(q[8], S(57, -1));
    EXPECT_EQ(progress.talkedToScout, 1);
}

TEST_F(Bunker, ThePatientGreetsThenOpensTheBathroomThenEndsTheStory) {
    ClickCompanion(164);
    EXPECT_EQ(Queued(), (std::vector<Step>{S(58, 301), S(61, 302), S(57, -1)}));
    EXPECT_EQ(progress.talkedToPatient, 1);
    EXPECT_EQ(progress.bathroomOpen, 0);

    ClearSteps();
    progress.patientState = 1;
    ClickCompanion(164);
    EXPECT_EQ(Queued(), (std::vector<Step>{S(61, 303), S(58, 304), S(57, -1)}));
    EXPECT_EQ(progress.bathroomOpen, 1);

    ClearSteps();
    progress.patientState = 2;
    ClickCompanion(164);
    const auto q = Queued();
    ASSERT_EQ(q.size(), 23u);
    EXPECT_EQ(q[0], S(58, 305));
    EXPECT_EQ(q[2], S(69, 307));
    EXPECT_EQ(q[13], S(78, 318));
    EXPECT_EQ(q[21], S(81, 326));
    EXPECT_EQ(q[22], S(82, 327));
}

TEST_F(Bunker, TheValveCyclesAndTheGamerTurnsApproachableOnlyWhileBusy) {
    Build(65);
    ClickValve();  // nothing on it yet
    EXPECT_EQ(Queued(), std::vector<Step>{S(-1, 329)});

    for (uint8_t gamer : {0, 1, 2, 3}) {
        ClearSteps();
        progress.gamerState = gamer;
        Carry(231);  // set the tap on
        ClickValve();
        EXPECT_EQ(Queued(), (std::vector<Step>{S(65, 332), S(-1, 333, 0, 4), S(-1, -1)}));
        EXPECT_EQ(progress.valveState, 1);
        EXPECT_FALSE(HasItem(231));
        EXPECT_EQ(progress.gamerState, gamer);

        ClearSteps();
        GameState.ui.selectedItem = 0;  // turn it: it comes off
        ClickValve();
        EXPECT_EQ(Queued(), (std::vector<Step>{S(65, 330, 0, 4), S(-1, -1, 231)}));
        EXPECT_EQ(progress.valveState, 0);
        EXPECT_EQ(progress.gamerState, gamer == 1 ? 2 : gamer) << int{gamer};
    }
}

TEST_F(Bunker, TheMalletKnocksOnlyALooseTapOnAndThenTheWaterRuns) {
    Build(65);
    for (uint8_t valve : {0, 2}) {
        progress.valveState = valve;
        Carry(232);
        ClickValve();
        EXPECT_TRUE(Queued().empty()) << int{valve};
        EXPECT_TRUE(HasItem(232));
        EXPECT_EQ(progress.valveState, valve);
    }

    progress.valveState = 1;
    ClickValve();
    EXPECT_EQ(Queued(), std::vector<Step>{S(65, 334, 0, 5)});
    EXPECT_FALSE(HasItem(232));
    EXPECT_EQ(progress.valveState, 2);

    ClearSteps();
    GameState.ui.selectedItem = 0;
    ClickValve();
    EXPECT_EQ(Queued(), std::vector<Step>{S(65, 331)});
    EXPECT_EQ(progress.valveState, 3);

    ClearSteps();
    ClickValve();  // open: a click on it does nothing more
    EXPECT_TRUE(Queued().empty());
    Build(65);
    EXPECT_EQ(SpotOf(168), nullptr);  // and its spot is gone
}

TEST_F(Bunker, TheShowerRunsOnlyWithTheWaterOn) {
    Build(68);
    for (uint8_t valve : {0, 1, 2}) {
        ClearSteps();
        progress.valveState = valve;
        ClickShower();
        EXPECT_EQ(Queued(), std::vector<Step>{S(-1, 336)});
        EXPECT_EQ(progress.patientState, 0);
    }
    ClearSteps();
    progress.valveState = 3;
    Carry(232);
    ClickShower();  // look rules act only with an empty hand
    EXPECT_TRUE(Queued().empty());
    GameState.ui.selectedItem = 0;
    progress.patientState = 1;
    ClickShower();
    EXPECT_EQ(Queued(), std::vector<Step>{S(-1, 335)});
    EXPECT_EQ(progress.patientState, 2);
}

}  // namespace
