// step_queue_test.cpp: queueing steps, the busy test and splitting messages.
#include <gtest/gtest.h>

#include "adventure/step_queue.h"
#include "core/game_state.h"

namespace {
class StepQueueTest : public ::testing::Test {
protected:
    void SetUp() override { ResetGameState(); ClearSteps(); }
};

TEST_F(StepQueueTest, StepsFillTheFirstFreeRecordAndAFullQueueDropsTheRest) {
    for (int i = 0; i < 27; ++i) QueueStep(i, "t" + std::to_string(i), 0, 3);
    for (int i = 0; i < 26; ++i) {
        EXPECT_TRUE(GameState.steps[i].pending);
        EXPECT_EQ(GameState.steps[i].scene, i);
    }
    GameState.steps[4].pending = false;  // a run step frees its record
    QueueStep(99, "late", 200, 1);
    EXPECT_EQ(GameState.steps[4].scene, 99);
    EXPECT_EQ(GameState.steps[4].item, 200);
}

TEST_F(StepQueueTest, ClearingKeepsTheSoundFieldAndBusyFollowsStepsAndMessage) {
    QueueStep(5, "x", 201, 7);
    EXPECT_TRUE(IsBusy());
    ClearSteps();
    EXPECT_EQ(GameState.steps[0].scene, -1);
    EXPECT_TRUE(GameState.steps[0].text.empty());
    EXPECT_EQ(GameState.steps[0].item, 0);
    EXPECT_EQ(GameState.steps[0].sound, 7);
    EXPECT_FALSE(IsBusy());
    SetMessage("hello");
    EXPECT_TRUE(IsBusy());
}

TEST_F(StepQueueTest, MessagesSplitIntoAtMostThreeLines) {
    SetMessage("a#b#c#d");
    EXPECT_EQ(GameState.messageLines[0], "a");
    EXPECT_EQ(GameState.messageLines[1], "b");
    EXPECT_EQ(GameState.messageLines[2], "cd");
    EXPECT_EQ(GameState.messageLineCount, 2);
    SetMessage("single");
    EXPECT_EQ(GameState.messageLines[0], "single");
    EXPECT_TRUE(GameState.messageLines[1].empty());
    EXPECT_EQ(GameState.messageLineCount, 0);
    SetMessage("");
    EXPECT_TRUE(GameState.messageLines[0].empty());
}
}  // namespace
