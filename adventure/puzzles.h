// puzzles.h: the hand-over from the scene rules to the puzzles.
//
// The chapter files route a click on a puzzle's hotspot here whatever is
// carried; each puzzle decides for itself what the carried item means (most
// act only with an empty cursor). Every function runs at dispatch, like any
// rule: it changes GameState, may play a sample at once and queues steps.
// Each puzzle lives in a file of its own.
#pragma once
#include <cstdint>

// Block holes in the ruin (hotspots 48..51): hole 1..4 counted from the left,
// orderIndex its place in the solving order (48→0, 49→3, 50→1, 51→2).
void UseBlockHole(int orderIndex, int hole);

// Picture tiles on the tablet (hotspots 72..80).
void TurnTile(int32_t hotspotId);

// Card riddle in the pub: Cards (hotspot 120, deals the table), the four
// cards (115..118) and Give up (119).
void ClickCards();
void CycleCard(int card);
void GiveUpCards();

// Stone mechanism in the cemetery (hotspots 125..133 → k 0..8), and the
// glass pattern drawn when the local sees the diagram.
void PushStone(int k);
bool StonesMatchPattern();
void MakeGlassPattern();

// Code dial at the bunker gate (buttons 140..148 and the confirm button 181).
void PressDial(int32_t hotspotId);

// Bunker household: the three companions (162..164), the water valve (168)
// and the shower (169).
void ClickCompanion(int32_t hotspotId);
void ClickValve();
void ClickShower();
