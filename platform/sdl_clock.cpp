// sdl_clock.cpp: SDL's millisecond tick counter as the game's clock.
#include "platform/sdl_clock.h"

#include <SDL.h>

uint32_t SdlClock::Milliseconds() { return SDL_GetTicks(); }
