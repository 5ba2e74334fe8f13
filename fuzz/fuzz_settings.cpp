// fuzz_settings.cpp: any bytes as "save.qzd".
//
// Each input (0 to 4000 bytes) is written as the settings file and read the
// way the program starts: the start panel's FormCreate loads it and the panel
// is drawn. Then, for each of the six slots, the game menu's load list is
// opened (its thumbnails and captions drawn for a few frames), the slot is
// clicked and a few frames of the scene it leads to run. Reading must never
// change the file. Finally one game is saved into a slot chosen by the input,
// and every other byte of the file must stay as it was.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "adventure/saved_games.h"
#include "adventure/scene_builder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "shell/settings_file.h"
#include "shell/start_panel.h"
#include "shell/start_panel_painter.h"
#include "texts/texts.h"

namespace {
using Bytes = std::vector<uint8_t>;

struct Game {
    TNullPlatform platform;
    std::unique_ptr<TMainForm> form;
    TStartPanelPainter painter;
    Surface16 panelPixels;
    std::string dir;

    Game() {
        // In memory where there is such a folder: every save is flushed to the disk.
        char shm[] = "/dev/shm/vk3-fuzz-settings-XXXXXX";
        char tmp[] = "/tmp/vk3-fuzz-settings-XXXXXX";
        char* folder = mkdtemp(shm);
        if (folder == nullptr) folder = mkdtemp(tmp);
        if (folder == nullptr) std::abort();
        dir = std::string(folder) + "/";
        form = std::make_unique<TMainForm>(platform.Platform());
        std::string error;
        if (!form->LoadPictures(EmbeddedPictureData(), error) ||
            !painter.LoadPictures(EmbeddedPanelPictureData(), error) ||
            !form->DDraw.Initialize(DisplayMode{false, 640, 480}, error)) {
            std::fprintf(stderr, "fuzz_settings: %s\n", error.c_str());
            std::abort();
        }
        SetSaveClock([] { return 46362.77; });
    }
    ~Game() {
        form.reset();
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string Path() const { return dir + "save.qzd"; }
};

Game& TheGame() {
    static Game game;
    return game;
}

Bytes ReadFile(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const uint8_t* data, size_t size) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

void Frames(TMainForm& form, int count) {
    for (int i = 0; i < count; ++i) form.TimerTimer(16);
}

// The load list open in the menu, as a game running in scene 10 would show it.
void OpenLoadList(TMainForm& form) {
    GameState.ui.menuReturnScene = 10;
    GameState.live.scene = 4;
    ClearSteps();
    SetMessage("");
    VykresliScenu();
    GameState.live.progress.saveMenuMode = 1;
    ShowSlotHotspots();
    Frames(form, 1);
}

void Check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz_settings: %s\n", what);
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 4000) return 0;
    Game& game = TheGame();
    TMainForm& form = *game.form;
    WriteFile(game.Path(), data, size);
    ResetGameState();
    TStartPanel panel(form, TStartPanelHost{});
    panel.FormCreate(1, game.dir, [] { return std::string(); });
    FixedTextRenderer text;
    game.painter.Paint(panel, text, game.panelPixels);

    for (int k = 0; k < static_cast<int>(kSlotCount); ++k) {
        OpenLoadList(form);
        GameState.ui.hoverId = static_cast<uint16_t>(Spot::SaveSlot1 + k);
        form.DDrawClick();
        Frames(form, 2);
    }
    const Bytes read = ReadFile(game.Path());
    Check(read == Bytes(data, data + size), "reading the file changed it");

    // One real save: the slot the input names, everything else byte for byte.
    std::array<uint8_t, kSettingsBlockSize> before{}, after{};
    SettingsBlockToBytes(GameState.settings, before);
    const int k = size > 0 ? data[0] % static_cast<int>(kSlotCount) : 0;
    OpenLoadList(form);
    GameState.live.progress.saveMenuMode = 2;
    ShowSlotHotspots();
    GameState.ui.hoverId = static_cast<uint16_t>(Spot::SaveSlot1 + k);
    form.DDrawClick();
    Frames(form, 2);
    const Bytes written = ReadFile(game.Path());
    Check(written.size() == kSettingsBlockSize, "a save did not write the whole block");
    SettingsBlockToBytes(GameState.settings, after);
    for (size_t i = 0; i < kSettingsBlockSize; ++i) {
        const bool inSlot = i >= 8 + 288 * static_cast<size_t>(k) && i < 8 + 288 * static_cast<size_t>(k + 1);
        Check(written[i] == after[i], "the file differs from the settings in memory");
        Check(inSlot || i < 3 || after[i] == before[i], "a save changed another slot");
    }
    return 0;
}
