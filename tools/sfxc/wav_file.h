// wav_file.h: 16-bit PCM WAV files for the sound tool and its tests.
//
// WriteWav stores mono samples (-1..1, clipped) as 16-bit little-endian PCM.
// ReadWav accepts 16-bit PCM of one or two channels and gives the samples of
// the first channel; anything else, or a short file, is refused with a message.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct WavSound {
    uint32_t rate = 0;
    uint16_t channels = 0;
    std::vector<float> samples;  // first channel, -1..1
};

bool WriteWav(const std::string& path, const std::vector<float>& samples, uint32_t rate,
              std::string& error);
bool ReadWav(const std::string& path, WavSound& sound, std::string& error);
