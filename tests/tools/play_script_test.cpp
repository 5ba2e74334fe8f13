// play_script_test.cpp: running varnoklet3-play on scripts written here,
// to check what the script tests themselves rely on: exit codes, the
// SCRIPT:LINE: reason report, output, screenshots and the program folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "core/game_state.h"
#include "shell/main_form.h"
#include "tests/tools/scratch_dir.h"

namespace {
namespace fs = std::filesystem;

struct PlayRun {
    int status = -1;
    std::string out, err;
};

class PlayScript : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()) << "no scratch folder"; }

    static std::string Read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }

    // Writes the script as test.play in the scratch folder and runs it there
    // with --dir game, screenshots going to the scratch folder itself.
    PlayRun Run(const std::string& script, const std::string& extraArgs = "") {
        std::ofstream(dir_ / "test.play") << script;
        const std::string cmd = "cd '" + dir_.string() + "' && '" VK3_BINARY_DIR "/varnoklet3-play' --dir game " +
                                extraArgs + " test.play > out.txt 2> err.txt";
        PlayRun run;
        const int raw = std::system(cmd.c_str());
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = Read(dir_ / "out.txt");
        run.err = Read(dir_ / "err.txt");
        return run;
    }

    ScratchDir scratch_{"play-test"};
    const fs::path dir_ = scratch_.path();
};

TEST_F(PlayScript, AScriptThatRunsThroughExitsZeroAndPrints) {
    PlayRun run = Run("start\nexpect scene == 4\nspot 16\nprint hoverId * 10 + 1\nprint hoverLabel\n"
                      "expect sounds == \"\"\nsounds\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "hoverId * 10 + 1 = 161\nhoverLabel = \"\"\nsounds: none\n");
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(fs::is_directory(dir_ / "game"));  // the program folder is made
}

TEST_F(PlayScript, AFailingExpectStopsTheScriptWithItsLine) {
    PlayRun run = Run("start\n\nexpect originX == 53\nexpect scene + 1 != 5 # menu\nprint 1\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "test.play:4: expect scene + 1 != 5 failed: scene + 1 is 5\n");
    EXPECT_EQ(run.out, "");  // nothing after the failure ran
    run = Run("start\nspot 15\nexpect hoverLabel == \"Nová hra\"\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "test.play:3: expect hoverLabel == \"Nová hra\" failed: hoverLabel is \"\"\n");
}

TEST_F(PlayScript, ASyntaxErrorAnywhereStopsBeforeAnythingRuns) {
    PlayRun run = Run("print 1\nstart\nexpect scene === 4\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("test.play:3: ", 0), 0u) << run.err;
}

TEST_F(PlayScript, RuntimeErrorsAndMissingPartsFailClearly) {
    PlayRun run = Run("start\nprint tile[9]\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "test.play:2: tile[9] is out of range: tile has 9 entries: write tile[0] .. tile[8]\n");
    run = Run("spot 15\n");
    EXPECT_EQ(run.err, "test.play:1: spot needs the game running: run start first\n");
    run = Run("start\nspot 20\n");  // no game running: no strip back to the game
    EXPECT_EQ(run.err, "test.play:2: spot: no hotspot 20 in this scene (its hotspots: 15 16 17 19)\n");
    run = Run("start\nlang 1\n");
    EXPECT_EQ(run.err, "test.play:2: lang must come before start (it is a start-panel setting)\n");
    run = Run("start\nshooter-bot 100\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "test.play:2: shooter-bot: not in the phone game (scene is 4, the phone game is scene 5)\n");
    run = Run("start\nspot 15\nclick\nexpect scene == 6\n");
    EXPECT_EQ(run.status, 0) << run.err;
}

TEST_F(PlayScript, ScreenshotsHaveTheDrawingAreasSize) {
    PlayRun run = Run("res 2\nstart\nscreenshot shots/a.png\n", "--shots pictures");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string png = Read(dir_ / "pictures" / "shots" / "a.png");
    ASSERT_GE(png.size(), 24u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
    auto be32 = [&](size_t at) {
        return (uint8_t(png[at]) << 24) | (uint8_t(png[at + 1]) << 16) | (uint8_t(png[at + 2]) << 8) |
               uint8_t(png[at + 3]);
    };
    EXPECT_EQ(be32(16), 800);  // IHDR width and height
    EXPECT_EQ(be32(20), 600);
}

TEST_F(PlayScript, TheProgramFoldersSettingsFileIsRead) {
    std::string file(kSettingsBlockSize, '\0');
    file[0] = 3;  // resolution: 1024x768
    file[1] = 1;  // English
    file[2] = 0;  // sounds off
    fs::create_directories(dir_ / "game");
    std::ofstream(dir_ / "game" / "save.qzd", std::ios::binary) << file;
    PlayRun run = Run("start\nprint resolution\nprint language\nprint soundOn\nprint originX\n");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "resolution = 3\nlanguage = 1\nsoundOn = 0\noriginX = 245\n");
    fs::remove(dir_ / "game" / "save.qzd");  // without a file: 640x480 full screen, Czech, sounds on
    run = Run("start\nprint resolution\nprint language\nprint soundOn\nprint originX\n");
    EXPECT_EQ(run.out, "resolution = 1\nlanguage = 0\nsoundOn = 1\noriginX = 53\n");
}

}  // namespace
