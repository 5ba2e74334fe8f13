// rgb_canvas.cpp: the tools' 24-bit canvas.
#include "tools/common/rgb_canvas.h"

#include <algorithm>

RgbCanvas::RgbCanvas(int32_t width, int32_t height, uint32_t rgb)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      pixels_(static_cast<size_t>(width_) * height_ * 3) {
    FillRect(0, 0, width_, height_, rgb);
}

uint32_t RgbCanvas::At(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    const uint8_t* p = pixels_.data() + (static_cast<size_t>(y) * width_ + x) * 3;
    return (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2];
}

void RgbCanvas::Put(int32_t x, int32_t y, uint32_t rgb) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    uint8_t* p = pixels_.data() + (static_cast<size_t>(y) * width_ + x) * 3;
    p[0] = static_cast<uint8_t>(rgb >> 16);
    p[1] = static_cast<uint8_t>(rgb >> 8);
    p[2] = static_cast<uint8_t>(rgb);
}

void RgbCanvas::FillRect(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rgb) {
    for (int32_t yy = std::max(y, 0); yy < std::min(y + h, height_); ++yy)
        for (int32_t xx = std::max(x, 0); xx < std::min(x + w, width_); ++xx) Put(xx, yy, rgb);
}

void RgbCanvas::DrawPicture(const DecodedPicture& picture, int32_t x, int32_t y, int32_t w,
                            int32_t h, bool keyed, int32_t key) {
    if (picture.Empty() || w <= 0 || h <= 0) return;
    const uint16_t key16 = ColorToRgb565(static_cast<uint32_t>(key));
    for (int32_t dy = 0; dy < h; ++dy) {
        const int64_t sy = (2 * int64_t{dy} + 1) * picture.height / (2 * int64_t{h});
        for (int32_t dx = 0; dx < w; ++dx) {
            const int64_t sx = (2 * int64_t{dx} + 1) * picture.width / (2 * int64_t{w});
            const uint8_t* p = picture.rgb.data() + (sy * picture.width + sx) * 3;
            if (keyed && RgbToRgb565(p[0], p[1], p[2]) == key16) continue;
            Put(x + dx, y + dy, (uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2]);
        }
    }
}
