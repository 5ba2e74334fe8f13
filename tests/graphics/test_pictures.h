// test_pictures.h: pictures made in code for the graphics and tool tests:
// device-independent bitmaps of every layout, JPEG streams encoded with
// libjpeg, and decoded pictures filled by a function.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <functional>
#include <stdexcept>
#include <vector>

#include <jpeglib.h>

#include "graphics/byte_reader.h"
#include "graphics/image_catalogue.h"

namespace testpic {

// What a DIB is made of. Pixels are given top row first: palette indices for
// 1/4/8 bits, raw 16- or 32-bit values, 0xRRGGBB for 24 bits.
struct DibParts {
    int32_t width = 0;
    int32_t height = 0;       // as stored: negative for top-down rows
    uint16_t bpp = 8;
    uint32_t compression = 0;
    bool coreHeader = false;  // 12-byte header instead of 40
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> masks;    // written when non-empty (bit fields)
    std::vector<uint32_t> palette;  // 0xRRGGBB, as many entries as written
    std::vector<uint8_t> bits;      // the pixel data as stored
};

inline std::vector<uint8_t> MakeDib(const DibParts& s) {
    std::vector<uint8_t> out;
    if (s.coreHeader) {
        PutLe(out, 12, 4);
        PutLe(out, static_cast<uint16_t>(s.width), 2);
        PutLe(out, static_cast<uint16_t>(s.height), 2);
        PutLe(out, 1, 2);
        PutLe(out, s.bpp, 2);
    } else {
        PutLe(out, 40, 4);
        PutLe(out, static_cast<uint32_t>(s.width), 4);
        PutLe(out, static_cast<uint32_t>(s.height), 4);
        PutLe(out, 1, 2);
        PutLe(out, s.bpp, 2);
        PutLe(out, s.compression, 4);
        PutLe(out, s.bits.size(), 4);
        PutLe(out, 2835, 4);
        PutLe(out, 2835, 4);
        PutLe(out, s.colorsUsed, 4);
        PutLe(out, 0, 4);
    }
    for (uint32_t m : s.masks) PutLe(out, m, 4);
    for (uint32_t c : s.palette) {
        out.push_back(static_cast<uint8_t>(c));
        out.push_back(static_cast<uint8_t>(c >> 8));
        out.push_back(static_cast<uint8_t>(c >> 16));
        if (!s.coreHeader) out.push_back(0);
    }
    out.insert(out.end(), s.bits.begin(), s.bits.end());
    return out;
}

// Packs pixels (top row first) into stored rows padded to 4 bytes,
// bottom row first unless topDown.
inline std::vector<uint8_t> PackRows(int32_t w, int32_t h, int bpp,
                                     const std::vector<uint32_t>& px, bool topDown = false) {
    const size_t rowBytes = (static_cast<size_t>(w) * bpp + 7) / 8;
    const size_t stride = (rowBytes + 3) & ~size_t{3};
    std::vector<uint8_t> out(stride * h, 0);
    for (int32_t i = 0; i < h; ++i) {
        const int32_t y = topDown ? i : h - 1 - i;
        uint8_t* row = out.data() + stride * i;
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t v = px.at(static_cast<size_t>(y) * w + x);
            switch (bpp) {
                case 1: row[x / 8] |= static_cast<uint8_t>((v & 1) << (7 - x % 8)); break;
                case 4: row[x / 2] |= static_cast<uint8_t>((x % 2) ? (v & 15) : (v & 15) << 4); break;
                case 8: row[x] = static_cast<uint8_t>(v); break;
                case 16:
                    row[2 * x] = static_cast<uint8_t>(v);
                    row[2 * x + 1] = static_cast<uint8_t>(v >> 8);
                    break;
                case 24:
                    row[3 * x] = static_cast<uint8_t>(v);
                    row[3 * x + 1] = static_cast<uint8_t>(v >> 8);
                    row[3 * x + 2] = static_cast<uint8_t>(v >> 16);
                    break;
                default:
                    for (int k = 0; k < 4; ++k) row[4 * x + k] = static_cast<uint8_t>(v >> (8 * k));
            }
        }
    }
    return out;
}

// The 0xRRGGBB colour of pixel (x, y) of a decoded picture.
inline uint32_t RgbAt(const DecodedPicture& p, int32_t x, int32_t y) {
    const uint8_t* q = p.rgb.data() + (static_cast<size_t>(y) * p.width + x) * 3;
    return (uint32_t{q[0]} << 16) | (uint32_t{q[1]} << 8) | q[2];
}

// A decoded picture whose pixel (x, y) is f(x, y) as 0xRRGGBB.
inline DecodedPicture MakePicture(int32_t w, int32_t h,
                                  const std::function<uint32_t(int32_t, int32_t)>& f,
                                  bool isDib = false, int bpp = 24) {
    DecodedPicture p;
    p.width = w;
    p.height = h;
    p.isDib = isDib;
    p.bitsPerPixel = bpp;
    p.rgb.resize(static_cast<size_t>(w) * h * 3);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
            const uint32_t c = f(x, y);
            uint8_t* q = p.rgb.data() + (static_cast<size_t>(y) * w + x) * 3;
            q[0] = static_cast<uint8_t>(c >> 16);
            q[1] = static_cast<uint8_t>(c >> 8);
            q[2] = static_cast<uint8_t>(c);
        }
    return p;
}

// Encodes RGB pixels (w*h*3) as a JFIF stream; gray keeps only the red channel.
inline std::vector<uint8_t> EncodeJpeg(int w, int h, const std::vector<uint8_t>& rgb,
                                       bool progressive = false, bool gray = false,
                                       int quality = 95) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = static_cast<JDIMENSION>(w);
    c.image_height = static_cast<JDIMENSION>(h);
    c.input_components = gray ? 1 : 3;
    c.in_color_space = gray ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    if (progressive) jpeg_simple_progression(&c);
    jpeg_start_compress(&c, TRUE);
    std::vector<uint8_t> line(static_cast<size_t>(w) * 3);
    while (c.next_scanline < c.image_height) {
        const uint8_t* src = rgb.data() + static_cast<size_t>(c.next_scanline) * w * 3;
        if (gray)
            for (int x = 0; x < w; ++x) line[x] = src[3 * x];
        else
            std::copy(src, src + static_cast<size_t>(w) * 3, line.begin());
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    std::vector<uint8_t> out(mem, mem + size);
    jpeg_destroy_compress(&c);
    free(mem);
    return out;
}

// A stored catalogue item around Picture.Data of the given class.
inline StoredPictureItem StoredItem(const std::string& name, const std::string& className,
                                    const std::vector<uint8_t>& payload, bool transparent = false,
                                    int32_t color = 0, const std::string& identifier = "") {
    StoredPictureItem it;
    it.name = name;
    if (!className.empty()) it.pictureData = MakePictureData(className, payload);
    it.transparent = transparent;
    it.transparentColor = color;
    it.colorIdentifier = identifier;
    if (!identifier.empty() && !ResolveColorIdentifier(identifier, it.transparentColor))
        throw std::invalid_argument("bad colour identifier " + identifier);
    return it;
}

}  // namespace testpic
