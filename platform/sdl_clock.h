// sdl_clock.h: the system millisecond clock behind the frame timer.
//
// Milliseconds come from SDL's performance counter, so a time the main loop
// keeps in counter ticks reads the same here. The loop may hold the clock at
// a moment already past (a frame run late at the time it fell due); held, it
// reads that moment until released. It never reads less than it read
// before, so the frame timer never sees time run backwards.
#pragma once
#include "sprites/clock.h"

class SdlClock : public IClock {
public:
    uint32_t Milliseconds() override;
    // The milliseconds at a performance-counter reading.
    static uint32_t MillisecondsAt(uint64_t counter);
    void Hold(uint64_t counter);
    void Release() { held_ = false; }

private:
    bool held_ = false;
    uint32_t heldMs_ = 0;
    bool read_ = false;
    uint32_t lastRead_ = 0;
};
