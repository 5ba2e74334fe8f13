// main_form_test.cpp: the frame loop, start-up into the menu and the window handlers.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/embedded_pictures.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "shell/start_game.h"
#include "adventure/rules.h"
#include "core/random.h"
#include "shell/game_data_folder.h"
#include "shell/game_reset.h"
#include "shell/settings_file.h"
#include "texts/texts.h"

namespace {
class MainFormTest : public ::testing::Test {
protected:
    TNullPlatform platform;
    HeadlessBackend& display = platform.display;
    ManualClock& clock = platform.clock;
    RecordingSoundLibrary& sound = platform.sound;
    std::unique_ptr<TMainForm> form;
    int frames = 0;

    void SetUp() override {
        ResetGame();
        form = std::make_unique<TMainForm>(platform.Platform());
        std::string error;
        ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
    }
    void Start() {
        std::string error;
        ASSERT_TRUE(StartGame(*form, DisplayModeForResolution(0), error)) << error;
    }
    uint16_t At(int32_t x, int32_t y) const { return form->DDraw.Surface().Pixel(x, y); }
};

TEST_F(MainFormTest, NoFrameIsDrawnBeforeTheDisplayExists) {
    form->TimerTimer(16);
    EXPECT_EQ(display.presentCount, 0);
    clock.now = 100;
    form->Timer.Idle();  // the timer already runs, but every frame stops at once
    EXPECT_EQ(display.presentCount, 0);
}

TEST_F(MainFormTest, StartBuildsTheMenuAndEachFrameClearsDrawsAndPresents) {
    GameState.live.scene = 57;
    GameState.live.progress.flushCount = 2;
    GameState.ui.menuReturnScene = 12;
    Start();
    EXPECT_EQ(GameState.live.scene, 4);
    EXPECT_EQ(GameState.live.progress.flushCount, 0);
    EXPECT_EQ(GameState.ui.menuReturnScene, 0);
    EXPECT_EQ(GameState.ui.menuOpen, 1);  // the menu build opens it
    form->DDraw.Surface().Fill(0xFFFF);
    form->TimerTimer(16);
    EXPECT_EQ(display.presentCount, 1);
    EXPECT_EQ(At(5, 470), 0);  // outside the picture (and away from the cursor): black
    EXPECT_NE(At(GameState.ui.originX + 400, GameState.ui.originY + 250), 0);  // the menu picture
}

TEST_F(MainFormTest, TheCursorFollowsTheMouseInTheNextFrame) {
    Start();
    form->DDrawMouseMove(300, 200);
    EXPECT_EQ(GameState.ui.mouseX, 300);
    EXPECT_EQ(GameState.ui.mouseY, 200);
    TSprite* cursor = form->DXSpriteEngine.Engine().Items(0);
    EXPECT_NE(cursor->X, 300 - 17);
    form->TimerTimer(16);
    EXPECT_EQ(cursor->X, 300 - 17);
    EXPECT_EQ(cursor->Y, 200 - 17);
}

TEST_F(MainFormTest, FramesStopWhileTheTimerIsOffAndCountOnlyFromItsRestart) {
    Start();
    display.presentCount = 0;
    clock.now = 1000;
    form->FormDeactivate();
    clock.now = 5000;
    form->Timer.Idle();
    EXPECT_EQ(display.presentCount, 0);
    int32_t lag = 0;
    form->Timer.OnTimer = [&](TDXTimer&, int32_t l) { lag = l; };
    form->FormActivate();
    clock.now = 5020;
    form->Timer.Idle();
    EXPECT_EQ(lag, 20);  // not the 4 s the timer was off
}

TEST_F(MainFormTest, SwitchingProgramsPausesAndResumesSoundOnlyWhenSoundIsOn) {
    GameState.settings.soundOn = 0;
    form->Timer.ApplicationDeactivated();
    form->Timer.ApplicationActivated();
    EXPECT_TRUE(sound.calls.empty());
    GameState.settings.soundOn = 1;
    form->Timer.ApplicationDeactivated();
    form->Timer.ApplicationActivated();
    ASSERT_EQ(sound.calls.size(), 2u);
    EXPECT_EQ(sound.calls[0], "Pause");
    EXPECT_EQ(sound.calls[1], "Start");
}

TEST_F(MainFormTest, AFailedDisplayLeavesTheGameUnstarted) {
    display.failWith = "Primary Surface cannot be made";
    std::string error;
    EXPECT_FALSE(StartGame(*form, DisplayModeForResolution(0), error));
    EXPECT_EQ(error, "Primary Surface cannot be made");
    EXPECT_NE(GameState.live.scene, 4);
    form->TimerTimer(16);
    EXPECT_EQ(display.presentCount, 0);
}
TEST_F(MainFormTest, StartUpLoadsTheSoundsAndStartsTheMusicOnlyWhenSoundIsOn) {
    GameState.programDir = "/game/";
    GameState.settings.soundOn = 0;
    Start();
    EXPECT_TRUE(sound.calls.empty());  // sounds off: the library is never called

    ResetGame();
    GameState.programDir = "/game/";
    GameState.settings.soundOn = 1;
    Start();
    EXPECT_EQ(GameState.settings.soundOn, 1);
    ASSERT_GE(sound.calls.size(), 2u + 12u);
    EXPECT_EQ(sound.calls[0], "GetVersion");
    EXPECT_EQ(sound.calls[1], "Init");
    EXPECT_EQ(sound.calls.back(), "ChannelPlay");  // the music, before the menu is built
    ASSERT_EQ(sound.playedPaths.size(), 1u);
    EXPECT_EQ(sound.playedPaths[0], "/game/gamedata/bgm.qzd");
    for (int i = 0; i < 12; ++i) EXPECT_NE(form->soundHandles[i], 0u) << i;
}

TEST_F(MainFormTest, ARefusedSoundLibraryTurnsSoundOffForTheRun) {
    GameState.settings.soundOn = 1;
    sound.version = 0x00020001;
    Start();
    EXPECT_EQ(GameState.settings.soundOn, 0);
    EXPECT_EQ(sound.calls, std::vector<std::string>{"GetVersion"});

    ResetGame();
    GameState.settings.soundOn = 1;
    sound.version = ISoundLibrary::kExpectedVersion;
    sound.initOk = false;
    sound.calls.clear();
    Start();
    EXPECT_EQ(GameState.settings.soundOn, 0);
    EXPECT_EQ(sound.calls, (std::vector<std::string>{"GetVersion", "Init"}));
}
}  // namespace

// One call returns every module to a fresh start: nothing of a case, its
// sprites included, reaches the next one.
namespace {
TEST_F(MainFormTest, ResetGameLeavesNothingOfTheCaseBefore) {
    Start();
    GameState.ui.hoverId = 7;
    GameState.phone.shooterScore = 9;
    GameState.live.progress.keyTaken = 1;
    Randomize(99);
    QueueStep({.text = 60000});  // no such text: counted as missing
    ASSERT_GT(MissingTextLookups(), 0u);
    SetSettingsFolder("/nowhere/");
    SetGameDataFolder("/nowhere/sounds/");
    ASSERT_GT(form->DXSpriteEngine.Engine().Count(), 0);

    ResetGame();
    EXPECT_EQ(GameState.ui.hoverId, 0);
    EXPECT_EQ(GameState.phone.shooterScore, 0);
    EXPECT_EQ(GameState.live.progress.keyTaken, 0);
    EXPECT_EQ(RandomSeed(), 0u);
    EXPECT_EQ(MissingTextLookups(), 0u);
    EXPECT_EQ(SettingsFolder(), GameState.programDir);
    EXPECT_EQ(GameDataFolder(), "gamedata/");
    EXPECT_EQ(form->DXSpriteEngine.Engine().Count(), 0);
    GameState.settings.language = 1;  // the language still follows the settings byte
    EXPECT_EQ(Text(162), "Game saved.");
}
}  // namespace
