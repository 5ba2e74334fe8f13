// geometry.h: rectangles as the drawing code uses them.
//
// A TRect is half-open: Left and Top are inside, Right and Bottom are the first
// column and row outside, so Bounds(x, y, w, h) covers exactly w x h pixels.
// (Hotspot rectangles are inclusive on all four edges; they have their own record.)
#pragma once
#include <climits>
#include <cstdint>

struct TRect {
    int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
    constexpr int32_t Width() const { return Right - Left; }
    constexpr int32_t Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Left >= Right || Top >= Bottom; }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int32_t x, int32_t y, int32_t w, int32_t h) {
    return TRect{x, y, x + w, y + h};
}

// True when the two rectangles share at least one pixel. Rectangles that only
// touch, and empty rectangles, do not overlap.
constexpr bool OverlapRect(const TRect& a, const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The smallest rectangle holding both; an empty one counts for nothing.
constexpr TRect UnionRect(const TRect& a, const TRect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return TRect{a.Left < b.Left ? a.Left : b.Left, a.Top < b.Top ? a.Top : b.Top,
                 a.Right > b.Right ? a.Right : b.Right, a.Bottom > b.Bottom ? a.Bottom : b.Bottom};
}

// v held inside the int32 range: coordinates summed in 64 bits come back
// clamped, so far-away positions stay far away instead of wrapping.
constexpr int32_t ClampToInt32(int64_t v) {
    return static_cast<int32_t>(v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : v);
}

// The pixels the two rectangles share; an empty rectangle when they share none.
constexpr TRect IntersectRect(const TRect& a, const TRect& b) {
    const TRect r{a.Left > b.Left ? a.Left : b.Left, a.Top > b.Top ? a.Top : b.Top,
                  a.Right < b.Right ? a.Right : b.Right, a.Bottom < b.Bottom ? a.Bottom : b.Bottom};
    return r.IsEmpty() ? TRect{} : r;
}
