// frame_pacer.h: when the game's frames run, and when the loop may rest.
//
// Frames are paced to at most 60 a second: one is due once the last is at
// least 1/60 s old (less `early`, for a caller the display wakes at about
// that pace), and it runs at the time it is taken.
//
// A window whose picture has not changed for half a second rests (when rest
// is allowed): the loop then sleeps until an event comes or the next six
// frames are due, and runs the frames due back to back, each at the time it
// fell due, one 1/60 s after the other. The game so sees the frames and the
// LagCounts of a loop that never slept past a frame; only the moment they
// reach the screen is later, and only the last of a batch need be drawn.
// The first frame that changes the window, any event, or rest no longer
// being allowed ends the rest. Frames taken before the events waiting now
// are handled keep the order a loop that never rested would have given them.
//
// After a stall (the process stopped, the machine asleep) a rest runs at
// most kMaxCatchUp frames: the first at their due times, the last at the
// present time, the one long frame a loop that never rested would also have
// had after such a stall.
//
// Times are ticks of one monotonic counter (SDL's performance counter in the
// game); nothing here reads a clock.
#pragma once
#include <cstdint>

class FramePacer {
public:
    static constexpr int32_t kStillFramesToRest = 30;  // half a second unchanged
    static constexpr int32_t kRestFrames = 6;          // a rest's batch: 0.1 s
    static constexpr int32_t kMaxCatchUp = 60;

    explicit FramePacer(uint64_t ticksPerSecond, uint64_t early = 0);

    // The frames to run now, oldest first, each at its own time, At(i) (the
    // present for a frame not resting; the due times for a rest's batch).
    struct Due {
        int32_t count = 0;
        uint64_t first = 0, step = 0, last = 0;
        uint64_t At(int32_t i) const {
            return i == count - 1 ? last : first + static_cast<uint64_t>(i) * step;
        }
    };
    // Takes the frames due at `now` (none when it is too early) and counts
    // them as run.
    Due TakeDue(uint64_t now);
    // Whether the frame shown last changed the window's picture.
    void Shown(bool changed);
    // Window events came: a rest ends.
    void EventsCame();
    // Off ends a rest and keeps the loop from resting.
    void AllowRest(bool allowed);

    bool Resting() const { return resting_; }
    // Ticks from `now` until the next frame is due (resting: the next batch).
    uint64_t Wait(uint64_t now) const;

private:
    uint64_t frame_;        // ticks of 1/60 s
    uint64_t minFrame_;     // frame_ less `early`
    uint64_t last_ = 0;     // the time of the last frame taken
    bool started_ = false;  // a frame was taken
    bool allowed_ = false;
    bool resting_ = false;
    int32_t still_ = 0;     // frames in a row that changed nothing
};
