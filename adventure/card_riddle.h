// card_riddle.h: the local's card riddle in the pub.
//
// A puzzle runs at dispatch, like any rule: the chapter file routes a click
// on its hotspot here whatever is carried, and the puzzle decides what the
// carried item means. It changes GameState, may play a sample at once and
// queues steps.
#pragma once
#include <cstdint>

// Card riddle in the pub: Cards (hotspot 120, deals the table), the four
// cards (115..118) and Give up (119).
void ClickCards();
void CycleCard(int card);
void GiveUpCards();
