// web_assets.cpp: the pictures and text faces of the browser build.
//
// The browser build carries them in its preloaded data package (made from a
// normal build's picture containers and the fonts) instead of in the program:
// each file is read once, on first use, and kept for the whole run. A missing
// file gives no bytes, which the catalogue and the text renderer report as
// they report damaged data.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "graphics/embedded_pictures.h"
#include "platform/font_data.h"
#include "shell/file_io.h"

namespace {
std::span<const uint8_t> Package(std::vector<uint8_t>& kept, bool& read, const char* path) {
    if (!read) {
        read = true;
        if (!ReadFile(path, kept)) kept.clear();
    }
    return kept;
}
}  // namespace

#define VK3_PACKAGE_FILE(function, path)                     \
    std::span<const uint8_t> function() {                    \
        static std::vector<uint8_t> bytes;                   \
        static bool read = false;                            \
        return Package(bytes, read, path);                   \
    }

VK3_PACKAGE_FILE(EmbeddedPictureData, "/data/pictures.container")
VK3_PACKAGE_FILE(EmbeddedPanelPictureData, "/data/panel.container")
VK3_PACKAGE_FILE(EmbeddedFontData, "/data/font.ttf")
VK3_PACKAGE_FILE(EmbeddedPanelFontData, "/data/panel_font.ttf")
