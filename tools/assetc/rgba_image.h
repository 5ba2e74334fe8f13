// rgba_image.h: the asset compiler's working picture, 8-bit RGBA.
//
// Rows top to bottom, 4 bytes per pixel (red, green, blue, alpha), alpha not
// premultiplied. The rasteriser produces it, the colour keying prepares it and
// the encoders store it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

struct RgbaImage {
    int width = 0, height = 0;
    std::vector<uint8_t> pixels;

    RgbaImage() = default;
    RgbaImage(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h * 4, 0) {}
    uint8_t* At(int x, int y) { return pixels.data() + (static_cast<size_t>(y) * width + x) * 4; }
    const uint8_t* At(int x, int y) const {
        return pixels.data() + (static_cast<size_t>(y) * width + x) * 4;
    }
};
