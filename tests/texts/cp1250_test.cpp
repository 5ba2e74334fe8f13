// Windows-1250 conversion: exact round trips, and clear refusals of malformed
// UTF-8 and of characters the code page cannot hold.
#include <gtest/gtest.h>

#include "texts/cp1250.h"

namespace {
constexpr uint8_t kUndefined[] = {0x81, 0x83, 0x88, 0x90, 0x98};

bool IsUndefined(int b) {
    for (uint8_t u : kUndefined) if (b == u) return true;
    return false;
}
}  // namespace

TEST(Cp1250, CzechLettersRoundTripAsSingleBytes) {
    const std::string letters = "áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
    std::string bytes, error;
    ASSERT_TRUE(Utf8ToCp1250(letters, bytes, error)) << error;
    EXPECT_EQ(bytes.size(), 30u);
    EXPECT_EQ(static_cast<uint8_t>(bytes[1]), 0xE8);   // č
    EXPECT_EQ(static_cast<uint8_t>(bytes[8]), 0xF8);   // ř
    EXPECT_EQ(static_cast<uint8_t>(bytes[29]), 0x8E);  // Ž
    EXPECT_EQ(Cp1250ToUtf8(bytes), letters);
}

TEST(Cp1250, EveryDefinedByteRoundTrips) {
    for (int b = 0; b < 256; ++b) {
        const char32_t code = Cp1250ToUnicode(static_cast<uint8_t>(b));
        if (IsUndefined(b)) {
            EXPECT_EQ(code, U'\uFFFD') << "byte " << b;
            continue;
        }
        uint8_t back = 0;
        ASSERT_TRUE(UnicodeToCp1250(code, back)) << "byte " << b;
        EXPECT_EQ(back, b);
        std::string bytes, error;
        ASSERT_TRUE(Utf8ToCp1250(Cp1250ToUtf8(std::string(1, static_cast<char>(b))), bytes, error))
            << "byte " << b << ": " << error;
        EXPECT_EQ(bytes, std::string(1, static_cast<char>(b)));
    }
}

TEST(Cp1250, KnownPlacesOfTheUpperHalf) {
    uint8_t b = 0;
    ASSERT_TRUE(UnicodeToCp1250(U'€', b));
    EXPECT_EQ(b, 0x80);
    ASSERT_TRUE(UnicodeToCp1250(U'ł', b));
    EXPECT_EQ(b, 0xB3);
    ASSERT_TRUE(UnicodeToCp1250(U'ő', b));
    EXPECT_EQ(b, 0xF5);
    ASSERT_TRUE(UnicodeToCp1250(U'ß', b));
    EXPECT_EQ(b, 0xDF);
    ASSERT_TRUE(UnicodeToCp1250(U'„', b));
    EXPECT_EQ(b, 0x84);
    EXPECT_EQ(Cp1250ToUnicode(0x9A), U'š');
    EXPECT_EQ(Cp1250ToUnicode(0x41), U'A');
}

TEST(Cp1250, RefusesCharactersOutsideThePage) {
    for (char32_t code : {U'ø', U'中', U'\uFFFD', U'\U0001F600', U'\u0081'}) {
        uint8_t b = 0x55;
        EXPECT_FALSE(UnicodeToCp1250(code, b)) << static_cast<unsigned>(code);
        EXPECT_EQ(b, 0x55);
    }
    std::string out, error;
    EXPECT_FALSE(Utf8ToCp1250("Fjørd", out, error));
    EXPECT_NE(error.find("U+00F8"), std::string::npos) << error;
    EXPECT_NE(error.find("byte 2"), std::string::npos) << error;
    EXPECT_EQ(out, "Fj");
    EXPECT_FALSE(Utf8ToCp1250("ahoj 中", out, error));
    EXPECT_NE(error.find("U+4E2D"), std::string::npos) << error;
}

TEST(Cp1250, RefusesMalformedUtf8) {
    const std::pair<std::string, size_t> cases[] = {
        {"a\x80", 1},              // stray continuation byte
        {"ab\xC4", 2},             // truncated two-byte sequence
        {"\xC0\xAF", 0},           // overlong '/'
        {"x\xE0\x80\xAF", 1},      // overlong three-byte form
        {"\xED\xA0\x80", 0},       // UTF-16 surrogate
        {"\xF4\x90\x80\x80", 0},   // above U+10FFFF
        {"\xC4\x41", 0},           // lead byte without continuation
        {"ok\xFF", 2},             // never a UTF-8 byte
    };
    for (const auto& [text, at] : cases) {
        std::string out, error;
        EXPECT_FALSE(Utf8ToCp1250(text, out, error));
        EXPECT_EQ(error, "invalid UTF-8 at byte " + std::to_string(at));
    }
}

TEST(Cp1250, EmptyAndAsciiPassUnchanged) {
    std::string out = "old", error;
    EXPECT_TRUE(Utf8ToCp1250("", out, error));
    EXPECT_EQ(out, "");
    EXPECT_TRUE(Utf8ToCp1250("\"Hi#there\" 100%", out, error));
    EXPECT_EQ(out, "\"Hi#there\" 100%");
    EXPECT_EQ(Cp1250ToUtf8(""), "");
}
