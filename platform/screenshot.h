// screenshot.h: the screenshot key (F12): the current frame as a PNG file.
//
// The file holds the drawing area unscaled, as 8-bit RGB (the 16-bit pixels
// widened with their high bits repeated, so white stays white). It is named
// after the local date and time, "varnoklet3-YYYY-MM-DD-HHMMSS.png", with
// "-2", "-3" ... added when that name is taken, and never overwrites a file.
// It goes into the player's pictures folder: $XDG_PICTURES_DIR, else the
// XDG_PICTURES_DIR line of $XDG_CONFIG_HOME/user-dirs.dirs (or
// ~/.config/user-dirs.dirs), else the home folder, else the current folder;
// a folder that does not exist is skipped.
#pragma once
#include <ctime>
#include <string>

class Surface16;

// The folder screenshots go to, from the environment (see above); ends with '/'.
std::string ScreenshotFolder();

// "varnoklet3-2026-12-07-221530.png" for that local time.
std::string ScreenshotName(const std::tm& local);

// Writes surface as a PNG at path. False with a reason on failure (an empty
// surface, a file that cannot be created); a failed write leaves no file.
bool WritePng(const Surface16& surface, const std::string& path, std::string& error);

// Writes the frame into folder under a fresh name for `when`; the path
// written is returned in path. False with a reason on failure.
bool SaveScreenshot(const Surface16& frame, const std::string& folder, std::time_t when,
                    std::string& path, std::string& error);
