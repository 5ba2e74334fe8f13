// frame_pacer.cpp: frames at most 60 a second, and resting while nothing changes.
#include "platform/frame_pacer.h"

FramePacer::FramePacer(uint64_t ticksPerSecond, uint64_t early)
    : frame_(ticksPerSecond / 60 > 0 ? ticksPerSecond / 60 : 1),
      minFrame_(frame_ > early ? frame_ - early : 0) {}

FramePacer::Due FramePacer::TakeDue(uint64_t now) {
    Due due;
    if (!resting_) {
        if (started_ && now - last_ < minFrame_) return due;
        started_ = true;
        last_ = now;
        due.count = 1;
        due.first = due.last = now;
        return due;
    }
    const uint64_t behind = now - last_;  // a rest starts from a frame taken, so last_ <= now
    if (behind < frame_) return due;
    const uint64_t n = behind / frame_;
    due.step = frame_;
    due.first = last_ + frame_;
    if (n <= static_cast<uint64_t>(kMaxCatchUp)) {
        due.count = static_cast<int32_t>(n);
        last_ += n * frame_;
    } else {
        due.count = kMaxCatchUp;
        last_ = now;  // the rest of the stall goes into the last frame's LagCount
    }
    due.last = due.count == kMaxCatchUp && n > static_cast<uint64_t>(kMaxCatchUp)
                   ? now
                   : due.first + static_cast<uint64_t>(due.count - 1) * frame_;
    return due;
}

void FramePacer::Shown(bool changed) {
    if (changed) {
        still_ = 0;
        resting_ = false;
        return;
    }
    if (still_ < kStillFramesToRest) ++still_;
    if (allowed_ && still_ >= kStillFramesToRest) resting_ = true;
}

void FramePacer::EventsCame() {
    still_ = 0;
    resting_ = false;
}

void FramePacer::AllowRest(bool allowed) {
    allowed_ = allowed;
    if (!allowed) resting_ = false;
}

uint64_t FramePacer::Wait(uint64_t now) const {
    if (!started_) return 0;
    const uint64_t due = last_ + (resting_ ? kRestFrames * frame_ : minFrame_);
    return due > now ? due - now : 0;
}
