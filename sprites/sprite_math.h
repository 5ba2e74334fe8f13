// sprite_math.h: the small numeric helpers the sprites move and draw with.
//
// Positions are doubles; they become pixels only when a sprite is drawn or
// its rectangle is tested, through Trunc (toward zero). The 256-step cosine
// table drives curved motions (the sparkle particles); WrapFloat keeps a
// looped animation's frame position inside its frame count.
//
// Every helper is total: values outside the int32 range, NaN and a zero
// divisor give a defined result instead of undefined behaviour.
#pragma once
#include <climits>
#include <cmath>
#include <cstdint>

#include "graphics/geometry.h"

// Converts toward zero (-0.5 becomes 0), clamped to the int32 range; NaN gives 0.
// (Inline: the collision pass truncates every sprite's position many times a frame.)
inline int32_t Trunc(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return INT32_MAX;
    if (value <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(value);  // the conversion truncates toward zero
}

// Bounds(Trunc(x), Trunc(y), w, h), with the right and bottom edges clamped to
// the int32 range so that far-away sprites never overflow.
inline TRect TruncBounds(double x, double y, int32_t w, int32_t h) {
    const int32_t left = Trunc(x), top = Trunc(y);
    return TRect{left, top, ClampToInt32(int64_t{left} + w), ClampToInt32(int64_t{top} + h)};
}

// x wrapped into [0, n): r := x - q*n with q = Trunc(x / n) as a 64-bit
// integer, then n added when r is negative. n = 0 gives x unchanged.
// Results that rounding would put on n itself come back as 0. Non-finite x gives 0.
double WrapFloat(double x, int32_t n);

// i mod n, plus n when negative (n = 0 gives i).
int32_t WrapInt(int32_t i, int32_t n);

// cos(k * 2*pi / 256) for k = i and 255 (any i, negative too).
double CosStep(int64_t i);
// sin(i * 2*pi / 256), which is CosStep(i + 192).
double SinStep(int64_t i);
