// stone_mechanism.h: the nine stone buttons in the cemetery and the glass pattern they must copy.
//
// A puzzle runs at dispatch, like any rule: the chapter file routes a click
// on its hotspot here whatever is carried, and the puzzle decides what the
// carried item means. It changes GameState, may play a sample at once and
// queues steps.
#pragma once
#include <cstdint>

// Stone mechanism in the cemetery (Spot::Stone1..Stone9 → k 0..8), and the
// glass pattern drawn when the local sees the diagram.
void PushStone(int k);
bool StonesMatchPattern();
void MakeGlassPattern();
