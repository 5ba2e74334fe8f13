// start_game.cpp: the start button's way into the game menu.
#include "shell/start_game.h"

#include "adventure/game_ids.h"
#include "adventure/scene_builder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "shell/sound.h"

bool StartGame(TMainForm& form, const DisplayMode& mode, std::string& error,
               const std::function<void()>& afterDisplay) {
    ClearSavedGame(GameState.live);
    StartSound(form);
    if (!form.DDraw.Initialize(mode, error)) return false;
    if (afterDisplay) afterDisplay();
    GameState.ui.menuOpen = 0;
    ClearSteps();
    GameState.ui.menuReturnScene = 0;
    GameState.live.scene = Scene::Menu;
    StartMusic(form);
    VykresliScenu();
    return true;
}
