// synth_util.h: small building blocks shared by the effect and music synthesis.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// A small deterministic generator (xorshift), so the files come out the same
// on every machine.
class Random {
public:
    explicit Random(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    double Uniform(double lo, double hi);

private:
    uint32_t state_;
};

// One period of a basic wave at phase 0..1: sine, triangle, square or saw.
double Wave(const std::string& shape, double phase);
// Two one-pole stages (12 dB per octave) in place.
void LowPass(std::vector<float>& s, double cutoff, unsigned rate);
void HighPass(std::vector<float>& s, double cutoff, unsigned rate);
// Scales so that the loudest sample has magnitude `peak` (silence stays silence).
void Normalise(std::vector<float>& s, float peak);
// 2 ms fades at both ends, so no effect starts or stops with a click.
void FadeEdges(std::vector<float>& s, unsigned rate);
// A decimal number, the whole word; false for anything else.
bool ParseNumber(const std::string& word, double& value);
