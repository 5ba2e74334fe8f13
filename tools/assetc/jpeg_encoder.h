// jpeg_encoder.h: storing a picture as a baseline JFIF stream (libjpeg-turbo).
//
// Three components (YCbCr), baseline, optimised Huffman tables. `fullChroma`
// keeps colour at full resolution (4:4:4), used for keyed pictures so the key
// area survives compression; otherwise chroma is halved both ways (4:2:0).
//
// Contract: false with the library's message on failure; the input's alpha is
// ignored (the caller has made every pixel opaque).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "tools/assetc/rgba_image.h"

bool EncodeJpeg(const RgbaImage& image, int quality, bool fullChroma, std::vector<uint8_t>& out,
                std::string& error);
