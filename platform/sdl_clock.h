// sdl_clock.h: the system millisecond clock behind the frame timer.
#pragma once
#include "sprites/clock.h"

class SdlClock : public IClock {
public:
    uint32_t Milliseconds() override;
};
