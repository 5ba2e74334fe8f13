// main.cpp: varnoklet3-tool's entry: global options, then one subcommand.
//
//   varnoklet3-tool [--container FILE] COMMAND [ARGS...]
//
// Without a command, or with "help", it prints the subcommands.
#include <iostream>
#include <string>
#include <vector>

#include "tools/tool/tool_command.h"

namespace {
void PrintUsage(std::ostream& o) {
    o << "usage: varnoklet3-tool [--container FILE] COMMAND [ARGS...]\n"
         "  --container FILE  read the pictures from a container file instead of the built-in ones\n"
         "commands:\n";
    for (const auto& c : ToolCommands())
        o << "  " << c.name << (c.usage[0] ? " " : "") << c.usage << "\n      " << c.summary << "\n";
}
}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    ToolContext ctx(std::cout, std::cerr);
    size_t i = 0;
    while (i < args.size() && args[i].rfind("--", 0) == 0) {
        if (args[i] == "--container" && i + 1 < args.size()) {
            ctx.containerPath = args[i + 1];
            i += 2;
        } else {
            std::cerr << "varnoklet3-tool: unknown or incomplete option '" << args[i] << "'\n";
            PrintUsage(std::cerr);
            return 2;
        }
    }
    if (i == args.size() || args[i] == "help") {
        PrintUsage(i == args.size() ? std::cerr : std::cout);
        return i == args.size() ? 2 : 0;
    }
    const ToolCommand* command = FindToolCommand(args[i]);
    if (command == nullptr) {
        std::cerr << "varnoklet3-tool: unknown command '" << args[i] << "'\n";
        PrintUsage(std::cerr);
        return 2;
    }
    try {
        return command->run(ctx, ToolArgs(args).subspan(i + 1));
    } catch (const std::exception& e) {
        std::cerr << "varnoklet3-tool " << command->name << ": " << e.what() << "\n";
        return 1;
    }
}
