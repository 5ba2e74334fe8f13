// state_commands.cpp: goto and give, test aids that change the game state
// directly instead of playing up to it.
#include <cstdint>

#include "adventure/game_ids.h"
#include "adventure/inventory.h"
#include "adventure/scene_builder.h"
#include "core/game_state.h"
#include "tools/play/commands.h"
#include "tools/play/play_session.h"

// goto N: builds scene N as a step [→N] would. Any other scene than the menu
// is built with the menu closed, as in a running game; one frame follows.
bool RunGoto(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t scene = 0;
    if (!NeedsStart(session, command, error) || !ArgInt(session, command, 0, 0, 255, scene, error))
        return false;
    if (scene != Scene::Menu) GameState.ui.menuOpen = 0;
    GameState.live.scene = static_cast<int32_t>(scene);
    VykresliScenu();
    session.RunFrame(PlaySession::kInputFrameMs);
    return true;
}

// give N: stores item N in the first free inventory entry and shows it in
// the bar without the pick-up sound and sparkle; fails with a full inventory.
bool RunGive(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t item = 0;
    if (!NeedsStart(session, command, error) ||
        !ArgInt(session, command, 0, kFirstItemId, kLastItemId, item, error))
        return false;
    for (uint8_t& entry : GameState.live.inventory) {
        if (entry != 0) continue;
        entry = static_cast<uint8_t>(item);
        DejInv(static_cast<uint16_t>(item), false);
        session.RunFrame(PlaySession::kInputFrameMs);
        return true;
    }
    error = "give: the inventory is full";
    return false;
}
