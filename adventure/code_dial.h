// code_dial.h: the bunker gate's three-digit code.
//
// The code is hidden in the business card's number tables. While the card's
// first view (scene 34) is on screen the frame overlay calls MakeDialCode
// every frame, so the tables churn; the click that leaves the view freezes the
// code of the last frame, and that is the code the dial then expects.
#pragma once

// Draws three digits, each uniformly from 1..9 with the game's generator,
// drawing all three again until they differ, and stores them in the live
// record's dialCode. Cannot fail.
void MakeDialCode();
