// bunker_household.h: the three companions, the water valve and the shower in the bunker.
//
// A puzzle runs at dispatch, like any rule: the chapter file routes a click
// on its hotspot here whatever is carried, and the puzzle decides what the
// carried item means. It changes GameState, may play a sample at once and
// queues steps.
#pragma once
#include <cstdint>

// Bunker household: the three companions (Spot::Gamer, Scout, Patient), the
// water valve and the shower.
void ClickCompanion(int32_t hotspotId);
void ClickValve();
void ClickShower();
