// script_runner.h: reading a play script and running it against a session.
//
// The whole script is parsed first, so a syntax error anywhere stops it
// before the game does anything; then the commands run in order and the
// first one that fails stops the script. Every failure is reported on `err`
// as "SCRIPT:LINE: reason", SCRIPT being the path as given.
#pragma once
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "tools/play/commands.h"

class PlaySession;

// Parses every line; false on the first syntax error, with its line number.
bool ParseScript(std::istream& in, std::vector<std::unique_ptr<ScriptCommand>>& commands,
                 int& errorLine, std::string& error);

// Runs the script at `path`: 0 when it ran through, 1 when it could not be
// read, did not parse or a command failed.
int RunScriptFile(const std::string& path, PlaySession& session, std::ostream& err);
