// script_runner.cpp: parsing a play script whole, then running it.
#include "tools/play/script_runner.h"

#include <fstream>

#include "tools/play/play_session.h"

bool ParseScript(std::istream& in, std::vector<std::unique_ptr<ScriptCommand>>& commands,
                 int& errorLine, std::string& error) {
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::unique_ptr<ScriptCommand> command;
        if (!ParseCommandLine(line, number, command, error)) {
            errorLine = number;
            return false;
        }
        if (command) commands.push_back(std::move(command));
    }
    return true;
}

int RunScriptFile(const std::string& path, PlaySession& session, std::ostream& err) {
    std::ifstream in(path);
    if (!in) {
        err << path << ": cannot open the script\n";
        return 1;
    }
    std::vector<std::unique_ptr<ScriptCommand>> commands;
    int errorLine = 0;
    std::string error;
    if (!ParseScript(in, commands, errorLine, error)) {
        err << path << ":" << errorLine << ": " << error << "\n";
        return 1;
    }
    for (const auto& command : commands)
        if (!RunCommand(session, *command, error)) {
            session.Out().flush();
            err << path << ":" << command->line << ": " << error << "\n";
            return 1;
        }
    return 0;
}
