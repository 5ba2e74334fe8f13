// palette_quantiser.h: reducing a picture to a palette (libimagequant).
//
// Used for the 4-bit and 8-bit DIBs. For a keyed picture the key colour is an
// exact palette entry, every pixel that is exactly the key maps to it, no
// other pixel does, and no other entry reduces to the key's RGB565 value, so
// quantisation and dithering can neither punch holes nor leave a halo.
//
// Contract: false with a message when libimagequant fails; `maxColours`
// is 2..256.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tools/assetc/colour_key.h"
#include "tools/assetc/rgba_image.h"

struct PalettedImage {
    int width = 0, height = 0;
    std::vector<Rgb> palette;
    std::vector<uint8_t> indices;  // width*height, rows top to bottom
};

bool QuantiseImage(const RgbaImage& image, int maxColours, std::optional<Rgb> key,
                   PalettedImage& out, std::string& error);
