// window_prefs.cpp: reading and writing "window.cfg".
#include "platform/window_prefs.h"

#include <charconv>
#include <span>
#include <vector>

#include "platform/window_scale.h"
#include "shell/file_io.h"

namespace {
std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The whole of s as a decimal number; false for anything else.
bool WholeNumber(std::string_view s, int32_t& out) {
    if (s.empty()) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

void ApplyLine(std::string_view line, WindowPrefs& prefs) {
    line = Trim(line);
    if (line.empty() || line.front() == '#') return;
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) return;
    const std::string_view key = Trim(line.substr(0, eq));
    int32_t value = 0;
    if (!WholeNumber(Trim(line.substr(eq + 1)), value)) return;
    if (key == "scale" && value >= kMinWindowScale && value <= kMaxWindowScale) prefs.scale = value;
    if (value != 0 && value != 1) return;
    if (key == "fullscreen") prefs.fullScreen = value == 1;
    if (key == "replies") prefs.replies = value == 1;
    if (key == "markers") prefs.markers = value == 1;
}
}  // namespace

void ParseWindowPrefs(std::string_view text, WindowPrefs& prefs) {
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        ApplyLine(text.substr(0, nl), prefs);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
}

std::string FormatWindowPrefs(const WindowPrefs& prefs) {
    return "# Varnoklet 3: window scale (1-4), full screen (0/1), and the comforts (0/1):\n"
           "# replies to an item no rule takes, and the hotspot marks while H is held\nscale=" +
           std::to_string(prefs.scale) + "\nfullscreen=" + (prefs.fullScreen ? "1" : "0") +
           "\nreplies=" + (prefs.replies ? "1" : "0") + "\nmarkers=" + (prefs.markers ? "1" : "0") + "\n";
}

WindowPrefs LoadWindowPrefs(const std::string& dir) {
    WindowPrefs prefs;
    std::vector<uint8_t> bytes;
    if (ReadFile(dir + std::string(kWindowPrefsFile), bytes))
        ParseWindowPrefs(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), prefs);
    return prefs;
}

bool SaveWindowPrefs(const std::string& dir, const WindowPrefs& prefs) {
    const std::string text = FormatWindowPrefs(prefs);
    return WriteFileAtomically(dir + std::string(kWindowPrefsFile),
                               std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}
