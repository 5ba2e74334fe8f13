// surface16.cpp: fills and the stretched, colour-keyed blit of Surface16.
#include "graphics/surface16.h"

#include <algorithm>

void Surface16::Resize(int32_t width, int32_t height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(static_cast<size_t>(width_) * height_, 0);
}

void Surface16::Fill(uint16_t value) { std::fill(pixels_.begin(), pixels_.end(), value); }

void Surface16::FillRect(const TRect& r, uint16_t value) {
    int32_t l = std::max(r.Left, 0), t = std::max(r.Top, 0);
    int32_t rr = std::min(r.Right, width_), b = std::min(r.Bottom, height_);
    if (l >= rr || t >= b) return;  // wholly outside the surface, or empty
    for (int32_t y = t; y < b; ++y) std::fill(Row(y) + l, Row(y) + rr, value);
}

namespace {
// The 16.16 fixed-point source coordinate for destination column/row d of a
// span of dstLen pixels showing srcLen pixels: the centre of the destination
// pixel mapped back into the source.
inline int32_t SourceIndex(int64_t d, int64_t srcLen, int64_t dstLen) {
    return static_cast<int32_t>((2 * d + 1) * srcLen / (2 * dstLen));
}
}  // namespace

void Surface16::StretchBlit(const TRect& dstRect, const Surface16& src, const TRect& srcRect,
                            bool keyed, uint16_t key) {
    if (dstRect.IsEmpty() || srcRect.IsEmpty()) return;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src.Width() ||
        srcRect.Bottom > src.Height())
        return;
    const int64_t dw = dstRect.Width(), dh = dstRect.Height();
    const int64_t sw = srcRect.Width(), sh = srcRect.Height();
    const int32_t x0 = std::max(dstRect.Left, 0), x1 = std::min(dstRect.Right, width_);
    const int32_t y0 = std::max(dstRect.Top, 0), y1 = std::min(dstRect.Bottom, height_);
    if (x0 >= x1 || y0 >= y1) return;

    const bool unscaled = (dw == sw && dh == sh);
    for (int32_t y = y0; y < y1; ++y) {
        int64_t dy = y - dstRect.Top;
        int32_t sy = srcRect.Top + (unscaled ? static_cast<int32_t>(dy) : SourceIndex(dy, sh, dh));
        const uint16_t* srow = src.Row(sy) + srcRect.Left;
        uint16_t* drow = Row(y);
        if (unscaled && !keyed) {
            std::copy(srow + (x0 - dstRect.Left), srow + (x1 - dstRect.Left), drow + x0);
            continue;
        }
        for (int32_t x = x0; x < x1; ++x) {
            int64_t dx = x - dstRect.Left;
            uint16_t p = srow[unscaled ? dx : SourceIndex(dx, sw, dw)];
            if (!keyed || p != key) drow[x] = p;
        }
    }
}
