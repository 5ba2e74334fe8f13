// dx_timer.h: the frame timer (`TDXTimer`, the window's `Timer`).
//
// The timer produces the game's frames from the application's idle
// processing. The main loop calls Idle() whenever it has no window events to
// handle; while the timer runs, Idle returns true and the loop must not wait
// for events between calls. Each Idle pass on which at least Interval
// milliseconds have passed fires OnTimer(Sender, LagCount) with
// LagCount = (now - last) / max(Interval, 1), never below 1, and remembers now.
// With Interval 0 every idle pass is a frame and LagCount the milliseconds
// since the previous one. Time is read only from the IClock given at creation
// (the system clock in the game, a ManualClock in tests); wrap-around of the
// 32-bit millisecond count is handled.
//
// Enabling (a change from false to true) restarts the clock, so the first
// LagCount counts from that moment; a disabled timer fires nothing. A new
// timer is disabled, with Interval 1000; the window sets Interval 0,
// ActiveOnly false and then enables it.
// The window forwards application activation and deactivation to
// ApplicationActivated / ApplicationDeactivated, which fire OnActivate /
// OnDeactivate; with ActiveOnly set, frames are also suspended while the
// application is inactive (and the clock restarts when they resume).
#pragma once
#include <cstdint>
#include <functional>

#include "sprites/clock.h"

class TDXTimer {
public:
    using TDXTimerEvent = std::function<void(TDXTimer& Sender, int32_t LagCount)>;
    using TNotifyEvent = std::function<void(TDXTimer& Sender)>;

    explicit TDXTimer(IClock& clock) : clock_(clock) {}
    TDXTimer(const TDXTimer&) = delete;
    TDXTimer& operator=(const TDXTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    int32_t Interval() const { return interval_; }
    // Stores max(value, 0); the divisor of LagCount is max(value, 1).
    void SetInterval(int32_t value);
    bool ActiveOnly() const { return activeOnly_; }
    void SetActiveOnly(bool value);

    // One idle pass of the main loop; may fire OnTimer. Returns true while
    // the timer runs (the loop should call again without waiting for events).
    bool Idle();

    void ApplicationActivated();
    void ApplicationDeactivated();

    // Frames per second over the last measured second or more (0 until then).
    int32_t FrameRate() const { return frameRate_; }

    TDXTimerEvent OnTimer;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;

private:
    bool Running() const { return enabled_ && (!activeOnly_ || appActive_); }
    void Restart();  // last frame and frame-rate measurement start now

    IClock& clock_;
    bool enabled_ = false;
    int32_t interval_ = 1000;
    uint32_t divisor_ = 1000;
    bool activeOnly_ = false;
    bool appActive_ = true;
    uint32_t last_ = 0;
    uint32_t fpsStart_ = 0;
    uint32_t frames_ = 0;
    int32_t frameRate_ = 0;
};
