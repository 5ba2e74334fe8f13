// saved_games.h: the six save slots as the game menu shows and uses them.
//
// The slots live in GameState.settings (the image of "save.qzd"). While the
// menu's load or save list is open, hotspots 24..29 lie over the six slot
// pictures (two rows of three); their labels are the slots' time stamps in
// the load list and "Save" in the save list. A click on one loads or saves.
#pragma once
#include <cstdint>
#include <string>

// Replaces hotspots 24..29 with the six slot spots of the open list.
void ShowSlotHotspots();

// The label of slot k (0..5): its time stamp in the load list, the text
// "Save" otherwise.
std::string SlotCaption(int k);

// "dd.mm.yy hh:mm:ss (Day)" for a time in days since 30 December 1899, or
// the text "(empty)" for exactly 0.0.
std::string FormatSlotStamp(double t);

// A click on slot k (hotspot 24 + k) in the open list: loads or saves.
void ClickSlot(int k);
