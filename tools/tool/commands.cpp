// commands.cpp: the table of varnoklet3-tool's subcommands.
#include "tools/tool/tool_command.h"

#include <ostream>

namespace {
constexpr ToolCommand kCommands[] = {
    {"catalogue", "", "list the pictures: position name width height patterns kind key",
     RunCatalogueCommand},
    {"png", "NAME FILE", "write one picture (whole, as decoded) to a PNG file", RunPngCommand},
    {"sheet", "FILE", "write a contact sheet of every picture with its name to a PNG file",
     RunSheetCommand},
    {"bmp2png", "IN.bmp OUT.png", "decode a .bmp file with the game's decoder and write it as PNG",
     RunBmp2PngCommand},
    {"scenes", "FILE [--lang 0|1] [--plain] [SCENE...]",
     "write a contact sheet of the scenes with their hotspots outlined to a PNG file",
     RunScenesCommand},
    {"texts", "", "print the text table as UTF-8: id, Czech, English, tab-separated",
     RunTextsCommand},
};
}  // namespace

std::span<const ToolCommand> ToolCommands() { return kCommands; }

const ToolCommand* FindToolCommand(const std::string& name) {
    for (const auto& c : kCommands)
        if (name == c.name) return &c;
    return nullptr;
}

bool ExpectArgs(ToolContext& ctx, const char* command, ToolArgs args, size_t count) {
    if (args.size() == count) return true;
    const ToolCommand* c = FindToolCommand(command);
    ctx.err << "usage: varnoklet3-tool " << command << (c && c->usage[0] ? " " : "")
            << (c ? c->usage : "") << "\n";
    return false;
}
