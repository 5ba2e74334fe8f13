// Tests of the business card's number tables: the row format, the odd numbers
// tracing each digit, and table 1 as the card has always printed it.
#include "shell/code_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// The digits' dot shapes, '#' for an odd number, rows top to bottom.
const char* const kShapes[9][7] = {
    {"...#.", "..##.", ".#.#.", "...#.", "...#.", "...#.", "..###"},
    {"..##.", ".#..#", "....#", "...#.", "..#..", ".#...", ".####"},
    {"..##.", ".#..#", "....#", "..##.", "....#", ".#..#", "..##."},
    {"....#", "...#.", "..#..", ".#..#", ".####", "....#", "....#"},
    {".####", ".#...", ".###.", "....#", ".#..#", ".#..#", "..##."},
    {"...#.", "..#..", ".#...", ".###.", ".#..#", ".#..#", "..##."},
    {".####", "....#", "...#.", "...#.", "..#..", "..#..", "..#.."},
    {"..##.", ".#..#", ".#..#", "..##.", ".#..#", ".#..#", "..##."},
    {"..##.", ".#..#", ".#..#", "..###", "....#", "....#", "..##."},
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The five numbers of a row "NN  NN  NN  NN  NN"; false if it is not shaped so.
bool ParseRow(std::string_view row, int (&numbers)[5]) {
    if (row.size() != kCodeTableRowLength) return false;
    for (int c = 0; c < 5; ++c) {
        const size_t at = static_cast<size_t>(c) * 4;
        if (!IsDigit(row[at]) || !IsDigit(row[at + 1])) return false;
        if (c < 4 && (row[at + 2] != ' ' || row[at + 3] != ' ')) return false;
        numbers[c] = (row[at] - '0') * 10 + (row[at + 1] - '0');
    }
    return true;
}

TEST(CodeTables, EveryRowIsFiveTwoDigitNumbersWhoseOddOnesDrawTheDigit) {
    for (int k = 1; k <= 9; ++k)
        for (int r = 0; r < 7; ++r) {
            std::string_view row = CodeTableRow(k, r);
            int n[5];
            ASSERT_TRUE(ParseRow(row, n)) << "table " << k << " row " << r << ": '" << row << "'";
            std::string parity;
            for (int v : n) {
                EXPECT_GE(v, 10) << "table " << k << " row " << r;
                parity += (v % 2) ? '#' : '.';
            }
            EXPECT_EQ(parity, kShapes[k - 1][r]) << "table " << k << " row " << r << ": " << row;
            EXPECT_EQ(n[0] % 2, 0) << "first column of table " << k << " row " << r;
        }
}

TEST(CodeTables, TableOneIsTheCardsOriginal) {
    const char* const expected[7] = {"86  24  34  97  24", "52  46  53  63  92",
                                     "36  51  64  53  70", "84  26  24  99  94",
                                     "12  74  52  63  92", "18  76  38  35  40",
                                     "10  54  93  49  13"};
    for (int r = 0; r < 7; ++r) EXPECT_EQ(CodeTables[0][r], expected[r]) << "row " << r;
}

// The tables must not give the digit away at a glance: no constant filler.
TEST(CodeTables, NumbersAreVariedAndNoTwoRowsRepeat) {
    std::set<int> odd, even;
    std::set<std::string_view> rows;
    for (int k = 1; k <= 9; ++k)
        for (int r = 0; r < 7; ++r) {
            int n[5];
            ASSERT_TRUE(ParseRow(CodeTableRow(k, r), n));
            for (int v : n) (v % 2 ? odd : even).insert(v);
            EXPECT_TRUE(rows.insert(CodeTableRow(k, r)).second) << "table " << k << " row " << r;
        }
    EXPECT_GE(odd.size(), 30u);
    EXPECT_GE(even.size(), 30u);
}

TEST(CodeTables, RowLookupOutsideTheTablesIsEmpty) {
    EXPECT_TRUE(CodeTableRow(0, 0).empty());
    EXPECT_TRUE(CodeTableRow(10, 0).empty());
    EXPECT_TRUE(CodeTableRow(-3, 2).empty());
    EXPECT_TRUE(CodeTableRow(1, 7).empty());
    EXPECT_TRUE(CodeTableRow(1, -1).empty());
    EXPECT_EQ(CodeTableRow(9, 6), CodeTables[8][6]);
}

}  // namespace
