// scratch_dir.h: a temporary folder for the tool tests that removes itself
// with everything in it. path() is empty when the folder could not be made.
#pragma once
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

class ScratchDir {
public:
    explicit ScratchDir(const std::string& prefix = "vk3-test") {
        const std::string pattern =
            (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
        std::vector<char> buf(pattern.begin(), pattern.end());
        buf.push_back('\0');
        if (mkdtemp(buf.data()) != nullptr) path_ = buf.data();
    }
    ~ScratchDir() {
        std::error_code ec;
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
