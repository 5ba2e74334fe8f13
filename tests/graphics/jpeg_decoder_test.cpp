// jpeg_decoder_test.cpp: JPEG decoding: baseline, progressive and grey
// streams come back as RGB close to what was encoded; damaged streams are
// refused with a message instead of ending the program.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/graphics/test_pictures.h"

namespace {
// Smooth colours, which JPEG keeps within a few steps.
DecodedPicture Gradient(int w, int h) {
    return testpic::MakePicture(w, h, [&](int32_t x, int32_t y) {
        return (static_cast<uint32_t>(x * 255 / (w - 1)) << 16) |
               (static_cast<uint32_t>(y * 255 / (h - 1)) << 8) | 0x60;
    });
}

int MaxDifference(const DecodedPicture& a, const DecodedPicture& b) {
    int worst = 0;
    for (size_t i = 0; i < a.rgb.size(); ++i) worst = std::max(worst, std::abs(a.rgb[i] - b.rgb[i]));
    return worst;
}
}  // namespace

TEST(JpegDecoder, BaselineAndProgressiveRoundTrip) {
    const DecodedPicture source = Gradient(37, 21);
    for (bool progressive : {false, true}) {
        auto stream = testpic::EncodeJpeg(37, 21, source.rgb, progressive);
        DecodedPicture p;
        std::string error;
        ASSERT_TRUE(DecodeJpeg(stream, p, error)) << error;
        EXPECT_EQ(p.width, 37);
        EXPECT_EQ(p.height, 21);
        EXPECT_EQ(p.bitsPerPixel, 24);
        EXPECT_FALSE(p.isDib);
        EXPECT_TRUE(p.palette.empty());
        ASSERT_EQ(p.rgb.size(), source.rgb.size());
        EXPECT_LE(MaxDifference(p, source), 12) << (progressive ? "progressive" : "baseline");
    }
}

TEST(JpegDecoder, GreyStreamComesOutAsRgb) {
    const DecodedPicture source = Gradient(16, 16);
    auto stream = testpic::EncodeJpeg(16, 16, source.rgb, false, true);
    DecodedPicture p;
    std::string error;
    ASSERT_TRUE(DecodeJpeg(stream, p, error)) << error;
    ASSERT_EQ(p.rgb.size(), 16u * 16 * 3);
    for (size_t i = 0; i < p.rgb.size(); i += 3) {
        EXPECT_EQ(p.rgb[i], p.rgb[i + 1]);
        EXPECT_EQ(p.rgb[i], p.rgb[i + 2]);
    }
}

TEST(JpegDecoder, DamagedStreamsAreRefused) {
    const DecodedPicture source = Gradient(40, 24);
    const auto stream = testpic::EncodeJpeg(40, 24, source.rgb);
    DecodedPicture p;
    std::string error;

    EXPECT_FALSE(DecodeJpeg({}, p, error));
    EXPECT_EQ(error, "JPEG stream is empty");

    std::vector<uint8_t> garbage(300, 0x5A);
    EXPECT_FALSE(DecodeJpeg(garbage, p, error));
    EXPECT_NE(error.find("JPEG is invalid"), std::string::npos) << error;

    // Cut anywhere: refused, never a half-grey picture passed off as good.
    for (size_t len = 1; len < stream.size() - 2; len += 7) {
        error.clear();
        EXPECT_FALSE(DecodeJpeg(std::span(stream.data(), len), p, error)) << "length " << len;
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(p.rgb.empty());
    }

    // Scrambled entropy-coded data.
    auto scrambled = stream;
    for (size_t i = stream.size() / 2; i < stream.size() - 2; i += 3) scrambled[i] = 0xFF;
    EXPECT_FALSE(DecodeJpeg(scrambled, p, error));
    EXPECT_TRUE(p.Empty());
}
