// frame_pacer_test.cpp: frames at most 60 a second, and a still window that
// rests without the game seeing any difference in its frames.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/frame_pacer.h"

namespace {
constexpr uint64_t kSecond = 60'000;           // ticks: 1000 a frame
constexpr uint64_t kFrame = kSecond / 60;

// Drives a pacer as the loop does: wakes when it asks (a little late, at
// random), takes the frames due and reports them shown, unchanged unless
// `changedAt` says otherwise. Returns every frame's time; counts wake-ups.
struct Paced {
    std::vector<uint64_t> frames;
    int wakeUps = 0;
};
template <class Changed>
Paced Drive(FramePacer& pacer, uint64_t until, Changed changedAt, uint32_t seed = 1) {
    std::mt19937 random(seed);
    Paced run;
    uint64_t now = 5;
    while (now < until) {
        ++run.wakeUps;
        const FramePacer::Due due = pacer.TakeDue(now);
        for (int32_t i = 0; i < due.count; ++i) {
            const uint64_t at = due.At(i);
            EXPECT_LE(at, now) << "a frame ahead of the clock";
            if (!run.frames.empty()) EXPECT_GT(at, run.frames.back());
            run.frames.push_back(at);
        }
        if (due.count > 0) pacer.Shown(changedAt(now));
        now += pacer.Wait(now) + random() % 100;  // woken up to a tenth of a frame late
    }
    return run;
}
}  // namespace

// Resting changes when frames reach the screen, not which frames the game
// gets: still the pace of 60 a second, every batch's frames exactly 1/60 s
// apart, none ahead of the clock, and about a sixth of the wake-ups.
TEST(FramePacer, AStillWindowRestsWithTheSameFramesAtAFractionOfTheWakeUps) {
    FramePacer awake(kSecond), resting(kSecond);
    resting.AllowRest(true);
    const auto never = [](uint64_t) { return false; };
    const Paced a = Drive(awake, 10 * kSecond, never);
    const Paced r = Drive(resting, 10 * kSecond, never);
    EXPECT_FALSE(awake.Resting());
    EXPECT_TRUE(resting.Resting());
    EXPECT_NEAR(static_cast<double>(r.frames.size()), 600, 10);
    EXPECT_GE(a.frames.size(), 550u);  // late wake-ups cost the awake loop a few frames
    EXPECT_LT(r.wakeUps, a.wakeUps / 3);
    size_t spaced = 0;
    for (size_t i = 1; i < r.frames.size(); ++i) spaced += r.frames[i] - r.frames[i - 1] == kFrame;
    EXPECT_GT(spaced, r.frames.size() - 40);  // all but the half second before the rest
}

// The first frame that changes the window, any event, and rest no longer
// allowed each end a rest at once; a rest resumes only after another half
// second unchanged.
TEST(FramePacer, AChangeAnEventOrAGamepadEndsTheRest) {
    const auto rested = [](FramePacer& p) {
        p.AllowRest(true);
        Drive(p, kSecond, [](uint64_t) { return false; });
        return p.Resting();
    };
    FramePacer changed(kSecond), events(kSecond), pad(kSecond);
    ASSERT_TRUE(rested(changed));
    changed.Shown(true);
    EXPECT_FALSE(changed.Resting());
    ASSERT_TRUE(rested(events));
    events.EventsCame();
    EXPECT_FALSE(events.Resting());
    for (int i = 1; i < FramePacer::kStillFramesToRest; ++i) events.Shown(false);
    EXPECT_FALSE(events.Resting());
    events.Shown(false);
    EXPECT_TRUE(events.Resting());
    ASSERT_TRUE(rested(pad));
    pad.AllowRest(false);
    EXPECT_FALSE(pad.Resting());
    pad.Shown(false);
    EXPECT_FALSE(pad.Resting());
}

// A rest woken an hour late runs a bounded batch whose last frame carries
// the rest of the stall, as one long frame of a loop that never rested.
TEST(FramePacer, AStallCatchesUpABoundedBatch) {
    FramePacer pacer(kSecond);
    pacer.AllowRest(true);
    Drive(pacer, kSecond, [](uint64_t) { return false; });
    ASSERT_TRUE(pacer.Resting());
    const uint64_t now = 3600 * kSecond;
    const FramePacer::Due due = pacer.TakeDue(now);
    EXPECT_EQ(due.count, FramePacer::kMaxCatchUp);
    EXPECT_EQ(due.At(due.count - 1), now);
    EXPECT_EQ(due.At(1) - due.At(0), kFrame);
    EXPECT_EQ(pacer.TakeDue(now).count, 0);
    EXPECT_EQ(pacer.Wait(now), FramePacer::kRestFrames * kFrame);
}
