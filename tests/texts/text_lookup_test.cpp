// Text lookup: the current language is read at every call, and ids without an
// entry (or an unknown language) leave the caller's string as it was.
#include <gtest/gtest.h>

#include "texts/cp1250.h"
#include "texts/texts.h"

namespace {
class TextLookup : public ::testing::Test {
protected:
    void SetUp() override { SetLanguageSource(&language); }
    void TearDown() override { SetLanguageSource(nullptr); }
    uint8_t language = 0;
};

std::string Utf8Text(TextId id) { return Cp1250ToUtf8(Text(id)); }
}  // namespace

TEST_F(TextLookup, SwitchingLanguageChangesOnlyLaterCalls) {
    language = 0;
    std::string first;
    GetText(9, first);
    language = 1;
    std::string second;
    GetText(9, second);
    EXPECT_EQ(Cp1250ToUtf8(first), "Klíč");
    EXPECT_EQ(second, "Key");
    language = 0;
    EXPECT_EQ(Utf8Text(161), "Hra obnovena.");
    language = 1;
    EXPECT_EQ(Utf8Text(161), "Game restored.");
}

TEST_F(TextLookup, Id108HasNoEntryInEitherLanguage) {
    for (uint8_t lang : {0, 1}) {
        language = lang;
        std::string s;
        GetText(108, s);
        EXPECT_EQ(s, "");
        s = "kept";
        GetText(108, s);
        EXPECT_EQ(s, "kept");
    }
}

TEST_F(TextLookup, Ids357To360AreEmptyInCzechAndAbsentInEnglish) {
    for (TextId id = 357; id <= 360; ++id) {
        std::string s = "kept";
        language = 0;
        GetText(id, s);
        EXPECT_EQ(s, "") << id;
        s = "kept";
        language = 1;
        GetText(id, s);
        EXPECT_EQ(s, "kept") << id;
    }
    std::string s;
    GetText(358, s);
    EXPECT_EQ(s, "");
}

TEST_F(TextLookup, IdsBeyondTheTableLeaveTheStringAlone) {
    for (uint8_t lang : {0, 1}) {
        language = lang;
        for (TextId id : {TextId{361}, TextId{1000}, TextId{65535}}) {
            std::string s = "kept";
            GetText(id, s);
            EXPECT_EQ(s, "kept") << id;
            EXPECT_EQ(Text(id), "") << id;
        }
    }
}

TEST_F(TextLookup, UnknownLanguageLeavesTextsAloneButHasASuffixUpToTwo) {
    language = 2;
    std::string s = "kept";
    GetText(0, s);
    EXPECT_EQ(s, "kept");
    std::string suffix = "x";
    LanguageSuffix(suffix);
    EXPECT_EQ(suffix, "2");
    language = 3;
    LanguageSuffix(suffix);
    EXPECT_EQ(suffix, "2");
    language = 255;
    GetText(0, s);
    EXPECT_EQ(s, "kept");
}

TEST_F(TextLookup, SuffixFollowsTheLanguage) {
    std::string name = "podtitul";
    language = 1;
    std::string suffix;
    LanguageSuffix(suffix);
    EXPECT_EQ(name + suffix, "podtitul1");
    language = 0;
    LanguageSuffix(suffix);
    EXPECT_EQ(suffix, "0");
}

TEST_F(TextLookup, GetTextReplacesWhatTheStringHeld) {
    language = 1;
    std::string s = "something much longer than the text";
    GetText(0, s);
    EXPECT_EQ(s, "Su");
}

TEST(TextLookupUnbound, DefaultsToCzech) {
    SetLanguageSource(nullptr);
    EXPECT_EQ(Text(353), "konec");
    std::string suffix;
    LanguageSuffix(suffix);
    EXPECT_EQ(suffix, "0");
}

TEST(TextLookupBothTables, GetTextInIgnoresTheCurrentLanguage) {
    SetLanguageSource(nullptr);
    std::string s;
    EXPECT_TRUE(GetTextIn(1, 353, s));
    EXPECT_EQ(s, "exit");
    s = "kept";
    EXPECT_FALSE(GetTextIn(1, 357, s));
    EXPECT_FALSE(GetTextIn(2, 0, s));
    EXPECT_FALSE(GetTextIn(0, 108, s));
    EXPECT_EQ(s, "kept");
}
