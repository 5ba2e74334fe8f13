// window_scale.cpp: integer scaling of the drawing area and the mouse mapping.
#include "platform/window_scale.h"

#include <algorithm>

AreaViewport FitDrawingArea(int32_t windowW, int32_t windowH, int32_t areaW, int32_t areaH) {
    AreaViewport v;
    if (windowW <= 0 || windowH <= 0 || areaW <= 0 || areaH <= 0) return v;
    const int32_t whole = std::min(windowW / areaW, windowH / areaH);
    if (whole >= 1) {
        v.w = areaW * whole;
        v.h = areaH * whole;
    } else if (static_cast<int64_t>(windowW) * areaH <= static_cast<int64_t>(windowH) * areaW) {
        // Narrower than the area's proportions: full width, height to match.
        v.w = windowW;
        v.h = std::max<int32_t>(1, static_cast<int32_t>(static_cast<int64_t>(windowW) * areaH / areaW));
    } else {
        v.h = windowH;
        v.w = std::max<int32_t>(1, static_cast<int32_t>(static_cast<int64_t>(windowH) * areaW / areaH));
    }
    v.x = (windowW - v.w) / 2;
    v.y = (windowH - v.h) / 2;
    return v;
}

namespace {
// One axis: window offset -> area pixel, rounding down, clamped to the area.
int32_t MapAxis(int32_t pos, int32_t start, int32_t shown, int32_t area) {
    if (shown <= 0 || area <= 0) return 0;
    const int64_t offset = static_cast<int64_t>(pos) - start;
    if (offset < 0) return 0;
    const int64_t a = offset * area / shown;
    return static_cast<int32_t>(std::min<int64_t>(a, area - 1));
}
}  // namespace

void WindowToArea(const AreaViewport& view, int32_t areaW, int32_t areaH, int32_t wx, int32_t wy,
                  int32_t& ax, int32_t& ay) {
    ax = MapAxis(wx, view.x, view.w, areaW);
    ay = MapAxis(wy, view.y, view.h, areaH);
}

int32_t LargestWindowScale(int32_t usableW, int32_t usableH, int32_t left, int32_t top,
                           int32_t areaW, int32_t areaH) {
    for (int32_t s = kMaxWindowScale; s > kMinWindowScale; --s)
        if (left + areaW * s <= usableW && top + areaH * s <= usableH) return s;
    return kMinWindowScale;
}

int32_t ClampWindowScale(int32_t scale, int32_t maxScale) {
    return std::clamp(scale, kMinWindowScale, std::max(kMinWindowScale, maxScale));
}
