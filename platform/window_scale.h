// window_scale.h: where the drawing area lands in the window, and back.
//
// The drawing area keeps its size (640x480 or a full-screen mode's size);
// the window shows it scaled. In a window the scale is a whole number chosen
// by the player (1x to 4x), so the window is exactly the scaled area. In full
// screen the area is scaled by the largest whole number that fits the screen
// and centred on black borders; a screen smaller than the area shows it
// scaled down to fit, keeping its proportions. Pixels are scaled sharply
// (nearest neighbour).
//
// Mouse positions map back exactly: every window pixel inside the shown area
// belongs to one drawing-area pixel (at 3x the 3x3 block of window pixels of
// area pixel (x, y) all give (x, y)); positions on the borders are taken to
// the nearest edge of the area.
#pragma once
#include <cstdint>

struct AreaViewport {
    int32_t x = 0, y = 0;  // top-left corner of the shown area, in window pixels
    int32_t w = 0, h = 0;  // its size in window pixels
};

inline constexpr int32_t kMinWindowScale = 1;
inline constexpr int32_t kMaxWindowScale = 4;

// The viewport of an areaW x areaH drawing area in a windowW x windowH window.
AreaViewport FitDrawingArea(int32_t windowW, int32_t windowH, int32_t areaW, int32_t areaH);

// The drawing-area pixel under window pixel (wx, wy).
void WindowToArea(const AreaViewport& view, int32_t areaW, int32_t areaH, int32_t wx, int32_t wy,
                  int32_t& ax, int32_t& ay);

// The largest window scale (1..4) whose window, placed at (left, top) of the
// usable screen, still fits on it; 1 when none does.
int32_t LargestWindowScale(int32_t usableW, int32_t usableH, int32_t left, int32_t top,
                           int32_t areaW, int32_t areaH);

// scale clamped to 1..maxScale (maxScale itself at least 1).
int32_t ClampWindowScale(int32_t scale, int32_t maxScale);
