// dib_decoder_test.cpp: DIB decoding: every pixel layout, both header
// sizes, RLE escapes, row order, and damaged bitmaps of every kind.
#include <gtest/gtest.h>

#include <random>

#include "tests/graphics/test_pictures.h"

using testpic::DibParts;
using testpic::MakeDib;
using testpic::PackRows;
using testpic::RgbAt;

namespace {
const std::vector<uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};

DecodedPicture Decode(const std::vector<uint8_t>& dib) {
    DecodedPicture p;
    std::string error;
    EXPECT_TRUE(DecodeDib(dib, p, error)) << error;
    return p;
}

void ExpectPixels(const DecodedPicture& p, int32_t w, int32_t h, const std::vector<uint32_t>& rgb) {
    ASSERT_EQ(p.width, w);
    ASSERT_EQ(p.height, h);
    ASSERT_EQ(p.rgb.size(), static_cast<size_t>(w) * h * 3);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            EXPECT_EQ(RgbAt(p, x, y), rgb[y * w + x]) << "pixel " << x << "," << y;
}

std::vector<uint32_t> ThroughPalette(const std::vector<uint32_t>& idx, const std::vector<uint32_t>& pal) {
    std::vector<uint32_t> out;
    for (uint32_t i : idx) out.push_back(pal.at(i));
    return out;
}

DibParts Indexed(int32_t w, int32_t h, uint16_t bpp, const std::vector<uint32_t>& idx,
                std::vector<uint32_t> palette) {
    DibParts s;
    s.width = w;
    s.height = h;
    s.bpp = bpp;
    s.colorsUsed = static_cast<uint32_t>(palette.size());
    s.palette = std::move(palette);
    s.bits = PackRows(w, h, bpp, idx);
    return s;
}

// The RLE8 picture: runs, an odd absolute run with its pad byte, a delta and
// lines ended early. Expected indices, top row first.
DibParts Rle8Picture(std::vector<uint32_t>& expected) {
    DibParts s;
    s.width = 6;
    s.height = 3;
    s.bpp = 8;
    s.compression = 1;
    s.colorsUsed = 5;
    s.palette = kPalette;
    s.bits = {3, 1,  0, 3, 2, 3, 4, 0,  0, 0,   // bottom row: run, absolute run (padded), end of line
              0, 2, 2, 0,  2, 4,  0, 0,         // middle row: delta right by 2, run, end of line
              8, 2,                             // top row: a run longer than the row is cut
              0, 1};                            // end of bitmap
    expected = {2, 2, 2, 2, 2, 2,  0, 0, 4, 4, 0, 0,  1, 1, 1, 2, 3, 4};
    return s;
}

DibParts Rle4Picture(std::vector<uint32_t>& expected, std::vector<uint32_t>& palette) {
    palette.clear();
    for (uint32_t i = 0; i < 16; ++i) palette.push_back(0x101010 * i);
    DibParts s;
    s.width = 7;
    s.height = 2;
    s.bpp = 4;
    s.compression = 2;
    s.palette = palette;
    s.bits = {4, 0x12,  0, 3, 0x34, 0x50,  0, 0,                // alternating run, even absolute run
              0, 5, 0x67, 0x89, 0xA0, 0,  2, 0xBC,  0, 1};     // odd absolute run padded, run, end
    expected = {6, 7, 8, 9, 10, 11, 12,  1, 2, 1, 2, 3, 4, 5};
    return s;
}

// Every valid bitmap the damage tests start from, with the number of trailing
// bytes that may go missing (the last row's padding) and still decode.
std::vector<std::pair<std::vector<uint8_t>, size_t>> ValidDibs() {
    std::vector<std::pair<std::vector<uint8_t>, size_t>> all;
    std::vector<uint32_t> e, pal;
    all.push_back({MakeDib(Rle8Picture(e)), 0});
    all.push_back({MakeDib(Rle4Picture(e, pal)), 0});
    all.push_back({MakeDib(Indexed(5, 3, 8, std::vector<uint32_t>(15, 2), kPalette)), 3});
    all.push_back({MakeDib(Indexed(9, 2, 1, std::vector<uint32_t>(18, 1), {0, 0xFFFFFF})), 2});
    DibParts s24;
    s24.width = 3, s24.height = 2, s24.bpp = 24;
    s24.bits = PackRows(3, 2, 24, std::vector<uint32_t>(6, 0x123456));
    all.push_back({MakeDib(s24), 3});
    DibParts s16;
    s16.width = 3, s16.height = 2, s16.bpp = 16, s16.compression = 3;
    s16.masks = {0xF800, 0x07E0, 0x001F};
    s16.bits = PackRows(3, 2, 16, std::vector<uint32_t>(6, 0xF800));
    all.push_back({MakeDib(s16), 2});
    DibParts core = Indexed(2, 2, 4, {1, 2, 3, 4}, kPalette);
    core.coreHeader = true;
    core.palette.resize(16);
    all.push_back({MakeDib(core), 3});
    return all;
}
}  // namespace

TEST(DibDecoder, PalettedLayoutsDecodeEveryPixel) {
    // 1 bit across a byte boundary, 4 bits with an odd width, 8 bits.
    std::vector<uint32_t> idx1 = {1, 0, 1, 1, 0, 0, 1, 0, 1, 1,  0, 1, 0, 0, 1, 1, 0, 1, 0, 0};
    ExpectPixels(Decode(MakeDib(Indexed(10, 2, 1, idx1, {0x000000, 0xFFFFFF}))), 10, 2,
                 ThroughPalette(idx1, {0x000000, 0xFFFFFF}));

    std::vector<uint32_t> pal16;
    for (uint32_t i = 0; i < 16; ++i) pal16.push_back(0x0F0F0F * i + 0x010203);
    std::vector<uint32_t> idx4 = {0, 15, 7, 8, 3,  9, 1, 14, 2, 6};
    auto p4 = Decode(MakeDib(Indexed(5, 2, 4, idx4, pal16)));
    ExpectPixels(p4, 5, 2, ThroughPalette(idx4, pal16));
    EXPECT_EQ(p4.bitsPerPixel, 4);
    EXPECT_EQ(p4.palette, pal16);

    std::vector<uint32_t> idx8 = {0, 1, 2,  3, 4, 1};
    auto p8 = Decode(MakeDib(Indexed(3, 2, 8, idx8, kPalette)));
    ExpectPixels(p8, 3, 2, ThroughPalette(idx8, kPalette));
    EXPECT_TRUE(p8.isDib);
}

TEST(DibDecoder, PaletteSizeFollowsColoursUsedOrBitDepth) {
    // colours used = 3: the pixel rows follow the third entry.
    std::vector<uint32_t> idx = {0, 1, 2, 2};
    auto p = Decode(MakeDib(Indexed(2, 2, 8, idx, {0x112233, 0x445566, 0x778899})));
    ExpectPixels(p, 2, 2, ThroughPalette(idx, {0x112233, 0x445566, 0x778899}));
    EXPECT_EQ(p.palette.size(), 3u);

    // colours used = 0 with 4 bits: 16 entries; an index past a short palette is black.
    std::vector<uint32_t> pal(16, 0x00FF00);
    DibParts s = Indexed(2, 1, 4, {3, 15}, pal);
    s.colorsUsed = 0;
    EXPECT_EQ(Decode(MakeDib(s)).palette.size(), 16u);
    s = Indexed(2, 1, 4, {1, 5}, {0x0000FF, 0xFF0000});
    ExpectPixels(Decode(MakeDib(s)), 2, 1, {0xFF0000, 0x000000});
}

TEST(DibDecoder, RowOrderAndCoreHeader) {
    std::vector<uint32_t> idx = {1, 2,  3, 4};
    DibParts top = Indexed(2, 2, 8, idx, kPalette);
    top.height = -2;
    top.bits = PackRows(2, 2, 8, idx, true);
    ExpectPixels(Decode(MakeDib(top)), 2, 2, ThroughPalette(idx, kPalette));

    DibParts core = Indexed(2, 2, 8, idx, kPalette);
    core.coreHeader = true;  // 3-byte palette entries, always 2^bits of them
    core.palette.resize(256, 0x777777);
    ExpectPixels(Decode(MakeDib(core)), 2, 2, ThroughPalette(idx, kPalette));
}

TEST(DibDecoder, SixteenAndThirtyTwoBitPixels) {
    DibParts s;
    s.width = 4, s.height = 1, s.bpp = 16;
    s.bits = PackRows(4, 1, 16, {0x7C00, 0x03E0, 0x001F, 0x4210});  // 5-5-5 without masks
    ExpectPixels(Decode(MakeDib(s)), 4, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0x848484});

    s.compression = 3;
    s.masks = {0xF800, 0x07E0, 0x001F};
    s.bits = PackRows(4, 1, 16, {0xF800, 0x07E0, 0x001F, 0x0020});
    ExpectPixels(Decode(MakeDib(s)), 4, 1, {0xFF0000, 0x00FF00, 0x0000FF, 0x000400});

    DibParts t;
    t.width = 2, t.height = 1, t.bpp = 32;
    t.bits = PackRows(2, 1, 32, {0xFF123456, 0x00ABCDEF});  // 8-8-8, top byte ignored
    ExpectPixels(Decode(MakeDib(t)), 2, 1, {0x123456, 0xABCDEF});
    t.compression = 3;
    t.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};
    ExpectPixels(Decode(MakeDib(t)), 2, 1, {0x563412, 0xEFCDAB});
}

TEST(DibDecoder, TwentyFourBitRowsArePadded) {
    DibParts s;
    s.width = 1, s.height = 3, s.bpp = 24;
    s.bits = PackRows(1, 3, 24, {0x102030, 0x405060, 0x708090});
    EXPECT_EQ(s.bits.size(), 12u);
    ExpectPixels(Decode(MakeDib(s)), 1, 3, {0x102030, 0x405060, 0x708090});
}

TEST(DibDecoder, RunLengthEncodedPictures) {
    std::vector<uint32_t> expected, pal;
    const auto rle8 = MakeDib(Rle8Picture(expected));
    ExpectPixels(Decode(rle8), 6, 3, ThroughPalette(expected, kPalette));
    const auto rle4 = MakeDib(Rle4Picture(expected, pal));
    ExpectPixels(Decode(rle4), 7, 2, ThroughPalette(expected, pal));

    // A delta that moves down: the rows it passes keep index 0.
    DibParts s;
    s.width = 2, s.height = 3, s.bpp = 8, s.compression = 1, s.colorsUsed = 5, s.palette = kPalette;
    s.bits = {1, 1, 0, 2, 0, 2, 1, 3, 0, 1};
    ExpectPixels(Decode(MakeDib(s)), 2, 3, {0, 0x0000FF, 0, 0, 0xFF0000, 0});

    // Runs and deltas that leave the picture are dropped, not written.
    s.bits = {0, 2, 200, 200, 255, 1, 0, 0, 0, 0, 0, 0, 0, 0, 5, 4, 0, 1};
    ExpectPixels(Decode(MakeDib(s)), 2, 3, std::vector<uint32_t>(6, 0));
}

TEST(DibDecoder, BadHeadersAreRejected) {
    std::vector<uint32_t> idx(4, 1);
    auto reject = [](DibParts s, const char* what) {
        DecodedPicture p;
        std::string error;
        EXPECT_FALSE(DecodeDib(MakeDib(s), p, error)) << what;
        EXPECT_EQ(error, "DIB is invalid") << what;
        EXPECT_TRUE(p.Empty() && p.rgb.empty()) << what;
    };
    DibParts s = Indexed(2, 2, 8, idx, kPalette);
    auto bad = s;
    bad.bpp = 2;
    reject(bad, "2 bits per pixel");
    bad = s, bad.compression = 4;
    reject(bad, "compression 4");
    bad = s, bad.compression = 2;
    reject(bad, "RLE4 on an 8-bit picture");
    bad = s, bad.width = 0;
    reject(bad, "zero width");
    bad = s, bad.height = 0;
    reject(bad, "zero height");
    bad = s, bad.width = -2;
    reject(bad, "negative width");
    bad = s, bad.height = INT32_MIN;
    reject(bad, "smallest height");
    bad = s, bad.width = 20000, bad.height = 1;
    reject(bad, "absurd width");
    bad = s, bad.width = 16000, bad.height = 16000;
    reject(bad, "absurd pixel count");
    DibParts m;
    m.width = 1, m.height = 1, m.bpp = 16, m.compression = 3, m.bits = {0, 0, 0, 0};
    m.masks = {0xF0F0, 0x0F00, 0x000F};
    reject(m, "mask with a hole");
    m.masks = {0x1F0000, 0x07E0, 0x001F};
    reject(m, "mask wider than the pixel");

    // Any header size but 12 and 40.
    auto dib = MakeDib(s);
    dib[0] = 108;
    DecodedPicture p;
    std::string error;
    EXPECT_FALSE(DecodeDib(dib, p, error));
    EXPECT_EQ(error, "DIB is invalid");
}

TEST(DibDecoder, EmptyStreamIsAnEmptyPicture) {
    DecodedPicture p;
    p.width = 3;
    std::string error;
    EXPECT_TRUE(DecodeDib({}, p, error));
    EXPECT_TRUE(p.Empty());
}

TEST(DibDecoder, EveryTruncationIsRejectedSafely) {
    for (const auto& [dib, spare] : ValidDibs()) {
        DecodedPicture whole;
        std::string why;
        ASSERT_TRUE(DecodeDib(dib, whole, why)) << "the undamaged bitmap of " << dib.size() << " bytes";
        for (size_t len = 1; len < dib.size(); ++len) {
            DecodedPicture p;
            std::string error;
            const bool ok = DecodeDib(std::span(dib.data(), len), p, error);
            if (len < dib.size() - spare) {
                EXPECT_FALSE(ok) << "length " << len << " of " << dib.size();
                EXPECT_EQ(error, "DIB is invalid");
                EXPECT_TRUE(p.rgb.empty());
            } else {
                EXPECT_TRUE(ok) << "only padding missing, length " << len;
            }
        }
    }
}

TEST(DibDecoder, CorruptedBytesNeverBreakTheDecoder) {
    // Run under the sanitizer build as well: any stray access fails there.
    std::mt19937 rng(1234);
    for (const auto& [dib, spare] : ValidDibs()) {
        for (int round = 0; round < 400; ++round) {
            auto bad = dib;
            const int flips = 1 + static_cast<int>(rng() % 4);
            for (int i = 0; i < flips; ++i) bad[rng() % bad.size()] = static_cast<uint8_t>(rng());
            DecodedPicture p;
            std::string error;
            if (DecodeDib(bad, p, error)) {
                EXPECT_EQ(p.rgb.size(), static_cast<size_t>(p.width) * p.height * 3);
            } else {
                EXPECT_EQ(error, "DIB is invalid");
            }
        }
    }
}

TEST(DibDecoder, BmpFilesUseTheirPixelOffset) {
    std::vector<uint32_t> idx = {1, 2, 3, 4};
    auto dib = MakeDib(Indexed(2, 2, 8, idx, kPalette));
    const size_t pixelsAt = dib.size() - 8;  // two rows of 4 bytes
    // A file with 6 unused bytes between the palette and the rows.
    std::vector<uint8_t> file = {'B', 'M'};
    PutLe(file, 14 + dib.size() + 6, 4);
    PutLe(file, 0, 4);
    PutLe(file, 14 + pixelsAt + 6, 4);
    file.insert(file.end(), dib.begin(), dib.begin() + pixelsAt);
    file.insert(file.end(), 6, 0xEE);
    file.insert(file.end(), dib.begin() + pixelsAt, dib.end());
    DecodedPicture p;
    std::string error;
    ASSERT_TRUE(DecodeBmpFile(file, p, error)) << error;
    ExpectPixels(p, 2, 2, ThroughPalette(idx, kPalette));

    auto beyond = file;
    beyond[10] = 0xFF;  // pixel offset past the end
    EXPECT_FALSE(DecodeBmpFile(beyond, p, error));
    EXPECT_EQ(error, "DIB is invalid");
    auto notBmp = file;
    notBmp[0] = 'X';
    EXPECT_FALSE(DecodeBmpFile(notBmp, p, error));
    EXPECT_EQ(error, "not a BMP file");
    EXPECT_FALSE(DecodeBmpFile(std::span(file.data(), 10), p, error));
}

namespace {
// A few bytes of run-length data may claim a huge picture: the decoder must
// refuse it rather than allocate for it.
TEST(DibDecoder, AHugeClaimedSizeIsRefusedBeforeAnythingIsAllocated) {
    DibParts s;
    s.width = 11009;
    s.height = 4099;
    s.bpp = 8;
    s.compression = 1;  // RLE8: the data can be tiny
    s.colorsUsed = 2;
    s.palette = {0x000000, 0xFFFFFF};
    s.bits = {0, 1};  // end of bitmap
    DecodedPicture p;
    std::string error;
    EXPECT_FALSE(DecodeDib(MakeDib(s), p, error));
    EXPECT_EQ(error, "DIB is invalid");
    s.width = 1024;  // a large but plausible picture still decodes
    s.height = 1024;
    EXPECT_TRUE(DecodeDib(MakeDib(s), p, error)) << error;
}
}  // namespace
