// colour_key.h: preparing a rasterised picture for its colour key.
//
// The game leaves out every pixel of a transparent picture whose RGB565 value
// equals the key's. So before a transparent picture is stored, pixels the SVG
// left (mostly) empty become exactly the key colour, and every drawn pixel is
// made opaque and, if it would reduce to the key, moved just far enough away
// that it no longer does: no holes in the drawing and no halo around it.
// Opaque pictures are flattened onto black instead.
//
// Called by the build command between rasterising and encoding.
#pragma once
#include <cstdint>

#include "tools/assetc/rgba_image.h"

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// 0x00BBGGRR -> Rgb.
Rgb RgbFromBgr(uint32_t bgr);
uint16_t Rgb565Of(Rgb c);

// The nearest colour to `c` (moving away from `key`) that lies at least
// `margin` levels from the key in some channel and whose RGB565 value differs
// from the key's. Returns `c` itself when it already qualifies.
Rgb SeparateFromKey(Rgb c, Rgb key, int margin);

// Pixels with alpha below 50% become `key`; the others become opaque and are
// separated from the key by `margin` (0: just a different RGB565 value).
void ApplyColourKey(RgbaImage& image, Rgb key, int margin);

// Composites every pixel onto black and makes it opaque.
void FlattenOntoBlack(RgbaImage& image);

// True when the pixel is exactly the key colour (after ApplyColourKey).
inline bool IsKeyPixel(const RgbaImage& image, int x, int y, Rgb key) {
    const uint8_t* p = image.At(x, y);
    return p[0] == key.r && p[1] == key.g && p[2] == key.b;
}
