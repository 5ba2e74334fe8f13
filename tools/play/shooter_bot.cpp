// shooter_bot.cpp: playing the phone game by moving the rocket under the
// lowest enemy each frame, until the game ends or the frames run out.
//
// Frames run at the pace of the game window, 60 a second: their LagCount is
// 17, 17, 16, ... so that every 3 frames take exactly 50 ms. To lose on
// purpose, a script leaves the mouse where it is and runs `frames` instead.
#include <algorithm>

#include "adventure/game_ids.h"
#include "adventure/phone_game.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "tools/play/commands.h"
#include "tools/play/play_session.h"

namespace {
constexpr int64_t kMaxBotFrames = 10'000'000;
constexpr int64_t kFramesPerSecond = 60;

// The enemy nearest the line that is still in the game, or null.
const TEnemySprite* LowestEnemy(TSpriteEngine& engine) {
    const TEnemySprite* lowest = nullptr;
    for (int32_t i = 0; i < engine.Count(); ++i) {
        const auto* enemy = dynamic_cast<const TEnemySprite*>(engine.Items(i));
        if (enemy == nullptr || enemy->IsDead()) continue;
        if (lowest == nullptr || enemy->Y > lowest->Y) lowest = enemy;
    }
    return lowest;
}

// The rocket's left edge follows the mouse X, and a shot leaves 4 px right of
// it, so a mouse at the enemy's left edge centres the shot on the enemy.
void AimAt(PlaySession& session, const TEnemySprite& enemy) {
    const TDXDraw& draw = session.Form().DDraw;
    const int32_t x = std::clamp(static_cast<int32_t>(enemy.X), 0, draw.SurfaceWidth() - 1);
    if (x != GameState.ui.mouseX) session.Form().DDrawMouseMove(x, GameState.ui.mouseY);
}
}  // namespace

bool RunShooterBot(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t maxFrames = kMaxBotFrames;
    if (!command.args.empty() && !ArgInt(session, command, 0, 1, kMaxBotFrames, maxFrames, error))
        return false;
    if (!NeedsStart(session, command, error)) return false;
    if (GameState.live.scene != Scene::PhoneGame) {
        error = "shooter-bot: not in the phone game (scene is " + std::to_string(GameState.live.scene) +
                ", the phone game is scene " + std::to_string(Scene::PhoneGame) + ")";
        return false;
    }
    if (GameState.phone.shooterOver != 0) {
        error = "shooter-bot: this phone game is over already";
        return false;
    }
    TSpriteEngine& engine = session.Form().DXSpriteEngine.Engine();
    int64_t frames = 0, elapsedMs = 0;
    while (frames < maxFrames && GameState.phone.shooterOver == 0) {
        if (const TEnemySprite* enemy = LowestEnemy(engine)) AimAt(session, *enemy);
        const int64_t until = (frames + 1) * 1000 / kFramesPerSecond;
        session.RunFrame(static_cast<int32_t>(until - elapsedMs));
        elapsedMs = until;
        ++frames;
    }
    const char* outcome = GameState.phone.shooterResult == 2 ? "won" : GameState.phone.shooterResult == 1 ? "lost" : "still running";
    session.Out() << "shooter-bot: " << outcome << " with " << int{GameState.phone.shooterScore} << " hits after "
                  << frames << " frames (" << elapsedMs / 1000 << " s)\n";
    return true;
}
