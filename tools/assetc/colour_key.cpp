// colour_key.cpp: key filling and key separation of rasterised pictures.
#include "tools/assetc/colour_key.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "graphics/surface16.h"

namespace {

bool FarEnough(Rgb c, Rgb key, int margin) {
    if (Rgb565Of(c) == Rgb565Of(key)) return false;
    int d = std::max({std::abs(c.r - key.r), std::abs(c.g - key.g), std::abs(c.b - key.b)});
    return d >= margin;
}

uint8_t Clamp(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

// Walks from the key along `dir` (largest component 1 in size) until the
// colour qualifies; false when the walk leaves the colour cube first.
bool WalkAway(Rgb key, const double dir[3], int start, int margin, Rgb& out) {
    for (int s = std::max(start, 1); s <= 255; ++s) {
        Rgb c{Clamp(key.r + dir[0] * s), Clamp(key.g + dir[1] * s), Clamp(key.b + dir[2] * s)};
        if (FarEnough(c, key, margin)) {
            out = c;
            return true;
        }
    }
    return false;
}

}  // namespace

Rgb RgbFromBgr(uint32_t bgr) {
    return Rgb{static_cast<uint8_t>(bgr & 0xFF), static_cast<uint8_t>((bgr >> 8) & 0xFF),
               static_cast<uint8_t>((bgr >> 16) & 0xFF)};
}

uint16_t Rgb565Of(Rgb c) { return RgbToRgb565(c.r, c.g, c.b); }

Rgb SeparateFromKey(Rgb c, Rgb key, int margin) {
    if (FarEnough(c, key, margin)) return c;
    double diff[3] = {double(c.r - key.r), double(c.g - key.g), double(c.b - key.b)};
    double size = std::max({std::abs(diff[0]), std::abs(diff[1]), std::abs(diff[2])});
    Rgb out = c;
    if (size > 0) {
        double dir[3] = {diff[0] / size, diff[1] / size, diff[2] / size};
        if (WalkAway(key, dir, static_cast<int>(size), margin, out)) return out;
    }
    // The colour is the key itself, or its direction runs out of the cube:
    // head for the far corner instead, which is always at least 128 away.
    double corner[3] = {key.r < 128 ? 1.0 : -1.0, key.g < 128 ? 1.0 : -1.0,
                        key.b < 128 ? 1.0 : -1.0};
    WalkAway(key, corner, 1, margin, out);
    return out;
}

void ApplyColourKey(RgbaImage& image, Rgb key, int margin) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint8_t* p = image.At(x, y);
            Rgb c = p[3] < 128 ? key : SeparateFromKey(Rgb{p[0], p[1], p[2]}, key, margin);
            p[0] = c.r;
            p[1] = c.g;
            p[2] = c.b;
            p[3] = 255;
        }
    }
}

void FlattenOntoBlack(RgbaImage& image) {
    for (size_t i = 0; i + 3 < image.pixels.size(); i += 4) {
        uint32_t a = image.pixels[i + 3];
        for (int c = 0; c < 3; ++c)
            image.pixels[i + c] = static_cast<uint8_t>((image.pixels[i + c] * a + 127) / 255);
        image.pixels[i + 3] = 255;
    }
}
