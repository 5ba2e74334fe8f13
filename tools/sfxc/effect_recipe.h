// effect_recipe.h: a sound effect described as layers of simple sounds.
//
// A recipe is a text file of lines (a '#' starts a comment):
//   length <seconds>        total length of the effect (required, 0 < length <= 10)
//   peak <0..1>             the loudest sample is scaled to this (default 0.7)
//   seed <integer>          start of the random numbers (default 1)
//   <shape> key=value ...   one layer; shapes: sine triangle square saw noise pings grains
// Keys of a layer (all optional but freq for the tones):
//   at dur gain attack decay release lowpass highpass trem depth
//   freq to                (tones: start and end frequency, exponential glide)
//   count span len fmin fmax   (pings: short sine pings; grains: noise bursts)
// Rendering is deterministic: the same recipe gives the same samples.
#pragma once
#include <map>
#include <string>
#include <vector>

struct EffectLayer {
    std::string shape;
    std::map<std::string, double> keys;
    double Get(const std::string& key, double fallback) const;
};

struct EffectRecipe {
    double length = 0;
    double peak = 0.7;
    unsigned seed = 1;
    std::vector<EffectLayer> layers;
};

// Parses recipe text; false with "line N: ..." in error on any unknown word,
// bad number or missing length.
bool ParseEffectRecipe(const std::string& text, EffectRecipe& recipe, std::string& error);

// Renders the recipe at `rate` samples a second, normalised to its peak.
std::vector<float> RenderEffect(const EffectRecipe& recipe, unsigned rate);
