// start_game.h: entering the game from the start button.
//
// Steps 3 to 12 of the start button: clears the live game record, starts
// the sound (library, music and samples), makes the drawing surface in the
// given mode, calls afterDisplay (where the start button hides the system
// cursor), empties the step queue, starts the music and builds the game menu
// (scene 4) with no game running. Called by the start panel's start button.
// On a display that cannot be made, returns false with the player-facing
// error text; the game record is cleared and the sound started, nothing
// else happens.
#pragma once
#include <functional>
#include <string>

#include "graphics/display.h"

class TMainForm;

bool StartGame(TMainForm& form, const DisplayMode& mode, std::string& error,
               const std::function<void()>& afterDisplay = {});
