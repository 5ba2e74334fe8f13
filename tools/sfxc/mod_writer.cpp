// mod_writer.cpp: synthesising the instruments and writing the module.
#include "tools/sfxc/mod_writer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double kPi = std::numbers::pi;
constexpr int kPeriods[36] = {856, 808, 762, 720, 678, 640, 604, 570, 538, 508, 480, 453,
                              428, 404, 381, 360, 339, 320, 302, 285, 269, 254, 240, 226,
                              214, 202, 190, 180, 170, 160, 151, 143, 135, 127, 120, 113};

double Hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// Decaying partials: ratio to the fundamental, level, decay time in seconds.
struct Partial {
    double ratio, level, decay;
};

std::vector<float> Decaying(double f0, double seconds, const std::vector<Partial>& partials, double attack) {
    std::vector<float> out(static_cast<size_t>(seconds * kModRootRate) & ~size_t{1});
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = i / kModRootRate;
        double v = 0;
        for (const Partial& p : partials)
            if (p.ratio * f0 < kModRootRate / 2)
                v += p.level * std::exp(-t / p.decay) * std::sin(2 * kPi * p.ratio * f0 * t);
        const double fadeOut = std::min(1.0, (seconds - t) / 0.05);
        out[i] = static_cast<float>(v * std::min(1.0, t / attack) * fadeOut);
    }
    return out;
}

// A held chord that repeats exactly every `loop` samples: every tone is a whole
// number of cycles per loop, and each has a quieter twin one cycle more per
// loop, which gives a slow, gentle shimmer (one to two beats a second).
std::vector<float> Pad(double f0, bool minor, double seconds, size_t& loopStart, size_t& loop) {
    const std::vector<int> ratios = minor ? std::vector<int>{10, 12, 15} : std::vector<int>{4, 5, 6};
    const double basePeriod = kModRootRate / (f0 / ratios[0]);  // samples per chord period
    int best = 1;
    double bestError = 1;
    for (int k = 1; k * basePeriod < 8000; ++k) {
        const double exact = k * basePeriod, error = std::fabs(exact - 2 * std::round(exact / 2)) / exact;
        if (exact >= 4000 && error < bestError) best = k, bestError = error;
    }
    loop = static_cast<size_t>(2 * std::round(best * basePeriod / 2));
    loopStart = static_cast<size_t>(seconds * kModRootRate) & ~size_t{1};
    std::vector<float> out(loopStart + loop);
    for (size_t i = 0; i < out.size(); ++i) {
        const double phase = static_cast<double>(i % loop) / loop;  // 0..1 across the loop
        double v = 0;
        for (int r : ratios)
            for (int twin = 0; twin < 2; ++twin) {
                const double cycles = r * best + twin, level = twin ? 0.4 : 1.0;
                v += level * (std::sin(2 * kPi * cycles * phase) + 0.25 * std::sin(4 * kPi * cycles * phase));
            }
        const double rise = std::min(1.0, static_cast<double>(i) / loopStart);
        out[i] = static_cast<float>(v * (0.5 - 0.5 * std::cos(kPi * rise)));
    }
    return out;
}

std::vector<int8_t> To8Bit(const std::vector<float>& s) {
    float loudest = 1e-9f;
    for (float x : s) loudest = std::max(loudest, std::fabs(x));
    std::vector<int8_t> out(s.size());
    for (size_t i = 0; i < s.size(); ++i) out[i] = static_cast<int8_t>(std::lround(s[i] / loudest * 120));
    return out;
}

void Put16(std::vector<uint8_t>& b, size_t v) {
    b.push_back(static_cast<uint8_t>(v >> 8));
    b.push_back(static_cast<uint8_t>(v));
}

void PutText(std::vector<uint8_t>& b, const std::string& s, size_t n) {
    for (size_t i = 0; i < n; ++i) b.push_back(i < s.size() ? static_cast<uint8_t>(s[i]) : 0);
}

// Speed and tempo go into free effect slots of the first row played; each
// channel's place (effect E8x) into its first free slot of the first pattern played.
bool PlaceSettings(const Score& score, std::vector<ScorePattern>& patterns, std::string& error) {
    auto& rows = patterns[score.order[0]].rows;
    const auto isFree = [](const ScoreCell& c) { return c.effect == 0 && c.param == 0; };
    int placed = 0;
    for (ScoreCell& cell : rows[0])
        if (placed < 2 && isFree(cell)) cell.effect = 0xF, cell.param = placed++ ? score.tempo : score.speed;
    if (placed < 2) return error = "the first row played needs two channels without effects", false;
    for (size_t c = 0; c < score.pan.size(); ++c) {
        auto row = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return isFree(r[c]); });
        if (row == rows.end()) return error = "no room for the place of channel " + std::to_string(c + 1), false;
        // E8x (x 0..15) is read alike by the players; 8xx is not.
        (*row)[c].effect = 0xE, (*row)[c].param = 0x80 | std::min(15, (score.pan[c] + 8) / 16);
    }
    return true;
}
}  // namespace

ModSample SynthesiseInstrument(const ScoreInstrument& ins) {
    const double f0 = Hz(ins.root);
    ModSample s;
    std::vector<float> wave;
    if (ins.kind == "bell")
        wave = Decaying(f0, ins.length ? ins.length : 1.6,
                        {{1, 1, 1.1}, {2, 0.3, 0.5}, {3, 0.1, 0.3}, {4.16, 0.12, 0.18}, {5.43, 0.05, 0.1}}, 0.004);
    else if (ins.kind == "pluck")
        wave = Decaying(f0, ins.length ? ins.length : 1.2,
                        {{1, 1, 0.7}, {2, 0.4, 0.4}, {3, 0.2, 0.25}, {4, 0.1, 0.15}, {5, 0.05, 0.1}}, 0.003);
    else if (ins.kind == "bass")
        wave = Decaying(f0, ins.length ? ins.length : 2.2, {{1, 1, 1.4}, {2, 0.25, 0.5}, {3, 0.05, 0.3}}, 0.012);
    else
        wave = Pad(f0, ins.chord == "min", ins.length ? ins.length : 0.8, s.loopStart, s.loopLength);
    s.data = To8Bit(wave);
    if (s.loopLength == 0 && s.data.size() >= 2) s.data[0] = s.data[1] = 0;
    return s;
}

bool BuildModule(const Score& score, std::vector<uint8_t>& b, std::string& error) {
    std::vector<ScorePattern> patterns = score.patterns;
    if (!PlaceSettings(score, patterns, error)) return false;
    std::vector<ModSample> samples;
    for (const ScoreInstrument& ins : score.instruments) samples.push_back(SynthesiseInstrument(ins));
    PutText(b, score.title, 20);
    for (size_t i = 0; i < 31; ++i) {
        const ModSample* s = i < samples.size() ? &samples[i] : nullptr;
        PutText(b, s ? score.instruments[i].name : "", 22);
        if (s && s->data.size() > 131070) return error = score.instruments[i].name + " is too long", false;
        Put16(b, s ? s->data.size() / 2 : 0);
        b.push_back(0);  // finetune
        b.push_back(s ? static_cast<uint8_t>(score.instruments[i].volume) : 0);
        Put16(b, s ? s->loopStart / 2 : 0);
        Put16(b, s && s->loopLength ? s->loopLength / 2 : 1);
    }
    b.push_back(static_cast<uint8_t>(score.order.size()));
    b.push_back(127);
    for (size_t i = 0; i < 128; ++i) b.push_back(i < score.order.size() ? static_cast<uint8_t>(score.order[i]) : 0);
    PutText(b, "M.K.", 4);
    for (const ScorePattern& p : patterns)
        for (const auto& row : p.rows)
            for (const ScoreCell& c : row) {
                const int period = c.note >= 0 ? kPeriods[c.note] : 0;
                b.push_back(static_cast<uint8_t>((c.instrument & 0xF0) | (period >> 8)));
                b.push_back(static_cast<uint8_t>(period & 0xFF));
                b.push_back(static_cast<uint8_t>(((c.instrument & 0x0F) << 4) | c.effect));
                b.push_back(static_cast<uint8_t>(c.param));
            }
    for (const ModSample& s : samples)
        for (int8_t v : s.data) b.push_back(static_cast<uint8_t>(v));
    return true;
}
