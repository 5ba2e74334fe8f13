// startup_stand_ins.h: start-up steps the harness does itself while the
// shell has no code for them yet.
//
// The game's window creation reads the settings file and its start button
// starts the sound; until the shell offers those steps, the harness does
// them here, in the game's order and with the game's arguments, so scripts
// run with the settings of "save.qzd" and hear (record) the samples the game
// plays. Each function goes as soon as the shell has its own.
//
// Callers: PlaySession only. No failure is reported: a missing or short
// settings file gives the defaults or a partial read, a refused sound library
// turns sound off, as in the game.
#pragma once

class TMainForm;

// Reads programDir + "save.qzd" into GameState.settings. Missing file:
// display mode 1, sounds on, Czech, six empty slots. A short file fills the
// bytes it has and leaves the rest as they were.
void LoadSettingsStandIn();

// With sounds on: checks the library version and initialises it (either
// failing turns sounds off), then loads the music and the eleven samples
// from programDir + "gamedata/" into form.soundHandles.
void StartSoundStandIn(TMainForm& form);

// With sounds on: starts the music from its beginning.
void StartMusicStandIn(TMainForm& form);
