// dib_encoder.cpp: writing 4-, 8-, 16- and 24-bit bottom-up DIBs.
#include "tools/assetc/dib_encoder.h"

#include "graphics/byte_reader.h"

namespace {

constexpr uint32_t kBiRgb = 0, kBiBitFields = 3;

size_t RowStride(int width, int bits) {
    return ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits,
                   uint32_t compression, uint32_t coloursUsed) {
    PutLe(out, 40, 4);
    PutLe(out, static_cast<uint32_t>(width), 4);
    PutLe(out, static_cast<uint32_t>(height), 4);  // positive: rows bottom-up
    PutLe(out, 1, 2);                              // planes
    PutLe(out, static_cast<uint32_t>(bits), 2);
    PutLe(out, compression, 4);
    PutLe(out, RowStride(width, bits) * height, 4);
    PutLe(out, 2835, 4);  // 72 dpi, in pixels per metre
    PutLe(out, 2835, 4);
    PutLe(out, coloursUsed, 4);
    PutLe(out, 0, 4);  // all colours important
}

}  // namespace

std::vector<uint8_t> WritePalettedDib(const PalettedImage& image, int bits) {
    std::vector<uint8_t> out;
    PutInfoHeader(out, image.width, image.height, bits, kBiRgb,
                  static_cast<uint32_t>(image.palette.size()));
    for (const Rgb& c : image.palette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    const size_t stride = RowStride(image.width, bits);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        const uint8_t* src = image.indices.data() + static_cast<size_t>(y) * image.width;
        for (int x = 0; x < image.width; ++x) {
            if (bits == 8) row[x] = src[x];
            else row[x / 2] |= static_cast<uint8_t>((src[x] & 0x0F) << (x % 2 == 0 ? 4 : 0));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool EncodePalettedDib(const RgbaImage& image, int bits, std::optional<Rgb> key,
                       std::vector<uint8_t>& out, std::string& error) {
    PalettedImage paletted;
    if (!QuantiseImage(image, bits == 4 ? 16 : 256, key, paletted, error)) return false;
    out = WritePalettedDib(paletted, bits);
    return true;
}

std::vector<uint8_t> EncodeDib16(const RgbaImage& image) {
    std::vector<uint8_t> out;
    PutInfoHeader(out, image.width, image.height, 16, kBiBitFields, 0);
    PutLe(out, 0xF800, 4);  // red
    PutLe(out, 0x07E0, 4);  // green
    PutLe(out, 0x001F, 4);  // blue
    const size_t stride = RowStride(image.width, 16);
    for (int y = image.height - 1; y >= 0; --y) {
        size_t start = out.size();
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = image.At(x, y);
            PutLe(out, Rgb565Of(Rgb{p[0], p[1], p[2]}), 2);
        }
        out.resize(start + stride, 0);
    }
    return out;
}

std::vector<uint8_t> EncodeDib24(const RgbaImage& image) {
    std::vector<uint8_t> out;
    PutInfoHeader(out, image.width, image.height, 24, kBiRgb, 0);
    const size_t stride = RowStride(image.width, 24);
    for (int y = image.height - 1; y >= 0; --y) {
        size_t start = out.size();
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = image.At(x, y);
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        out.resize(start + stride, 0);
    }
    return out;
}
