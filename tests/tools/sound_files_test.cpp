// sound_files_test.cpp: the sound tool and the twelve files it makes.
//
// The effects in the build's gamedata/ are read back as WAV files; the music
// is checked as a module file and through its score. (That SDL_mixer plays
// the module for over a minute is tested with the sound library, on the disk
// audio driver.)
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "tools/sfxc/effect_recipe.h"
#include "tools/sfxc/mod_writer.h"
#include "tools/sfxc/module_score.h"
#include "tools/sfxc/wav_file.h"

namespace {
const std::string kGameData = std::string(VK3_BINARY_DIR) + "/gamedata/";
const std::string kSources = std::string(VK3_SOURCE_DIR) + "/assets/sounds/";

std::string ReadText(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream all;
    all << f.rdbuf();
    return all.str();
}

TEST(SoundFilesTest, EveryEffectIsAShortAudibleUnclippedWavAt44100) {
    for (const char* name : {"pre", "zac", "kli", "cin", "kam", "skl", "pap", "kla", "vyb", "dve", "zvo"}) {
        SCOPED_TRACE(name);
        WavSound wav;
        std::string error;
        ASSERT_TRUE(ReadWav(kGameData + name + ".qzd", wav, error)) << error;
        EXPECT_EQ(wav.rate, 44100u);
        const double seconds = static_cast<double>(wav.samples.size()) / wav.rate;
        EXPECT_GT(seconds, 0.03);
        EXPECT_LT(seconds, 2.0);
        double sum = 0;
        float peak = 0;
        for (float s : wav.samples) sum += s * s, peak = std::max(peak, std::fabs(s));
        EXPECT_GT(std::sqrt(sum / wav.samples.size()), 0.02) << "too quiet to hear";
        EXPECT_GT(peak, 0.3f);
        EXPECT_LT(peak, 0.99f) << "clipped";
        EXPECT_LT(std::fabs(wav.samples.front()) + std::fabs(wav.samples.back()), 0.01f) << "starts or ends with a click";
    }
}

TEST(SoundFilesTest, TheMusicIsAFourChannelModuleOfOneToThreeMinutes) {
    std::ifstream f(kGameData + "bgm.qzd", std::ios::binary);
    const std::vector<uint8_t> b{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    ASSERT_GT(b.size(), 1084u);
    EXPECT_EQ(std::string(b.begin() + 1080, b.begin() + 1084), "M.K.");
    Score score;
    std::string error;
    ASSERT_TRUE(ParseScore(ReadText(kSources + "bgm.score"), score, error)) << error;
    EXPECT_EQ(b[950], score.order.size());
    EXPECT_GE(ScoreSeconds(score), 60.0);
    EXPECT_LE(ScoreSeconds(score), 180.0);
    size_t sampleBytes = 0;  // the file holds exactly the header, patterns and samples
    for (int i = 0; i < 31; ++i) sampleBytes += 2u * (b[20 + 30 * i + 22] << 8 | b[20 + 30 * i + 23]);
    EXPECT_EQ(b.size(), 1084 + score.patterns.size() * 1024 + sampleBytes);
}

TEST(SoundFilesTest, SpeedTempoAndChannelPlacesGoIntoTheFirstFreeEffectSlots) {
    const std::string text =
        "speed 5\ntempo 90\npan 0 255 128 64\ninstrument b kind=bass root=C2 volume=30\n"
        "pattern a\n1: b C3:32@20 C3:32\n2: b C3:64\n3: b C3:64\n4: .:64\norder a\n";
    Score score;
    std::vector<uint8_t> b;
    std::string error;
    ASSERT_TRUE(ParseScore(text, score, error)) << error;
    ASSERT_TRUE(BuildModule(score, b, error)) << error;
    const auto effect = [&](int row, int channel) {
        const size_t at = 1084 + (row * 4 + channel) * 4;
        return (b[at + 2] & 0x0F) << 8 | b[at + 3];
    };
    EXPECT_EQ(effect(0, 0), 0xC14);  // the note's own volume stays
    EXPECT_EQ(effect(0, 1), 0xF05);  // speed
    EXPECT_EQ(effect(0, 2), 0xF5A);  // tempo
    EXPECT_EQ(effect(0, 3), 0xE84);  // channel 4 at 64
    EXPECT_EQ(effect(1, 0), 0xE80);  // channel 1 at the left
    EXPECT_EQ(effect(1, 1), 0xE8F);  // channel 2 at the right
    EXPECT_EQ(effect(1, 2), 0xE88);  // channel 3 in the middle
    EXPECT_EQ(b[1084 + 4 * 4 * 64 - 1], 0) << "no effect beyond";
    // A first row without room for the timing is refused.
    ASSERT_TRUE(ParseScore("instrument b kind=bass root=C2\npattern a\n1: b C3:64@9\n2: b C3:64@9\n"
                           "3: b C3:64@9\n4: -:64\norder a\n", score = {}, error));
    EXPECT_FALSE(BuildModule(score, b, error));
}

TEST(SoundFilesTest, AHeldChordLoopsWithoutAJump) {
    for (const char* chord : {"maj", "min"}) {
        const ModSample s = SynthesiseInstrument(ScoreInstrument{"pad", "pad", chord, 57, 20, 0});
        ASSERT_GT(s.loopLength, 1000u);
        ASSERT_EQ(s.loopStart % 2, 0u);
        ASSERT_EQ(s.loopLength % 2, 0u);
        ASSERT_EQ(s.data.size(), s.loopStart + s.loopLength);
        // Where the loop jumps back, the wave goes on as it would have.
        const int atEnd = s.data[s.loopStart + s.loopLength - 1], beforeStart = s.data[s.loopStart - 1];
        EXPECT_LE(std::abs(atEnd - beforeStart), 3) << chord;
    }
}

TEST(SoundFilesTest, ScoreMistakesAreReportedWithTheirLine) {
    const std::string head = "instrument bell kind=bell root=C4 volume=40\npattern a\n";
    const struct {
        std::string body, says;
    } cases[] = {
        {"1: bell A4:60\norder a\n", "line 3: channel fills 60 rows, not 64"},
        {"1: bell A1:64\norder a\n", "line 3: A1 is outside"},
        {"1: harp A4:64\norder a\n", "line 3: unknown instrument 'harp'"},
        {"1: bell [A4 C5:32\norder a\n", "line 3: "},
        {"1: bell A4:64\norder b\n", "line 4: unknown pattern 'b'"},
        {"5: bell A4:64\norder a\n", "line 3: bad channel"},
    };
    for (const auto& c : cases) {
        Score score;
        std::string error;
        EXPECT_FALSE(ParseScore(head + c.body, score, error)) << c.body;
        EXPECT_NE(error.find(c.says), std::string::npos) << error;
    }
    Score score;
    std::string error;
    ASSERT_TRUE(ParseScore(head + "1: bell C#5:32 -:16 >:16 # a comment\norder a a\n", score, error)) << error;
    EXPECT_EQ(score.patterns[0].rows[0][0].note, 13);  // C#5 on a C4 bell: C#-2
    EXPECT_EQ(score.patterns[0].rows[32][0].effect, 0xC);
    EXPECT_EQ(score.patterns[0].rows[63][0].effect, 0xA);
}

TEST(SoundFilesTest, RecipeMistakesAreReportedAndAGoodRecipeRendersItsLength) {
    EffectRecipe recipe;
    std::string error;
    EXPECT_FALSE(ParseEffectRecipe("length 0.5\nsine freq=440 colour=3\n", recipe, error));
    EXPECT_NE(error.find("line 2: unknown key 'colour'"), std::string::npos) << error;
    EXPECT_FALSE(ParseEffectRecipe("sine freq=440\n", recipe = {}, error));
    EXPECT_NE(error.find("length"), std::string::npos) << error;
    EXPECT_FALSE(ParseEffectRecipe("length 0.5\nsine gain=1\n", recipe = {}, error));
    EXPECT_FALSE(ParseEffectRecipe("length 0.5\nsine freq=4x0\n", recipe = {}, error));
    ASSERT_TRUE(ParseEffectRecipe("length 0.5\npeak 0.5\nsine freq=440 at=0.1 dur=0.2\n", recipe = {}, error)) << error;
    const std::vector<float> s = RenderEffect(recipe, 44100);
    ASSERT_EQ(s.size(), 22050u);
    float before = 0, during = 0;
    for (size_t i = 0; i < 4000; ++i) before = std::max(before, std::fabs(s[i]));
    for (size_t i = 4410; i < 13230; ++i) during = std::max(during, std::fabs(s[i]));
    EXPECT_EQ(before, 0.0f);
    EXPECT_NEAR(during, 0.5f, 0.001f);
}
}  // namespace
