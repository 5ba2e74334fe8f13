// assetc_test_support.h: running the asset compiler from tests.
//
// A scratch folder that removes itself, file helpers, and RunAssetc, which
// runs the built assetc binary with arguments and captures its messages.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include "tests/tools/scratch_dir.h"

namespace assetc_test {

using ::ScratchDir;

inline void WriteText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::string s = ReadText(path);
    return std::vector<uint8_t>(s.begin(), s.end());
}

// Runs assetc with `args` (paths without quotes or spaces); returns its exit
// status and puts what it printed into `output`.
inline int RunAssetc(const std::string& args, std::string& output, const ScratchDir& dir) {
    const std::string log = dir / "assetc.log";
    const std::string command = std::string(VK3_BINARY_DIR) + "/assetc " + args + " >" + log + " 2>&1";
    int status = std::system(command.c_str());
    output = ReadText(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A manifest of the given rows under the standard header.
inline std::string Manifest(const std::vector<std::string>& rows) {
    std::string text =
        "# test manifest\nposition\tname\twidth\theight\tpatternWidth\tpatternHeight\tkind\t"
        "transparent\tkey\tsource\n";
    for (const auto& r : rows) text += r + "\n";
    return text;
}

}  // namespace assetc_test
