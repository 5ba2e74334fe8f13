// card_riddle.h: the local's card riddle in the pub.
//
// A puzzle runs at dispatch, like any rule: the chapter file routes a click
// on its hotspot here whatever is carried, and the puzzle decides what the
// carried item means. It changes GameState, may play a sample at once and
// queues steps.
#pragma once
#include <cstdint>

// Card riddle in the pub: Spot::Cards deals the table, Card1..Card4 turn the
// cards, GiveUp gives up.
void ClickCards();
void CycleCard(int card);
void GiveUpCards();
