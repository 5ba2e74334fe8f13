// click_handling_test.cpp: the click rhythm, the right button and the keys,
// the bar's selection and combinations, and the game menu.
#include "adventure/click_handling.h"

#include "adventure/inventory.h"
#include "adventure/puzzle_values.h"
#include "adventure/rules.h"
#include "adventure/saved_games.h"
#include "adventure/step_queue.h"
#include "game_fixture.h"
#include "shell/game_reset.h"

namespace {

class ClickTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        for (uint8_t i = 2; i <= 11; ++i)
            form.soundHandles[i] = game.sound.SampleLoad("gamedata/s" + std::to_string(i), 3);
        GameState.settings.soundOn = 1;
        GameState.settings.language = 1;
        game.sound.playedPaths.clear();
    }
    void Click() { form.DDrawClick(); }
    std::string Message() const {
        std::string m = GameState.ui.messageLines[0];
        if (m.empty()) return m;  // lines 1 and 2 keep old text, not drawn
        for (int i = 1; i <= GameState.ui.messageLineCount; ++i) m += "#" + GameState.ui.messageLines[i];
        return m;
    }
    // The sample files started since the last call, as their numbers.
    std::vector<int> Played() {
        std::vector<int> numbers;
        for (const std::string& path : game.sound.playedPaths) {
            if (path == "gamedata/pre.qzd") numbers.push_back(1);
            else numbers.push_back(std::stoi(path.substr(path.rfind('s') + 1)));
        }
        game.sound.playedPaths.clear();
        return numbers;
    }
};

TEST_F(ClickTest, ASequenceRunsOneStepPerClickAndOnlyTheClickAfterTheClearDispatches) {
    Build(11);
    ClickOn(39);  // the girl, empty cursor: three steps
    EXPECT_EQ(GameState.live.scene, 14);
    EXPECT_EQ(Message(), Text(166));
    Click();
    EXPECT_EQ(GameState.live.scene, 15);
    Click();
    EXPECT_EQ(GameState.live.scene, 11);
    EXPECT_FALSE(IsBusy());  // the last step had no text
    GameState.ui.hoverId = 38;  // the clock
    Click();
    EXPECT_EQ(Message(), Text(165));
    Click();  // dismisses
    EXPECT_EQ(Message(), "");
    EXPECT_FALSE(IsBusy());
    Click();  // dispatches again
    EXPECT_EQ(Message(), Text(165));
}

TEST_F(ClickTest, AnEmptyStepOnlyClearsTheMessage) {
    Build(41);
    ClickOn(103);  // the bell: [T216 s11] ["..."] [T217]
    EXPECT_EQ(Played(), std::vector<int>{11});
    Click();
    EXPECT_EQ(Message(), "...");
    Click();
    EXPECT_EQ(Message(), Text(217));
    QueueStep(-1, "", 0, 0);
    Click();  // the empty step
    EXPECT_FALSE(IsBusy());
    EXPECT_EQ(GameState.live.scene, 41);
    Click();  // idle again: dispatches the bell
    EXPECT_EQ(Message(), Text(216));
}

TEST_F(ClickTest, EnterAndSpaceActLikeAClickIdleAndBusy) {
    Build(11);
    GameState.ui.hoverId = 38;
    form.FormKeyUp(VK_RETURN);
    EXPECT_EQ(Message(), Text(165));
    form.FormKeyUp(VK_SPACE);
    EXPECT_EQ(Message(), "");
    form.FormKeyUp('A');
    EXPECT_EQ(Message(), "");
    GameState.ui.hoverId = 39;
    form.FormKeyUp(VK_SPACE);
    EXPECT_EQ(GameState.live.scene, 14);
    form.FormKeyUp(VK_RETURN);
    EXPECT_EQ(GameState.live.scene, 15);
}

TEST_F(ClickTest, TheRightButtonDropsTheItemOnlyWhenIdle) {
    Build(11);
    Carry(205);
    ClickOn(38);  // the clock is only looked at with an empty cursor
    EXPECT_FALSE(IsBusy());
    SetMessage("busy");
    form.DDrawMouseUp(TMouseButton::mbRight, 0, 0);
    EXPECT_EQ(GameState.ui.selectedItem, 205);
    EXPECT_TRUE(Played().empty());
    SetMessage("");
    form.DDrawMouseUp(TMouseButton::mbLeft, 0, 0);
    EXPECT_EQ(GameState.ui.selectedItem, 205);
    form.DDrawMouseUp(TMouseButton::mbRight, 0, 0);
    EXPECT_EQ(GameState.ui.selectedItem, 0);
    EXPECT_EQ(Played(), std::vector<int>{3});
    form.DDrawMouseUp(TMouseButton::mbRight, 0, 0);
    EXPECT_TRUE(Played().empty());
}

TEST_F(ClickTest, TheBarPicksUpPutsBackAndKeepsACarriedItem) {
    Give(206);
    Give(205);
    Build(11);
    ClickOn(206);
    EXPECT_EQ(GameState.ui.selectedItem, 206);
    EXPECT_EQ(Played(), std::vector<int>{3});
    ClickOn(205);  // another item while one is carried: stays, no combination
    EXPECT_EQ(GameState.ui.selectedItem, 206);
    EXPECT_TRUE(Played().empty());
    EXPECT_FALSE(IsBusy());
    ClickOn(206);
    EXPECT_EQ(GameState.ui.selectedItem, 0);
    EXPECT_EQ(Played(), std::vector<int>{3});
    GameState.live.scene = 5;  // the phone game ignores the bar
    ClickOn(206);
    EXPECT_EQ(GameState.ui.selectedItem, 0);
}

TEST_F(ClickTest, MagnetAndStringTieTogetherEitherWay) {
    for (auto [clicked, carried] : {std::pair{219, 220}, std::pair{220, 219}}) {
        ResetGame();
        SetLanguageSource(&GameState.settings.language);
        GameState.settings.language = 1;
        Give(219);
        Give(220);
        Build(40);
        Carry(static_cast<uint16_t>(carried));
        ClickOn(clicked);
        EXPECT_EQ(Message(), Text(345));
        EXPECT_FALSE(HasItem(219));
        EXPECT_FALSE(HasItem(220));
        Click();
        EXPECT_EQ(GameState.live.scene, 40);
        EXPECT_TRUE(HasItem(221));
        EXPECT_EQ(GameState.live.inventory[0], 221);
    }
}

TEST_F(ClickTest, PenOnPaperMakesTheDiagramOnlyBeforeTheMechanism) {
    Give(201);
    Give(222);
    Build(36);
    Carry(222);
    ClickOn(201);
    EXPECT_EQ(Message(), Text(347));
    EXPECT_TRUE(HasItem(201));
    Click();
    Build(49);
    Carry(222);
    ClickOn(201);
    EXPECT_EQ(Message(), Text(346));
    EXPECT_EQ(Played(), std::vector<int>{7});
    Click();
    EXPECT_EQ(GameState.live.scene, 49);
    EXPECT_TRUE(HasItem(223));
    EXPECT_FALSE(HasItem(201));
    EXPECT_FALSE(HasItem(222));
}

TEST_F(ClickTest, TheStoneSharpensTheAxeAndBreaksTheSculpture) {
    Give(226);
    Give(225);
    Give(224);
    Build(38);
    Carry(225);
    ClickOn(226);
    EXPECT_EQ(Message(), Text(348));
    EXPECT_EQ(Played(), std::vector<int>{4});
    Click();
    EXPECT_TRUE(HasItem(216));
    EXPECT_TRUE(HasItem(225));  // the stone stays
    EXPECT_FALSE(HasItem(226));
    Click();
    EXPECT_EQ(Played(), std::vector<int>{1});  // the axe's pick-up sparkle
    Carry(225);
    ClickOn(224);
    EXPECT_EQ(Message(), Text(349));
    EXPECT_EQ(Played(), std::vector<int>{6});
    Click();
    EXPECT_TRUE(HasItem(233));
    EXPECT_FALSE(HasItem(224));
    EXPECT_FALSE(HasItem(225));
}

// The clicks come in one batch, with no frame between them: the first view
// of the card is never drawn, and the code is settled all the same.
TEST_F(ClickTest, TheBusinessCardShowsTheCodeViewOnlyTheFirstTimeAndSettlesTheCodeAtOnce) {
    Give(227);
    Build(40);
    ClickOn(227);
    EXPECT_EQ(GameState.live.scene, 34);
    EXPECT_EQ(progress.businessCardStudied, 1);
    Click();
    EXPECT_EQ(GameState.live.scene, 35);
    ASSERT_TRUE(DialCodeSettled());
    const std::vector<uint8_t> code(progress.dialCode, progress.dialCode + 3);
    Click();
    EXPECT_EQ(GameState.live.scene, 40);  // back where the card was clicked
    ClickOn(227);
    EXPECT_EQ(GameState.live.scene, 35);
    EXPECT_EQ(Message(), Text(351));
    Frame();
    Click();
    EXPECT_EQ(GameState.live.scene, 40);
    EXPECT_EQ(std::vector<uint8_t>(progress.dialCode, progress.dialCode + 3), code);
}

TEST_F(ClickTest, TheMapRemembersWhereItWasOpened) {
    Give(229);
    Build(39);
    ClickOn(229);
    EXPECT_EQ(GameState.live.scene, 54);
    EXPECT_EQ(GameState.live.mapReturnScene, 39);
    Click();
    ClickOn(229);  // in the map view it is only picked up
    EXPECT_EQ(GameState.ui.selectedItem, 229);
    EXPECT_EQ(GameState.live.scene, 54);
    ClickOn(155);
    EXPECT_EQ(GameState.live.scene, 39);
    // A damaged record: no scene, the menu, the phone game, the map itself or
    // an unknown scene all go back to the village stop.
    for (uint8_t back : {0, 4, 5, 54, 250}) {
        GameState.live.mapReturnScene = back;
        Build(54);
        ClickOn(155);
        EXPECT_EQ(GameState.live.scene, 24) << int{back};
        Click();
    }
}

TEST_F(ClickTest, NewGameClearsTheGameButKeepsSlotsAndSettings) {
    GameState.settings.slots[2].savedAt = 46000.5;
    GameState.settings.resolution = 2;
    progress.flushCount = 2;
    GameState.live.inventory[5] = 230;
    Build(4);
    ClickOn(15);
    EXPECT_EQ(GameState.ui.menuOpen, 0);
    EXPECT_EQ(GameState.live.scene, 6);
    EXPECT_EQ(Message(), Text(156));
    EXPECT_EQ(Played(), std::vector<int>{3});
    EXPECT_EQ(progress.flushCount, 0);
    EXPECT_EQ(GameState.live.inventory[0], 206);
    EXPECT_EQ(GameState.live.inventory[1], 205);
    EXPECT_EQ(GameState.live.inventory[5], 0);
    EXPECT_EQ(GameState.settings.slots[2].savedAt, 46000.5);
    EXPECT_EQ(GameState.settings.resolution, 2);
    for (int32_t scene : {7, 8, 9, 10}) {
        Click();
        EXPECT_EQ(GameState.live.scene, scene);
    }
    Click();
    EXPECT_FALSE(IsBusy());
}

TEST_F(ClickTest, TheMenuStripOpensTheMenuAndGoesBack) {
    Build(11);
    ClickOn(20);
    EXPECT_EQ(GameState.live.scene, 4);
    EXPECT_EQ(GameState.ui.menuReturnScene, 11);
    EXPECT_EQ(GameState.ui.menuOpen, 1);
    EXPECT_EQ(Played(), std::vector<int>{3});
    ASSERT_NE(SpotOf(20), nullptr);  // "Back to game"
    ClickOn(20);
    EXPECT_EQ(GameState.live.scene, 11);
    EXPECT_EQ(GameState.ui.menuOpen, 0);
}

TEST_F(ClickTest, TheLoadAndSaveListsToggleTheSlotSpots) {
    Build(4);  // no game running
    ClickOn(17);  // save without a game: only closes
    EXPECT_EQ(progress.saveMenuMode, 0);
    EXPECT_EQ(SpotOf(24), nullptr);
    ClickOn(16);
    EXPECT_EQ(progress.saveMenuMode, 1);
    ASSERT_NE(SpotOf(29), nullptr);
    EXPECT_EQ(SpotOf(24)->label, "(empty)");
    ClickOn(16);
    EXPECT_EQ(progress.saveMenuMode, 0);
    EXPECT_EQ(SpotOf(24), nullptr);
    GameState.ui.menuReturnScene = 11;
    ClickOn(17);
    EXPECT_EQ(progress.saveMenuMode, 2);
    EXPECT_EQ(SpotOf(27)->label, "Save");
    ClickOn(17);
    EXPECT_EQ(progress.saveMenuMode, 0);
    EXPECT_EQ(SpotOf(27), nullptr);
    EXPECT_EQ(Played(), std::vector<int>(5, 3));
    ClickOn(19);
    EXPECT_TRUE(form.Closing());
}

TEST_F(ClickTest, SlotStampsFollowTheCalendarInBothLanguages) {
    // Sunday 6 December 2026, 18:28:08.
    const double t = 46362.0 + (18 * 3600 + 28 * 60 + 8) / 86400.0;
    EXPECT_EQ(FormatSlotStamp(t), "06.12.26 18:28:08 (Su)");
    GameState.settings.language = 0;
    EXPECT_EQ(FormatSlotStamp(t), "06.12.26 18:28:08 (Ne)");
    EXPECT_EQ(FormatSlotStamp(0.0), Text(7));
    GameState.settings.language = 1;
    EXPECT_EQ(FormatSlotStamp(39814.0), "01.01.09 00:00:00 (Th)");    // 1 January 2009
    EXPECT_EQ(FormatSlotStamp(40178.99999), "31.12.09 23:59:59 (Th)"); // New Year's Eve 2009
    EXPECT_EQ(FormatSlotStamp(43890.0), "29.02.20 00:00:00 (Sa)");    // a leap day
    EXPECT_EQ(FormatSlotStamp(1e300), "??.??.?? ??:??:??");
}

}  // namespace
