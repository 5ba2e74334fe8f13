// game_reset.cpp: every module's state back to a fresh start.
#include "shell/game_reset.h"

#include "adventure/comfort_switches.h"
#include "adventure/game_window.h"
#include "adventure/phone_game.h"
#include "adventure/rules.h"
#include "adventure/saved_games.h"
#include "core/game_state.h"
#include "core/random.h"
#include "shell/game_data_folder.h"
#include "shell/settings_file.h"
#include "shell/sound.h"
#include "shell/text_overlay.h"
#include "sprites/sprite_engine.h"
#include "texts/texts.h"

void ResetGame() {
    ResetGameState();
    IGameWindow* window = GameWindow();
    SetLanguageSource(window != nullptr ? &GameState.settings.language : nullptr);
    Randomize(0);
    ForgetMissingTextLookups();
    SetSaveClock(nullptr);
    SetSettingsWriter(nullptr);
    ForgetSettingsFile();
    SetGameDataFolder(std::string());
    ForgetSoundStartUp();
    ResetOverlayFont();
    ForgetPhoneGamePictures();
    ResetComforts();
    if (window != nullptr) {
        TSpriteEngine& engine = window->SceneSprites();
        engine.Clear();
        engine.X = 0;
        engine.Y = 0;
    }
}
