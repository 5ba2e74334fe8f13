// sound_startup_test.cpp: the sound start-up, the release, and what the
// settings file keeps when the start-up fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "adventure/sound_effects.h"
#include "core/game_state.h"
#include "core/null_platform.h"
#include "shell/settings_file.h"
#include "shell/sound.h"
#include "shell/game_reset.h"
#include "shell/main_form.h"

namespace fs = std::filesystem;

namespace {
class SoundStartUpTest : public ::testing::Test {
protected:
    TNullPlatform platform;
    RecordingSoundLibrary& sound = platform.sound;
    std::unique_ptr<TMainForm> form;
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vk3-sound-startup-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        ResetGame();
        LoadSettings();  // no file yet: the defaults, sound on
        GameState.programDir = dir.string() + "/";
        form = std::make_unique<TMainForm>(platform.Platform());
    }
    void TearDown() override {
        form.reset();
        ForgetSoundStartUp();
        fs::remove_all(dir);
    }
    uint8_t StoredSoundByte() const {
        std::ifstream f(dir / "save.qzd", std::ios::binary);
        std::vector<char> bytes{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        return bytes.size() > 2 ? static_cast<uint8_t>(bytes[2]) : 0xEE;
    }
};

TEST_F(SoundStartUpTest, AFailedStartUpSilencesOnlyThisRunAndTheFileKeepsSoundOn) {
    for (bool versionRefused : {true, false}) {
        ForgetSoundStartUp();
        GameState.settings.soundOn = 1;
        sound.version = versionRefused ? 0x00010000 : ISoundLibrary::kExpectedVersion;
        sound.initOk = versionRefused;
        StartSound(*form);
        EXPECT_EQ(GameState.settings.soundOn, 0) << "silent for this run";
        GameState.settings.language = 1;  // a later save of the run, such as saving a game
        ASSERT_TRUE(SaveSettings());
        EXPECT_EQ(StoredSoundByte(), 1) << "the user's setting stays in the file";
        LoadSettings();  // the next run
        EXPECT_EQ(GameState.settings.soundOn, 1);
        EXPECT_EQ(GameState.settings.language, 1);
    }
}

TEST_F(SoundStartUpTest, TheFileFollowsTheSwitchWhenTheStartUpSucceedsOrSoundIsOff) {
    GameState.settings.soundOn = 1;
    StartSound(*form);
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(StoredSoundByte(), 1);

    // A failed start-up is forgotten once the settings are read for a new run.
    sound.initOk = false;
    StartSound(*form);
    LoadSettings();
    GameState.settings.soundOn = 0;  // the user switches sound off on the panel
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(StoredSoundByte(), 0);
}

TEST_F(SoundStartUpTest, WithSoundOffNothingEverCallsTheLibrary) {
    GameState.settings.soundOn = 0;
    StartSound(*form);
    StartMusic(*form);
    form->TimerDeactivate();
    form->TimerActivate();
    for (uint8_t i = 0; i <= 12; ++i) PlaySample(i);
    ReleaseSound(*form);
    EXPECT_TRUE(sound.calls.empty());
}

TEST_F(SoundStartUpTest, ClosingFreesTheMusicThenTheLoadedSamplesThenTheLibrary) {
    GameState.settings.soundOn = 1;
    StartSound(*form);
    form->soundHandles[4] = 0;  // as if cin.qzd had been missing
    sound.calls.clear();
    ReleaseSound(*form);
    std::vector<std::string> expected{"MusicFree"};
    expected.insert(expected.end(), 10, "SampleFree");
    expected.push_back("Free");
    EXPECT_EQ(sound.calls, expected);
    for (uint32_t handle : form->soundHandles) EXPECT_EQ(handle, 0u);
}
}  // namespace
