// commands.h: the play script's commands, their parsed form and the table
// that dispatches them.
//
// Each script line is parsed once, before the script runs, into a
// ScriptCommand: the command from the table, its argument expressions, its
// word or path, and for `repeat` the command to repeat. Running a command
// calls its function from the table with the session; the function returns
// false with the reason when the command fails (a failed expect, a part of
// the game not built yet, a bad value), and the runner stops the script there.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tools/play/expression.h"

class PlaySession;
struct ScriptCommand;

// The arguments a command takes, checked when the line is parsed.
enum class ArgShape {
    None,        // start, click, idle, sounds ...
    Expr,        // seed N, spot EXPR, print EXPR ...
    TwoExpr,     // move X Y
    OneOrTwo,    // frames N [MS]
    Optional,    // shooter-bot [MAXFRAMES]
    Word,        // key enter|space|shift+tab ...
    WordExpr,    // panel lang|res|sound EXPR
    Path,        // screenshot FILE.png (the rest of the line, or a "quoted" path)
    Comparison,  // expect EXPR OP VALUE
    Repeat,      // repeat EXPR COMMAND
};

using CommandFunction = bool (*)(PlaySession& session, const ScriptCommand& command, std::string& error);

struct CommandDef {
    std::string_view name;
    ArgShape shape;
    CommandFunction run;
};

struct ScriptCommand {
    int line = 0;
    const CommandDef* def = nullptr;
    std::vector<Expr> args;
    std::vector<std::string> argTexts;  // each argument as written, for messages
    CompareOp op = CompareOp::Equal;    // for Comparison
    std::string word;                   // for Word and Path
    std::unique_ptr<ScriptCommand> repeated;  // for Repeat
};

// The command named `name`, or null.
const CommandDef* FindCommand(std::string_view name);

// Parses one line (comment and blanks allowed). Returns false with a message
// on a syntax error; `out` is null for a line without a command.
bool ParseCommandLine(std::string_view line, int lineNumber, std::unique_ptr<ScriptCommand>& out,
                      std::string& error);

bool RunCommand(PlaySession& session, const ScriptCommand& command, std::string& error);

// True when the game runs; otherwise false, with a message that names the command.
bool NeedsStart(PlaySession& session, const ScriptCommand& command, std::string& error);

// Evaluates argument i as an integer in [min, max]; the message names the argument.
bool ArgInt(PlaySession& session, const ScriptCommand& command, size_t i, int64_t min, int64_t max,
            int64_t& out, std::string& error);

// One left click and its frame, as `click` does it (used by `idle` too).
bool ClickOnce(PlaySession& session, const ScriptCommand& command, std::string& error);

// The command functions (one file per group: setup, input, flow, checks, shooter bot).
bool RunSeed(PlaySession&, const ScriptCommand&, std::string&);
bool RunLang(PlaySession&, const ScriptCommand&, std::string&);
bool RunRes(PlaySession&, const ScriptCommand&, std::string&);
bool RunStart(PlaySession&, const ScriptCommand&, std::string&);
bool RunPanel(PlaySession&, const ScriptCommand&, std::string&);
bool RunMove(PlaySession&, const ScriptCommand&, std::string&);
bool RunSpot(PlaySession&, const ScriptCommand&, std::string&);
bool RunClick(PlaySession&, const ScriptCommand&, std::string&);
bool RunRightClick(PlaySession&, const ScriptCommand&, std::string&);
bool RunKey(PlaySession&, const ScriptCommand&, std::string&);
bool RunReveal(PlaySession&, const ScriptCommand&, std::string&);
bool RunComforts(PlaySession&, const ScriptCommand&, std::string&);
bool RunFrames(PlaySession&, const ScriptCommand&, std::string&);
bool RunIdle(PlaySession&, const ScriptCommand&, std::string&);
bool RunRepeat(PlaySession&, const ScriptCommand&, std::string&);
bool RunExpect(PlaySession&, const ScriptCommand&, std::string&);
bool RunPrint(PlaySession&, const ScriptCommand&, std::string&);
bool RunScreenshot(PlaySession&, const ScriptCommand&, std::string&);
bool RunSounds(PlaySession&, const ScriptCommand&, std::string&);
bool RunShooterBot(PlaySession&, const ScriptCommand&, std::string&);
bool RunGoto(PlaySession&, const ScriptCommand&, std::string&);
bool RunGive(PlaySession&, const ScriptCommand&, std::string&);
bool RunMonkey(PlaySession&, const ScriptCommand&, std::string&);  // monkey.cpp
