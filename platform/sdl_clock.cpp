// sdl_clock.cpp: SDL's performance counter in milliseconds as the game's clock.
#include "platform/sdl_clock.h"

#include <SDL.h>

uint32_t SdlClock::MillisecondsAt(uint64_t counter) {
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    // In two parts, so the product cannot overflow on a long-running counter.
    return static_cast<uint32_t>(counter / frequency * 1000 + counter % frequency * 1000 / frequency);
}

uint32_t SdlClock::Milliseconds() {
    return held_ ? heldMs_ : MillisecondsAt(SDL_GetPerformanceCounter());
}

void SdlClock::Hold(uint64_t counter) {
    held_ = true;
    heldMs_ = MillisecondsAt(counter);
}
