// block_holes.h: the four holes of the stone tablet in the castle ruin.
//
// A puzzle runs at dispatch, like any rule: the chapter file routes a click
// on its hotspot here whatever is carried, and the puzzle decides what the
// carried item means. It changes GameState, may play a sample at once and
// queues steps.
#pragma once
#include <cstdint>

// Block holes in the ruin (Spot::Hole1..Hole4): hole 1..4 counted from the
// left, orderIndex its place in the solving order (hole 1→0, 2→3, 3→1, 4→2).
void UseBlockHole(int orderIndex, int hole);
