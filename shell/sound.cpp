// sound.cpp: the sound start-up, the music and the release.
#include "shell/sound.h"

#include <string>

#include "core/game_state.h"
#include "shell/main_form.h"
#include "shell/game_data_folder.h"

namespace {
constexpr uint32_t kFrequency = 44100;
constexpr int32_t kDefaultDevice = -1;
constexpr uint32_t kPlaybacksPerSample = 3;

// The user's soundOn byte while a failed start-up keeps the game silent.
bool startUpFailed = false;
uint8_t userSoundSetting = 0;

std::string GameDataPath(std::string_view file) {
    return GameDataFolder() + std::string(file);
}

void LoadMusic(TMainForm& form) {
    if (GameState.settings.soundOn) form.soundHandles[0] = form.Sound.MusicLoad(GameDataPath(kSoundFiles[0]));
}

void LoadSample(TMainForm& form, int i) {
    if (GameState.settings.soundOn)
        form.soundHandles[i] = form.Sound.SampleLoad(GameDataPath(kSoundFiles[i]), kPlaybacksPerSample);
}
}  // namespace

void StartSound(TMainForm& form) {
    uint8_t& soundOn = GameState.settings.soundOn;
    startUpFailed = false;
    if (soundOn) {
        if (form.Sound.GetVersion() != ISoundLibrary::kExpectedVersion ||
            !form.Sound.Init(kDefaultDevice, kFrequency)) {
            startUpFailed = true;
            userSoundSetting = soundOn;
            soundOn = 0;
        }
    }
    LoadMusic(form);
    for (int i = 1; i < 12; ++i) LoadSample(form, i);
}

void StartMusic(TMainForm& form) {
    if (GameState.settings.soundOn) form.Sound.ChannelPlay(form.soundHandles[0], true);
}

void ReleaseSound(TMainForm& form) {
    if (!GameState.settings.soundOn) return;
    form.Sound.MusicFree(form.soundHandles[0]);
    for (int i = 1; i < 12; ++i)
        if (form.soundHandles[i] != 0) form.Sound.SampleFree(form.soundHandles[i]);
    form.Sound.Free();
    for (uint32_t& handle : form.soundHandles) handle = 0;
}

uint8_t SoundSettingToStore() {
    return startUpFailed ? userSoundSetting : GameState.settings.soundOn;
}

void ForgetSoundStartUp() {
    startUpFailed = false;
    userSoundSetting = 0;
}
