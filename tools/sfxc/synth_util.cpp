// synth_util.cpp: waves, filters and levels for the sound tool.
#include "tools/sfxc/synth_util.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

double Random::Uniform(double lo, double hi) {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return lo + (hi - lo) * (state_ / 4294967296.0);
}

double Wave(const std::string& shape, double phase) {
    if (shape == "triangle") return phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase;
    if (shape == "square") return phase < 0.5 ? 1 : -1;
    if (shape == "saw") return 2 * phase - 1;
    return std::sin(2 * std::numbers::pi * phase);
}

namespace {
void OnePole(std::vector<float>& s, double cutoff, unsigned rate, bool high) {
    const double a = 1 - std::exp(-2 * std::numbers::pi * std::max(cutoff, 1.0) / rate);
    double y = 0;
    for (float& x : s) {
        y += a * (x - y);
        x = static_cast<float>(high ? x - y : y);
    }
}
}  // namespace

void LowPass(std::vector<float>& s, double cutoff, unsigned rate) {
    OnePole(s, cutoff, rate, false);
    OnePole(s, cutoff, rate, false);
}

void HighPass(std::vector<float>& s, double cutoff, unsigned rate) {
    OnePole(s, cutoff, rate, true);
    OnePole(s, cutoff, rate, true);
}

void Normalise(std::vector<float>& s, float peak) {
    float loudest = 0;
    for (float x : s) loudest = std::max(loudest, std::fabs(x));
    if (loudest > 0)
        for (float& x : s) x *= peak / loudest;
}

void FadeEdges(std::vector<float>& s, unsigned rate) {
    const size_t n = std::min(s.size() / 2, static_cast<size_t>(rate / 500));
    for (size_t i = 0; i < n; ++i) {
        const float g = static_cast<float>(i) / n;
        s[i] *= g;
        s[s.size() - 1 - i] *= g;
    }
}

bool ParseNumber(const std::string& word, double& value) {
    if (word.empty()) return false;
    char* end = nullptr;
    value = std::strtod(word.c_str(), &end);
    return end == word.c_str() + word.size() && std::isfinite(value);
}
