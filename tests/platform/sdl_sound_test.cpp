// sdl_sound_test.cpp: the SDL_mixer sound library on SDL's disk audio driver.
//
// No sound card is involved: the disk driver writes the mixed output (44.1 kHz,
// 16-bit stereo) into a file, which each test reads back once the library is
// freed. Waits are counted in mixed output, not on the wall clock, because
// the disk driver may fall behind real time on a busy machine. The effects used here are written by the tests themselves (a sine, a
// constant level) so that what is heard can be predicted; the music and the
// game's own samples come from the build's gamedata/.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>

#include "adventure/sound_effects.h"
#include "core/game_state.h"
#include "core/null_platform.h"
#include "platform/sdl_sound_library.h"
#include "shell/sound.h"
#include "tools/sfxc/wav_file.h"
#include "shell/game_reset.h"
#include "shell/main_form.h"

namespace fs = std::filesystem;

namespace {
constexpr double kRate = 44100;

// The mixed output as read back: left channel, -1..1.
struct Output {
    std::vector<float> left;

    double Seconds() const { return left.size() / kRate; }
    float Peak(double from, double to) const {
        float peak = 0;
        for (size_t i = Index(from); i < Index(to); ++i) peak = std::max(peak, std::fabs(left[i]));
        return peak;
    }
    double Rms(double from, double to) const {
        double sum = 0;
        const size_t a = Index(from), b = Index(to);
        for (size_t i = a; i < b; ++i) sum += left[i] * left[i];
        return b > a ? std::sqrt(sum / (b - a)) : 0;
    }
    // Seconds of the first and last sample above the noise floor (-1 if none).
    double FirstSound() const { return Find(true); }
    double LastSound() const { return Find(false); }
    // The longest stretch of silence between the first and the last sound.
    double LongestGap() const {
        const size_t a = Index(FirstSound()), b = Index(LastSound());
        size_t run = 0, best = 0;
        for (size_t i = a; i < b; ++i) best = std::max(best, run = std::fabs(left[i]) < 1e-4f ? run + 1 : 0);
        return best / kRate;
    }

private:
    size_t Index(double t) const { return std::min(left.size(), static_cast<size_t>(std::max(0.0, t) * kRate)); }
    double Find(bool first) const {
        for (size_t k = 0; k < left.size(); ++k) {
            const size_t i = first ? k : left.size() - 1 - k;
            if (std::fabs(left[i]) >= 1e-4f) return i / kRate;
        }
        return -1;
    }
};

// Frames the mixer has produced so far; counted by a post-mix hook.
std::atomic<long> mixedFrames{0};
void CountMixed(void*, Uint8*, int bytes) { mixedFrames += bytes / 4; }

class SdlSoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("vk3-sound-" + std::to_string(getpid()));
        fs::create_directories(dir_ / "gamedata");
        rawFile_ = (dir_ / "output.raw").string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", rawFile_.c_str(), 1);
        unsetenv("SDL_DISKAUDIODELAY");  // real time, unless a test asks otherwise
        ResetGame();
    }
    void TearDown() override {
        sound_.Free();
        ForgetSoundStartUp();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    // Frees the library (which closes the output file) and reads the output.
    Output Finish() {
        sound_.Free();
        std::ifstream file(rawFile_, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        Output out;
        for (size_t i = 0; i + 4 <= bytes.size(); i += 4) {
            int16_t v;
            std::memcpy(&v, bytes.data() + i, 2);
            out.left.push_back(v / 32768.0f);
        }
        return out;
    }

    // A test effect of `seconds`: a 440 Hz sine of `level`, or a constant level.
    std::string WriteEffect(const std::string& name, double seconds, float level, bool constant) {
        std::vector<float> s(static_cast<size_t>(seconds * kRate));
        for (size_t i = 0; i < s.size(); ++i)
            s[i] = constant ? level : level * static_cast<float>(std::sin(2 * std::numbers::pi * 440 * i / kRate));
        std::string path = (dir_ / name).string(), error;
        EXPECT_TRUE(WriteWav(path, s, 44100, error)) << error;
        return path;
    }

    void Open() {
        ASSERT_EQ(sound_.GetVersion(), ISoundLibrary::kExpectedVersion);
        ASSERT_TRUE(sound_.Init(-1, 44100));
        CountOutput();
    }
    static void CountOutput() {
        mixedFrames = 0;
        Mix_SetPostMix(CountMixed, nullptr);
    }
    // Seconds of output mixed since the device opened.
    static double Mixed() { return mixedFrames / kRate; }
    // Waits until `seconds` more of output have been mixed (10 s at most).
    static void WaitMixed(double seconds) {
        const double until = Mixed() + seconds;
        for (Uint32 start = SDL_GetTicks(); Mixed() < until && SDL_GetTicks() - start < 10000;) SDL_Delay(1);
    }

    void Play(uint32_t sample, int32_t volume = 255) {
        const uint32_t channel = sound_.SampleGetChannel(sample);
        sound_.ChannelSetAttributes(channel, -1, volume, 0);
        sound_.ChannelPlay(channel, true);
    }

    fs::path dir_;
    std::string rawFile_;
    SdlSoundLibrary sound_;
};

const std::string kGameData = std::string(VK3_BINARY_DIR) + "/gamedata/";

TEST_F(SdlSoundTest, TheMusicModulePlaysOnceForOverAMinuteWithoutFallingSilent) {
    setenv("SDL_DISKAUDIODELAY", "0", 1);  // as fast as the mixer goes
    Open();
    const uint32_t music = sound_.MusicLoad(kGameData + "bgm.qzd");
    ASSERT_NE(music, 0u) << Mix_GetError();
    sound_.ChannelPlay(music, true);
    const Uint32 start = SDL_GetTicks();
    while (Mix_PlayingMusic() && SDL_GetTicks() - start < 60000) SDL_Delay(2);
    ASSERT_FALSE(Mix_PlayingMusic()) << "the music should end: it is played once";
    const Output out = Finish();
    const double first = out.FirstSound(), last = out.LastSound();
    ASSERT_GE(first, 0) << "the music made no sound";
    EXPECT_GE(last - first, 60.0);
    EXPECT_LE(last - first, 180.0);
    EXPECT_LT(out.LongestGap(), 0.5);
    for (double t = first; t + 5 < last; t += 5) EXPECT_GT(out.Rms(t, t + 5), 0.01) << "at " << t << " s";
    EXPECT_LT(out.Peak(first, last), 0.999f) << "the music clips";
}

TEST_F(SdlSoundTest, ASamplePlaysAtFullVolumeWithTheGamesVolumeArgument) {
    Open();
    const uint32_t sample = sound_.SampleLoad(WriteEffect("sine.wav", 0.5, 0.5f, false), 3);
    ASSERT_NE(sample, 0u);
    Play(sample, 255);
    WaitMixed(0.8);
    const Output out = Finish();
    const double first = out.FirstSound();
    ASSERT_GE(first, 0) << "the sample made no sound";
    EXPECT_NEAR(out.Peak(first, first + 0.5), 0.5, 0.03);
    EXPECT_NEAR(out.LastSound() - first, 0.5, 0.03);
}

TEST_F(SdlSoundTest, PausingSilencesMusicAndEffectsAndResumingBringsThemBack) {
    Open();
    const uint32_t music = sound_.MusicLoad(kGameData + "bgm.qzd");
    const uint32_t sample = sound_.SampleLoad(WriteEffect("long.wav", 3, 0.3f, false), 3);
    ASSERT_NE(music, 0u);
    ASSERT_NE(sample, 0u);
    sound_.ChannelPlay(music, true);
    Play(sample);
    WaitMixed(0.4);
    sound_.Pause();
    WaitMixed(0.7);
    sound_.Start();
    WaitMixed(0.4);
    const Output out = Finish();
    const double first = out.FirstSound();
    ASSERT_GE(first, 0);
    EXPECT_GT(out.LongestGap(), 0.5) << "pausing should silence everything";
    EXPECT_GT(out.Rms(first, first + 0.3), 0.05);
    EXPECT_GT(out.LastSound() - first, 1.3) << "resuming should bring the sound back";
}

TEST_F(SdlSoundTest, AFourthStartTakesOverThePlaybackThatHasPlayedLongest) {
    Open();
    const uint32_t sample = sound_.SampleLoad(WriteEffect("level.wav", 1.5, 0.15f, true), 3);
    ASSERT_NE(sample, 0u);
    int channels[4];
    double at[4];  // seconds of each start
    for (int k = 0; k < 4; ++k) {
        const uint32_t channel = sound_.SampleGetChannel(sample);
        channels[k] = SdlSoundLibrary::MixerChannel(channel);
        sound_.ChannelSetAttributes(channel, -1, 255, 0);
        sound_.ChannelPlay(channel, true);
        at[k] = Mixed();
        WaitMixed(0.2);
    }
    EXPECT_NE(channels[0], channels[1]);
    EXPECT_NE(channels[1], channels[2]);
    EXPECT_NE(channels[0], channels[2]);
    EXPECT_EQ(channels[3], channels[0]) << "the fourth start takes the oldest playback's place";
    int playing = 0;
    for (int k = 0; k < 3; ++k) playing += Mix_Playing(channels[k]);
    EXPECT_EQ(playing, 3);
    WaitMixed(1.7);
    // Each playback is a constant level of 0.15 for 1.5 s, the first cut short
    // by the fourth: counted back from the end of the fourth, one level is left
    // after the third ends, two after the second ends, three before that.
    const Output out = Finish();
    const double first = out.FirstSound(), last = out.LastSound();
    const double thirdEnds = last - (at[3] - at[2]), secondEnds = last - (at[3] - at[1]);
    EXPECT_NEAR(out.Peak(first, last), 0.45, 0.02) << "never more than three playbacks";
    EXPECT_NEAR(last - first, at[3] - at[0] + 1.5, 0.06) << "the fourth playback runs to its end";
    EXPECT_NEAR(out.Peak(thirdEnds + 0.05, last - 0.05), 0.15, 0.02);
    EXPECT_NEAR(out.Peak(secondEnds + 0.05, thirdEnds - 0.05), 0.30, 0.02);
    EXPECT_NEAR(out.Peak(secondEnds - 0.15, secondEnds - 0.05), 0.45, 0.02) << "the newest playbacks were kept";
}

// The game's own path: the start-up of the shell, the eleven samples from
// gamedata/ and PlaySample as the story calls it.
class GameSoundTest : public SdlSoundTest {
protected:
    void StartUp(const std::string& programDir) {
        GameState.programDir = programDir;
        GameState.settings.soundOn = 1;
        form_ = std::make_unique<TMainForm>(
            TPlatform{null_.display, null_.clock, null_.fixedText, sound_, null_.web});
        StartSound(*form_);
        ASSERT_EQ(GameState.settings.soundOn, 1);
        CountOutput();
    }
    void TearDown() override {
        if (form_) ReleaseSound(*form_);
        form_.reset();
        SdlSoundTest::TearDown();
    }
    TNullPlatform null_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(GameSoundTest, SampleZeroAndNumbersAboveElevenPlayNothing) {
    StartUp(std::string(VK3_BINARY_DIR) + "/");
    for (int i = 0; i < 12; ++i) EXPECT_NE(form_->soundHandles[i], 0u) << kSoundFiles[i];
    PlaySample(0);
    PlaySample(12);
    PlaySample(255);
    WaitMixed(0.4);
    PlaySample(1);
    WaitMixed(0.4);
    const Output out = Finish();
    const double first = out.FirstSound();
    ASSERT_GE(first, 0) << "sample 1 made no sound";
    EXPECT_GT(first, 0.3) << "nothing may sound before sample 1 starts";
}

TEST_F(GameSoundTest, AMissingOrDamagedFileSilencesOnlyItsOwnSound) {
    for (int i = 0; i < 12; ++i)
        if (i != 3 && i != 11) fs::copy_file(kGameData + std::string(kSoundFiles[i]), dir_ / "gamedata" / kSoundFiles[i]);
    std::ofstream(dir_ / "gamedata" / "zvo.qzd") << "RIFF but nothing a mixer could read";
    StartUp(dir_.string() + "/");
    EXPECT_EQ(form_->soundHandles[3], 0u);
    EXPECT_EQ(form_->soundHandles[11], 0u);
    EXPECT_NE(form_->soundHandles[1], 0u);
    PlaySample(3);
    PlaySample(11);
    WaitMixed(0.4);
    PlaySample(2);
    WaitMixed(0.3);
    const Output out = Finish();
    ASSERT_GE(out.FirstSound(), 0) << "sample 2 made no sound";
    EXPECT_GT(out.FirstSound(), 0.3);
}

TEST_F(SdlSoundTest, WithoutADeviceTheLibraryRefusesWithOneLineAndStaysSilent) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(sound_.Init(-1, 44100));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("sound off"), std::string::npos) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    // Every later call is harmless.
    EXPECT_EQ(sound_.MusicLoad(kGameData + "bgm.qzd"), 0u);
    EXPECT_EQ(sound_.SampleLoad(kGameData + "pre.qzd", 3), 0u);
    sound_.ChannelPlay(sound_.SampleGetChannel(0), true);
    sound_.Pause();
    sound_.Start();
}
}  // namespace
