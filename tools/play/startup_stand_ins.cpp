// startup_stand_ins.cpp: settings file reading and sound start-up for the harness.
#include "tools/play/startup_stand_ins.h"

#include <array>
#include <fstream>

#include "shell/game_state.h"
#include "shell/main_form.h"
#include "tools/play/sample_log.h"

void LoadSettingsStandIn() {
    TSettingsBlock& s = GameState.settings;
    std::ifstream file(GameState.programDir + "save.qzd", std::ios::binary);
    if (!file) {
        s.resolution = 1;
        s.soundOn = 1;
        s.language = 0;
        for (TLiveRecord& slot : s.slots) ClearSavedGame(slot);
        return;
    }
    std::array<uint8_t, kSettingsBlockSize> bytes{};
    SettingsBlockToBytes(s, bytes);  // what a short file does not cover stays as it was
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    SettingsBlockFromBytes(s, bytes);
}

void StartSoundStandIn(TMainForm& form) {
    constexpr uint32_t kFrequency = 44100;
    constexpr uint32_t kPlaybacksPerSample = 3;
    uint8_t& soundOn = GameState.settings.soundOn;
    if (soundOn == 0) return;
    if (form.Sound.GetVersion() != ISoundLibrary::kExpectedVersion || !form.Sound.Init(-1, kFrequency)) {
        soundOn = 0;
        return;
    }
    const std::string folder = GameState.programDir + "gamedata/";
    form.soundHandles[0] = form.Sound.MusicLoad(folder + std::string(kSoundFiles[0]));
    for (int i = 1; i < 12; ++i)
        form.soundHandles[i] = form.Sound.SampleLoad(folder + std::string(kSoundFiles[i]), kPlaybacksPerSample);
}

void StartMusicStandIn(TMainForm& form) {
    if (GameState.settings.soundOn != 0) form.Sound.ChannelPlay(form.soundHandles[0], true);
}
