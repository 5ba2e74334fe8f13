// settings_location_test.cpp: where "save.qzd" lives, and that a save is
// atomic even when the program is killed in the middle of it.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <thread>
#include <vector>

#include "core/game_state.h"
#include "shell/settings_file.h"
#include "shell/game_reset.h"

namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<uint8_t>;

class SettingsLocationTest : public ::testing::Test {
protected:
    fs::path root, program, user;
    int userAsked = 0;

    void SetUp() override {
        root = fs::temp_directory_path() /
               ("vk3-where-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                "-" + std::to_string(::getpid()));
        fs::remove_all(root);
        program = root / "program";
        user = root / "user";
        fs::create_directories(program);
        fs::create_directories(user);
        ResetGame();
    }
    void TearDown() override {
        SetSettingsFolder("");
        fs::remove_all(root);
    }
    std::function<std::string()> UserFolder() {
        return [this] {
            ++userAsked;
            return user.string();
        };
    }
    static std::function<bool(const std::string&)> Writable(bool value) {
        return [value](const std::string&) { return value; };
    }
    static Bytes Read(const fs::path& p) {
        std::ifstream f(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    static void Write(const fs::path& p, const Bytes& b) {
        std::ofstream f(p, std::ios::binary);
        f.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }
};

TEST_F(SettingsLocationTest, AWritableProgramFolderKeepsTheFileBesideTheProgram) {
    EXPECT_EQ(ChooseSettingsFolder(program.string(), UserFolder()), program.string() + "/");
    EXPECT_EQ(userAsked, 0);
    EXPECT_TRUE(FolderIsWritable(program.string()));
    EXPECT_TRUE(fs::is_empty(program));  // the probe leaves nothing behind
    Write(root / "file", {1});
    EXPECT_FALSE(FolderIsWritable((root / "file" / "sub").string()));
}

TEST_F(SettingsLocationTest, AReadOnlyProgramFolderUsesTheUserFolderAndCopiesALegacyFileOnce) {
    // Without a legacy file nothing is copied and nothing is written.
    EXPECT_EQ(ChooseSettingsFolder(program.string(), UserFolder(), Writable(false)), user.string() + "/");
    EXPECT_FALSE(fs::exists(user / "save.qzd"));

    Bytes legacy(kSettingsBlockSize);
    for (size_t i = 0; i < legacy.size(); ++i) legacy[i] = static_cast<uint8_t>(i * 13);
    Write(program / "save.qzd", legacy);
    EXPECT_EQ(ChooseSettingsFolder(program.string(), UserFolder(), Writable(false)), user.string() + "/");
    EXPECT_EQ(Read(user / "save.qzd"), legacy);

    // Play on: the copy changes, the file beside the program never does, and
    // the next start does not copy it over the player's newer file.
    SetSettingsFolder(user.string());
    GameState.programDir = program.string() + "/";
    LoadSettings();
    GameState.settings.language = 1;
    ASSERT_TRUE(SaveSettings());
    const Bytes newer = Read(user / "save.qzd");
    EXPECT_NE(newer, legacy);
    EXPECT_EQ(ChooseSettingsFolder(program.string(), UserFolder(), Writable(false)), user.string() + "/");
    EXPECT_EQ(Read(user / "save.qzd"), newer);
    EXPECT_EQ(Read(program / "save.qzd"), legacy);
}

TEST_F(SettingsLocationTest, ALegacyFileThatCannotBeCopiedIsReadWhereItIs) {
    Bytes legacy(kSettingsBlockSize, 7);
    Write(program / "save.qzd", legacy);
    fs::create_directories(user / "save.qzd.new");  // the copy cannot be written
    EXPECT_EQ(ChooseSettingsFolder(program.string(), UserFolder(), Writable(false)), program.string() + "/");
    EXPECT_FALSE(fs::exists(user / "save.qzd"));
    EXPECT_EQ(Read(program / "save.qzd"), legacy);
}

// A program folder that cannot be written and no user folder: the program
// folder stays, and saving fails with one line on standard error for the
// run, keeping the settings in memory.
TEST_F(SettingsLocationTest, WithoutAUserFolderTheProgramFolderStaysAndSavingFailsQuietly) {
    const fs::path gone = root / "not-there";  // cannot be written, not even by root
    const std::string chosen = ChooseSettingsFolder(gone.string(), [] { return std::string(); }, Writable(false));
    EXPECT_EQ(chosen, gone.string() + "/");
    SetSettingsFolder(chosen);
    GameState.settings.language = 1;
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(SaveSettings());
    EXPECT_FALSE(SaveSettings());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
    EXPECT_FALSE(fs::exists(gone));
    EXPECT_EQ(GameState.settings.language, 1);
}

// The child saves again and again, each time with every byte of the block set
// to one value; the parent kills it at random moments. The file must always be
// a whole block of one save: 1736 bytes, all alike.
TEST_F(SettingsLocationTest, AKillAtAnyMomentLeavesACompleteFile) {
    GameState.programDir = program.string() + "/";
    SetSettingsFolder("");
    std::mt19937 random(20261207);
    Bytes first(kSettingsBlockSize, 0);
    Write(program / "save.qzd", first);
    constexpr int kKills = 300;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (uint32_t n = 1;; ++n) {
                std::array<uint8_t, kSettingsBlockSize> block;
                block.fill(static_cast<uint8_t>(n * 37 + kill));
                SettingsBlockFromBytes(GameState.settings, block);
                SaveSettings();
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        const Bytes file = Read(program / "save.qzd");
        ASSERT_EQ(file.size(), kSettingsBlockSize) << "kill " << kill;
        for (uint8_t b : file) ASSERT_EQ(b, file[0]) << "kill " << kill << ": a mixed file";
    }
}
}  // namespace
