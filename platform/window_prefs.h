// window_prefs.h: the window's own small settings file, "window.cfg".
//
// The window scale and the full-screen choice are kept in a text file of
// their own beside "save.qzd" (whose layout stays as it is), one "key=value"
// a line:
//
//   scale=2          window scale, 1 to 4
//   fullscreen=1     0 window, 1 full screen
//   replies=1        1: an item tried where nothing takes it answers
//                    "Nothing happens.", a wrong block order clanks; 0: silence
//   markers=1        1: holding H, the middle button or the gamepad's X marks
//                    every hotspot; 0: nothing is marked
//
// The last two are the game's comforts; both are on unless the file says 0.
// Reading never fails: a missing file gives the defaults (1x, window), and a
// damaged line, an unknown key or a value out of range is ignored, leaving
// that setting as it was. Blank lines and lines starting with '#' are
// comments. Writing goes to a file beside the old one that then takes its
// place, so a failed write leaves the previous file intact.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

struct WindowPrefs {
    int32_t scale = 1;
    bool fullScreen = false;
    bool replies = true;
    bool markers = true;
    bool operator==(const WindowPrefs&) const = default;
};

inline constexpr std::string_view kWindowPrefsFile = "window.cfg";

// Applies the lines of text to prefs (which keeps what no good line sets).
void ParseWindowPrefs(std::string_view text, WindowPrefs& prefs);
std::string FormatWindowPrefs(const WindowPrefs& prefs);

// dir ends with a separator (as GameState.programDir does).
WindowPrefs LoadWindowPrefs(const std::string& dir);
bool SaveWindowPrefs(const std::string& dir, const WindowPrefs& prefs);
