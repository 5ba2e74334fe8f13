// settings_file_test.cpp: reading and writing "save.qzd".
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <vector>

#include "core/game_state.h"
#include "shell/settings_file.h"
#include "shell/game_reset.h"

namespace fs = std::filesystem;

namespace {
class SettingsFileTest : public ::testing::Test {
protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vk3-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
               "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        ResetGame();
        GameState.programDir = dir.string() + "/";
    }
    void TearDown() override { fs::remove_all(dir); }

    std::vector<uint8_t> FileBytes() const {
        std::ifstream f(dir / "save.qzd", std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    void WriteFile(const std::vector<uint8_t>& bytes) const {
        std::ofstream f(dir / "save.qzd", std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
};

TEST_F(SettingsFileTest, WithoutAFileTheDefaultsApplyAndNothingIsWritten) {
    GameState.settings.slots[3].savedAt = 5.0;
    LoadSettings();
    EXPECT_EQ(GameState.settings.resolution, 1);
    EXPECT_EQ(GameState.settings.soundOn, 1);
    EXPECT_EQ(GameState.settings.language, 0);
    EXPECT_EQ(GameState.settings.slots[3].savedAt, 0.0);
    EXPECT_FALSE(fs::exists(dir / "save.qzd"));
}

TEST_F(SettingsFileTest, SavingWritesTheWholeBlockAndLoadingRestoresItByteForByte) {
    GameState.settings.resolution = 3;
    GameState.settings.language = 1;
    GameState.settings.padding[2] = 0x5A;
    GameState.settings.slots[5].scene = 41;
    GameState.settings.slots[5].padding[1] = 7;
    ASSERT_TRUE(SaveSettings());
    const auto bytes = FileBytes();
    ASSERT_EQ(bytes.size(), kSettingsBlockSize);
    EXPECT_EQ(bytes[0], 3);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[5], 0x5A);
    EXPECT_EQ(bytes[8 + 5 * 288 + 8], 41);
    EXPECT_EQ(bytes[8 + 5 * 288 + 286], 7);

    ResetGame();
    GameState.programDir = dir.string() + "/";
    LoadSettings();
    std::array<uint8_t, kSettingsBlockSize> back{};
    SettingsBlockToBytes(GameState.settings, back);
    EXPECT_TRUE(std::equal(back.begin(), back.end(), bytes.begin()));
}

TEST_F(SettingsFileTest, AShortFileFillsWhatItHasAndLeavesTheRest) {
    GameState.settings.soundOn = 1;
    GameState.settings.slots[0].scene = 12;
    WriteFile({2, 1});  // resolution and language only
    LoadSettings();
    EXPECT_EQ(GameState.settings.resolution, 2);
    EXPECT_EQ(GameState.settings.language, 1);
    EXPECT_EQ(GameState.settings.soundOn, 1);  // not in the file: kept, no defaults
    EXPECT_EQ(GameState.settings.slots[0].scene, 12);
}

TEST_F(SettingsFileTest, AFailedWriteKeepsTheFileThatWasThere) {
    GameState.settings.language = 1;
    ASSERT_TRUE(SaveSettings());
    const auto before = FileBytes();
    // The new file cannot be made: a folder stands where it would be written.
    fs::create_directories(dir / "save.qzd.new");
    GameState.settings.language = 0;
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(FileBytes(), before);
}

TEST_F(SettingsFileTest, AFileThatCannotBeReadIsNeverWrittenOver) {
    // A link to itself cannot be opened, not even by root; it stands for any
    // save.qzd that is there but unreadable.
    fs::create_symlink("save.qzd", dir / "save.qzd");
    GameState.settings.language = 1;
    LoadSettings();
    EXPECT_EQ(GameState.settings.language, 0);  // the defaults, for this run
    EXPECT_EQ(GameState.settings.soundOn, 1);
    GameState.settings.language = 1;
    EXPECT_FALSE(SaveSettings());
    EXPECT_TRUE(fs::is_symlink(dir / "save.qzd"));

    fs::remove(dir / "save.qzd");  // once it is gone, saving works again
    LoadSettings();
    EXPECT_TRUE(SaveSettings());
}
}  // namespace

// An imported save.qzd replaces the current one only when the game could use
// all of it; a refused one leaves the file and the settings in memory alone.
TEST_F(SettingsFileTest, AnImportIsTakenWholeOrRefusedWithNothingLost) {
    GameState.settings.slots[2].savedAt = 40000.0;
    GameState.settings.slots[2].scene = 10;
    ASSERT_TRUE(SaveSettings());
    const std::vector<uint8_t> current = FileBytes();

    TSettingsBlock other{};
    other.resolution = 0;
    other.language = 1;
    other.soundOn = 1;
    other.slots[0].savedAt = 45000.5;
    other.slots[0].scene = 10;
    std::vector<uint8_t> good(kSettingsBlockSize);
    SettingsBlockToBytes(other, std::span<uint8_t, kSettingsBlockSize>(good));

    const auto damaged = [&](size_t offset, uint8_t value) {
        std::vector<uint8_t> b = good;
        b[offset] = value;
        return b;
    };
    const std::vector<std::vector<uint8_t>> refused = {
        {}, std::vector<uint8_t>(good.begin(), good.end() - 1),   // empty, short
        damaged(1, 2),                                            // no such language
        damaged(8 + 8, 99),                                       // slot 1 in no scene of the game
        damaged(8 + 288 + 7, 0x7F),                               // slot 2 saved at a time no clock gives
    };
    for (const auto& bytes : refused) {
        std::string error;
        EXPECT_FALSE(ImportSettingsFile(bytes, error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(FileBytes(), current);
        EXPECT_EQ(GameState.settings.slots[2].savedAt, 40000.0);
    }

    std::string error;
    ASSERT_TRUE(ImportSettingsFile(good, error)) << error;
    EXPECT_EQ(FileBytes(), good);
    EXPECT_EQ(GameState.settings.language, 1);
    EXPECT_EQ(GameState.settings.slots[0].savedAt, 45000.5);
    EXPECT_EQ(GameState.settings.slots[2].savedAt, 0.0);
}
