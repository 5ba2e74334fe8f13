// main.cpp: program entry of varnoklet3.
//
//   varnoklet3 [--help | --version]
//
// Makes the platform pieces (SDL window backend, clock, text renderer, the
// SDL_mixer sound library with the mute layer, web opener), creates the one
// TMainForm, enters the game and runs the event loop: window events go to the
// form's handlers, the desktop keys to the window, and between events the
// frame timer runs frames, at most 60 a second. When the window closes the
// sound is released before SDL shuts down.
#include <SDL.h>

#include <cstdio>
#include <ctime>
#include <iostream>
#include <string>
#include <string_view>

#include "core/game_state.h"
#include "core/main_form.h"
#include "core/random.h"
#include "core/sound_library.h"
#include "graphics/embedded_pictures.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/command_line.h"
#include "platform/muting_sound_library.h"
#include "platform/sdl_clock.h"
#include "platform/sdl_display.h"
#include "platform/sdl_sound_library.h"
#include "platform/sdl_web_opener.h"
#include "platform/ttf_text_renderer.h"
#include "platform/window_prefs.h"
#include "shell/game_data_folder.h"
#include "shell/settings_file.h"
#include "shell/sound.h"
#include "shell/start_game.h"

namespace {
void ShowError(const std::string& text) {
    std::fprintf(stderr, "Varnoklet 3: %s\n", text.c_str());
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Varnoklet 3", text.c_str(), nullptr);
}

std::string ProgramDir() {
    char* base = SDL_GetBasePath();
    std::string dir = base ? base : "./";
    SDL_free(base);
    return dir;
}

int RunGame() {
    Randomize(static_cast<uint32_t>(std::time(nullptr)));
    GameState.programDir = ProgramDir();
    SetGameDataFolder(InstalledGameDataFolder(GameState.programDir));
    LoadSettings();

    SdlDisplayBackend display("Varnoklet 3");
    SdlClock clock;
    TtfTextRenderer text;
    SdlSoundLibrary library;
    MutingSoundLibrary sound(library);
    SdlWebOpener web;
    const WindowPrefs prefs = LoadWindowPrefs(GameState.programDir);
    display.SetScale(prefs.scale);
    TMainForm form(TPlatform{display, clock, text, sound, web});
    std::string error;
    if (!form.LoadPictures(EmbeddedPictureData(), error) ||
        !StartGame(form, DisplayModeForResolution(0), error)) {
        ShowError(error);
        ReleaseSound(form);
        return 1;
    }
    Desktop desktop(form, display, sound, GameState.programDir, std::cout);
    desktop.ApplyPrefs(prefs);
    SDL_ShowCursor(SDL_DISABLE);
    RunEventLoop(form, &desktop);
    ReleaseSound(form);  // the window closes: music, samples, then the library
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    int exitCode = 0;
    if (HandleCommandLine(argc, argv, std::cout, std::cerr, exitCode)) return exitCode;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        std::fprintf(stderr, "Varnoklet 3: no display: %s\n", SDL_GetError());
        return 1;
    }
    const int rc = RunGame();
    SDL_Quit();
    return rc;
}
