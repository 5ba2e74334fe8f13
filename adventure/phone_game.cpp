// phone_game.cpp: the rocket, the shots, the enemies and the two endings of
// the phone game.
#include "adventure/phone_game.h"

#include <charconv>
#include <string>

#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "adventure/picture_choice.h"
#include "adventure/rules.h"
#include "adventure/scene_object.h"
#include "adventure/sound_effects.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "core/random.h"
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
constexpr TextId kLostStatusText = 134;
constexpr TextId kWonStatusText = 135;
constexpr uint8_t kMalletLent = 3;

int32_t OriginX() { return GameState.ui.originX; }
int32_t OriginY() { return GameState.ui.originY; }

// "nepritel", looked up once per game rather than once per enemy; forgotten
// whenever the catalogue is loaded again.
TPictureCollectionItem* enemyPicture = nullptr;

// The status line under the picture: the score while the game runs, then
// the result. Kept up to date here, where the score and the result change;
// the overlay only draws it.
void ShowStatus() {
    std::string& line = GameState.phone.shooterStatus;
    switch (GameState.phone.shooterResult) {
    case 0: {
        char digits[4];
        auto [end, ec] = std::to_chars(digits, digits + sizeof digits, GameState.phone.shooterScore);
        (void)ec;  // a uint8_t always fits in three digits
        line.assign(digits, end);
        break;
    }
    case 1: GetText(kLostStatusText, line); break;
    case 2: GetText(kWonStatusText, line); break;
    default: line.clear(); break;
    }
}

// The shot picture's name, kept so that firing allocates nothing.
const std::string& ShotPicture() {
    static const std::string name = "strela";
    return name;
}

void FireShot() { MakeShot(GameState.phone.rocketX - OriginX() + kShotOffsetX, kShotStartY); }

void LoseGame() {
    GameState.phone.shooterOver = 1;
    PlaySample(kHitSample);
    GameState.phone.shooterResult = 1;
    ShowStatus();
    QueueStep({.to = Scene::Gamer, .text = kLostText});
    QueueStep({.to = Scene::BunkerRoom});
}

void WinGame() {
    GameState.phone.shooterOver = 1;
    GameState.phone.shooterResult = 2;
    ShowStatus();
    QueueStep({.to = Scene::Gamer, .text = kWonTexts[0]});
    QueueStep({.to = Scene::PlayerInBunker, .text = kWonTexts[1]});
    QueueStep({.to = Scene::Gamer, .text = kWonTexts[2]});
    QueueStep({.to = Scene::BunkerRoom, .item = Item::Mallet});
    GameState.live.progress.gamerState = kMalletLent;
}

}  // namespace

void TEnemySprite::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    if (GameState.phone.shooterResult == 0) {
        Y += kEnemySpeed * MoveCount;
        if (GameState.live.scene != Scene::PhoneGame) Dead();
    }
    if (Y > OriginY() + kLossLineY && GameState.phone.shooterOver == 0) LoseGame();
}

void BuildPhoneGame() {
    enemyPicture = FindPicture("nepritel");
    PlaceOnScene(*new TRocketSprite(&SceneEngine()), "raketa", kRocketPictureX, kRocketPictureY);
    AddHotspot(Spot::PhoneGame, -OriginX(), -OriginY(), kWholeSurface, kWholeSurface, ckHidden,
               std::string());
    GameState.phone.shotTimer = kShotTimerLimit;
    GameState.phone.spawnTimer = 0;
    GameState.phone.spawnInterval = kFirstSpawnInterval;
    GameState.phone.shooterScore = 0;
    GameState.phone.shooterResult = 0;
    GameState.phone.shooterOver = 0;
    ShowStatus();
}

void ForgetPhoneGamePictures() { enemyPicture = nullptr; }

TShotSprite* MakeShot(int32_t x, int32_t y) {
    auto* shot = new TShotSprite(&SceneEngine());
    PlaceOnScene(*shot, ShotPicture(), x, y);
    return shot;
}

TEnemySprite* SpawnEnemy() {
    auto* enemy = new TEnemySprite(&SceneEngine());
    if (enemyPicture == nullptr) enemyPicture = FindPicture("nepritel");
    enemy->Image = enemyPicture;
    enemy->X = OriginX() + kLaneLeft + Random(kEnemySpread);
    enemy->Y = OriginY() + kEnemyStartY;
    enemy->SetZ(2);
    enemy->Width = kEnemySize;
    enemy->Height = kEnemySize;
    GameState.phone.spawnTimer = 0;
    enemy->AnimCount = enemy->Image != nullptr ? enemy->Image->PatternCount() : 0;
    enemy->AnimLooped = true;
    enemy->AnimSpeed = kEnemyAnimSpeed;
    return enemy;
}

void TRocketSprite::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    if (GameState.phone.shooterOver != 0) return;
    int32_t x = GameState.ui.mouseX;
    if (x < OriginX() + kLaneLeft) x = OriginX() + kLaneLeft;
    if (x > OriginX() + kLaneRight) x = OriginX() + kLaneRight;
    GameState.phone.rocketX = x;
    X = x;
    Y = OriginY() + kRocketY;
    if (GameState.phone.shotTimer > kShotTimerLimit) {
        FireShot();
        GameState.phone.shotTimer = 0;
    } else {
        ++GameState.phone.shotTimer;
    }
    ++GameState.phone.spawnTimer;
    if (GameState.phone.spawnTimer >= GameState.phone.spawnInterval) {
        SpawnEnemy();
        if (GameState.phone.spawnInterval > kFastestSpawnInterval) --GameState.phone.spawnInterval;
    }
}

void TShotSprite::DoMove(int32_t MoveCount) {
    TImageSpriteEx::DoMove(MoveCount);
    if (GameState.phone.shooterOver == 0) {
        Y -= kShotSpeed * MoveCount;
        if (Y < OriginY() + kShotTopY) Dead();
    }
    Collision();
}

void TShotSprite::DoCollision(TSprite& other, bool& Done) {
    if (GameState.phone.shooterOver != 0) return;
    if (dynamic_cast<TEnemySprite*>(&other) == nullptr) return;
    Dead();
    other.Dead();
    Done = false;
    ++GameState.phone.shooterScore;
    ShowStatus();
    PlaySample(kHitSample);
    if (GameState.phone.shooterScore > kScoreToBeat && GameState.phone.shooterOver == 0) WinGame();
}
