// random.h: the game's one pseudo-random generator.
//
// Seeded once (from the clock in the game, from a script's seed in the play
// harness) and used for every random choice: code dial, glass pattern, card
// faces, enemy positions, particles. A 32-bit linear congruential generator,
// so a seed replays a whole game exactly.
#pragma once
#include <cstdint>

void Randomize(uint32_t seed);
uint32_t RandomSeed();
// A uniform integer 0 .. n-1 (0 when n <= 0).
int32_t Random(int32_t n);
