// setup_commands.cpp: seed, lang, res, panel and start: what happens before
// and at the start button.
#include <cstdint>

#include "core/game_state.h"
#include "core/random.h"
#include "tools/play/commands.h"
#include "shell/start_panel.h"
#include "tools/play/play_session.h"

namespace {
// The start panel is gone once the game runs; its settings cannot change then.
bool BeforeStart(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (!session.Started()) return true;
    error = std::string(command.def->name) + " must come before start (it is a start-panel setting)";
    return false;
}
}  // namespace

bool RunSeed(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t seed = 0;
    if (!ArgInt(session, command, 0, 0, UINT32_MAX, seed, error)) return false;
    Randomize(static_cast<uint32_t>(seed));
    return true;
}

bool RunLang(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t language = 0;
    if (!BeforeStart(session, command, error) || !ArgInt(session, command, 0, 0, 1, language, error))
        return false;
    GameState.settings.language = static_cast<uint8_t>(language);
    return true;
}

bool RunRes(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t resolution = 0;
    if (!BeforeStart(session, command, error) || !ArgInt(session, command, 0, 0, 3, resolution, error))
        return false;
    GameState.settings.resolution = static_cast<uint8_t>(resolution);
    return true;
}

// panel lang|res|sound N: the start panel's controls, as the player uses
// them: the setting changes, the panel is translated and the file written.
bool RunPanel(PlaySession& session, const ScriptCommand& command, std::string& error) {
    const std::string& control = command.word;
    const int64_t max = control == "res" ? 3 : 1;
    if (control != "lang" && control != "res" && control != "sound") {
        error = "panel: unknown control '" + control + "' (lang, res or sound)";
        return false;
    }
    int64_t value = 0;
    if (!BeforeStart(session, command, error) || !ArgInt(session, command, 0, 0, max, value, error))
        return false;
    TStartPanel& panel = session.Panel();
    if (control == "lang") panel.LanguageChange(static_cast<int32_t>(value));
    if (control == "res") panel.DisplayModeChange(static_cast<int32_t>(value));
    if (control == "sound") panel.SoundsCheckClick(value != 0);
    return true;
}

bool RunStart(PlaySession& session, const ScriptCommand&, std::string& error) {
    return session.Start(error);
}
