// scene_rules_test.cpp: story rules with a history (the hopper, boarding),
// and a sweep that clicks every hotspot of every scene with every item.
#include "adventure/chapters.h"
#include "adventure/click_handling.h"
#include "adventure/inventory.h"
#include "adventure/rules.h"
#include "adventure/step_queue.h"
#include "game_fixture.h"
#include "adventure/picture_choice.h"
#include "shell/game_reset.h"

namespace {

class RulesTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        GameState.settings.language = 1;
    }
    void ClickUntilIdle() {
        for (int i = 0; i < 40 && IsBusy(); ++i) form.DDrawClick();
        ASSERT_FALSE(IsBusy());
    }
};

TEST_F(RulesTest, TheHopperBreaksOnTheThirdFlushOnlyWithPubVisitsBetween) {
    Build(1);
    ClickOn(6);
    EXPECT_EQ(GameState.ui.messageLines[0], Text(152));
    ClickUntilIdle();
    ClickOn(6);  // the cistern has not refilled
    EXPECT_EQ(progress.flushCount, 1);
    EXPECT_EQ(GameState.ui.messageLines[0], Text(153));
    ClickUntilIdle();
    ClickOn(11);  // to the pub and back: it refills
    EXPECT_EQ(GameState.live.scene, 42);
    EXPECT_EQ(progress.tankRefilling, 0);
    ClickOn(108);
    ClickOn(6);
    EXPECT_EQ(progress.flushCount, 2);
    ClickUntilIdle();
    ClickOn(11);
    ClickOn(108);
    ClickOn(6);
    EXPECT_EQ(progress.flushCount, 3);
    EXPECT_EQ(SpotOf(6), nullptr);  // gone at once
    EXPECT_TRUE(HasItem(220));      // the step ran in the same click
    ClickUntilIdle();
    Build(1);
    EXPECT_EQ(SpotOf(6), nullptr);
}

TEST_F(RulesTest, BoardingNeedsTheTicketWhateverIsCarried) {
    for (uint16_t carried : {0, 205, 203}) {
        ResetGame();
        SetLanguageSource(&GameState.settings.language);
        GameState.settings.language = 1;
        Give(205);
        Give(203);
        Build(13);
        GameState.ui.selectedItem = carried;
        ClickOn(42);
        EXPECT_EQ(GameState.live.scene, 13);
        EXPECT_EQ(GameState.ui.messageLines[0], Text(175));
        ClickUntilIdle();
    }
    Give(207);
    Build(13);
    ClickOn(42);
    EXPECT_EQ(GameState.live.scene, 18);
    for (int32_t scene : {20, 21, 22, 23, 24, 24}) {
        form.DDrawClick();
        EXPECT_EQ(GameState.live.scene, scene);
    }
    EXPECT_TRUE(HasItem(207));
    ClickUntilIdle();
}

TEST_F(RulesTest, TheWalkFromTheParkMarksTheCemeteryVisited) {
    Build(38);
    ClickOn(90);
    EXPECT_EQ(GameState.live.scene, 36);
    EXPECT_EQ(progress.cemeteryVisited, 1);
    EXPECT_TRUE(GameState.ui.messageLines[0].empty());  // the walk itself tells nothing
}

// Progress states to sweep: a new game, everything done, and a spread of
// small random values in every named entry (the language alternates).
void SetSweepState(int variant) {
    TProgress& p = GameState.live.progress;
    if (variant == 1) {
        for (const TProgressName& n : kProgressNames)
            for (int k = 0; k < n.count; ++k) p[n.index + k] = 1;
    } else if (variant >= 2) {
        for (const TProgressName& n : kProgressNames)
            for (int k = 0; k < n.count; ++k) p[n.index + k] = static_cast<uint8_t>(Random(4));
    }
}

std::vector<int32_t> HotspotIdsNow() {
    std::vector<int32_t> ids;
    for (const TPomocnyObjekt& h : GameState.ui.hotspots)
        if (h.id != 0) ids.push_back(h.id);
    return ids;
}

bool SceneIsKnown(int32_t scene) {
    std::string name = "scena" + std::to_string(scene);
    return FindScene(scene) != nullptr || FindPicture(name) != nullptr;
}

// Every hotspot of every scene, with no item and with every item, in four
// progress states: each sequence runs to its end, names only scenes of the
// story and texts of the table, and leaves the inventory's values valid.
TEST_F(RulesTest, EveryHotspotWithEveryItemPlaysThroughCleanly) {
    const uint32_t missingBefore = MissingTextLookups();
    const bool closingBefore = form.Closing();
    int dispatched = 0;
    for (int variant = 0; variant < 3; ++variant) {
        for (int32_t scene = 1; scene <= 82; ++scene) {
            if (!SceneIsKnown(scene)) continue;
            ResetGame();
            SetLanguageSource(&GameState.settings.language);
            Randomize(static_cast<uint32_t>(variant * 1000 + scene));
            SetSweepState(variant);
            Build(scene);
            const std::vector<int32_t> ids = HotspotIdsNow();
            for (int carried = 199; carried <= 233; ++carried) {
                for (int32_t id : ids) {
                    if (id == 19) continue;  // quit closes the shared window
                    ResetGame();
                    SetLanguageSource(&GameState.settings.language);
                    GameState.settings.language = static_cast<uint8_t>(variant & 1);
                    Randomize(static_cast<uint32_t>(variant * 1000 + scene));
                    SetSweepState(variant);
                    Give(210);
                    Give(227);
                    Give(229);
                    Build(scene);
                    GameState.ui.selectedItem = static_cast<uint16_t>(carried == 199 ? 0 : carried);
                    GameState.ui.hoverId = static_cast<uint16_t>(id);
                    DispatchClick(id);
                    ++dispatched;
                    for (const TSekvence& s : GameState.ui.steps) {
                        if (s.pending && s.scene >= 0) {
                            ASSERT_TRUE(SceneIsKnown(s.scene))
                                << "scene " << scene << " id " << id << " -> " << s.scene;
                        }
                    }
                    for (int i = 0; i < 30 && IsBusy(); ++i) RunNextStep();
                    ASSERT_FALSE(IsBusy()) << "scene " << scene << " id " << id;
                    for (uint8_t e : GameState.live.inventory) {
                        ASSERT_TRUE(e == 0 || (e >= 200 && e <= 233 && e != 209))
                            << "scene " << scene << " id " << id << " item " << int(e);
                    }
                }
            }
            Frame();  // the scene a sequence ended in draws
        }
    }
    EXPECT_GT(dispatched, 5000);
    EXPECT_EQ(MissingTextLookups(), missingBefore);
    EXPECT_EQ(form.Closing(), closingBefore);  // nothing but Quit closes the window
}

}  // namespace

TEST_F(RulesTest, ASecondAppleNeverGivesTheStopsBlockTwice) {
    Give(208);
    Build(30);
    GameState.ui.selectedItem = 208;
    ClickOn(70);
    ClickUntilIdle();
    EXPECT_EQ(progress.secretPlaceOpen, 1);
    Build(24);
    GameState.ui.selectedItem = 0;
    ClickOn(71);
    ClickUntilIdle();
    ASSERT_TRUE(HasItem(213));
    for (bool inHole : {false, true}) {
        if (inHole) {  // the block now sits in a hole instead of the bar
            RemoveItem(213);
            progress.holeBlock[2] = 213;
        }
        if (!HasItem(208)) Give(208);
        Build(30);
        GameState.ui.selectedItem = 208;
        ClickOn(70);
        ClickUntilIdle();
        EXPECT_EQ(progress.secretPlaceOpen, 0);
        EXPECT_TRUE(HasItem(208));  // the apple stays with the player
    }
}
