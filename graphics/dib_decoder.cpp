// dib_decoder.cpp: decoding device-independent bitmaps, the "TDIB" pictures
// of the catalogue and the .bmp files the tools read.
//
// Accepted: the 12-byte core header and the 40-byte info header; 1, 4, 8, 16,
// 24 and 32 bits per pixel; uncompressed rows, bit fields (16 and 32 bits),
// RLE8 and RLE4; bottom-up rows, or top-down ones for a negative height.
// Everything is read through bounds-checked readers; any malformed or
// truncated bitmap is rejected with "DIB is invalid" before anything is
// written outside the output picture.
#include <algorithm>
#include <climits>

#include "graphics/byte_reader.h"
#include "graphics/image_catalogue.h"

namespace {
// Far above any picture of the game (535x270 at most), low enough that a few
// bytes of run-length data cannot make us allocate hundreds of megabytes.
constexpr int32_t kMaxDimension = 4096;
constexpr int64_t kMaxPixels = int64_t{1} << 22;
constexpr size_t kNoOffset = SIZE_MAX;
const char kInvalid[] = "DIB is invalid";

// One colour channel of a 16- or 32-bit pixel: its mask, shift and width.
struct ChannelMask {
    uint32_t mask = 0;
    uint32_t shift = 0;
    uint32_t bits = 0;
};

struct DibLayout {
    int32_t width = 0, height = 0;
    bool topDown = false;
    bool coreHeader = false;
    int bpp = 0;
    uint32_t compression = 0;
    ChannelMask red, green, blue;
    std::vector<uint32_t> palette;  // 0x00RRGGBB
};

// Splits a mask into shift and width; false for a mask that is not one
// contiguous run of bits or does not fit the pixel.
bool MakeMask(uint32_t mask, int bpp, ChannelMask& m) {
    m = ChannelMask{mask, 0, 0};
    if (mask == 0) return true;
    if (bpp < 32 && (mask >> bpp) != 0) return false;
    while (((mask >> m.shift) & 1) == 0) ++m.shift;
    uint32_t v = mask >> m.shift;
    while (v & 1) {
        ++m.bits;
        v >>= 1;
    }
    return v == 0;
}

// Widens a channel value to 8 bits, repeating its bits so that full stays full.
uint8_t Expand(uint32_t pixel, const ChannelMask& m) {
    if (m.bits == 0) return 0;
    uint32_t v = (pixel & m.mask) >> m.shift;
    if (m.bits >= 8) return static_cast<uint8_t>(v >> (m.bits - 8));
    uint32_t out = 0, filled = 0;
    while (filled < 8) {
        out = (out << m.bits) | v;
        filled += m.bits;
    }
    return static_cast<uint8_t>(out >> (filled - 8));
}

bool ReadInfo(ByteReader& r, DibLayout& d, uint32_t& colorsUsed) {
    uint32_t size = r.U32();
    int64_t height = 0;
    colorsUsed = 0;
    d.coreHeader = size == 12;
    if (size == 12) {
        d.width = r.U16();
        height = r.U16();
        r.U16();  // planes
        d.bpp = r.U16();
        d.compression = 0;
    } else if (size == 40) {
        d.width = r.I32();
        height = r.I32();
        r.U16();  // planes
        d.bpp = r.U16();
        d.compression = r.U32();
        r.Skip(12);  // image size, x and y resolution
        colorsUsed = r.U32();
        r.U32();  // colours important
    } else {
        return false;
    }
    if (!r.ok()) return false;
    d.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (d.width <= 0 || height <= 0 || d.width > kMaxDimension || height > kMaxDimension) return false;
    d.height = static_cast<int32_t>(height);
    return int64_t{d.width} * d.height <= kMaxPixels;
}

bool CheckFormat(const DibLayout& d) {
    switch (d.compression) {
        case 0:
            return d.bpp == 1 || d.bpp == 4 || d.bpp == 8 || d.bpp == 16 || d.bpp == 24 ||
                   d.bpp == 32;
        case 1: return d.bpp == 8;
        case 2: return d.bpp == 4;
        case 3: return d.bpp == 16 || d.bpp == 32;
        default: return false;
    }
}

bool ReadMasks(ByteReader& r, DibLayout& d) {
    if (d.bpp != 16 && d.bpp != 32) return true;
    uint32_t rm, gm, bm;
    if (d.compression == 3) {
        rm = r.U32();
        gm = r.U32();
        bm = r.U32();
        if (!r.ok()) return false;
    } else if (d.bpp == 16) {
        rm = 0x7C00, gm = 0x03E0, bm = 0x001F;
    } else {
        rm = 0xFF0000, gm = 0x00FF00, bm = 0x0000FF;
    }
    return MakeMask(rm, d.bpp, d.red) && MakeMask(gm, d.bpp, d.green) &&
           MakeMask(bm, d.bpp, d.blue);
}

// The palette: colours-used entries, or 2^bits when that is 0 and bits <= 8,
// at most 256; 4-byte entries after an info header, 3-byte after a core one.
bool ReadPalette(ByteReader& r, DibLayout& d, uint32_t colorsUsed) {
    uint32_t count = colorsUsed != 0 ? colorsUsed : (d.bpp <= 8 ? 1u << d.bpp : 0u);
    count = std::min<uint32_t>(count, 256);
    const size_t entry = d.coreHeader ? 3 : 4;
    auto bytes = r.Bytes(count * entry);
    if (!r.ok()) return false;
    if (d.bpp > 8) return true;  // an optimisation table only; pixels carry their colours
    d.palette.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint8_t* e = bytes.data() + i * entry;
        d.palette[i] = (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0];
    }
    return true;
}

// Output row of the n-th stored row.
inline size_t OutRow(const DibLayout& d, int64_t stored) {
    return static_cast<size_t>(d.topDown ? stored : d.height - 1 - stored);
}

inline uint8_t IndexAt(const uint8_t* row, int32_t x, int bpp) {
    switch (bpp) {
        case 1: return (row[x >> 3] >> (7 - (x & 7))) & 1;
        case 4: return (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4;
        default: return row[x];
    }
}

void PutRgb(DecodedPicture& out, size_t y, int32_t x, uint8_t r, uint8_t g, uint8_t b) {
    uint8_t* p = out.rgb.data() + (y * out.width + x) * 3;
    p[0] = r;
    p[1] = g;
    p[2] = b;
}

inline size_t RowBytes(const DibLayout& d) { return (static_cast<size_t>(d.width) * d.bpp + 7) / 8; }
inline size_t RowStride(const DibLayout& d) { return (RowBytes(d) + 3) & ~size_t{3}; }

// Uncompressed rows are padded to 4 bytes; the last row may lack its padding.
bool RowsFit(std::span<const uint8_t> bits, const DibLayout& d) {
    return bits.size() >= RowStride(d) * (d.height - 1) + RowBytes(d);
}

// Decodes uncompressed rows; RowsFit must hold.
void DecodeRows(std::span<const uint8_t> bits, const DibLayout& d, std::vector<uint8_t>& indices,
                DecodedPicture& out) {
    const size_t stride = RowStride(d);
    for (int32_t i = 0; i < d.height; ++i) {
        const uint8_t* row = bits.data() + stride * i;
        const size_t y = OutRow(d, i);
        for (int32_t x = 0; x < d.width; ++x) {
            if (d.bpp <= 8) {
                indices[y * d.width + x] = IndexAt(row, x, d.bpp);
            } else if (d.bpp == 24) {
                const uint8_t* p = row + 3 * x;
                PutRgb(out, y, x, p[2], p[1], p[0]);
            } else {
                const uint8_t* p = row + (d.bpp / 8) * x;
                uint32_t v = p[0] | (uint32_t{p[1]} << 8);
                if (d.bpp == 32) v |= (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
                PutRgb(out, y, x, Expand(v, d.red), Expand(v, d.green), Expand(v, d.blue));
            }
        }
    }
}

// RLE8 (bpp 8) and RLE4 (bpp 4). Pixels past a row's end or past the last row
// are dropped; pixels a delta skips keep index 0. Running out of data is
// accepted only when every row has been ended.
bool DecodeRle(std::span<const uint8_t> data, const DibLayout& d, std::vector<uint8_t>& indices) {
    const bool rle8 = d.bpp == 8;
    size_t p = 0;
    int64_t x = 0, line = 0;
    auto put = [&](uint8_t v) {
        if (x < d.width && line < d.height) indices[OutRow(d, line) * d.width + x] = v;
        ++x;
    };
    while (p + 2 <= data.size()) {
        const uint8_t n = data[p], v = data[p + 1];
        p += 2;
        if (n > 0) {
            for (int i = 0; i < n; ++i) put(rle8 ? v : ((i & 1) ? v & 0x0F : v >> 4));
            continue;
        }
        if (v == 0) {
            x = 0;
            ++line;
        } else if (v == 1) {
            return true;
        } else if (v == 2) {
            if (p + 2 > data.size()) return false;
            x += data[p];
            line += data[p + 1];
            p += 2;
        } else {
            const size_t bytes = rle8 ? v : (v + 1u) / 2;
            const size_t padded = bytes + (bytes & 1);
            if (p + padded > data.size()) return false;
            for (int i = 0; i < v; ++i) {
                const uint8_t b = data[p + (rle8 ? i : i / 2)];
                put(rle8 ? b : ((i & 1) ? b & 0x0F : b >> 4));
            }
            p += padded;
        }
    }
    return line >= d.height;
}

void MapPalette(const std::vector<uint8_t>& indices, const DibLayout& d, DecodedPicture& out) {
    for (size_t i = 0; i < indices.size(); ++i) {
        const uint32_t c = indices[i] < d.palette.size() ? d.palette[indices[i]] : 0;
        uint8_t* p = out.rgb.data() + i * 3;
        p[0] = static_cast<uint8_t>(c >> 16);
        p[1] = static_cast<uint8_t>(c >> 8);
        p[2] = static_cast<uint8_t>(c);
    }
}

// Decodes a DIB. bitsOffset, when given, is where the pixel rows start
// (measured from the DIB's header); otherwise they follow the palette.
bool DecodeDibAt(std::span<const uint8_t> data, size_t bitsOffset, DecodedPicture& out) {
    ByteReader r(data);
    DibLayout d;
    uint32_t colorsUsed = 0;
    if (!ReadInfo(r, d, colorsUsed) || !CheckFormat(d) || !ReadMasks(r, d)) return false;
    if (!ReadPalette(r, d, colorsUsed)) return false;
    size_t start = r.offset();
    if (bitsOffset != kNoOffset) {
        if (bitsOffset < start || bitsOffset > data.size()) return false;
        start = bitsOffset;
    }
    const auto bits = data.subspan(start);
    const bool rle = d.compression == 1 || d.compression == 2;
    if (!rle && !RowsFit(bits, d)) return false;

    out.width = d.width;
    out.height = d.height;
    out.bitsPerPixel = d.bpp;
    out.isDib = true;
    out.rgb.assign(static_cast<size_t>(d.width) * d.height * 3, 0);
    std::vector<uint8_t> indices;
    if (d.bpp <= 8) indices.assign(static_cast<size_t>(d.width) * d.height, 0);

    if (rle) {
        if (!DecodeRle(bits, d, indices)) return false;
    } else {
        DecodeRows(bits, d, indices, out);
    }
    if (d.bpp <= 8) {
        MapPalette(indices, d, out);
        out.palette = std::move(d.palette);
    }
    return true;
}
}  // namespace

bool DecodeDib(std::span<const uint8_t> data, DecodedPicture& out, std::string& error) {
    out = DecodedPicture{};
    if (data.empty()) return true;  // an empty stream is an empty picture
    if (!DecodeDibAt(data, kNoOffset, out)) {
        out = DecodedPicture{};
        error = kInvalid;
        return false;
    }
    return true;
}

bool DecodeBmpFile(std::span<const uint8_t> data, DecodedPicture& out, std::string& error) {
    out = DecodedPicture{};
    ByteReader r(data);
    const uint8_t b = r.U8(), m = r.U8();
    r.Skip(8);  // file size, reserved
    const uint32_t offBits = r.U32();
    if (!r.ok() || b != 'B' || m != 'M') {
        error = "not a BMP file";
        return false;
    }
    const size_t bitsOffset = offBits >= 14 ? offBits - 14 : 0;
    if (!DecodeDibAt(data.subspan(14), bitsOffset, out)) {
        out = DecodedPicture{};
        error = kInvalid;
        return false;
    }
    return true;
}
