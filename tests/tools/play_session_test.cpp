// play_session_test.cpp: the headless session hears the game's samples by
// number, and only when the settings leave sounds on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "adventure/sound_effects.h"
#include "core/game_state.h"
#include "tools/play/play_session.h"
#include "tools/play/sample_log.h"
#include "tests/tools/scratch_dir.h"
#include "shell/game_reset.h"

namespace {
namespace fs = std::filesystem;

class PlaySessionTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(dir_.empty()) << "no scratch folder"; }
    void TearDown() override { ResetGame(); }
    ScratchDir scratch_{"play-session"};
    const fs::path dir_ = scratch_.path();
};

TEST(PlaySamples, FileNamesGiveTheGamesSampleNumbers) {
    EXPECT_EQ(SampleNumberOfPath("/x/gamedata/pre.qzd"), 1);
    EXPECT_EQ(SampleNumberOfPath("C:\\game\\gamedata\\zvo.qzd"), 11);
    EXPECT_EQ(SampleNumberOfPath("kli.qzd"), 3);
    EXPECT_EQ(SampleNumberOfPath("/x/gamedata/bgm.qzd"), 0);  // the music is no sample
    EXPECT_EQ(SampleNumberOfPath("/x/gamedata/xpre.qzd"), 0);
    EXPECT_EQ(SampleNumbers({"a/vyb.qzd", "a/bgm.qzd", "a/cin.qzd"}), (std::vector<int>{9, 4}));
    EXPECT_EQ(JoinNumbers({9, 4, 4}), "9 4 4");
    EXPECT_EQ(JoinNumbers({}), "");
}

TEST_F(PlaySessionTest, SamplesTheGamePlaysAreRecordedByNumberUntilTaken) {
    std::ostringstream out;
    PlaySession session(PlayOptions{dir_.string(), dir_.string()}, out);
    std::string error;
    ASSERT_TRUE(session.Open(error)) << error;
    ASSERT_TRUE(session.Start(error)) << error;
    EXPECT_EQ(GameState.programDir, dir_.string() + "/");
    EXPECT_TRUE(session.PlayedSamples().empty());  // the music started, no sample
    PlaySample(3);
    PlaySample(11);
    PlaySample(1);
    EXPECT_EQ(session.PlayedSamples(), (std::vector<int>{3, 11, 1}));
    EXPECT_EQ(session.TakeSamples(), (std::vector<int>{3, 11, 1}));
    EXPECT_TRUE(session.PlayedSamples().empty());
    EXPECT_FALSE(session.Start(error));  // there is one start button
}

TEST_F(PlaySessionTest, SoundsOffInTheSettingsFileMeansNothingIsPlayed) {
    std::string file(kSettingsBlockSize, '\0');  // display 0, Czech, sounds off
    std::ofstream(dir_ / "save.qzd", std::ios::binary) << file;
    std::ostringstream out;
    PlaySession session(PlayOptions{dir_.string(), dir_.string()}, out);
    std::string error;
    ASSERT_TRUE(session.Open(error)) << error;
    ASSERT_TRUE(session.Start(error)) << error;
    PlaySample(3);
    EXPECT_TRUE(session.PlayedSamples().empty());
}

TEST_F(PlaySessionTest, FramesDrawTheMessageWithTheRealAntialiasedFace) {
    std::ostringstream out;
    PlaySession session(PlayOptions{dir_.string(), dir_.string()}, out);
    std::string error;
    ASSERT_TRUE(session.Open(error)) << error;
    ASSERT_TRUE(session.Start(error)) << error;
    GameState.ui.messageLines[0] = "Hra ulo\x9e" "ena.";  // Windows-1250
    GameState.ui.messageLineCount = 0;
    session.RunFrame(16);
    const Surface16& s = session.Form().DDraw.Surface();
    int white = 0, partial = 0;
    for (int32_t y = 416; y < 416 + 15; ++y)  // originY + 311, 15 px high
        for (int32_t x = 0; x < s.Width(); ++x) {
            uint8_t r, g, b;
            Rgb565ToRgb(s.Pixel(x, y), r, g, b);
            if (r == 255 && g == 255 && b == 255) ++white;
            else if (r > 0 && std::abs(r - g) <= 8 && std::abs(g - b) <= 8) ++partial;  // a glyph's blended edge
        }
    EXPECT_GT(white, 50);
    EXPECT_GT(partial, 20);
}

}  // namespace
