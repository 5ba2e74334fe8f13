// monkey_test.cpp: the monkey soak plays clean on the game as it is, and its
// checks catch every kind of value the game cannot have.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <sstream>

#include "adventure/scene_builder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "tools/play/commands.h"
#include "tools/play/monkey.h"
#include "tools/play/play_session.h"

namespace {
class MonkeyTest : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void Open() {
        session.reset();
        options.programDir = (std::filesystem::temp_directory_path() / ("vk3-monkey-" + std::to_string(getpid()))).string();
        session = std::make_unique<PlaySession>(options, out);
        std::string error;
        ASSERT_TRUE(session->Open(error)) << error;
        ASSERT_TRUE(session->Start(error)) << error;
    }
    void TearDown() override {
        session.reset();
        std::filesystem::remove_all(options.programDir);
    }
    // The check's verdict on the state after `spoil` changed it.
    std::string FaultAfter(const std::function<void()>& spoil) {
        GameState.live.scene = 4;
        std::fill(std::begin(GameState.live.inventory), std::end(GameState.live.inventory), 0);
        GameState.live.inventory[0] = 204;
        ClearSteps();
        for (TSekvence& step : GameState.ui.steps) step.sound = 0;
        GameState.ui.messageLineCount = 0;
        VykresliScenu();
        session->RunFrame(16);
        std::string error;
        EXPECT_TRUE(CheckGameInvariants(*session, error)) << error;
        spoil();
        error.clear();
        EXPECT_FALSE(CheckGameInvariants(*session, error));
        return error;
    }
    PlayOptions options;
    std::ostringstream out;
    std::unique_ptr<PlaySession> session;
};

TEST_F(MonkeyTest, ASoakRunsCleanVisitsScenesAndRepeatsWithItsSeed) {
    MonkeyReport first, second;
    std::string error;
    ASSERT_TRUE(RunMonkeySoak(*session, 3000, 7, first, error)) << error;
    EXPECT_EQ(first.frames, 3000);
    EXPECT_GE(first.jumps, 6);
    EXPECT_GT(first.scenesSeen, 5);
    EXPECT_GT(first.clicks, 0);
    EXPECT_GT(first.keys, 0);
    Open();  // the same game from its start, the same seed: the same soak
    ASSERT_TRUE(RunMonkeySoak(*session, 3000, 7, second, error)) << error;
    EXPECT_EQ(first.clicks, second.clicks);
    EXPECT_EQ(first.jumps, second.jumps);
}

TEST_F(MonkeyTest, EveryImpossibleValueIsCaught) {
    EXPECT_NE(FaultAfter([] { GameState.live.scene = 19; }).find("scene 19"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.live.scene = -3; }).find("scene -3"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.ui.hoverId = 999; }).find("hoverId 999"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.ui.selectedItem = 209; }).find("selectedItem 209"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.live.inventory[3] = 199; }).find("inventory[3] = 199"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.live.inventory[5] = 204; }).find("held twice"),
              std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.ui.steps[2].scene = 29; }).find("step 2: scene 29"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.ui.steps[0].item = 234; }).find("item 234"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.ui.steps[25].sound = 12; }).find("sample 12"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.ui.messageLineCount = 3; }).find("messageLineCount"), std::string::npos);
    EXPECT_NE(FaultAfter([] { GameState.ui.hoverCursor = 7; }).find("hoverCursor"), std::string::npos);
}

TEST_F(MonkeyTest, TheCommandReportsItsFiguresAndRefusesBadArguments) {
    std::istringstream script("monkey 500 3\n");
    // Run through the command table as a script would.
    std::unique_ptr<ScriptCommand> cmd;
    std::string error;
    ASSERT_TRUE(ParseCommandLine("monkey 500 3", 1, cmd, error)) << error;
    ASSERT_TRUE(RunCommand(*session, *cmd, error)) << error;
    EXPECT_NE(out.str().find("monkey: 500 frames, seed 3"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("clean"), std::string::npos);
    ASSERT_TRUE(ParseCommandLine("monkey 0", 1, cmd, error)) << error;
    EXPECT_FALSE(RunCommand(*session, *cmd, error));
    EXPECT_NE(error.find("out of range"), std::string::npos) << error;
}
}  // namespace
