// sound_effects.h: starting one of the eleven sound effects by number.
//
// Samples 1..11 are loaded into the window's sample handles at start-up (sample
// numbers as the steps and rules pass them around). PlaySample is
// fire-and-forget: a fresh channel of the sample, frequency unchanged, volume
// argument 255, centre pan, played from the start. Nothing happens with
// sounds off, for 0 (no sound), for numbers above 11, or without a window.
#pragma once
#include <cstdint>

void PlaySample(uint8_t i);

// How many times PlaySample was asked for a sample 1..11 so far, sounds on or
// off (the comforts' reply watch compares it before and after a click).
uint32_t SamplesStarted();
