// command_table.cpp: the table of play-script commands and the dispatch.
#include "tools/play/commands.h"

#include "tools/play/play_session.h"

namespace {
constexpr CommandDef kCommands[] = {
    {"seed", ArgShape::Expr, RunSeed},
    {"lang", ArgShape::Expr, RunLang},
    {"res", ArgShape::Expr, RunRes},
    {"panel", ArgShape::WordExpr, RunPanel},
    {"start", ArgShape::None, RunStart},
    {"move", ArgShape::TwoExpr, RunMove},
    {"spot", ArgShape::Expr, RunSpot},
    {"click", ArgShape::None, RunClick},
    {"rclick", ArgShape::None, RunRightClick},
    {"key", ArgShape::Word, RunKey},
    {"reveal", ArgShape::Word, RunReveal},
    {"comforts", ArgShape::Word, RunComforts},
    {"frames", ArgShape::OneOrTwo, RunFrames},
    {"idle", ArgShape::None, RunIdle},
    {"repeat", ArgShape::Repeat, RunRepeat},
    {"expect", ArgShape::Comparison, RunExpect},
    {"print", ArgShape::Expr, RunPrint},
    {"screenshot", ArgShape::Path, RunScreenshot},
    {"sounds", ArgShape::None, RunSounds},
    {"shooter-bot", ArgShape::Optional, RunShooterBot},
    {"goto", ArgShape::Expr, RunGoto},
    {"give", ArgShape::Expr, RunGive},
    {"monkey", ArgShape::OneOrTwo, RunMonkey},
};
}  // namespace

const CommandDef* FindCommand(std::string_view name) {
    for (const CommandDef& c : kCommands)
        if (c.name == name) return &c;
    return nullptr;
}

bool RunCommand(PlaySession& session, const ScriptCommand& command, std::string& error) {
    return command.def->run(session, command, error);
}

bool NeedsStart(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (session.Started()) return true;
    error = std::string(command.def->name) + " needs the game running: run start first";
    return false;
}

bool ArgInt(PlaySession& session, const ScriptCommand& command, size_t i, int64_t min, int64_t max,
            int64_t& out, std::string& error) {
    Value v;
    if (!Evaluate(*command.args[i], session.Names(), v, error)) return false;
    const std::string what = std::string(command.def->name) + ": " + command.argTexts[i];
    if (v.isText) {
        error = what + " is a text, not a number";
        return false;
    }
    if (v.number < min || v.number > max) {
        const std::string value = std::to_string(v.number);
        error = what + (command.argTexts[i] == value ? "" : " (" + value + ")") + " is out of range " +
                std::to_string(min) + ".." + std::to_string(max);
        return false;
    }
    out = v.number;
    return true;
}
