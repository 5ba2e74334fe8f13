// phone_game.h: the gamer's phone game in scene 5, a little vertical shooter.
//
// A rocket at the bottom of the picture follows the mouse within its lane
// and fires on its own; enemies appear at random places along a row near the
// top and drift down. The 101st hit wins, an enemy that gets past the line
// above the rocket loses. Either way the game freezes and hands the outcome
// back to the story as queued steps, which the player clicks through.
//
// The pieces, each a sprite class of this file with its own per-frame
// behaviour: the rocket (TRocketSprite, "raketa"), which follows the mouse,
// fires and spawns; its shots (TShotSprite, "strela"), which rise and score
// hits; the enemies (TEnemySprite, "nepritel"). The game's counters
// live in GameState.phone (rocketX, shotTimer, spawnTimer, spawnInterval,
// shooterScore, shooterResult, shooterOver, shooterStatus); the status line
// under the picture is kept here and drawn by the shell's text overlay.
//
// Pace. Positions move by the frame's milliseconds (shots rise 0.1 px/ms,
// enemies fall 0.05 px/ms), while firing and spawning count frames (a shot
// every 17 frames, an enemy every 90 frames at first, one frame sooner each
// time down to 30), so the frame pacing of the loop sets the difficulty.
//
// Lifetime. Every sprite of the game is a child of the engine; leaving scene 5
// rebuilds the scene, which frees them all, and building scene 5 again starts
// a fresh game. The shots and enemies come from recycled block stores, so a
// running game and any number of repeated games allocate none for them once
// the first game has reached its peak number of them; the one rocket of a
// game is an ordinary allocation of its build.
#pragma once
#include <cstdint>

#include "sprites/block_recycler.h"
#include "sprites/image_sprite.h"

// The game's geometry, relative to the picture's top-left corner (originX,
// originY). The lane bounds rocketX; the rocket flies at kRocketY.
inline constexpr int32_t kLaneLeft = 170;
inline constexpr int32_t kLaneRight = 370;
inline constexpr int32_t kRocketY = 152;
inline constexpr int32_t kShotStartY = 147;   // shots leave 4 px right of the rocket's X
inline constexpr int32_t kShotTopY = 50;      // a shot above this line is gone
inline constexpr int32_t kEnemyStartY = 35;
inline constexpr int32_t kEnemySpread = 200;  // enemy X = lane left + 0..199
inline constexpr int32_t kLossLineY = 140;    // an enemy below this line loses the game
inline constexpr int32_t kScoreToBeat = 100;  // the hit after it (the 101st) wins

inline constexpr uint16_t kShotTimerLimit = 15;  // fires once shotTimer is past it: every 17 frames
inline constexpr uint8_t kFirstSpawnInterval = 90;
inline constexpr uint8_t kFastestSpawnInterval = 30;
inline constexpr double kShotSpeed = 0.1;       // pixels per millisecond, upwards
inline constexpr double kEnemySpeed = 0.05;     // pixels per millisecond, downwards
inline constexpr double kEnemyAnimSpeed = 0.005;  // one pattern change every 200 ms
inline constexpr uint8_t kHitSample = 9;

// One enemy: 17x17, the two patterns of "nepritel" alternating. It falls
// while the game runs, stops when it ends (still animating), and the first
// one below the line while the game is not over loses it.
// Its memory is recycled (see the file comment).
class TEnemySprite : public TImageSpriteEx, public TRecycledBlocks<TEnemySprite> {
public:
    explicit TEnemySprite(TSprite* parent) : TImageSpriteEx(parent) {}

protected:
    void DoMove(int32_t MoveCount) override;
};

// The rocket: follows the mouse within the lane, fires, spawns. Still once
// the game is over.
class TRocketSprite : public TImageSpriteEx {
public:
    explicit TRocketSprite(TSprite* parent) : TImageSpriteEx(parent) {}

protected:
    void DoMove(int32_t MoveCount) override;
};

// A shot: rises, and is gone above the top line. Frozen once the game is
// over. The only sprite of the game whose hits mean anything: a shot that
// meets an enemy takes it and itself out of the game and scores (the 101st
// hit wins); every hit once the game is over does nothing. Its memory is
// recycled (see the file comment).
class TShotSprite : public TImageSpriteEx, public TRecycledBlocks<TShotSprite> {
public:
    explicit TShotSprite(TSprite* parent) : TImageSpriteEx(parent) {}

protected:
    void DoCollision(TSprite& other, bool& Done) override;
    void DoMove(int32_t MoveCount) override;
};

// Scene 5's content: the rocket at picture (35, 120), Spot::PhoneGame without
// label or cursor over the whole surface (so a click in the game lands on
// nothing that acts), and the counters of a fresh game.
void BuildPhoneGame();

// Creates one enemy at a random place of the top row and restarts the
// spawn count. Returns it.
TEnemySprite* SpawnEnemy();

// Forgets the enemy picture looked up when the game was built, which a
// reloaded picture catalogue would leave pointing at a freed picture; the
// next build of the game looks it up again.
void ForgetPhoneGamePictures();

// Creates a shot at picture (x, y) (Z 2, the picture's pattern size).
TShotSprite* MakeShot(int32_t x, int32_t y);
