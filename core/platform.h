// platform.h: the platform pieces a game window is made with.
//
// The platform layer (platform/ in the game, tools/play in the harness, the
// null platform in tests) hands these to the window (shell/main_form.h): its
// display backend, clock, text renderer, sound library and web opener. All
// of them must outlive the window.
#pragma once
#include "graphics/display.h"
#include "graphics/text_renderer.h"
#include "core/sound_library.h"
#include "core/web_opener.h"
#include "sprites/clock.h"

struct TPlatform {
    IDisplayBackend& display;
    IClock& clock;
    ITextRenderer& text;
    ISoundLibrary& sound;
    IWebOpener& web;
};
