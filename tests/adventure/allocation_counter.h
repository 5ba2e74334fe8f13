// allocation_counter.h: counts the memory allocations of the adventure test
// binary (its operator new is replaced in allocation_counter.cpp).
#pragma once

// Starts counting from zero; StopCountingAllocations returns how many
// allocations happened since.
void StartCountingAllocations();
long StopCountingAllocations();
