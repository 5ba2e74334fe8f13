// main.cpp: program entry of varnoklet3.
//
//   varnoklet3 [--help | --version]
//
// Makes the platform pieces (SDL window backend, clock, text renderer, the
// SDL_mixer sound library with the mute layer, web opener), creates the one
// TMainForm and its start panel (FormCreate: settings, translation), shows
// the panel until its start button has entered the game, then runs the
// game's event loop: window events go to the form's handlers, the desktop
// keys to the window, and between events the frame timer runs frames, at
// most 60 a second (the loop rests while the picture stands still, with the
// clock made here held at each frame's time). When the window closes the
// sound is released before SDL shuts down.
#include <SDL.h>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>

#include "adventure/comforts.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/sound_library.h"
#include "graphics/embedded_pictures.h"
#include "graphics/text_layer.h"
#include "platform/command_line.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/muting_sound_library.h"
#include "platform/sdl_clock.h"
#include "platform/sdl_display.h"
#include "platform/sdl_sound_library.h"
#include "platform/sdl_start_panel.h"
#include "platform/sdl_web_opener.h"
#include "platform/ttf_text_renderer.h"
#include "platform/window_prefs.h"
#include "shell/game_data_folder.h"
#include "shell/settings_file.h"
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

// The start panel until its start button has entered the game (started);
// returns the program's exit status so far (1: no window or display).
// The game's window opens at the scale the window's preferences give;
// window.cfg lies beside save.qzd (the program's folder, or the user's data
// folder when the program's folder cannot be written).
int RunStartPanel(TMainForm& form, SdlDisplayBackend& display, WindowPrefs& prefs, bool& started) {
    SdlStartPanel panelWindow;
    TStartPanel panel(form, panelWindow.Host());
    panel.FormCreate(static_cast<uint32_t>(std::time(nullptr)), ProgramDir(), UserDataDir);
    SetGameDataFolder(InstalledGameDataFolder(GameState.programDir));
    prefs = LoadWindowPrefs(SettingsFolder());  // beside save.qzd, wherever it lives
    display.SetScale(prefs.scale);
    display.SetTitle(panel.Caption());
    const SdlStartPanel::Outcome outcome = panelWindow.Run(panel, panel.Caption());
    started = outcome == SdlStartPanel::Outcome::Started;
    return outcome == SdlStartPanel::Outcome::Failed ? 1 : 0;
}

int RunGame() {
    SdlDisplayBackend display(TStartPanel::kApplicationTitle);
    SdlClock clock;
    TtfTextRenderer ttf;
    TextLayer textLayer;  // the frame's texts, at a window scale of 2 or more
    LayeredTextRenderer text(ttf, textLayer);
    display.AttachTextLayer(&textLayer, &ttf);
    SdlSoundLibrary library;
    MutingSoundLibrary sound(library);
    SdlWebOpener web;
    TMainForm form(TPlatform{display, clock, text, sound, web});
    std::string error;
    if (!form.LoadPictures(EmbeddedPictureData(), error, true)) {
        ShowErrorBox(error);
        return 1;
    }
    bool started = false;
    WindowPrefs prefs;
    const int rc = RunStartPanel(form, display, prefs, started);
    if (started) {
        Desktop desktop(form, display, sound, SettingsFolder(), std::cout);
        desktop.ApplyPrefs(prefs);
        Comforts() = TComfortSwitches{prefs.replies, prefs.markers};
        RunEventLoop(form, &desktop, EventsCanWakeTheLoop() ? &clock : nullptr);
    }
    ReleaseSound(form);  // the window closes: music, samples, then the library
    return rc;
}
}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    if (HandleCommandLine(argc, argv, std::cout, std::cerr, exitCode)) return exitCode;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "%s: no display: %s\n", TStartPanel::kApplicationTitle, SDL_GetError());
        return 1;
    }
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)  // no gamepads: the mouse and keys still play
        std::fprintf(stderr, "%s: no gamepad support: %s\n", TStartPanel::kApplicationTitle, SDL_GetError());
    const int rc = RunGame();
    SDL_Quit();
    return rc;
}
