// null_platform.h: the platform pieces of a game window without a screen.
//
// Tests, the play harness and the developer tool create the one TMainForm on
// this null platform: no window (frames go to a headless back buffer), a clock
// that moves only when told, sound and web requests that are recorded instead
// of played or opened, and by default fixed-width boxes for text. A caller
// that wants real glyphs (screenshots) passes its own text renderer.
#pragma once
#include "graphics/display.h"
#include "graphics/text_renderer.h"
#include "core/platform.h"
#include "core/sound_library.h"
#include "core/web_opener.h"
#include "sprites/clock.h"

struct TNullPlatform {
    HeadlessBackend display;
    ManualClock clock;
    FixedTextRenderer fixedText;
    RecordingSoundLibrary sound;
    RecordingWebOpener web;

    // The pieces as the form takes them, with `text` drawing the texts
    // (fixed-width boxes when none is given). Everything must outlive the form.
    TPlatform Platform(ITextRenderer* text = nullptr) {
        return TPlatform{display, clock, text ? *text : fixedText, sound, web};
    }
};
