// surface16.cpp: fills and the stretched, colour-keyed blit of Surface16.
#include "graphics/surface16.h"

#include <algorithm>

void Surface16::Resize(int32_t width, int32_t height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * height_, 0);
    drawn_.Cleared(0, {});
    written_.Resize(height_);
    overdrawn_.Resize(height_);
    version_ = NextVersion();
}

void Surface16::Fill(uint16_t value) {
    std::fill(pixels_.begin(), pixels_.end(), value);
    drawn_.Cleared(value, {});
    Written(Rect());
    version_ = NextVersion();
}

void Surface16::FillClipped(const TRect& r, uint16_t value) {
    if (r.IsEmpty()) return;
    for (int32_t y = r.Top; y < r.Bottom; ++y) std::fill(Row(y) + r.Left, Row(y) + r.Right, value);
    Written(r);
}

void Surface16::FillRect(const TRect& r, uint16_t value) {
    const TRect clipped = IntersectRect(r, Rect());
    FillClipped(clipped, value);  // nothing when wholly outside the surface, or empty
    drawn_.Note(clipped);
}

// The part of r outside k, where k is r's part inside keep: the bands above
// and below k across r's width, and those to the left and right beside it.
void Surface16::FillAround(const TRect& r, const TRect& keep, uint16_t value) {
    const TRect k = IntersectRect(r, keep);
    if (k.IsEmpty()) {
        FillClipped(r, value);
        return;
    }
    FillClipped(TRect{r.Left, r.Top, r.Right, k.Top}, value);
    FillClipped(TRect{r.Left, k.Top, k.Left, k.Bottom}, value);
    FillClipped(TRect{k.Right, k.Top, r.Right, k.Bottom}, value);
    FillClipped(TRect{r.Left, k.Bottom, r.Right, r.Bottom}, value);
}

void Surface16::FillOutside(const TRect& keep, uint16_t value) {
    FillAround(Rect(), keep, value);
    drawn_.Cleared(value, IntersectRect(keep, Rect()));
}

void Surface16::ClearOutside(const TRect& keep, uint16_t value) {
    if (!drawn_.Known() || drawn_.ClearValue() != value) {
        FillOutside(keep, value);
        return;
    }
    for (const TRect& r : drawn_.Rects()) FillAround(r, keep, value);
    drawn_.KeepOnlyInside(keep);
}

namespace {
// Maps destination pixels of a span of dstLen onto a span of srcLen source
// pixels: destination pixel d shows source pixel floor((2d + 1) * srcLen /
// (2 * dstLen)), the one under its centre. Stepped in 32.32 fixed point
// (the step rounded up, so centres that fall exactly on a source pixel's edge
// land on the same pixel as the exact formula) without a division per pixel.
struct SpanMap {
    uint64_t step;
    SpanMap(int64_t srcLen, int64_t dstLen)
        : step(((static_cast<uint64_t>(srcLen) << 32) + static_cast<uint64_t>(dstLen) - 1) /
               static_cast<uint64_t>(dstLen)) {}
    // Fixed-point position of destination pixel d's centre.
    uint64_t At(int64_t d) const { return (static_cast<uint64_t>(2 * d + 1) * step) >> 1; }
};
}  // namespace

void Surface16::StretchBlit(const TRect& dstRect, const Surface16& src, const TRect& srcRect,
                            bool keyed, uint16_t key) {
    // Widths in 64 bits: extreme rectangles must not overflow.
    const int64_t dw = int64_t{dstRect.Right} - dstRect.Left;
    const int64_t dh = int64_t{dstRect.Bottom} - dstRect.Top;
    const int64_t sw = int64_t{srcRect.Right} - srcRect.Left;
    const int64_t sh = int64_t{srcRect.Bottom} - srcRect.Top;
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src.Width() ||
        srcRect.Bottom > src.Height())
        return;
    const int32_t x0 = std::max(dstRect.Left, 0), x1 = std::min(dstRect.Right, width_);
    const int32_t y0 = std::max(dstRect.Top, 0), y1 = std::min(dstRect.Bottom, height_);
    if (x0 >= x1 || y0 >= y1) return;
    const TRect clipped{x0, y0, x1, y1};
    drawn_.Note(clipped);

    const bool unscaled = (dw == sw && dh == sh);
    const bool underlay = unscaled && !keyed && int64_t{x1 - x0} * (y1 - y0) >= kUnderlayPixels;
    if (underlay && RestoreUnderlay(dstRect, src, srcRect, clipped)) return;
    Written(clipped);
    if (underlay) {
        underlay_ = Underlay{&src, src.Version(), srcRect, dstRect};
        overdrawn_.Forget();
    }
    const SpanMap mapX(sw, dw), mapY(sh, dh);
    const int64_t firstX = int64_t{x0} - dstRect.Left;
    for (int32_t y = y0; y < y1; ++y) {
        const int64_t dy = int64_t{y} - dstRect.Top;
        const int64_t sy = unscaled ? dy : std::min<int64_t>(mapY.At(dy) >> 32, sh - 1);
        const uint16_t* srow = src.Row(srcRect.Top + static_cast<int32_t>(sy)) + srcRect.Left;
        uint16_t* drow = Row(y);
        if (unscaled) {
            const uint16_t* from = srow + firstX;
            if (!keyed) {
                std::copy(from, from + (x1 - x0), drow + x0);
                continue;
            }
            for (int32_t x = x0; x < x1; ++x, ++from)
                if (*from != key) drow[x] = *from;
            continue;
        }
        uint64_t pos = mapX.At(firstX);
        for (int32_t x = x0; x < x1; ++x, pos += mapX.step) {
            const uint16_t p = srow[std::min<int64_t>(pos >> 32, sw - 1)];
            if (!keyed || p != key) drow[x] = p;
        }
    }
}

bool Surface16::RestoreUnderlay(const TRect& dstRect, const Surface16& src, const TRect& srcRect,
                                const TRect& clipped) {
    if (!overdrawn_.Known() || underlay_.src != &src || underlay_.srcVersion != src.Version() ||
        !(underlay_.srcRect == srcRect) || !(underlay_.dstRect == dstRect) || &src == this)
        return false;
    for (int32_t b = 0; b < overdrawn_.Bands(); ++b) {
        const TRect r = IntersectRect(overdrawn_.Band(b, height_), clipped);
        if (r.IsEmpty()) continue;
        const int32_t sx = srcRect.Left + (r.Left - dstRect.Left);
        for (int32_t y = r.Top; y < r.Bottom; ++y) {
            const uint16_t* from = src.Row(srcRect.Top + (y - dstRect.Top)) + sx;
            std::copy(from, from + r.Width(), pixels_.data() + static_cast<size_t>(y) * width_ + r.Left);
        }
        written_.Note(r);
    }
    version_ = NextVersion();
    overdrawn_.Forget();
    return true;
}
