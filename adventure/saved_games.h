// saved_games.h: the six save slots as the game menu shows and uses them.
//
// The slots live in GameState.settings (the image of "save.qzd"). While the
// menu's load or save list is open, hotspots 24..29 lie over the six slot
// pictures (two rows of three); their labels are the slots' time stamps in
// the load list and "Save" in the save list. A click on one loads or saves.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "core/game_state.h"

// Replaces hotspots 24..29 with the six slot spots of the open list.
void ShowSlotHotspots();

// The label of slot k (0..5): its time stamp in the load list, the text
// "Save" otherwise.
std::string SlotCaption(int k);

// "dd.mm.yy hh:mm:ss (Day)" for a time in days since 30 December 1899, or
// the text "(empty)" for exactly 0.0.
std::string FormatSlotStamp(double t);

// A click on slot k (hotspot 24 + k) in the open list.
// Load list (saveMenuMode 1): a slot that SlotCanBeLoaded accepts is copied
// whole (288 bytes) over the live record, the menu closes and one step is
// queued: its scene, text 161 ("Game restored."), sample 3. Any other slot
// does nothing and stays as it is, byte for byte.
// Save list: the live record is copied into slot k, stamped with the local
// date and time and the scene the menu was opened from (menuReturnScene);
// the settings file is written through the settings writer, the menu
// closes and one step is queued: back to that scene, text 162 ("Game
// saved."), sample 3. When the file is not written (no writer, a write that
// fails, or a save.qzd that could not be read and is kept as it is) the step
// says instead that the game is saved only until the program ends. Without a
// running game (menuReturnScene 0) nothing happens. The other five slots are
// not touched.
void ClickSlot(int k);

// Whether a slot holds a game that can be played on: saved (savedAt not 0.0)
// at a time a clock can give, in a scene of the game other than the menu and
// the phone game, with only real items in the inventory, a map return scene
// of the game (or 0), and the progress bytes that choose pictures or puzzle
// states within their ranges. Only a damaged or edited file fails this for a
// slot that is not empty.
bool SlotCanBeLoaded(const SaveSlot& slot);

// The local date and time as days since 30 December 1899 (the fraction is the
// time of day): what a save is stamped with. Tests replace the clock.
double LocalTimeAsDays();
void SetSaveClock(std::function<double()> clock);  // empty: the local clock

// Writes the settings and the six slots to "save.qzd"; true when the file
// was written. Set by the shell at start-up.
void SetSettingsWriter(std::function<bool()> writer);
