// mod_writer.h: the score as a four-channel ProTracker module ("M.K.").
//
// Each instrument becomes an 8-bit sample synthesised for its kind (bell,
// pluck and bass decay once; pad holds a chord in a seamless loop); the
// patterns and the order list are stored as they are. Speed and tempo are set
// by effects in the first row played, the channels' places by effects early in
// the first pattern played.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/sfxc/module_score.h"

// The rate a sample plays at on tracker note C-2 (PAL period 428).
inline constexpr double kModRootRate = 3546895.0 / 428.0;

struct ModSample {
    std::vector<int8_t> data;
    size_t loopStart = 0, loopLength = 0;  // loopLength 0 = plays once
};

ModSample SynthesiseInstrument(const ScoreInstrument& instrument);

// The module file's bytes; false with a message when the first row has no
// room for the speed and tempo effects.
bool BuildModule(const Score& score, std::vector<uint8_t>& bytes, std::string& error);
