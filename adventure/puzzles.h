// puzzles.h: the hand-over from the scene rules to the puzzles.
//
// The chapter files route a click on a puzzle's hotspot here whatever is
// carried; each puzzle decides for itself what the carried item means (most
// act only with an empty cursor). Every function runs at dispatch, like any
// rule: it changes GameState, may play a sample at once and queues steps.
// Each puzzle lives in a file of its own.
#pragma once
#include <cstdint>

// Block holes in the ruin (Spot::Hole1..Hole4): hole 1..4 counted from the
// left, orderIndex its place in the solving order (hole 1→0, 2→3, 3→1, 4→2).
void UseBlockHole(int orderIndex, int hole);

// Picture tiles on the tablet (Spot::Tile1..Tile9).
void TurnTile(int32_t hotspotId);

// Card riddle in the pub: Spot::Cards deals the table, Card1..Card4 turn the
// cards, GiveUp gives up.
void ClickCards();
void CycleCard(int card);
void GiveUpCards();

// Stone mechanism in the cemetery (Spot::Stone1..Stone9 → k 0..8), and the
// glass pattern drawn when the local sees the diagram.
void PushStone(int k);
bool StonesMatchPattern();
void MakeGlassPattern();

// Code dial at the bunker gate (Spot::DialButton1..DialButton9 and the
// confirming Spot::Fuse).
void PressDial(int32_t hotspotId);

// Bunker household: the three companions (Spot::Gamer, Scout, Patient), the
// water valve and the shower.
void ClickCompanion(int32_t hotspotId);
void ClickValve();
void ClickShower();
