// step_queue_test.cpp: queueing steps, the busy test and splitting messages.
#include <gtest/gtest.h>

#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/game_reset.h"

namespace {
class StepQueueTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGame(); ClearSteps(); }
};

TEST_F(StepQueueTest, StepsFillTheFirstFreeRecordAndAFullQueueDropsTheRest) {
    for (int i = 0; i < 27; ++i) QueueStep(i, "t" + std::to_string(i), 0, 3);
    for (int i = 0; i < 26; ++i) {
        EXPECT_TRUE(GameState.ui.steps[i].pending);
        EXPECT_EQ(GameState.ui.steps[i].scene, i);
    }
    GameState.ui.steps[4].pending = false;  // a run step frees its record
    QueueStep(99, "late", 200, 1);
    EXPECT_EQ(GameState.ui.steps[4].scene, 99);
    EXPECT_EQ(GameState.ui.steps[4].item, 200);
}

TEST_F(StepQueueTest, ClearingKeepsTheSoundFieldAndBusyFollowsStepsAndMessage) {
    QueueStep(5, "x", 201, 7);
    EXPECT_TRUE(IsBusy());
    ClearSteps();
    EXPECT_EQ(GameState.ui.steps[0].scene, -1);
    EXPECT_TRUE(GameState.ui.steps[0].text.empty());
    EXPECT_EQ(GameState.ui.steps[0].item, 0);
    EXPECT_EQ(GameState.ui.steps[0].sound, 7);
    EXPECT_FALSE(IsBusy());
    SetMessage("hello");
    EXPECT_TRUE(IsBusy());
}

TEST_F(StepQueueTest, MessagesSplitIntoAtMostThreeLines) {
    SetMessage("a#b#c#d");
    EXPECT_EQ(GameState.ui.messageLines[0], "a");
    EXPECT_EQ(GameState.ui.messageLines[1], "b");
    EXPECT_EQ(GameState.ui.messageLines[2], "cd");
    EXPECT_EQ(GameState.ui.messageLineCount, 2);
    SetMessage("single");
    EXPECT_EQ(GameState.ui.messageLines[0], "single");
    EXPECT_TRUE(GameState.ui.messageLines[1].empty());
    EXPECT_EQ(GameState.ui.messageLineCount, 0);
    SetMessage("");
    EXPECT_TRUE(GameState.ui.messageLines[0].empty());
}
}  // namespace
