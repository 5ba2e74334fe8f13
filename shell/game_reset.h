// game_reset.h: one call that puts every module back to a fresh start.
//
// For tests and the play harness; the game itself never calls it. After it
// the state is that of a window just made: every game variable zero or
// empty, the text language read from the settings byte while a window exists
// (Czech otherwise), the random generator at seed 0, no missing texts
// counted, the local clock stamping saves, no settings writer, the settings
// and game-data folders beside the program, no failed sound start-up or
// settings write remembered, the overlay's own font, both comforts on with
// no reveal held, and no sprite of the last scene left in the window's
// engine.
#pragma once

void ResetGame();
