// command_line_test.cpp: --help, --version and refused options; where an
// installed game's sounds are found.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/command_line.h"

namespace {
int RunProgram(std::vector<std::string> args, std::string& out, std::string& err, bool& handled) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    std::ostringstream o, e;
    int code = -1;
    handled = HandleCommandLine(static_cast<int>(argv.size()), argv.data(), o, e, code);
    out = o.str();
    err = e.str();
    return code;
}

TEST(CommandLine, HelpVersionAndMistakes) {
    std::string out, err;
    bool handled = false;
    RunProgram({"varnoklet3"}, out, err, handled);
    EXPECT_FALSE(handled);
    EXPECT_EQ(RunProgram({"varnoklet3", "--version"}, out, err, handled), 0);
    EXPECT_TRUE(handled);
    EXPECT_EQ(out, "varnoklet3 " + std::string(ProgramVersion()) + "\n");
    EXPECT_EQ(RunProgram({"varnoklet3", "--help"}, out, err, handled), 0);
    EXPECT_NE(out.find("Alt+Enter"), std::string::npos);
    EXPECT_NE(out.find("F12"), std::string::npos);
    EXPECT_TRUE(err.empty());
    EXPECT_EQ(RunProgram({"varnoklet3", "--fullscreen"}, out, err, handled), 2);
    EXPECT_TRUE(handled);
    EXPECT_TRUE(out.empty());
    EXPECT_NE(err.find("unknown option --fullscreen"), std::string::npos);
    EXPECT_EQ(RunProgram({"varnoklet3", "--help", "x"}, out, err, handled), 2);
}

TEST(CommandLine, InstalledSoundsAreUsedOnlyWhenNoneLieBesideTheProgram) {
    namespace fs = std::filesystem;
    const fs::path prefix = fs::temp_directory_path() / ("vk3-prefix-" + std::to_string(getpid()));
    fs::remove_all(prefix);
    fs::create_directories(prefix / "games");
    const std::string programDir = (prefix / "games").string() + "/";
    EXPECT_EQ(InstalledGameDataFolder(programDir), "");  // nowhere: beside the program
    fs::create_directories(prefix / "share" / "varnoklet3" / "gamedata");
    EXPECT_EQ(InstalledGameDataFolder(programDir), programDir + "../share/varnoklet3/gamedata/");
    fs::create_directories(prefix / "games" / "gamedata");
    EXPECT_EQ(InstalledGameDataFolder(programDir), "");  // beside the program wins
    fs::remove_all(prefix);
}
}  // namespace
