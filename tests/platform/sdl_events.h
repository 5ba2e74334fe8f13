// sdl_events.h: SDL events made up for the platform tests, as the event
// queue would deliver them.
#pragma once
#include <SDL.h>

#include <cstdint>

inline SDL_Event Key(uint32_t type, SDL_Keycode key, uint16_t mod = KMOD_NONE, uint8_t repeat = 0) {
    SDL_Event e{};
    e.type = type;
    e.key.keysym.sym = key;
    e.key.keysym.mod = mod;
    e.key.repeat = repeat;
    return e;
}

inline SDL_Event KeyDown(SDL_Keycode key, uint16_t mod = KMOD_NONE) { return Key(SDL_KEYDOWN, key, mod); }

inline SDL_Event Motion(int32_t x, int32_t y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

inline SDL_Event ButtonUp(int32_t x, int32_t y, uint8_t button = SDL_BUTTON_LEFT) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONUP;
    e.button.button = button;
    e.button.x = x;
    e.button.y = y;
    return e;
}
