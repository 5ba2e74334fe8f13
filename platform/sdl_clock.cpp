// sdl_clock.cpp: SDL's performance counter in milliseconds as the game's clock.
#include "platform/sdl_clock.h"

#include <SDL.h>

uint32_t SdlClock::MillisecondsAt(uint64_t counter) {
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    // In two parts, so the product cannot overflow on a long-running counter.
    return static_cast<uint32_t>(counter / frequency * 1000 + counter % frequency * 1000 / frequency);
}

uint32_t SdlClock::Milliseconds() {
    const uint32_t now = held_ ? heldMs_ : MillisecondsAt(SDL_GetPerformanceCounter());
    // Signed, so the count's wrap-around after 49 days is not taken for a step back.
    if (!read_ || static_cast<int32_t>(now - lastRead_) > 0) lastRead_ = now;
    read_ = true;
    return lastRead_;
}

void SdlClock::Hold(uint64_t counter) {
    held_ = true;
    heldMs_ = MillisecondsAt(counter);
}
