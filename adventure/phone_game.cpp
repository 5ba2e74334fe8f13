// phone_game.cpp: the companion's phone game (scene 5).
#include "adventure/phone_game.h"

#include "adventure/scene_content.h"
#include "core/game_state.h"

// Every click outside the inventory bar is a click on 30.
void BuildPhoneGame() {
    Object("raketa", 35, 120, 30);
    Blank(30, SurfaceLeft(), SurfaceTop(), 2000, 2000, ckHidden);
    GameState.shotTimer = 15;
    GameState.spawnTimer = 0;
    GameState.spawnInterval = 90;
    GameState.shooterScore = 0;
    GameState.shooterResult = 0;
    GameState.shooterOver = 0;
}
