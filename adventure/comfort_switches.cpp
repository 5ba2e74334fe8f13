// comfort_switches.cpp: the comforts' switches and the reveal's holders.
#include "adventure/comfort_switches.h"

namespace {
TComfortSwitches switches;
uint8_t revealHolders = 0;
}  // namespace

TComfortSwitches& Comforts() { return switches; }

void HoldReveal(TRevealSource source, bool held) {
    if (held) revealHolders |= source;
    else revealHolders &= static_cast<uint8_t>(~source);
}

bool RevealShown() { return switches.markers && revealHolders != 0; }

void ReleaseReveal() { revealHolders = 0; }

void ResetComforts() {
    switches = TComfortSwitches{};
    revealHolders = 0;
}
