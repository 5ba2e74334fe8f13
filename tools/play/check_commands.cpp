// check_commands.cpp: expect, print, screenshot and sounds: what a script
// learns about the game.
#include <cctype>
#include <filesystem>
#include <system_error>

#include "tools/common/png_writer.h"
#include "tools/play/commands.h"
#include "tools/play/play_session.h"
#include "tools/play/sample_log.h"

namespace {
bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

bool EndsWithPng(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".png";
}

bool IsLiteral(const ExprNode& e) {
    return e.kind == ExprNode::Kind::Number || e.kind == ExprNode::Kind::String;
}
}  // namespace

bool RunExpect(PlaySession& session, const ScriptCommand& command, std::string& error) {
    Value lhs, rhs;
    if (!Evaluate(*command.args[0], session.Names(), lhs, error) ||
        !Evaluate(*command.args[1], session.Names(), rhs, error))
        return false;
    bool holds = false;
    if (!CompareValues(lhs, command.op, rhs, holds, error)) return false;
    if (holds) return true;
    std::string message = "expect " + command.argTexts[0] + " " + std::string(CompareOpText(command.op)) +
                          " " + command.argTexts[1] + " failed: " + command.argTexts[0] + " is " +
                          ValueText(lhs);
    if (!IsLiteral(*command.args[1])) message += ", " + command.argTexts[1] + " is " + ValueText(rhs);
    return Fail(error, message);
}

bool RunPrint(PlaySession& session, const ScriptCommand& command, std::string& error) {
    Value v;
    if (!Evaluate(*command.args[0], session.Names(), v, error)) return false;
    session.Out() << command.argTexts[0] << " = " << ValueText(v) << "\n";
    return true;
}

bool RunScreenshot(PlaySession& session, const ScriptCommand& command, std::string& error) {
    if (!session.Started()) return Fail(error, "screenshot: nothing is drawn before start");
    if (!EndsWithPng(command.word)) return Fail(error, "screenshot: the file name must end in .png");
    const std::filesystem::path path = session.ShotPath(command.word);
    std::error_code ec;
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return Fail(error, "screenshot: cannot create " + path.parent_path().string() + ": " + ec.message());
    if (!WritePngSurface(path.string(), session.Form().DDraw.Surface(), error))
        return Fail(error, "screenshot: " + error);
    return true;
}

bool RunSounds(PlaySession& session, const ScriptCommand&, std::string&) {
    const std::string played = JoinNumbers(session.TakeSamples());
    session.Out() << "sounds: " << (played.empty() ? "none" : played) << "\n";
    return true;
}
