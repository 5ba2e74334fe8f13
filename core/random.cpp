// random.cpp: the linear congruential generator behind Random.
#include "core/random.h"

namespace {
uint32_t g_seed = 0;
}

void Randomize(uint32_t seed) { g_seed = seed; }
uint32_t RandomSeed() { return g_seed; }

int32_t Random(int32_t n) {
    g_seed = g_seed * 0x08088405u + 1u;
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(g_seed) * static_cast<uint32_t>(n)) >> 32);
}
