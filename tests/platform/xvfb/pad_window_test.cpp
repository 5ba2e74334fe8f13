// pad_window_test.cpp: a gamepad plays the real game window on an X display.
//
// The program's pieces are made as its entry makes them (the SDL window,
// clock, text renderer and sound, the start panel's start, the desktop and
// the event router) and the frames run as the game's loop runs them. An SDL
// virtual game controller attached in this process steers the game's cursor
// with its left stick from where it rests onto "New game" of the game menu;
// its A button then starts a new game. Without an X display the case skips
// (ctest runs it under xvfb-run where that is installed).
//
// With VK3_PAD_SHOTS naming a folder, the window as the X server shows it is
// captured there with ImageMagick's import: before the stick, after it and
// after A (scripts/xvfb_pad.sh).
#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>

#include "adventure/comforts.h"
#include "adventure/game_ids.h"
#include "core/game_state.h"
#include "platform/desktop.h"
#include "platform/event_loop.h"
#include "platform/muting_sound_library.h"
#include "platform/sdl_clock.h"
#include "platform/sdl_display.h"
#include "platform/sdl_sound_library.h"
#include "platform/sdl_web_opener.h"
#include "platform/ttf_text_renderer.h"
#include "platform/window_prefs.h"
#include "graphics/embedded_pictures.h"
#include "shell/game_data_folder.h"
#include "shell/main_form.h"
#include "shell/settings_file.h"
#include "shell/sound.h"
#include "shell/start_panel.h"

namespace {
namespace fs = std::filesystem;

// The program as its entry builds it, without the start panel's window: the
// panel's model takes the same choices (English, in a window) and starts.
struct RealGame {
    SdlDisplayBackend display{TStartPanel::kApplicationTitle};
    SdlClock clock;
    TtfTextRenderer text;
    SdlSoundLibrary library;
    MutingSoundLibrary sound{library};
    SdlWebOpener web;
    TMainForm form{TPlatform{display, clock, text, sound, web}};
    std::unique_ptr<Desktop> desktop;
    std::unique_ptr<EventRouter> router;

    ~RealGame() { ReleaseSound(form); }

    bool Start(const std::string& dir, std::string& error) {
        if (!form.LoadPictures(EmbeddedPictureData(), error, true)) return false;
        TStartPanelHost host;
        host.hidePanel = [] {};
        host.showBusyCursor = [] {};
        host.hideSystemCursor = [] { SDL_ShowCursor(SDL_DISABLE); };
        host.showError = [&error](const std::string& text) { error = text; };
        TStartPanel panel(form, host);
        panel.FormCreate(static_cast<uint32_t>(std::time(nullptr)), dir, [dir] { return dir; });
        SetGameDataFolder(VK3_BINARY_DIR "/gamedata/");
        const WindowPrefs prefs = LoadWindowPrefs(SettingsFolder());
        display.SetScale(prefs.scale);
        panel.LanguageChange(1);
        panel.DisplayModeChange(0);
        if (!panel.StartClick()) return false;
        desktop = std::make_unique<Desktop>(form, display, sound, SettingsFolder(), std::cout);
        desktop->ApplyPrefs(prefs);
        Comforts() = TComfortSwitches{prefs.replies, prefs.markers};
        router = std::make_unique<EventRouter>(form, desktop.get());
        OpenGameControllers();
        return true;
    }

    // The game's loop for a while: every waiting event through the router,
    // then the frame timer, about 60 frames a second.
    void Run(uint32_t ms) {
        const uint32_t end = SDL_GetTicks() + ms;
        while (!SDL_TICKS_PASSED(SDL_GetTicks(), end) && !form.Closing()) {
            SDL_Event e;
            while (SDL_PollEvent(&e)) router->Handle(e);
            form.Timer.Idle();
            SDL_Delay(16);
        }
    }
};

class PadWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
        setenv("SDL_VIDEODRIVER", "x11", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) GTEST_SKIP() << "no X display: " << SDL_GetError();
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
        dir = (fs::temp_directory_path() / ("vk3-pad-" + std::to_string(getpid()))).string() + "/";
        fs::remove_all(dir);
        fs::create_directories(dir);
        game = std::make_unique<RealGame>();
        std::string error;
        ASSERT_TRUE(game->Start(dir, error)) << error;
        ASSERT_STREQ(SDL_GetCurrentVideoDriver(), "x11");
        ASSERT_NE(game->display.Window(), nullptr);
    }
    void TearDown() override {
        if (device >= 0) SDL_JoystickDetachVirtual(device);
        game.reset();
        SDL_Quit();
        if (!dir.empty()) fs::remove_all(dir);
    }

    // The pad appears as a player's would: the router opens it from its event.
    void AttachPad() {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.name = "Varnoklet window test pad";
        device = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device, 0) << SDL_GetError();
        game->Run(100);
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(device);
        ASSERT_NE(SDL_GameControllerFromInstanceID(id), nullptr) << "the game did not open the pad";
        pad = SDL_JoystickFromInstanceID(id);
    }

    void Stick(int16_t x, int16_t y) {
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, x);
        SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTY, y);
    }

    // The window as the X server shows it, into VK3_PAD_SHOTS (if set).
    void Shot(const std::string& name) {
        const char* out = std::getenv("VK3_PAD_SHOTS");
        if (!out) return;
        game->Run(300);
        int x = 0, y = 0, w = 0, h = 0;
        SDL_GetWindowPosition(game->display.Window(), &x, &y);
        SDL_GetWindowSize(game->display.Window(), &w, &h);
        const std::string command = "import -window root -crop " + std::to_string(w) + "x" + std::to_string(h) +
                                    "+" + std::to_string(x) + "+" + std::to_string(y) + " +repage '" + out +
                                    "/" + name + "'";
        EXPECT_EQ(std::system(command.c_str()), 0) << command;
    }

    std::string dir;
    std::unique_ptr<RealGame> game;
    int device = -1;
    SDL_Joystick* pad = nullptr;
};

// The tilt that steers one axis toward the target: full far away, gentle
// close by (still outside the stick's rest zone), none when there.
int16_t Tilt(int32_t distance) {
    if (std::abs(distance) <= 2) return 0;
    const int16_t tilt = std::abs(distance) > 40 ? 32767 : 14000;
    return distance > 0 ? tilt : static_cast<int16_t>(-tilt);
}

TEST_F(PadWindowTest, TheStickSteersTheCursorOntoNewGameAndAStartsIt) {
    game->Run(500);
    ASSERT_EQ(GameState.live.scene, Scene::Menu);
    AttachPad();
    const TPomocnyObjekt* entry = nullptr;
    for (const TPomocnyObjekt& spot : GameState.ui.hotspots)
        if (spot.id == Spot::MenuNewGame) entry = &spot;
    ASSERT_NE(entry, nullptr);
    const int32_t tx = GameState.ui.originX + (entry->left + entry->right) / 2;
    const int32_t ty = GameState.ui.originY + (entry->top + entry->bottom) / 2;
    const int32_t fromX = GameState.ui.mouseX, fromY = GameState.ui.mouseY;
    ASSERT_GT(std::hypot(tx - fromX, ty - fromY), 100) << "the cursor starts far from \"New game\"";
    ASSERT_NE(GameState.ui.hoverId, Spot::MenuNewGame);
    Shot("1-cursor-before.png");

    const uint32_t start = SDL_GetTicks();
    int32_t dx = 0, dy = 0;
    do {
        dx = tx - GameState.ui.mouseX;
        dy = ty - GameState.ui.mouseY;
        Stick(Tilt(dx), Tilt(dy));
        game->Run(16);
    } while ((Tilt(dx) != 0 || Tilt(dy) != 0) && SDL_GetTicks() - start < 15000);
    Stick(0, 0);
    game->Run(200);
    EXPECT_LE(std::abs(tx - GameState.ui.mouseX), 3);
    EXPECT_LE(std::abs(ty - GameState.ui.mouseY), 3);
    ASSERT_EQ(GameState.ui.hoverId, Spot::MenuNewGame) << "the stick brought the cursor onto \"New game\"";
    std::cout << "stick: cursor (" << fromX << "," << fromY << ") -> (" << GameState.ui.mouseX << ","
              << GameState.ui.mouseY << ") in " << SDL_GetTicks() - start << " ms\n";
    Shot("2-cursor-on-new-game.png");

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    game->Run(100);
    EXPECT_EQ(GameState.live.scene, Scene::Menu) << "A acts on release, as a click";
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
    game->Run(500);
    EXPECT_NE(GameState.live.scene, Scene::Menu) << "A started a new game";
    std::cout << "A: scene " << Scene::Menu << " -> " << GameState.live.scene << "\n";
    Shot("3-after-a.png");
}

}  // namespace
