// gamepad_test.cpp: a virtual SDL game controller plays the game through the
// event router: it is opened when it appears, its stick moves the cursor
// (faster the longer it is held, still when let go), RB walks to a hotspot,
// A clicks it, X holds the marks, and the Start button opens the game menu.
#include <gtest/gtest.h>

#include <SDL.h>

#include <memory>
#include <string>

#include "adventure/comforts.h"
#include "core/game_state.h"
#include "shell/game_reset.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "platform/event_loop.h"
#include "shell/start_game.h"

namespace {

class GamepadTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS), 0) << SDL_GetError();
        ResetGame();
        form = std::make_unique<TMainForm>(platform.Platform());
        std::string error;
        ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
        ASSERT_TRUE(StartGame(*form, DisplayMode{}, error)) << error;
        router = std::make_unique<EventRouter>(*form, nullptr);
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
        desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
        desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
        desc.name = "Varnoklet test pad";
        device = SDL_JoystickAttachVirtualEx(&desc);
        ASSERT_GE(device, 0) << SDL_GetError();
        Pump();
        joystick = SDL_JoystickFromInstanceID(SDL_JoystickGetDeviceInstanceID(device));
        ASSERT_NE(joystick, nullptr) << "the router did not open the pad";
    }
    void TearDown() override {
        if (device >= 0) SDL_JoystickDetachVirtual(device);
        if (router) Pump();
        router.reset();
        form.reset();
        SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER | SDL_INIT_EVENTS);
    }
    // Delivers what SDL has queued to the router, as the game's loop does.
    void Pump() {
        SDL_Event e;
        while (SDL_PollEvent(&e)) router->Handle(e);
    }
    void Button(SDL_GameControllerButton b, bool down) {
        SDL_JoystickSetVirtualButton(joystick, b, down ? 1 : 0);
        Pump();
        form->TimerTimer(16);
    }
    void Press(SDL_GameControllerButton b) {
        Button(b, true);
        Button(b, false);
    }
    void Stick(int16_t x, int16_t y) {
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTX, x);
        SDL_JoystickSetVirtualAxis(joystick, SDL_CONTROLLER_AXIS_LEFTY, y);
        Pump();
    }
    int32_t Frames(int n) {  // how far the cursor went right in n frames
        const int32_t from = GameState.ui.mouseX;
        for (int i = 0; i < n; ++i) form->TimerTimer(16);
        return GameState.ui.mouseX - from;
    }

    TNullPlatform platform;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<EventRouter> router;
    int device = -1;
    SDL_Joystick* joystick = nullptr;
};

TEST_F(GamepadTest, TheStickMovesTheCursorSmoothlyFasterTheLongerItIsHeld) {
    form->DDrawMouseMove(10, 240);
    Stick(32767, 0);
    const int32_t first = Frames(10);
    Frames(60);
    const int32_t later = Frames(10);
    EXPECT_GT(first, 0);
    EXPECT_GT(later, 3 * first) << "held a second, the cursor runs faster";
    EXPECT_LE(later, 10 * 16) << "never more than a pixel a millisecond";
    Stick(2000, -1500);  // back in the rest zone: the cursor stays
    EXPECT_EQ(Frames(10), 0);
    const int32_t y = GameState.ui.mouseY;
    Stick(0, 32767);
    Frames(600);
    EXPECT_EQ(GameState.ui.mouseY, 479) << "kept on the drawing area";
    EXPECT_GT(GameState.ui.mouseY, y);
}

TEST_F(GamepadTest, ShouldersWalkTheHotspotsAClicksXMarksAndStartOpensTheMenu) {
    ASSERT_EQ(GameState.live.scene, 4);
    for (int i = 0; i < 12 && GameState.ui.hoverId != 15; ++i) Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    ASSERT_EQ(GameState.ui.hoverId, 15) << "RB reaches \"New game\"";
    Press(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    Press(SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
    EXPECT_EQ(GameState.ui.hoverId, 15) << "LB goes back";
    Press(SDL_CONTROLLER_BUTTON_A);
    EXPECT_NE(GameState.live.scene, 4) << "A clicked \"New game\"";
    for (int i = 0; i < 20 && !GameState.ui.messageLines[0].empty(); ++i) Press(SDL_CONTROLLER_BUTTON_A);
    ASSERT_TRUE(GameState.ui.messageLines[0].empty());
    const int32_t scene = GameState.live.scene;

    Button(SDL_CONTROLLER_BUTTON_X, true);
    EXPECT_TRUE(RevealShown());
    Button(SDL_CONTROLLER_BUTTON_X, false);
    EXPECT_FALSE(RevealShown());

    Press(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(GameState.live.scene, 4) << "Start opens the game menu";
    Press(SDL_CONTROLLER_BUTTON_START);
    EXPECT_EQ(GameState.live.scene, scene) << "and takes the player back";
}

}  // namespace
