// comfort_switches.h: the comforts' two switches and who holds the reveal.
//
// The state every comfort reads (comforts.h describes the comforts): kept
// apart from them so that the hotspot marks, which only ask whether to show,
// and the comforts, which make the marks, need not see each other.
#pragma once
#include <cstdint>

struct TComfortSwitches {
    bool replies = true;
    bool markers = true;
    bool operator==(const TComfortSwitches&) const = default;
};

// The switches of this run (set from window.cfg before the game starts).
TComfortSwitches& Comforts();

// Who holds the reveal: each source presses and releases on its own, and the
// markers show while any of them holds.
enum TRevealSource : uint8_t { rsKey = 1, rsMouse = 2, rsPad = 4, rsScript = 8 };
void HoldReveal(TRevealSource source, bool held);
// True while a source holds the reveal and the markers comfort is on.
bool RevealShown();
// Every source lets go (a new session of the harness or a test).
void ReleaseReveal();

// Both switches back on and no reveal held: a fresh start (ResetGame).
void ResetComforts();
