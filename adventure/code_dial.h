// code_dial.h: the bunker gate's three-digit code.
//
// The code is hidden in the business card's number tables. The first look at
// the card draws it (when that click is dispatched, before any view of the
// card shows); both views of the card then show the same code, and that is
// the code the dial expects.
#pragma once
#include <cstdint>

// Draws three digits, each uniformly from 1..9 with the game's generator,
// drawing all three again until they differ, and stores them in the live
// record's dialCode. Cannot fail.
void MakeDialCode();

// A click on the dial at the bunker gate (Spot::DialButton1..DialButton9 and
// the confirming Spot::Fuse), at dispatch like any rule.
void PressDial(int32_t hotspotId);
