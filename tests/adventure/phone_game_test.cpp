// phone_game_test.cpp: the phone game's rocket, shots, enemies, hits, the
// two endings and what is left after it.
#include <malloc.h>

#include <string>
#include <vector>

#include "adventure/phone_game.h"
#include "adventure/scene_object.h"
#include "adventure/step_queue.h"
#include "tests/adventure/allocation_counter.h"
#include "tests/adventure/game_fixture.h"

namespace {

struct QueuedStep {
    int32_t scene;
    std::string text;
    uint16_t item;
};

class PhoneGame : public GameTest {
protected:
    int32_t ox = 0, oy = 0;

    void SetUp() override {
        GameTest::SetUp();
        GameState.settings.soundOn = 1;
        form.soundHandles[kHitSample] = game.sound.SampleLoad("gamedata/vyb.qzd", 3);
        ClearSteps();
        SetMessage("");
        Build(5);
        ox = GameState.ui.originX;
        oy = GameState.ui.originY;
    }
    // Keeps the rocket from firing or spawning on its own for a while.
    static void HoldFire() {
        GameState.phone.shotTimer = 0;
        GameState.phone.spawnTimer = 0;
        GameState.phone.spawnInterval = 255;
    }
    TEnemySprite* EnemyAt(double x, double y) {
        auto* enemy = SpawnEnemy();
        enemy->X = x;
        enemy->Y = y;
        return enemy;
    }
    TShotSprite* ShotAt(int32_t x, int32_t y) { return MakeShot(x - ox, y - oy); }
    TRocketSprite* Rocket() {
        const auto rockets = All<TRocketSprite>();
        return rockets.empty() ? nullptr : rockets[0];
    }
    std::vector<TShotSprite*> Shots() { return All<TShotSprite>(); }
    static std::vector<QueuedStep> Queued() {
        std::vector<QueuedStep> out;
        for (const auto& s : GameState.ui.steps)
            if (s.pending) out.push_back({s.scene, s.text, s.item});
        return out;
    }
    int SamplesPlayed() const {
        int n = 0;
        for (const auto& path : game.sound.playedPaths) n += path == "gamedata/vyb.qzd";
        return n;
    }
    void LoseQuickly() {
        EnemyAt(ox + 200, oy + kLossLineY + 1);
        Frame();
    }
};

TEST_F(PhoneGame, RocketFollowsTheMouseWithinItsLane) {
    form.DDrawMouseMove(0, 300);
    Frame();
    EXPECT_EQ(GameState.phone.rocketX, ox + kLaneLeft);
    EXPECT_EQ(Rocket()->X, ox + kLaneLeft);
    EXPECT_EQ(Rocket()->Y, oy + kRocketY);

    form.DDrawMouseMove(ox + kLaneLeft - 1, 300);
    Frame();
    EXPECT_EQ(GameState.phone.rocketX, ox + kLaneLeft);
    form.DDrawMouseMove(ox + kLaneLeft + 1, 300);
    Frame();
    EXPECT_EQ(GameState.phone.rocketX, ox + kLaneLeft + 1);
    form.DDrawMouseMove(ox + kLaneRight + 1, 0);
    Frame();
    EXPECT_EQ(GameState.phone.rocketX, ox + kLaneRight);
    form.DDrawMouseMove(639, 479);
    Frame();
    EXPECT_EQ(GameState.phone.rocketX, ox + kLaneRight);
    EXPECT_EQ(Rocket()->X, ox + kLaneRight);
}

TEST_F(PhoneGame, FiresInTheSecondFrameThenEverySeventeenthAndSpawnsFasterDownToThirty) {
    form.DDrawMouseMove(ox + 250, 300);
    std::vector<int> shotFrames;
    for (int frame = 1; frame <= 40; ++frame) {
        const size_t before = Shots().size();
        Frame(1);
        if (Shots().size() > before) shotFrames.push_back(frame);
    }
    EXPECT_EQ(shotFrames, (std::vector<int>{2, 19, 36}));
    const auto shots = Shots();
    ASSERT_FALSE(shots.empty());
    EXPECT_EQ(shots.back()->X, ox + 250 + 4);

    HoldFire();
    GameState.phone.spawnInterval = kFirstSpawnInterval;
    std::vector<int> gaps;
    int last = 0;
    for (int frame = 1; gaps.size() < 63; ++frame) {
        const size_t before = All<TEnemySprite>().size();
        GameState.phone.shotTimer = 0;  // no shots, so nothing is hit
        Frame(1);
        if (All<TEnemySprite>().size() > before) {
            gaps.push_back(frame - last);
            last = frame;
        }
        for (auto* e : All<TEnemySprite>()) e->Y = oy + kEnemyStartY;  // never reach the line
    }
    EXPECT_EQ(gaps[0], 90);
    EXPECT_EQ(gaps[1], 89);
    EXPECT_EQ(gaps[59], 31);
    EXPECT_EQ(gaps[60], 30);
    EXPECT_EQ(gaps[62], 30);
    EXPECT_EQ(GameState.phone.spawnInterval, kFastestSpawnInterval);
    for (auto* e : All<TEnemySprite>()) {
        EXPECT_GE(e->X, ox + kLaneLeft);
        EXPECT_LT(e->X, ox + kLaneLeft + kEnemySpread);
        EXPECT_EQ(e->Width, 17);
        EXPECT_EQ(e->Height, 17);
        EXPECT_EQ(e->AnimCount, 2);
    }
}

TEST_F(PhoneGame, ShotsRiseByTimeAndVanishAboveTheTopLine) {
    HoldFire();
    TShotSprite* shot = ShotAt(ox + 180, oy + kShotStartY);
    Frame(100);
    EXPECT_DOUBLE_EQ(shot->Y, oy + kShotStartY - 10.0);
    shot->Y = oy + kShotTopY + 0.5;
    Frame(4);  // 0.4 px: still on the line
    EXPECT_EQ(Shots().size(), 1u);
    Frame(2);  // below oy + 50 now: gone after the frame's move pass
    EXPECT_TRUE(Shots().empty());
}

TEST_F(PhoneGame, EnemiesFallByTimeAndAnimate) {
    HoldFire();
    auto* enemy = EnemyAt(ox + 200, oy + kEnemyStartY);
    Frame(100);
    EXPECT_DOUBLE_EQ(enemy->Y, oy + kEnemyStartY + 5.0);
    EXPECT_EQ(enemy->CurrentPattern(), 0);
    Frame(150);  // 1.25 patterns in 250 ms
    EXPECT_EQ(enemy->CurrentPattern(), 1);
    Frame(200);  // 2.25: round again to the first
    EXPECT_EQ(enemy->CurrentPattern(), 0);
}

TEST_F(PhoneGame, AShotOverTwoOverlappingEnemiesScoresOnce) {
    HoldFire();
    auto* older = EnemyAt(ox + 200, oy + 100);
    auto* newer = EnemyAt(ox + 203, oy + 101);
    ShotAt(ox + 204, oy + 105);
    Frame();
    EXPECT_EQ(GameState.phone.shooterScore, 1);
    const auto left = All<TEnemySprite>();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], newer);  // the pass meets the older one first
    (void)older;
    EXPECT_TRUE(Shots().empty());
    EXPECT_EQ(SamplesPlayed(), 1);
}

TEST_F(PhoneGame, TwoShotsOverOneEnemyBothScoreAndTheEnemyGoesOnce) {
    HoldFire();
    EnemyAt(ox + 200, oy + 100);
    ShotAt(ox + 201, oy + 105);
    ShotAt(ox + 207, oy + 108);
    const int32_t before = engine.AllCount();
    Frame();
    EXPECT_EQ(GameState.phone.shooterScore, 2);
    EXPECT_EQ(engine.AllCount(), before - 3);
}

TEST_F(PhoneGame, TheHundredthHitGoesOnAndTheHundredAndFirstWins) {
    HoldFire();
    progress.gamerState = 2;
    GameState.phone.shooterScore = 99;
    EnemyAt(ox + 200, oy + 100);
    ShotAt(ox + 204, oy + 105);
    Frame();
    EXPECT_EQ(GameState.phone.shooterScore, 100);
    EXPECT_EQ(GameState.phone.shooterStatus, "100");
    EXPECT_EQ(GameState.phone.shooterOver, 0);
    EXPECT_TRUE(Queued().empty());

    EnemyAt(ox + 300, oy + 100);
    ShotAt(ox + 304, oy + 105);
    Frame();
    EXPECT_EQ(GameState.phone.shooterScore, 101);
    EXPECT_EQ(GameState.phone.shooterOver, 1);
    EXPECT_EQ(GameState.phone.shooterResult, 2);
    EXPECT_EQ(GameState.phone.shooterStatus, Text(135));
    EXPECT_TRUE(GameState.ui.messageLines[0].empty());
    EXPECT_EQ(progress.gamerState, 3);
    const auto q = Queued();
    ASSERT_EQ(q.size(), 4u);
    EXPECT_EQ(q[0].scene, 59);
    EXPECT_EQ(q[0].text, Text(39));
    EXPECT_EQ(q[1].scene, 58);
    EXPECT_EQ(q[1].text, Text(40));
    EXPECT_EQ(q[2].scene, 59);
    EXPECT_EQ(q[2].text, Text(41));
    EXPECT_EQ(q[3].scene, 57);
    EXPECT_EQ(q[3].text, "");
    EXPECT_EQ(q[3].item, 232);
    EXPECT_EQ(SamplesPlayed(), 2);  // the two hits; winning adds no sound
}

TEST_F(PhoneGame, HitsAfterTheWinningOneInTheSameFrameDoNotCount) {
    HoldFire();
    GameState.phone.shooterScore = 100;
    EnemyAt(ox + 200, oy + 100);
    ShotAt(ox + 204, oy + 105);
    EnemyAt(ox + 300, oy + 100);
    ShotAt(ox + 304, oy + 105);
    Frame();
    EXPECT_EQ(GameState.phone.shooterScore, 101);
    EXPECT_EQ(Queued().size(), 4u);
    EXPECT_EQ(All<TEnemySprite>().size(), 1u);
}

TEST_F(PhoneGame, AnEnemyOnTheLineGoesOnAndOnePixelPastLoses) {
    HoldFire();
    progress.gamerState = 2;
    auto* enemy = EnemyAt(ox + 200, oy + kLossLineY - 1);
    Frame(20);  // exactly on the line
    EXPECT_DOUBLE_EQ(enemy->Y, oy + kLossLineY);
    EXPECT_EQ(GameState.phone.shooterOver, 0);
    EXPECT_EQ(GameState.phone.shooterResult, 0);

    enemy->Y = oy + kLossLineY + 1 - 0.8;
    Frame(16);  // one pixel past it
    EXPECT_EQ(GameState.phone.shooterOver, 1);
    EXPECT_EQ(GameState.phone.shooterResult, 1);
    EXPECT_EQ(GameState.phone.shooterStatus, Text(134));
    EXPECT_EQ(progress.gamerState, 2);  // he may be asked again
    const auto q = Queued();
    ASSERT_EQ(q.size(), 2u);
    EXPECT_EQ(q[0].scene, 59);
    EXPECT_EQ(q[0].text, Text(42));
    EXPECT_EQ(q[1].scene, 57);
    EXPECT_EQ(q[1].text, "");
    EXPECT_EQ(q[1].item, 0);
    EXPECT_EQ(SamplesPlayed(), 1);

    Frame();  // a second enemy past the line changes nothing
    EnemyAt(ox + 250, oy + kLossLineY + 5);
    Frame();
    EXPECT_EQ(Queued().size(), 2u);
    EXPECT_EQ(SamplesPlayed(), 1);
}

TEST_F(PhoneGame, AfterTheEndNothingMovesSpawnsOrScoresButEnemiesStillAnimate) {
    form.DDrawMouseMove(ox + 200, 300);
    Frame();
    auto* enemy = EnemyAt(ox + 300, oy + 60);
    TShotSprite* frozenShot = ShotAt(ox + 304, oy + 120);
    LoseQuickly();
    ASSERT_EQ(GameState.phone.shooterOver, 1);
    const int32_t sprites = engine.AllCount();
    const double enemyY = enemy->Y, shotY = frozenShot->Y;
    const int32_t rocketX = GameState.phone.rocketX;

    form.DDrawMouseMove(ox + 350, 300);
    frozenShot->Y = enemy->Y + 2;  // a frozen shot over a frozen enemy
    for (int i = 0; i < 200; ++i) Frame();
    EXPECT_EQ(engine.AllCount(), sprites);
    EXPECT_EQ(GameState.phone.rocketX, rocketX);
    EXPECT_EQ(Rocket()->X, rocketX);
    EXPECT_DOUBLE_EQ(enemy->Y, enemyY);
    EXPECT_DOUBLE_EQ(frozenShot->Y, enemyY + 2);
    EXPECT_NE(shotY, frozenShot->Y);
    EXPECT_EQ(GameState.phone.shooterScore, 0);
    EXPECT_EQ(Queued().size(), 2u);
    const double anim = enemy->AnimPos;
    Frame(100);
    EXPECT_NE(enemy->AnimPos, anim);
}

TEST_F(PhoneGame, LeavingFreesEverySpriteAndComingBackStartsAFreshGame) {
    Build(57);
    const int32_t roomSprites = engine.AllCount();
    Build(5);
    form.DDrawMouseMove(ox + 300, 300);
    for (int i = 0; i < 400; ++i) Frame(5);
    ASSERT_FALSE(All<TEnemySprite>().empty());
    ASSERT_FALSE(Shots().empty());
    LoseQuickly();

    Build(57);
    EXPECT_EQ(engine.AllCount(), roomSprites);
    EXPECT_TRUE(All<TEnemySprite>().empty());
    EXPECT_TRUE(Shots().empty());
    EXPECT_EQ(Rocket(), nullptr);

    Build(5);
    EXPECT_EQ(GameState.phone.shooterOver, 0);
    EXPECT_EQ(GameState.phone.shooterResult, 0);
    EXPECT_EQ(GameState.phone.shooterScore, 0);
    EXPECT_EQ(GameState.phone.shooterStatus, "0");
    EXPECT_EQ(GameState.phone.spawnInterval, kFirstSpawnInterval);
    EXPECT_TRUE(All<TEnemySprite>().empty());
    ASSERT_NE(Rocket(), nullptr);
    EXPECT_EQ(Rocket()->Image->Name(), "raketa");
}

TEST_F(PhoneGame, RepeatedGamesAllocateNothingAndKeepTheirMemory) {
    auto playOneGame = [&] {
        ClearSteps();
        Build(5);
        form.DDrawMouseMove(ox + 260, 300);
        for (int i = 0; i < 3000 && GameState.phone.shooterOver == 0; ++i) Frame(2);
        Build(57);
    };
    GameState.settings.soundOn = 0;  // the recording sound library keeps a log
    playOneGame();  // the first game reaches the peak number of sprites
    playOneGame();
    const size_t before = mallinfo2().uordblks;
    for (int game = 0; game < 5; ++game) {
        ClearSteps();
        Build(5);
        form.DDrawMouseMove(ox + 260, 300);
        StartCountingAllocations();
        int frames = 0;
        for (; frames < 3000 && GameState.phone.shooterOver == 0; ++frames) Frame(2);
        EXPECT_EQ(StopCountingAllocations(), 0) << "game " << game;
        EXPECT_GT(frames, 500);
        EXPECT_EQ(GameState.phone.shooterResult, 1);
        Build(57);
    }
    EXPECT_LE(mallinfo2().uordblks, before);
}

}  // namespace

namespace {
// The enemy picture is looked up once per game; a catalogue loaded again in
// between leaves no pointer into the old one.
TEST_F(PhoneGame, EnemiesAfterAReloadOfThePicturesUseTheNewCatalogue) {
    std::string error;
    ASSERT_TRUE(form.LoadPictures(EmbeddedPictureData(), error)) << error;
    const TEnemySprite* enemy = SpawnEnemy();
    ASSERT_NE(enemy->Image, nullptr);
    EXPECT_EQ(enemy->Image, FindPicture("nepritel"));
}
}  // namespace
