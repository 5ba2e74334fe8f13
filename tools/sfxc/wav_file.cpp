// wav_file.cpp: writing and reading 16-bit PCM WAV files.
#include "tools/sfxc/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {
void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

uint32_t Get(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}
}  // namespace

bool WriteWav(const std::string& path, const std::vector<float>& samples, uint32_t rate,
              std::string& error) {
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);  // PCM
    Put16(out, 1);  // mono
    Put32(out, rate);
    Put32(out, rate * 2);
    Put16(out, 2);
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (float s : samples) {
        long v = std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f);
        Put16(out, static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool ReadWav(const std::string& path, WavSound& sound, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    std::vector<uint8_t> b((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (!file.eof() && !file) return error = "cannot read " + path, false;
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4))
        return error = path + ": not a RIFF WAVE file", false;
    bool haveFormat = false;
    uint16_t bits = 0;
    for (size_t at = 12; at + 8 <= b.size();) {
        const uint32_t size = Get(b, at + 4, 4);
        const size_t body = at + 8;
        if (size > b.size() - body) return error = path + ": chunk runs past the end", false;
        if (!std::memcmp(b.data() + at, "fmt ", 4) && size >= 16) {
            haveFormat = Get(b, body, 2) == 1;
            sound.channels = static_cast<uint16_t>(Get(b, body + 2, 2));
            sound.rate = Get(b, body + 4, 4);
            bits = static_cast<uint16_t>(Get(b, body + 14, 2));
        } else if (!std::memcmp(b.data() + at, "data", 4)) {
            if (!haveFormat || bits != 16 || sound.channels < 1 || sound.channels > 2)
                return error = path + ": not 16-bit PCM of one or two channels", false;
            const size_t frame = 2u * sound.channels;
            sound.samples.clear();
            for (size_t i = body; i + frame <= body + size; i += frame)
                sound.samples.push_back(static_cast<int16_t>(Get(b, i, 2)) / 32768.0f);
            return true;
        }
        at = body + size + (size & 1);
    }
    return error = path + ": no sound data", false;
}
