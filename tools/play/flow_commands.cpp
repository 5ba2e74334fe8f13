// flow_commands.cpp: frames, idle and repeat: letting time pass and doing
// things more than once.
#include "adventure/step_queue.h"
#include "tools/play/commands.h"
#include "tools/play/play_session.h"
#include "tools/play/state_names.h"

namespace {
constexpr int64_t kMaxFrames = 10'000'000;
constexpr int64_t kMaxFrameMs = 60'000;
constexpr int64_t kMaxRepeats = 1'000'000;
constexpr int kIdleClickLimit = 200;
}  // namespace

bool RunFrames(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t count = 0, ms = PlaySession::kInputFrameMs;
    if (!ArgInt(session, command, 0, 0, kMaxFrames, count, error)) return false;
    if (command.args.size() > 1 && !ArgInt(session, command, 1, 1, kMaxFrameMs, ms, error)) return false;
    for (int64_t i = 0; i < count; ++i) session.RunFrame(static_cast<int32_t>(ms));
    return true;
}

bool RunIdle(PlaySession& session, const ScriptCommand& command, std::string& error) {
    for (int clicks = 0; IsBusy(); ++clicks) {
        if (clicks == kIdleClickLimit) {
            error = "idle: still busy after " + std::to_string(kIdleClickLimit) +
                    " clicks (message: \"" + ShownMessageUtf8() + "\")";
            return false;
        }
        if (!ClickOnce(session, command, error)) return false;
    }
    return true;
}

bool RunRepeat(PlaySession& session, const ScriptCommand& command, std::string& error) {
    int64_t count = 0;
    if (!ArgInt(session, command, 0, 0, kMaxRepeats, count, error)) return false;
    for (int64_t i = 0; i < count; ++i)
        if (!RunCommand(session, *command.repeated, error)) {
            error += " (repeat, run " + std::to_string(i + 1) + " of " + std::to_string(count) + ")";
            return false;
        }
    return true;
}
