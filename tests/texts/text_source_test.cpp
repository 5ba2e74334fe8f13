// Reading the text source: what the build accepts, and that every fault which
// would make the table unrepresentable stops it with the line and id named.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "texts/text_source.h"
#include "texts/text_table.h"
#include "texts/texts.h"

namespace {
const std::string kHeader = "id\tczech\tenglish\n";

std::string ParseError(const std::string& source, int count = 3) {
    std::vector<TextSourceRow> rows;
    std::string error;
    EXPECT_FALSE(ParseTextSource(source, count, rows, error)) << source;
    return error;
}
}  // namespace

TEST(TextSource, ReadsCellsAbsentEntriesAndEmptyTexts) {
    const std::string source = "\xEF\xBB\xBF" + kHeader +
                               "0\tKlíč\tKey\r\n"
                               "1\t<none>\t<none>\n"
                               "2\t\t<none>\n\n";
    std::vector<TextSourceRow> rows;
    std::string error;
    ASSERT_TRUE(ParseTextSource(source, 3, rows, error)) << error;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[0].czechPresent);
    EXPECT_EQ(rows[0].czech, "Kl\xED\xE8");  // Windows-1250
    EXPECT_EQ(rows[0].english, "Key");
    EXPECT_FALSE(rows[1].czechPresent);
    EXPECT_FALSE(rows[1].englishPresent);
    EXPECT_TRUE(rows[2].czechPresent);
    EXPECT_EQ(rows[2].czech, "");
    EXPECT_FALSE(rows[2].englishPresent);
}

TEST(TextSource, StructuralFaultsNameTheLine) {
    EXPECT_EQ(ParseError("0\ta\tb\n"), "line 1: expected the header 'id<TAB>czech<TAB>english'");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n1\ta\n2\ta\tb\n"),
              "line 3: expected 3 tab-separated cells (id, Czech, English), found 2");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\tc\n"),
              "line 2: expected 3 tab-separated cells (id, Czech, English), found 4");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n2\ta\tb\n1\ta\tb\n"),
              "line 3: expected id 1, found '2' (ids must run from 0 upwards without gaps)");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n01\ta\tb\n"),
              "line 3: expected id 1, found '01' (ids must run from 0 upwards without gaps)");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n1\ta\tb\n"),
              "ids 2 to 2 are missing (the source ends after 2 ids)");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n1\ta\tb\n2\ta\tb\n3\ta\tb\n"),
              "line 5: more than 3 ids (the last id is 2)");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n\n2\ta\tb\n"),
              "line 3: expected 3 tab-separated cells (id, Czech, English), found 1");
}

TEST(TextSource, UnrepresentableCharactersNameTheIdAndLanguage) {
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n1\tSmørrebrød\tb\n2\ta\tb\n"),
              "line 3: id 1, Czech: character U+00F8 'ø' at byte 2 has no Windows-1250 code");
    EXPECT_EQ(ParseError(kHeader + "0\ta\tb\n1\ta\tb\n2\ta\tTokyo 東京\n"),
              "line 4: id 2, English: character U+6771 '東' at byte 6 has no Windows-1250 code");
    EXPECT_EQ(ParseError(kHeader + "0\ta\t\xC3\n1\ta\tb\n2\ta\tb\n"),
              "line 2: id 0, English: invalid UTF-8 at byte 0");
}

// The table compiled into the game holds exactly the source's texts, in
// both languages, present where the source has them and nowhere else.
TEST(TextSource, TheCompiledTableHoldsEveryTextOfTheSource) {
    std::ifstream in(std::string(VK3_SOURCE_DIR) + "/texts/texts.tsv", std::ios::binary);
    ASSERT_TRUE(in);
    const std::string source{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<TextSourceRow> rows;
    std::string error;
    ASSERT_TRUE(ParseTextSource(source, kTextCount, rows, error)) << error;
    ASSERT_EQ(rows.size(), static_cast<size_t>(kTextCount));
    for (size_t id = 0; id < rows.size(); ++id) {
        std::string czech, english;
        const TextId text = static_cast<TextId>(id);
        ASSERT_EQ(GetTextIn(0, text, czech), rows[id].czechPresent) << id;
        ASSERT_EQ(GetTextIn(1, text, english), rows[id].englishPresent) << id;
        if (rows[id].czechPresent) EXPECT_EQ(czech, rows[id].czech) << id;
        if (rows[id].englishPresent) EXPECT_EQ(english, rows[id].english) << id;
    }
}
