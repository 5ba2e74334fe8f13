// input_commands.cpp: move, spot, click, rclick and key: the window events
// of the drawing area. As in the game, where frames run between events,
// every event is followed by one frame of 16 ms, so the hover of that frame
// is what the next click acts on.
#include <algorithm>
#include <iterator>
#include <string_view>

#include "adventure/comforts.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "tools/play/commands.h"
#include "tools/play/play_session.h"
#include "adventure/spot_finder.h"

namespace {
bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

void MoveMouse(PlaySession& session, int32_t x, int32_t y) {
    session.Form().DDrawMouseMove(x, y);
    session.RunFrame(PlaySession::kInputFrameMs);
}
}  // namespace

// A left click, then its frame; `idle` clicks through the same path.
bool ClickOnce(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (!NeedsStart(session, command, error)) return false;
    session.Form().DDrawClick();
    session.RunFrame(PlaySession::kInputFrameMs);
    return true;
}

bool RunMove(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (!NeedsStart(session, command, error)) return false;
    const TDXDraw& draw = session.Form().DDraw;
    int64_t x = 0, y = 0;
    if (!ArgInt(session, command, 0, 0, draw.SurfaceWidth() - 1, x, error) ||
        !ArgInt(session, command, 1, 0, draw.SurfaceHeight() - 1, y, error))
        return false;
    MoveMouse(session, static_cast<int32_t>(x), static_cast<int32_t>(y));
    return true;
}

bool RunSpot(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (!NeedsStart(session, command, error)) return false;
    int64_t id = 0;
    if (!ArgInt(session, command, 0, 1, INT32_MAX, id, error)) return false;
    const TDXDraw& draw = session.Form().DDraw;
    const int64_t ox = GameState.ui.originX, oy = GameState.ui.originY;
    const SpotRect visible = VisibleArea(draw.SurfaceWidth(), draw.SurfaceHeight(), ox, oy);
    int32_t px = 0, py = 0;
    if (!FindSpotPoint(GameState.ui.hotspots, id, visible, px, py, error)) return Fail(error, "spot: " + error);
    MoveMouse(session, static_cast<int32_t>(px + ox), static_cast<int32_t>(py + oy));
    if (GameState.ui.hoverId == static_cast<uint16_t>(id)) return true;
    return Fail(error, "spot: moved to (" + std::to_string(GameState.ui.mouseX) + ", " +
                           std::to_string(GameState.ui.mouseY) + ") inside hotspot " + std::to_string(id) +
                           ", but the cursor found hoverId " + std::to_string(GameState.ui.hoverId));
}

bool RunClick(PlaySession& session, const ScriptCommand& command, std::string& error) {
    return ClickOnce(session, command, error);
}

bool RunRightClick(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (!NeedsStart(session, command, error)) return false;
    session.Form().DDrawMouseUp(TMouseButton::mbRight, GameState.ui.mouseX, GameState.ui.mouseY);
    session.RunFrame(PlaySession::kInputFrameMs);
    return true;
}

bool RunKey(PlaySession& session, const ScriptCommand& command, std::string& error) {
    static constexpr struct {
        std::string_view word;
        int32_t key;
        bool shift;
    } kKeys[] = {{"enter", VK_RETURN, false}, {"space", VK_SPACE, false}, {"tab", VK_TAB, false},
                 {"shift+tab", VK_TAB, true}, {"escape", VK_ESCAPE, false}};
    const auto* found = std::find_if(std::begin(kKeys), std::end(kKeys),
                                     [&](const auto& k) { return k.word == command.word; });
    if (found == std::end(kKeys))
        return Fail(error, "key: '" + command.word +
                               "' is not a key here: use enter, space, tab, shift+tab or escape");
    if (!NeedsStart(session, command, error)) return false;
    session.Form().FormKeyDown(found->key, found->shift);
    session.Form().FormKeyUp(found->key);
    session.RunFrame(PlaySession::kInputFrameMs);
    return true;
}

// On or off from the command's word; false with the reason for any other word.
bool OnOff(const ScriptCommand& command, bool& on, std::string& error) {
    on = command.word == "on";
    if (on || command.word == "off") return true;
    return Fail(error, std::string(command.def->name) + ": '" + command.word + "' is neither on nor off");
}

// Holds the reveal (as H held down would) or lets go of it; then one frame.
bool RunReveal(PlaySession& session, const ScriptCommand& command, std::string& error) {
    bool on = false;
    if (!OnOff(command, on, error) || !NeedsStart(session, command, error)) return false;
    HoldReveal(rsScript, on);
    session.RunFrame(PlaySession::kInputFrameMs);
    return true;
}

// Both comforts on or off (as window.cfg's replies= and markers= would set them).
bool RunComforts(PlaySession&, const ScriptCommand& command, std::string& error) {
    bool on = false;
    if (!OnOff(command, on, error)) return false;
    Comforts() = TComfortSwitches{on, on};
    return true;
}
