// dx_timer_test.cpp: frame timing on a hand-stepped clock.
#include <gtest/gtest.h>

#include <vector>

#include "sprites/dx_timer.h"

namespace {

struct Timer : ::testing::Test {
    ManualClock clock;
    TDXTimer timer{clock};
    std::vector<int32_t> lags;
    Timer() {
        timer.OnTimer = [this](TDXTimer&, int32_t lag) { lags.push_back(lag); };
    }
    void At(uint32_t ms) {
        clock.now = ms;
        timer.Idle();
    }
};

}  // namespace

TEST_F(Timer, LagCountsMillisecondsFromEnablingAndIsNeverZero) {
    timer.SetInterval(0);
    clock.now = 5000;
    EXPECT_FALSE(timer.Idle());  // a new timer is off
    timer.SetEnabled(true);
    At(5016);
    At(5016);  // two frames in one millisecond
    At(5050);
    EXPECT_EQ(lags, (std::vector<int32_t>{16, 1, 34}));
    EXPECT_TRUE(timer.Idle());
}

TEST_F(Timer, DisabledTimerFiresNothingAndRestartsItsClockOnEnabling) {
    timer.SetInterval(0);
    timer.SetEnabled(true);
    At(20);
    timer.SetEnabled(false);
    At(500);
    At(900);
    EXPECT_EQ(lags, (std::vector<int32_t>{20}));
    timer.SetEnabled(true);  // the pause does not count
    At(910);
    EXPECT_EQ(lags.back(), 10);
    clock.now = 2000;
    timer.SetEnabled(true);  // already on: no restart
    At(2001);
    EXPECT_EQ(lags.back(), 1091);
}

TEST_F(Timer, IntervalDividesAndWrapsSafely) {
    EXPECT_EQ(timer.Interval(), 1000);
    timer.SetInterval(-5);
    EXPECT_EQ(timer.Interval(), 0);
    timer.SetInterval(10);
    clock.now = 0xFFFFFFF0u;
    timer.SetEnabled(true);
    At(0xFFFFFFF5u);  // 5 ms: too early
    EXPECT_TRUE(lags.empty());
    At(0x00000010u);  // 32 ms across the wrap of the 32-bit count
    EXPECT_EQ(lags, (std::vector<int32_t>{3}));
}

TEST_F(Timer, FrameRateAfterOneSecond) {
    timer.SetInterval(0);
    timer.SetEnabled(true);
    for (uint32_t t = 20; t < 1000; t += 20) At(t);
    EXPECT_EQ(timer.FrameRate(), 0);
    At(1000);
    EXPECT_EQ(timer.FrameRate(), 50);
}

TEST_F(Timer, ActivationEventsAndActiveOnly) {
    int activated = 0, deactivated = 0;
    timer.OnActivate = [&](TDXTimer&) { ++activated; };
    timer.OnDeactivate = [&](TDXTimer&) { ++deactivated; };
    timer.SetInterval(0);
    timer.SetEnabled(true);
    timer.ApplicationDeactivated();
    At(10);  // frames go on while inactive
    EXPECT_EQ(lags.size(), 1u);
    timer.ApplicationActivated();
    EXPECT_EQ(activated, 1);
    EXPECT_EQ(deactivated, 1);

    timer.SetActiveOnly(true);
    timer.ApplicationDeactivated();
    At(50);
    EXPECT_EQ(lags.size(), 1u);
    clock.now = 400;
    timer.ApplicationActivated();  // resumes from now
    At(404);
    EXPECT_EQ(lags.back(), 4);
}
