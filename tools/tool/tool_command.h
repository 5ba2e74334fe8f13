// tool_command.h: the subcommands of varnoklet3-tool.
//
// A subcommand is one entry of the table in commands.cpp: its name, a usage
// line, a one-line summary and the function that runs it. The function gets
// the words after the subcommand's name and returns the process exit code
// (0 done, 1 failed, 2 wrong arguments); it writes results to ctx.out and
// every error to ctx.err. To add a subcommand, write cmd_<name>.cpp with its
// function, declare it below and add a row to the table.
#pragma once
#include <iosfwd>
#include <memory>
#include <span>
#include <string>

class ToolCatalogue;

struct ToolContext {
    std::string containerPath;  // --container FILE; empty: the pictures built into the tool
    std::ostream& out;
    std::ostream& err;
    // The catalogue, loaded on first use and bound to a headless 640x480
    // display, so that every item has its surfaces and patterns. On failure
    // writes the reason to err and returns nullptr.
    ToolCatalogue* Catalogue();

    ToolContext(std::ostream& o, std::ostream& e);
    ~ToolContext();

private:
    std::unique_ptr<ToolCatalogue> catalogue_;
};

using ToolArgs = std::span<const std::string>;

struct ToolCommand {
    const char* name;
    const char* usage;    // arguments after the name
    const char* summary;
    int (*run)(ToolContext& ctx, ToolArgs args);
};

std::span<const ToolCommand> ToolCommands();
const ToolCommand* FindToolCommand(const std::string& name);
// True when args has exactly count words; otherwise prints the command's usage to ctx.err.
bool ExpectArgs(ToolContext& ctx, const char* command, ToolArgs args, size_t count);

int RunCatalogueCommand(ToolContext& ctx, ToolArgs args);
int RunPngCommand(ToolContext& ctx, ToolArgs args);
int RunSheetCommand(ToolContext& ctx, ToolArgs args);
int RunBmp2PngCommand(ToolContext& ctx, ToolArgs args);
int RunScenesCommand(ToolContext& ctx, ToolArgs args);
int RunTextsCommand(ToolContext& ctx, ToolArgs args);
