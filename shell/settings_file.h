// settings_file.h: the settings and saved games file, "save.qzd".
//
// The file is the 1736-byte settings block of the game state as it lies in
// memory (three settings bytes, padding, six saved-game slots). It is read
// once when the window is made and rewritten whole whenever a setting changes
// or a game is saved, never at exit.
//
// Where it lives: beside the program (GameState.programDir) when that folder
// is writable, as for a build or an unpacked portable copy; otherwise (an
// installed game in a system folder) in the user's data folder, into which a
// "save.qzd" found beside the program is copied once. ChooseSettingsFolder
// decides it at start-up; until then, and whenever no folder was chosen, the
// program's folder is used.
#pragma once
#include <cstdint>
#include <functional>
#include <span>
#include <string>

// Reads the file into GameState.settings. A missing or unopenable file gives
// the defaults (display mode 1, sounds on, Czech, six empty slots) and writes
// nothing. A short file fills the bytes it has and leaves the rest as they
// were. The bytes are kept as they are, except that a display mode above 3 or
// a language above 1 falls back to the default (1, 0) and a sounds byte above
// 1 counts as on (1), in memory for this run; the file itself is never
// rewritten by reading it.
void LoadSettings();

// Writes GameState.settings whole, with the user's sound setting even when
// a failed sound start-up silenced this run (SoundSettingToStore). The new
// file is written and flushed to the disk beside the old one and then renamed
// over it, so a crash, a kill or a full disk at any moment leaves either the
// old or the new complete file. Returns false on failure; the game goes on
// with its settings in memory and writes again at the next change. The first
// failure of a run is reported with one line on standard error.
bool SaveSettings();

// Back to a fresh run: no folder chosen, no unreadable file kept, no write
// failure reported yet.
void ForgetSettingsFile();

// Takes a "save.qzd" brought in from elsewhere (a copy the player kept): it
// must be exactly the file's 1736 bytes, with settings bytes the panel can
// show and every slot either empty or a game that can be played on
// (SlotCanBeLoaded). Then it is written atomically over the current file and
// read, and true returned. Anything else is refused with the player-facing
// reason in `error`; the current file and the settings in memory stay as
// they were.
bool ImportSettingsFile(std::span<const uint8_t> bytes, std::string& error);

// The folder "save.qzd" is read from and written to (with its trailing
// separator): the one set last, or GameState.programDir when none is set.
std::string SettingsFolder();
// Sets it; an empty folder means GameState.programDir again.
void SetSettingsFolder(const std::string& folder);

// Whether a file can be created in `folder` (tried with a temporary file that
// is removed at once, so read-only mounts and missing rights both count).
bool FolderIsWritable(const std::string& folder);

// Chooses the folder for "save.qzd" (with a trailing separator):
//   - programDir when `writable(programDir)`;
//   - otherwise userFolder() (asked only then; the user's data folder, made by
//     the caller). If it holds no "save.qzd" yet and programDir does, that file
//     is copied there (atomically); the one beside the program is never changed.
//   - programDir again when userFolder() gives an empty text (no such folder):
//     then saving fails and the settings live in memory for the run.
std::string ChooseSettingsFolder(const std::string& programDir,
                                 const std::function<std::string()>& userFolder,
                                 const std::function<bool(const std::string&)>& writable = FolderIsWritable);
