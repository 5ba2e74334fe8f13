// shooter_bot.cpp: playing the phone game by moving the rocket under the
// lowest enemy each frame, until the game ends or the frames run out.
//
// The phone game's enemies (TMobilnepritelSprite) are not built yet, so the
// command checks its argument and then says so instead of pretending.
#include "tools/play/commands.h"
#include "tools/play/play_session.h"

namespace {
constexpr int64_t kMaxBotFrames = 10'000'000;
}  // namespace

bool RunShooterBot(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t maxFrames = kMaxBotFrames;
    if (!command.args.empty() && !ArgInt(session, command, 0, 1, kMaxBotFrames, maxFrames, error))
        return false;
    error = "shooter-bot: the phone game is not built yet (there is no enemy class "
            "TMobilnepritelSprite to aim at)";
    return false;
}
