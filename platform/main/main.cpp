// main.cpp: program entry of varnoklet3.
//
// Makes the platform pieces (SDL window backend, clock, text renderer, the
// SDL_mixer sound library, web opener), creates the one TMainForm and its
// start panel (FormCreate: settings, translation), shows the panel until its
// start button has entered the game, then runs the game's event loop: window
// events go to the form's handlers, and between events the frame timer runs
// frames, at most 60 a second. When the window closes the sound is released
// before SDL shuts down.
#include <SDL.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "core/main_form.h"
#include "core/sound_library.h"
#include "graphics/embedded_pictures.h"
#include "platform/event_loop.h"
#include "platform/sdl_clock.h"
#include "platform/sdl_display.h"
#include "platform/sdl_sound_library.h"
#include "platform/sdl_start_panel.h"
#include "platform/sdl_web_opener.h"
#include "platform/ttf_text_renderer.h"
#include "shell/sound.h"
#include "shell/start_panel.h"

namespace {
std::string ProgramDir() {
    char* base = SDL_GetBasePath();
    std::string dir = base ? base : "./";
    SDL_free(base);
    return dir;
}

// The user's data folder (made by SDL; $XDG_DATA_HOME/varnoklet3/ on Linux).
std::string UserDataDir() {
    char* pref = SDL_GetPrefPath("", "varnoklet3");
    std::string dir = pref ? pref : "";
    SDL_free(pref);
    return dir;
}

int RunGame(SdlDisplayBackend& display, TMainForm& form) {
    std::string error;
    if (!form.LoadPictures(EmbeddedPictureData(), error)) {
        ShowErrorBox(error);
        return 1;
    }
    SdlStartPanel panelWindow;
    TStartPanel panel(form, panelWindow.Host());
    panel.FormCreate(static_cast<uint32_t>(std::time(nullptr)), ProgramDir(), UserDataDir);
    display.SetTitle(panel.Caption());
    switch (panelWindow.Run(panel, panel.Caption())) {
        case SdlStartPanel::Outcome::Closed: return 0;
        case SdlStartPanel::Outcome::Failed: return 1;
        case SdlStartPanel::Outcome::Started: break;
    }
    RunEventLoop(form);
    return 0;
}
}  // namespace

int main(int, char**) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "%s: no display: %s\n", TStartPanel::kApplicationTitle, SDL_GetError());
        return 1;
    }
    SdlDisplayBackend display(TStartPanel::kApplicationTitle);
    SdlClock clock;
    TtfTextRenderer text;
    SdlSoundLibrary sound;
    SdlWebOpener web;
    int rc = 0;
    {
        TMainForm form(TPlatform{display, clock, text, sound, web});
        rc = RunGame(display, form);
        ReleaseSound(form);  // the window closes: music, samples, then the library
    }
    SDL_Quit();
    return rc;
}
