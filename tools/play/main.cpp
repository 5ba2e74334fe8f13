// main.cpp: varnoklet3-play, the play-script harness.
//
//   varnoklet3-play [--dir DIR] [--shots DIR] [--no-comforts] SCRIPT
//
// Runs the game core headless and deterministically through the commands of
// SCRIPT (see README.md beside this file). DIR is the program folder, where
// "save.qzd" is read and written (created when missing; default: the current
// folder); --shots is where relative screenshot paths go (default: the
// current folder); --no-comforts plays with the replies and the hotspot
// marks off, as the game's rules alone have it. Exit status: 0 when the script ran through, 1 when it
// failed (the reason is printed as SCRIPT:LINE: reason), 2 for a bad
// command line or a game that could not be set up.
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "tools/play/play_session.h"
#include "tools/play/script_runner.h"

namespace {
int Usage(const std::string& problem) {
    std::cerr << "varnoklet3-play: " << problem << "\n"
              << "usage: varnoklet3-play [--dir DIR] [--shots DIR] [--no-comforts] SCRIPT\n";
    return 2;
}

// Fills options and script from the arguments; false with the problem.
bool ParseArguments(int argc, char** argv, PlayOptions& options, std::string& script,
                    std::string& problem) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--dir" || arg == "--shots") {
            if (i + 1 >= argc || std::string_view(argv[i + 1]).empty()) {
                problem = std::string(arg) + " needs a folder";
                return false;
            }
            (arg == "--dir" ? options.programDir : options.shotsDir) = argv[++i];
        } else if (arg == "--no-comforts") {
            options.comforts = false;
        } else if (arg.starts_with("-") && arg.size() > 1) {
            problem = "unknown option " + std::string(arg);
            return false;
        } else if (!script.empty()) {
            problem = "only one script at a time";
            return false;
        } else {
            script = arg;
        }
    }
    if (script.empty()) problem = "no script given";
    return !script.empty();
}
}  // namespace

int main(int argc, char** argv) {
    PlayOptions options;
    std::string script, problem;
    if (!ParseArguments(argc, argv, options, script, problem)) return Usage(problem);
    PlaySession session(options, std::cout);
    std::string error;
    if (!session.Open(error)) {
        std::cerr << "varnoklet3-play: " << error << "\n";
        return 2;
    }
    const int rc = RunScriptFile(script, session, std::cerr);
    std::cout.flush();
    return rc;
}
