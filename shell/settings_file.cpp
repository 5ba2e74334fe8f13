// settings_file.cpp: reading and writing "save.qzd", and where it lives.
#include "shell/settings_file.h"

#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <vector>

#include "adventure/saved_games.h"
#include "core/game_state.h"
#include "shell/file_io.h"
#include "shell/sound.h"

namespace {
constexpr const char* kFileName = "save.qzd";
std::string settingsFolder;  // empty: GameState.programDir
bool writeFailureReported = false;
// The file is there but could not be read: this run keeps the defaults and
// never writes over it, so the saved games in it are not lost.
bool unreadableFileKept = false;

std::string SettingsPath() { return SettingsFolder() + kFileName; }

void SetDefaults(TSettingsBlock& s) {
    s.resolution = 1;
    s.soundOn = 1;
    s.language = 0;
    for (TLiveRecord& slot : s.slots) ClearSavedGame(slot);
}

// The largest value of each settings byte that the panel and the text table can show.
constexpr uint8_t kLastResolution = 3, kLastLanguage = 1, kLastSoundOn = 1;

bool SettingsInRange(const TSettingsBlock& s) {
    return s.resolution <= kLastResolution && s.language <= kLastLanguage && s.soundOn <= kLastSoundOn;
}

// Values the panel and the text table cannot show fall back for this run.
void KeepSettingsInRange(TSettingsBlock& s) {
    if (s.resolution > kLastResolution) s.resolution = 1;
    if (s.language > kLastLanguage) s.language = 0;
    if (s.soundOn > kLastSoundOn) s.soundOn = 1;
}

// False only when nothing at all stands at path.
bool SomethingAt(const std::string& path) { return ::access(path.c_str(), F_OK) == 0 || errno != ENOENT; }

}  // namespace

std::string SettingsFolder() { return settingsFolder.empty() ? GameState.programDir : settingsFolder; }

void ForgetSettingsFile() {
    settingsFolder.clear();
    writeFailureReported = false;
    unreadableFileKept = false;
}

void SetSettingsFolder(const std::string& folder) { settingsFolder = WithTrailingSlash(folder); }

void LoadSettings() {
    TSettingsBlock& s = GameState.settings;
    ForgetSoundStartUp();
    const std::string path = SettingsPath();
    std::ifstream file(path, std::ios::binary);
    unreadableFileKept = !file && SomethingAt(path);
    if (!file) {
        SetDefaults(s);
        if (unreadableFileKept)
            std::fprintf(stderr, "Varnoklet 3: cannot read %s; it is left as it is and this run keeps "
                                 "its settings and saved games for itself\n", path.c_str());
        return;
    }
    std::array<uint8_t, kSettingsBlockSize> bytes{};
    SettingsBlockToBytes(s, bytes);  // what a short file does not cover stays as it was
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    SettingsBlockFromBytes(s, bytes);
    KeepSettingsInRange(s);
}

bool SaveSettings() {
    // A run silenced by a failed sound start-up still stores the user's setting.
    TSettingsBlock stored = GameState.settings;
    stored.soundOn = SoundSettingToStore();
    std::array<uint8_t, kSettingsBlockSize> block{};
    SettingsBlockToBytes(stored, block);
    const std::string path = SettingsPath();
    if (unreadableFileKept) return false;  // reported when it could not be read
    if (WriteFileAtomically(path, block)) return true;
    if (!writeFailureReported) {
        writeFailureReported = true;
        std::fprintf(stderr, "Varnoklet 3: cannot write %s; settings and saved games are kept "
                             "for this run only\n", path.c_str());
    }
    return false;
}

bool ImportSettingsFile(std::span<const uint8_t> bytes, std::string& error) {
    if (bytes.size() != kSettingsBlockSize) {
        error = "This is not a save.qzd file: it has " + std::to_string(bytes.size()) + " bytes, not " +
                std::to_string(kSettingsBlockSize) + ".";
        return false;
    }
    TSettingsBlock imported{};
    SettingsBlockFromBytes(imported, bytes.first<kSettingsBlockSize>());
    if (!SettingsInRange(imported)) {
        error = "This save.qzd is damaged: its settings are out of range.";
        return false;
    }
    for (size_t k = 0; k < std::size(imported.slots); ++k) {
        const SaveSlot& slot = imported.slots[k];
        if (slot.savedAt != 0.0 && !SlotCanBeLoaded(slot)) {
            error = "This save.qzd is damaged: saved game " + std::to_string(k + 1) + " cannot be played on.";
            return false;
        }
    }
    const std::string path = SettingsPath();
    if (unreadableFileKept || !WriteFileAtomically(path, bytes)) {
        error = "The saved games cannot be written to " + path + ".";
        return false;
    }
    GameState.settings = imported;
    return true;
}

bool FolderIsWritable(const std::string& folder) {
    std::string probe = WithTrailingSlash(folder.empty() ? "./" : folder) + ".vk3-probe-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string ChooseSettingsFolder(const std::string& programDir,
                                 const std::function<std::string()>& userFolder,
                                 const std::function<bool(const std::string&)>& writable) {
    const std::string program = WithTrailingSlash(programDir);
    if (writable(program)) return program;
    const std::string user = WithTrailingSlash(userFolder ? userFolder() : std::string());
    if (user.empty()) return program;
    // The games beside the program move to the user folder once; if they
    // cannot be copied there, the file beside the program is read instead.
    std::vector<uint8_t> legacy;
    if (SomethingAt(user + kFileName) || !ReadFile(program + kFileName, legacy)) return user;
    return WriteFileAtomically(user + kFileName, legacy) ? user : program;
}
