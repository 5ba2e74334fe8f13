// web_main.cpp: program entry of the browser build.
//
// The same game as the desktop program, in a page (web/index.html): the
// canvas is the game's window, the page's own controls stand in for the
// start panel (language, sound, full screen, the www links), and save.qzd
// lies in the browser's persistent storage, mounted at /saves/ by the page
// before the program starts. The game starts at once in a 640x480 window; the
// browser's frame callback runs one pass of the game's loop per display frame.
//
// The page talks to the program through the vk3_* functions below. Every
// change to save.qzd is followed by a push of /saves/ to the browser's
// storage; the file itself is written atomically as on the desktop.
#include <SDL.h>
#include <SDL_mixer.h>
#include <emscripten.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "adventure/inventory.h"
#include "adventure/saved_games.h"
#include "adventure/spot_finder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "core/random.h"
#include "graphics/embedded_pictures.h"
#include "platform/event_loop.h"
#include "platform/muting_sound_library.h"
#include "platform/sdl_clock.h"
#include "platform/sdl_display.h"
#include "platform/sdl_sound_library.h"
#include "platform/sdl_web_opener.h"
#include "platform/ttf_text_renderer.h"
#include "shell/file_io.h"
#include "shell/game_data_folder.h"
#include "shell/main_form.h"
#include "shell/settings_file.h"
#include "shell/start_game.h"
#include "shell/start_panel.h"
#include "texts/cp1250.h"

namespace {
constexpr const char* kSavesFolder = "/saves/";
constexpr const char* kGameDataFolder = "/gamedata/";

// Pushes /saves/ to the browser's storage (the page's function; it queues a
// push that comes while one is under way).
void PersistSaves() { EM_ASM(if (Module.vk3PersistSaves) Module.vk3PersistSaves();); }

// The desktop keys in a page: full screen is the page's (the browser's API),
// mute is the sound layer's; the window keeps its size (the page scales the
// canvas) and screenshots are the browser's own business.
class PageControls : public IDesktopControls {
public:
    PageControls(SdlDisplayBackend& display, MutingSoundLibrary& sound) : display_(display), sound_(sound) {}
    void ToggleFullScreen() override { EM_ASM(if (Module.vk3ToggleFullScreen) Module.vk3ToggleFullScreen();); }
    void ChangeScale(int32_t) override {}
    void TakeScreenshot() override {}
    void ToggleMute() override { sound_.SetMuted(!sound_.Muted()); }
    void MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) override { display_.MapMouse(wx, wy, ax, ay); }
    void WindowResized() override { display_.WindowResized(); }

private:
    SdlDisplayBackend& display_;
    MutingSoundLibrary& sound_;
};

// Everything the running page keeps: made once, never destroyed (the page
// ends the program by going away).
struct WebGame {
    SdlDisplayBackend display{TStartPanel::kApplicationTitle};
    SdlClock clock;
    TtfTextRenderer text;
    SdlSoundLibrary library;
    MutingSoundLibrary sound{library};
    SdlWebOpener web;
    TMainForm form{TPlatform{display, clock, text, sound, web}};
    TStartPanel panel{form, TStartPanelHost{}};
    PageControls controls{display, sound};
    FrameLoop* loop = nullptr;
    bool soundStarted = false;
};

WebGame* game = nullptr;
std::string lastError;

// How long the frame callbacks took (for the page's tests and budgets).
struct FrameTimes {
    uint32_t count = 0;
    uint64_t total = 0, longest = 0;  // performance-counter ticks
} frameTimes;

void Frame() {
    const uint64_t start = SDL_GetPerformanceCounter();
    const FrameLoop::Pass pass = game->loop->Step();
    const uint64_t took = SDL_GetPerformanceCounter() - start;
    ++frameTimes.count;
    frameTimes.total += took;
    if (took > frameTimes.longest) frameTimes.longest = took;
    if (pass.closed) {
        emscripten_cancel_main_loop();
        EM_ASM(if (Module.vk3GameClosed) Module.vk3GameClosed(););
    }
}

void Fail(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", TStartPanel::kApplicationTitle, text.c_str());
    EM_ASM({ if (Module.vk3ShowError) Module.vk3ShowError(UTF8ToString($0)); }, text.c_str());
}
}  // namespace

extern "C" {
// The settings the page shows: language (0 Czech, 1 English) + 2 * sounds on.
EMSCRIPTEN_KEEPALIVE int vk3_settings() {
    return GameState.settings.language + 2 * (GameState.settings.soundOn ? 1 : 0);
}

EMSCRIPTEN_KEEPALIVE void vk3_set_language(int index) {
    if (!game || index < 0 || index > 1) return;
    game->panel.LanguageChange(index);
    PersistSaves();
}

// Sound on or off: at once through the mute layer, and stored for the next
// start. Returns 1 when the page must be loaded again for it (the sound was
// off when the game started, so no sound device was opened).
EMSCRIPTEN_KEEPALIVE int vk3_set_sound(int on) {
    if (!game) return 0;
    game->panel.SoundsCheckClick(on != 0);
    game->sound.SetMuted(on == 0);
    PersistSaves();
    return on != 0 && !game->soundStarted ? 1 : 0;
}

// The page's two links: 0 the game's home page, 1 the hosting provider's.
EMSCRIPTEN_KEEPALIVE const char* vk3_link(int which) {
    static std::string url;
    url = "http://" + (which == 0 ? HomePageHost() : HostingProviderHost());
    return url.c_str();
}

// Takes the save.qzd file the page wrote to `path`: 0 when taken, else the
// reason it was refused (the saves stay as they were).
EMSCRIPTEN_KEEPALIVE const char* vk3_import_saves(const char* path) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!ReadFile(path, bytes)) error = "The chosen file cannot be read.";
    else if (ImportSettingsFile(bytes, error)) {
        PersistSaves();
        return nullptr;
    }
    lastError = error;
    return lastError.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* vk3_saves_path() {
    static std::string path;
    path = SettingsFolder() + "save.qzd";
    return path.c_str();
}

// For the page's tests: the scene on screen and whether music plays.
EMSCRIPTEN_KEEPALIVE int vk3_scene() { return GameState.live.scene; }
EMSCRIPTEN_KEEPALIVE int vk3_menu_return_scene() { return GameState.ui.menuReturnScene; }
// A message shows or a step of a click waits: the next click goes to it.
EMSCRIPTEN_KEEPALIVE int vk3_busy() { return IsBusy() ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int vk3_has(int item) { return item > 0 && item < 65536 && HasItem(static_cast<uint16_t>(item)); }
EMSCRIPTEN_KEEPALIVE int vk3_selected_item() { return GameState.ui.selectedItem; }
// The progress byte a script names ("name" or "name[k]"), or -1 for no such name.
EMSCRIPTEN_KEEPALIVE int vk3_progress_named(const char* name) {
    const int index = ProgressIndexOf(name ? name : "");
    return index < 0 ? -1 : reinterpret_cast<const uint8_t*>(&GameState.live.progress)[index];
}
// Seeds the random source, as a play script's `seed` does.
EMSCRIPTEN_KEEPALIVE void vk3_seed(uint32_t seed) { Randomize(seed); }
EMSCRIPTEN_KEEPALIVE int vk3_hover_id() { return GameState.ui.hoverId; }
EMSCRIPTEN_KEEPALIVE int vk3_inventory(int place) {
    return place >= 0 && static_cast<size_t>(place) < std::size(GameState.live.inventory) ? GameState.live.inventory[place] : -1;
}
EMSCRIPTEN_KEEPALIVE const char* vk3_hover_label() {
    static std::string text;
    text = Cp1250ToUtf8(GameState.ui.hoverLabel);
    return text.c_str();
}
EMSCRIPTEN_KEEPALIVE int vk3_menu_open() { return GameState.ui.menuOpen; }

// The message on screen in UTF-8, its lines joined by '#'; empty when none shows.
EMSCRIPTEN_KEEPALIVE const char* vk3_message() {
    static std::string text;
    text = ShownMessageUtf8();
    return text.c_str();
}

EMSCRIPTEN_KEEPALIVE int vk3_phone_game_over() { return GameState.phone.shooterOver; }

// Where a click reaches hotspot `id` of the scene on screen, in drawing-area
// pixels, found as the play harness finds it (adventure/spot_finder.h), as
// x * 65536 + y; -1 when the scene has none a click can reach.
EMSCRIPTEN_KEEPALIVE int vk3_spot(int id) {
    if (!game || id <= 0) return -1;
    const int64_t ox = GameState.ui.originX, oy = GameState.ui.originY;
    const TDXDraw& draw = game->form.DDraw;
    const SpotRect visible = VisibleArea(draw.SurfaceWidth(), draw.SurfaceHeight(), ox, oy);
    int32_t x = 0, y = 0;
    std::string error;
    if (!FindSpotPoint(GameState.ui.hotspots, id, visible, x, y, error)) return -1;
    return static_cast<int>((x + ox) * 65536 + (y + oy));
}

// The frame callbacks so far: 0 how many, 1 their mean and 2 the longest, in
// microseconds; 3 starts counting again.
EMSCRIPTEN_KEEPALIVE double vk3_frame_times(int what) {
    const double us = 1e6 / static_cast<double>(SDL_GetPerformanceFrequency());
    if (what == 0) return frameTimes.count;
    if (what == 1) return frameTimes.count ? frameTimes.total * us / frameTimes.count : 0.0;
    if (what == 2) return frameTimes.longest * us;
    frameTimes = {};
    return 0;
}

EMSCRIPTEN_KEEPALIVE int vk3_music_playing() { return game && game->soundStarted ? Mix_PlayingMusic() : 0; }
}

int main() {
    // Keys are the canvas's: the page's own controls keep theirs.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        Fail(std::string("no display: ") + SDL_GetError());
        return 1;
    }
    game = new WebGame;
    std::string error;
    if (!game->form.LoadPictures(EmbeddedPictureData(), error, true)) {
        Fail(error);
        return 1;
    }
    const bool firstVisit = ::access((std::string(kSavesFolder) + "save.qzd").c_str(), F_OK) != 0;
    game->panel.FormCreate(static_cast<uint32_t>(std::time(nullptr)), kSavesFolder, [] { return std::string(); });
    SetGameDataFolder(kGameDataFolder);
    // A first visit speaks the browser's language (the page says which).
    if (firstVisit) game->panel.LanguageChange(EM_ASM_INT(return Module.vk3BrowserLanguage || 0;));
    PersistSaves();
    SetSettingsWriter([] {
        const bool written = SaveSettings();
        PersistSaves();
        return written;
    });
    game->soundStarted = GameState.settings.soundOn != 0;
    if (!StartGame(game->form, DisplayMode{}, error, [] { SDL_ShowCursor(SDL_DISABLE); })) {
        Fail(error);
        return 1;
    }
    game->soundStarted = game->soundStarted && GameState.settings.soundOn != 0;  // no device: off
    game->display.WindowResized();
    // The display paces the callback; a frame may come up to 3 ms early.
    game->loop = new FrameLoop(game->form, &game->controls, SDL_GetPerformanceFrequency() * 3 / 1000);
    EM_ASM(if (Module.vk3GameStarted) Module.vk3GameStarted(););
    emscripten_set_main_loop(Frame, 0, 1);
    return 0;
}
