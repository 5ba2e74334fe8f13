// clock.h: the millisecond clock the frame timer reads.
//
// The game uses the system's millisecond clock (platform/); tests and tools
// use ManualClock and step time exactly.
#pragma once
#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    virtual uint32_t Milliseconds() = 0;  // wraps around after 2^32 ms
};

class ManualClock : public IClock {
public:
    uint32_t Milliseconds() override { return now; }
    uint32_t now = 0;
};
