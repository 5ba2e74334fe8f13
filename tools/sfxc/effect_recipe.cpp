// effect_recipe.cpp: parsing and rendering sound-effect recipes.
#include "tools/sfxc/effect_recipe.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <set>
#include <sstream>

#include "tools/sfxc/synth_util.h"

namespace {
const std::set<std::string> kShapes = {"sine", "triangle", "square", "saw", "noise", "pings", "grains"};
const std::set<std::string> kKeys = {"at", "dur", "gain", "attack", "decay", "release", "lowpass",
                                     "highpass", "trem", "depth", "freq", "to", "count", "span",
                                     "len", "fmin", "fmax"};

bool ParseLayer(std::istringstream& words, EffectLayer& layer, std::string& error) {
    std::string word;
    while (words >> word) {
        const size_t eq = word.find('=');
        if (eq == std::string::npos) return error = "expected key=value, got '" + word + "'", false;
        const std::string key = word.substr(0, eq);
        if (!kKeys.count(key)) return error = "unknown key '" + key + "'", false;
        if (!ParseNumber(word.substr(eq + 1), layer.keys[key]))
            return error = "bad number in '" + word + "'", false;
    }
    if (layer.shape != "noise" && layer.shape != "pings" && layer.shape != "grains" &&
        !layer.keys.count("freq"))
        return error = layer.shape + " needs freq=", false;
    return true;
}

bool ParseLine(const std::string& line, EffectRecipe& r, std::string& error) {
    std::istringstream words(line.substr(0, line.find('#')));
    std::string head, value;
    if (!(words >> head)) return true;
    double number = 0;
    if (head == "length" || head == "peak" || head == "seed") {
        if (!(words >> value) || !ParseNumber(value, number)) return error = head + " needs a number", false;
        if (head == "length") r.length = number;
        if (head == "peak") r.peak = std::clamp(number, 0.0, 1.0);
        if (head == "seed") r.seed = static_cast<unsigned>(number);
        return true;
    }
    if (!kShapes.count(head)) return error = "unknown word '" + head + "'", false;
    EffectLayer layer;
    layer.shape = head;
    if (!ParseLayer(words, layer, error)) return false;
    r.layers.push_back(std::move(layer));
    return true;
}

// A tone or noise layer of `n` samples, before its envelope and filters.
std::vector<float> Source(const EffectLayer& l, size_t n, unsigned rate, Random& rnd) {
    std::vector<float> out(n);
    const double f0 = l.Get("freq", 440), f1 = l.Get("to", f0);
    double phase = 0;
    for (size_t i = 0; i < n; ++i) {
        if (l.shape == "noise") {
            out[i] = static_cast<float>(rnd.Uniform(-1, 1));
            continue;
        }
        const double f = f0 * std::pow(f1 / f0, static_cast<double>(i) / std::max<size_t>(n, 1));
        out[i] = static_cast<float>(Wave(l.shape, phase));
        phase = std::fmod(phase + f / rate, 1.0);
    }
    return out;
}

// Scattered events: short decaying sine pings or short noise bursts.
std::vector<float> Scatter(const EffectLayer& l, size_t n, unsigned rate, Random& rnd) {
    std::vector<float> out(n);
    const int count = static_cast<int>(l.Get("count", 10));
    const double span = l.Get("span", 0.3), len = l.Get("len", 0.02), decay = l.Get("decay", 0.03);
    for (int k = 0; k < count; ++k) {
        const size_t start = static_cast<size_t>(rnd.Uniform(0, span) * rate);
        const double freq = rnd.Uniform(l.Get("fmin", 2000), l.Get("fmax", 6000));
        const double amp = rnd.Uniform(0.3, 1.0);
        const size_t events = static_cast<size_t>((l.shape == "pings" ? 6 * decay : len) * rate);
        for (size_t i = 0; i < events && start + i < n; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double v = l.shape == "pings"
                                 ? std::sin(2 * std::numbers::pi * freq * t) * std::exp(-t / decay)
                                 : rnd.Uniform(-1, 1) * std::sin(std::numbers::pi * t / len);
            out[start + i] += static_cast<float>(amp * v);
        }
    }
    return out;
}

void ApplyEnvelope(const EffectLayer& l, std::vector<float>& s, unsigned rate) {
    const double attack = l.Get("attack", 0.002), decay = l.Get("decay", 0);
    const double release = l.Get("release", 0.005), trem = l.Get("trem", 0), depth = l.Get("depth", 0.5);
    const double dur = static_cast<double>(s.size()) / rate;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / rate;
        double g = std::min(1.0, t / std::max(attack, 1e-6)) * std::min(1.0, (dur - t) / std::max(release, 1e-6));
        if (decay > 0) g *= std::exp(-t / decay);
        if (trem > 0) g *= 1 - depth * 0.5 * (1 - std::cos(2 * std::numbers::pi * trem * t));
        s[i] *= static_cast<float>(g * l.Get("gain", 1));
    }
}
}  // namespace

double EffectLayer::Get(const std::string& key, double fallback) const {
    auto it = keys.find(key);
    return it == keys.end() ? fallback : it->second;
}

bool ParseEffectRecipe(const std::string& text, EffectRecipe& recipe, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!ParseLine(line, recipe, error)) return error = "line " + std::to_string(number) + ": " + error, false;
    }
    if (!(recipe.length > 0 && recipe.length <= 10)) return error = "length must be above 0 and at most 10", false;
    if (recipe.layers.empty()) return error = "no layers", false;
    return true;
}

std::vector<float> RenderEffect(const EffectRecipe& recipe, unsigned rate) {
    const size_t total = static_cast<size_t>(recipe.length * rate);
    std::vector<float> mix(total);
    Random rnd(recipe.seed);
    for (const EffectLayer& l : recipe.layers) {
        const size_t start = std::min(total, static_cast<size_t>(l.Get("at", 0) * rate));
        const size_t n = std::min(total - start, static_cast<size_t>(l.Get("dur", recipe.length) * rate));
        const bool scattered = l.shape == "pings" || l.shape == "grains";
        std::vector<float> s = scattered ? Scatter(l, n, rate, rnd) : Source(l, n, rate, rnd);
        if (l.keys.count("lowpass")) LowPass(s, l.Get("lowpass", 0), rate);
        if (l.keys.count("highpass")) HighPass(s, l.Get("highpass", 0), rate);
        ApplyEnvelope(l, s, rate);
        for (size_t i = 0; i < n; ++i) mix[start + i] += s[i];
    }
    FadeEdges(mix, rate);
    Normalise(mix, static_cast<float>(recipe.peak));
    return mix;
}
