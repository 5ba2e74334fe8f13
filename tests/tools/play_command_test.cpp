// play_command_test.cpp: parsing play-script lines into commands.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/play/commands.h"
#include "tools/play/script_runner.h"

namespace {
std::unique_ptr<ScriptCommand> Parse(const std::string& line) {
    std::unique_ptr<ScriptCommand> cmd;
    std::string error;
    EXPECT_TRUE(ParseCommandLine(line, 1, cmd, error)) << line << ": " << error;
    return cmd;
}

std::string ParseError(const std::string& line) {
    std::unique_ptr<ScriptCommand> cmd;
    std::string error;
    EXPECT_FALSE(ParseCommandLine(line, 1, cmd, error)) << line;
    return error;
}

TEST(PlayCommands, LinesBecomeCommandsWithTheirArguments) {
    EXPECT_EQ(Parse("   # nothing here"), nullptr);
    EXPECT_EQ(Parse(""), nullptr);
    auto expect = Parse("  expect message == \"a#b\"   # two lines");
    ASSERT_NE(expect, nullptr);
    EXPECT_EQ(expect->def->name, "expect");
    EXPECT_EQ(expect->op, CompareOp::Equal);
    ASSERT_EQ(expect->argTexts.size(), 2u);
    EXPECT_EQ(expect->argTexts[0], "message");
    EXPECT_EQ(expect->argTexts[1], "\"a#b\"");
    auto frames = Parse("frames 3 * 2 (10 + 6)");
    ASSERT_EQ(frames->args.size(), 2u);
    EXPECT_EQ(frames->argTexts[0], "3 * 2");
    auto shot = Parse("screenshot shots/menu 1.png");
    EXPECT_EQ(shot->word, "shots/menu 1.png");
    EXPECT_EQ(Parse("screenshot \"a#b.png\"")->word, "a#b.png");
    EXPECT_EQ(Parse("key space")->word, "space");
    EXPECT_EQ(Parse("shooter-bot")->args.size(), 0u);
}

TEST(PlayCommands, RepeatKeepsTheRepeatedCommandsOwnSyntax) {
    auto cmd = Parse("repeat (flushCount + 1) * 2 screenshot shots/flush.png");
    ASSERT_NE(cmd, nullptr);
    EXPECT_EQ(cmd->argTexts[0], "(flushCount + 1) * 2");
    ASSERT_NE(cmd->repeated, nullptr);
    EXPECT_EQ(cmd->repeated->def->name, "screenshot");
    EXPECT_EQ(cmd->repeated->word, "shots/flush.png");
    auto nested = Parse("repeat 2 repeat 3 frames 1");
    ASSERT_NE(nested->repeated, nullptr);
    ASSERT_NE(nested->repeated->repeated, nullptr);
    EXPECT_EQ(nested->repeated->repeated->def->name, "frames");
    EXPECT_EQ(ParseError("repeat click"), "repeat needs: COUNT COMMAND (for example: repeat 3 click)");
    EXPECT_EQ(ParseError("repeat 3 frames"), "frames needs 1 argument");
}

TEST(PlayCommands, SyntaxErrorsSayWhatIsWrong) {
    EXPECT_EQ(ParseError("jump 3"), "unknown command 'jump'");
    EXPECT_EQ(ParseError("start now"), "unexpected 'now' at column 7 (start takes at most 0 arguments)");
    EXPECT_EQ(ParseError("move 10"), "move needs 2 arguments");
    EXPECT_EQ(ParseError("frames 1 2 3"), "unexpected '3' at column 12 (frames takes at most 2 arguments)");
    EXPECT_EQ(ParseError("expect scene 4"), "expected one of == != < <= > >= after 'scene'");
    EXPECT_EQ(ParseError("expect scene =="), "expected a value after the comparison");
    EXPECT_EQ(ParseError("expect scene == 4 5"),
              "unexpected '5' at column 19 (expect takes at most 2 arguments)");
    EXPECT_EQ(ParseError("key 13"), "key needs one word");
    EXPECT_EQ(ParseError("screenshot"), "screenshot needs a file name");
    EXPECT_EQ(ParseError("print \"open"), "unterminated string starting at column 7");
}

TEST(PlayCommands, AScriptIsParsedWholeAndStopsAtTheFirstBadLine) {
    std::istringstream good("start\r\n\n# comment\nspot 15\nexpect hoverId == 15\n");
    std::vector<std::unique_ptr<ScriptCommand>> commands;
    int line = 0;
    std::string error;
    ASSERT_TRUE(ParseScript(good, commands, line, error)) << error;
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[2]->line, 5);
    std::istringstream bad("start\nprint 1\nprint (2\nprint 3\n");
    commands.clear();
    EXPECT_FALSE(ParseScript(bad, commands, line, error));
    EXPECT_EQ(line, 3);
    EXPECT_EQ(error, "missing ')' for '(' at column 7");
}

}  // namespace
