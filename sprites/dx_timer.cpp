// dx_timer.cpp: the frame timer: idle passes, LagCount and the frame rate.
#include "sprites/dx_timer.h"

#include <algorithm>
#include <limits>

void TDXTimer::Restart() {
    last_ = clock_.Milliseconds();
    fpsStart_ = last_;
    frames_ = 0;
}

void TDXTimer::SetEnabled(bool value) {
    if (value == enabled_) return;
    enabled_ = value;
    if (enabled_) Restart();
}

void TDXTimer::SetInterval(int32_t value) {
    interval_ = std::max(value, 0);
    divisor_ = static_cast<uint32_t>(std::max(value, 1));
}

void TDXTimer::SetActiveOnly(bool value) {
    if (value == activeOnly_) return;
    bool wasRunning = Running();
    activeOnly_ = value;
    if (!wasRunning && Running()) Restart();
}

bool TDXTimer::Idle() {
    if (!Running()) return false;
    const uint32_t now = clock_.Milliseconds();
    const uint32_t elapsed = now - last_;  // unsigned: correct across the 2^32 wrap
    if (elapsed < static_cast<uint32_t>(interval_)) return true;
    uint32_t lag = std::max<uint32_t>(elapsed / divisor_, 1);
    lag = std::min<uint32_t>(lag, std::numeric_limits<int32_t>::max());
    last_ = now;

    ++frames_;
    const uint32_t measured = now - fpsStart_;
    if (measured >= 1000) {
        frameRate_ = static_cast<int32_t>((uint64_t{frames_} * 1000 + measured / 2) / measured);
        frames_ = 0;
        fpsStart_ = now;
    }
    if (OnTimer) OnTimer(*this, static_cast<int32_t>(lag));
    return Running();
}

void TDXTimer::ApplicationActivated() {
    bool wasRunning = Running();
    appActive_ = true;
    if (!wasRunning && Running()) Restart();
    if (OnActivate) OnActivate(*this);
}

void TDXTimer::ApplicationDeactivated() {
    appActive_ = false;
    if (OnDeactivate) OnDeactivate(*this);
}
