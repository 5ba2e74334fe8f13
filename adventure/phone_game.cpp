// phone_game.cpp: the rocket, the shots, the enemies and the two endings of
// the phone game.
#include "adventure/phone_game.h"

#include <string>

#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "adventure/picture_choice.h"
#include "adventure/rules.h"
#include "adventure/scene_builder.h"
#include "adventure/scene_object.h"
#include "adventure/sound_effects.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "core/main_form.h"
#include "core/random.h"
#include "sprites/block_recycler.h"
#include "sprites/sprite_engine.h"
#include "texts/texts.h"

namespace {

constexpr int32_t kRocketPictureX = 35;
constexpr int32_t kRocketPictureY = 120;
constexpr int32_t kShotOffsetX = 4;
constexpr int32_t kEnemySize = 17;
constexpr int32_t kWholeSurface = 2000;

// The dialogue after a game, between the gamer and me.
constexpr TextId kWonTexts[] = {39, 40, 41};
constexpr TextId kLostText = 42;
constexpr uint8_t kMalletLent = 3;

// Never destroyed: sprites may still be freed while the program ends.
TBlockRecycler& EnemyBlocks() {
    static TBlockRecycler& blocks = *new TBlockRecycler;
    return blocks;
}

int32_t OriginX() { return GameState.originX; }
int32_t OriginY() { return GameState.originY; }

// "nepritel", looked up once per game rather than once per enemy.
TPictureCollectionItem* enemyPicture = nullptr;

void FireShot() {
    DejPredmet("strela", GameState.rocketX - OriginX() + kShotOffsetX, kShotStartY, kShotId);
}

void LoseGame() {
    GameState.shooterOver = 1;
    PlaySample(kHitSample);
    GameState.shooterResult = 1;
    QueueStep({.to = Scene::Gamer, .text = kLostText});
    QueueStep({.to = Scene::BunkerRoom});
}

void WinGame() {
    GameState.shooterOver = 1;
    GameState.shooterResult = 2;
    QueueStep({.to = Scene::Gamer, .text = kWonTexts[0]});
    QueueStep({.to = Scene::PlayerInBunker, .text = kWonTexts[1]});
    QueueStep({.to = Scene::Gamer, .text = kWonTexts[2]});
    QueueStep({.to = Scene::BunkerRoom, .item = Item::Mallet});
    GameState.live.progress.gamerState = kMalletLent;
}

}  // namespace

void* TMobilnepritelSprite::operator new(std::size_t size) { return EnemyBlocks().Take(size); }

void TMobilnepritelSprite::operator delete(void* block, std::size_t size) noexcept {
    EnemyBlocks().Give(block, size);
}

void TMobilnepritelSprite::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    if (GameState.shooterResult == 0) {
        Y += kEnemySpeed * MoveCount;
        if (GameState.live.scene != Scene::PhoneGame) Dead();
    }
    if (Y > OriginY() + kLossLineY && GameState.shooterOver == 0) LoseGame();
}

void BuildPhoneGame() {
    enemyPicture = FindPicture("nepritel");
    DejPredmet("raketa", kRocketPictureX, kRocketPictureY, kRocketId);
    AddHotspot(kRocketId, -OriginX(), -OriginY(), kWholeSurface, kWholeSurface, ckHidden,
               std::string());
    GameState.shotTimer = kShotTimerLimit;
    GameState.spawnTimer = 0;
    GameState.spawnInterval = kFirstSpawnInterval;
    GameState.shooterScore = 0;
    GameState.shooterResult = 0;
    GameState.shooterOver = 0;
}

TMobilnepritelSprite* dejmobilnepritele() {
    auto* enemy = new TMobilnepritelSprite(&MainForm->DXSpriteEngine.Engine());
    enemy->Image = enemyPicture;
    enemy->X = OriginX() + kLaneLeft + Random(kEnemySpread);
    enemy->Y = OriginY() + kEnemyStartY;
    enemy->SetZ(2);
    enemy->Width = kEnemySize;
    enemy->Height = kEnemySize;
    GameState.spawnTimer = 0;
    enemy->AnimCount = enemy->Image != nullptr ? enemy->Image->PatternCount() : 0;
    enemy->AnimLooped = true;
    enemy->AnimSpeed = kEnemyAnimSpeed;
    return enemy;
}

void MoveRocket(TPredmet& rocket) {
    if (GameState.shooterOver != 0) return;
    int32_t x = GameState.mouseX;
    if (x < OriginX() + kLaneLeft) x = OriginX() + kLaneLeft;
    if (x > OriginX() + kLaneRight) x = OriginX() + kLaneRight;
    GameState.rocketX = x;
    rocket.X = x;
    rocket.Y = OriginY() + kRocketY;
    if (GameState.shotTimer > kShotTimerLimit) {
        FireShot();
        GameState.shotTimer = 0;
    } else {
        ++GameState.shotTimer;
    }
    ++GameState.spawnTimer;
    if (GameState.spawnTimer >= GameState.spawnInterval) {
        dejmobilnepritele();
        if (GameState.spawnInterval > kFastestSpawnInterval) --GameState.spawnInterval;
    }
}

void MoveShot(TPredmet& shot, int32_t MoveCount) {
    if (GameState.shooterOver != 0) return;
    shot.Y -= kShotSpeed * MoveCount;
    if (shot.Y < OriginY() + kShotTopY) shot.Dead();
}

void ShotCollision(TPredmet& probe, TSprite& other, bool& Done) {
    if (GameState.shooterOver != 0 || probe.id != kShotId) return;
    if (dynamic_cast<TMobilnepritelSprite*>(&other) == nullptr) return;
    probe.Dead();
    other.Dead();
    Done = false;
    ++GameState.shooterScore;
    PlaySample(kHitSample);
    if (GameState.shooterScore > kScoreToBeat && GameState.shooterOver == 0) WinGame();
}
