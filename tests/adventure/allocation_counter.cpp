// allocation_counter.cpp: the test binary's operator new, counting while asked.
#include "tests/adventure/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
std::atomic<bool> g_counting{false};
}  // namespace

void StartCountingAllocations() {
    g_allocations = 0;
    g_counting = true;
}

long StopCountingAllocations() {
    g_counting = false;
    return g_allocations;
}

void* operator new(std::size_t n) {
    if (g_counting) ++g_allocations;
    if (void* p = std::malloc(n != 0 ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
