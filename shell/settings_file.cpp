// settings_file.cpp: reading and writing "save.qzd".
#include "shell/settings_file.h"

#include <array>
#include <cstdio>
#include <fstream>

#include "core/game_state.h"
#include "shell/sound.h"

namespace {
std::string SettingsPath() { return GameState.programDir + "save.qzd"; }

void SetDefaults(TSettingsBlock& s) {
    s.resolution = 1;
    s.soundOn = 1;
    s.language = 0;
    for (TLiveRecord& slot : s.slots) ClearSavedGame(slot);
}
}  // namespace

void LoadSettings() {
    TSettingsBlock& s = GameState.settings;
    ForgetSoundStartUp();
    std::ifstream file(SettingsPath(), std::ios::binary);
    if (!file) {
        SetDefaults(s);
        return;
    }
    std::array<uint8_t, kSettingsBlockSize> bytes{};
    SettingsBlockToBytes(s, bytes);  // what a short file does not cover stays as it was
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    SettingsBlockFromBytes(s, bytes);
}

bool SaveSettings() {
    // A run silenced by a failed sound start-up still stores the user's setting.
    TSettingsBlock stored = GameState.settings;
    stored.soundOn = SoundSettingToStore();
    std::array<uint8_t, kSettingsBlockSize> bytes{};
    SettingsBlockToBytes(stored, bytes);
    const std::string path = SettingsPath(), temp = path + ".new";
    {
        std::ofstream file(temp, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::remove(temp.c_str());
            return false;
        }
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}
