// dib_encoder.h: storing a picture as a device-independent bitmap.
//
// The stored form has no file header: a 40-byte info header, then for 16 bits
// the three bit-field masks (5-6-5), then for 4 and 8 bits the palette (blue,
// green, red, 0 per entry, as many as the colours-used field says), then the
// pixel rows bottom-up, uncompressed, each padded to 4 bytes.
//
// Contract: the picture has been keyed or flattened (every pixel opaque);
// the palettised forms fail only when quantisation fails.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tools/assetc/colour_key.h"
#include "tools/assetc/palette_quantiser.h"
#include "tools/assetc/rgba_image.h"

// bits 4 or 8: quantised to at most 16 or 256 colours, the key kept exact.
bool EncodePalettedDib(const RgbaImage& image, int bits, std::optional<Rgb> key,
                       std::vector<uint8_t>& out, std::string& error);
// 16 bits, compression 3 with RGB565 masks.
std::vector<uint8_t> EncodeDib16(const RgbaImage& image);
// 24 bits, blue-green-red.
std::vector<uint8_t> EncodeDib24(const RgbaImage& image);
// The palettised form from an already quantised picture (bits 4 or 8).
std::vector<uint8_t> WritePalettedDib(const PalettedImage& image, int bits);
