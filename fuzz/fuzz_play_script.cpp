// fuzz_play_script.cpp: the play harness's script parser on arbitrary text.
//
// Input: a whole play script. Parsing must either accept every line or stop
// at a syntax error with a line number inside the script and a reason; it
// never runs a command. An accepted script parses to the same commands again.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tools/play/commands.h"
#include "tools/play/script_runner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream in(text);
    std::vector<std::unique_ptr<ScriptCommand>> commands;
    int errorLine = 0;
    std::string error;
    const bool ok = ParseScript(in, commands, errorLine, error);
    if (!ok) {
        const int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        if (error.empty() || errorLine < 1 || errorLine > lines) std::abort();
        return 0;
    }
    for (const auto& c : commands)
        if (!c || !c->def || FindCommand(c->def->name) != c->def) std::abort();
    std::istringstream again(text);
    std::vector<std::unique_ptr<ScriptCommand>> second;
    if (!ParseScript(again, second, errorLine, error) || second.size() != commands.size())
        std::abort();
    return 0;
}
