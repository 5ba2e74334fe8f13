// screenshot.cpp: PNG screenshots of the back buffer (libpng).
#include "platform/screenshot.h"

#include <png.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

#include "graphics/surface16.h"
#include "shell/file_io.h"

namespace {
bool IsFolder(const std::string& path) {
    struct stat st{};
    return !path.empty() && stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The value of XDG_PICTURES_DIR="..." in a user-dirs.dirs file, $HOME expanded.
std::string PicturesFromUserDirs(const std::string& file, const std::string& home) {
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_PICTURES_DIR=\"";
        if (line.rfind(key, 0) != 0) continue;
        std::string value = line.substr(key.size());
        const size_t quote = value.find('"');
        if (quote == std::string::npos) return "";
        value.resize(quote);
        if (value.rfind("$HOME", 0) == 0) value = home + value.substr(5);
        return value;
    }
    return "";
}

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

bool FileExists(const std::string& path) {
    struct stat st{};
    return stat(path.c_str(), &st) == 0;
}
}  // namespace

std::string ScreenshotFolder() {
    const std::string home = Env("HOME");
    if (IsFolder(Env("XDG_PICTURES_DIR"))) return WithTrailingSlash(Env("XDG_PICTURES_DIR"));
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty() && !home.empty()) config = home + "/.config";
    if (!config.empty()) {
        const std::string pictures = PicturesFromUserDirs(config + "/user-dirs.dirs", home);
        if (IsFolder(pictures)) return WithTrailingSlash(pictures);
    }
    if (IsFolder(home)) return WithTrailingSlash(home);
    return "./";
}

std::string ScreenshotName(const std::tm& local) {
    char buf[64];
    std::strftime(buf, sizeof buf, "varnoklet3-%Y-%m-%d-%H%M%S.png", &local);
    return buf;
}

bool WritePng(const Surface16& surface, const std::string& path, std::string& error) {
    if (surface.Empty()) {
        error = "no frame to save";
        return false;
    }
    const int32_t w = surface.Width(), h = surface.Height();
    std::vector<uint8_t> rgb(static_cast<size_t>(w) * h * 3);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
            Rgb565ToRgb(surface.Pixel(x, y), p[0], p[1], p[2]);
        }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), w * 3, nullptr)) {
        error = path + ": " + (image.message[0] ? image.message : std::strerror(errno));
        png_image_free(&image);
        std::remove(path.c_str());
        return false;
    }
    return true;
}

bool SaveScreenshot(const Surface16& frame, const std::string& folder, std::time_t when,
                    std::string& path, std::string& error) {
    std::tm local{};
    localtime_r(&when, &local);
    const std::string name = ScreenshotName(local);
    const std::string stem = WithTrailingSlash(folder) + name.substr(0, name.size() - 4);
    path = stem + ".png";
    for (int n = 2; FileExists(path); ++n) {
        if (n > 999) {
            error = "too many screenshots named " + name;
            return false;
        }
        path = stem + "-" + std::to_string(n) + ".png";
    }
    return WritePng(frame, path, error);
}
