// settings_file.h: the settings and saved games file, "save.qzd".
//
// The file is the 1736-byte settings block of the game state as it lies in
// memory (three settings bytes, padding, six saved-game slots), beside the
// program in GameState.programDir. It is read once when the window is made
// and rewritten whole whenever a setting changes or a game is saved.
#pragma once

// Reads the file into GameState.settings. A missing or unopenable file gives
// the defaults (display mode 1, sounds on, Czech, six empty slots) and writes
// nothing. A short file fills the bytes it has and leaves the rest as they
// were; the bytes are taken as they are, without checks.
void LoadSettings();

// Writes GameState.settings whole, with the user's sound setting even when
// a failed sound start-up silenced this run (SoundSettingToStore). The new file is written beside the old
// one and then put in its place, so a failed write (full disk, no rights)
// leaves the previous file intact. Returns false on failure; the game goes on
// silently and writes again at the next change.
bool SaveSettings();
