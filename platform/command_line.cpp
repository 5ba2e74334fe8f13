// command_line.cpp: --help and --version.
#include "platform/command_line.h"

#include <filesystem>
#include <ostream>
#include <string>

#ifndef VK3_VERSION
#define VK3_VERSION "0.0.0"
#endif

namespace {
constexpr std::string_view kUsage =
    "Usage: varnoklet3 [--help | --version]\n"
    "\n"
    "Varnoklet 3, a point-and-click adventure. Without options the game starts.\n"
    "\n"
    "Keys:\n"
    "  Alt+Enter, F11         full screen on and off\n"
    "  Ctrl+Plus, Ctrl+Minus  larger or smaller window (1x to 4x)\n"
    "  F12                    screenshot into the pictures folder (its path is printed)\n"
    "  Ctrl+M                 sound off and on again (this run only)\n"
    "  Enter, Space           the same as a left click\n"
    "  H or middle button     held: every clickable thing is marked with its name\n"
    "  Tab, Shift+Tab         the cursor to the next or previous clickable thing\n"
    "  Escape                 the game menu\n"
    "\n"
    "Gamepad: left stick moves the cursor, A clicks, B is the right button, X held\n"
    "marks the clickable things, LB/RB previous/next thing, Start the game menu.\n"
    "\n"
    "Files: save.qzd (settings and saved games) and window.cfg (window size, full\n"
    "screen, and the comforts: replies=0 and markers=0 switch them off) beside\n"
    "the program; the sounds in gamedata/ beside it or, when installed, in\n"
    "PREFIX/share/varnoklet3/gamedata/.\n";
}  // namespace

std::string InstalledGameDataFolder(const std::string& programDir) {
    std::error_code ec;
    if (std::filesystem::is_directory(programDir + "gamedata", ec)) return "";
    const std::string installed = programDir + "../" + std::string(kInstalledGameData);
    return std::filesystem::is_directory(installed, ec) ? installed : "";
}

std::string_view ProgramVersion() { return VK3_VERSION; }

bool HandleCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err, int& exitCode) {
    if (argc <= 1) return false;
    const std::string_view arg = argv[1];
    exitCode = 0;
    if (argc == 2 && (arg == "--help" || arg == "-h")) {
        out << kUsage;
    } else if (argc == 2 && arg == "--version") {
        out << "varnoklet3 " << ProgramVersion() << "\n";
    } else {
        err << "varnoklet3: unknown option " << (argc == 2 ? std::string(arg) : std::string(argv[argc - 1]))
            << "\n" << kUsage;
        exitCode = 2;
    }
    return true;
}
