// command_line.h: the program's command line and where an installed game lies.
//
//   varnoklet3              plays the game
//   varnoklet3 --help       prints the usage and the keys, exits 0
//   varnoklet3 --version    prints "varnoklet3 VERSION", exits 0
//
// Anything else is refused with the usage on the error stream and exit 2.
#pragma once
#include <iosfwd>
#include <string>
#include <string_view>

// The sounds of an installed game, relative to the install prefix.
inline constexpr std::string_view kInstalledGameData = "share/varnoklet3/gamedata/";

// The folder of an installed game's sounds for a program in programDir
// (PREFIX/games/ or PREFIX/bin/): PREFIX/share/varnoklet3/gamedata/ when there
// is no "gamedata" folder beside the program and that one exists; else empty
// (the sounds are looked for beside the program).
std::string InstalledGameDataFolder(const std::string& programDir);

// The version the build was made as ("1.0.0").
std::string_view ProgramVersion();

// True when the command line has been dealt with (help, version or a
// mistake) and the program should exit with exitCode; false to play.
bool HandleCommandLine(int argc, char** argv, std::ostream& out, std::ostream& err, int& exitCode);
