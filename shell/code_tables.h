// code_tables.h: the number tables printed on the business card.
//
// Table k (1..9) belongs to digit k: seven rows, top to bottom, each an
// 18-character text of five two-digit numbers (10..99) two blanks apart. The
// odd numbers of a table trace its digit on a 5-wide, 7-high dot grid (odd is
// ink, even is background; the first column is always background). The frame
// overlay draws the tables of the three code digits while the card is shown;
// the hint on the card tells the player to mark the odd numbers.
#pragma once
#include <cstdint>
#include <string_view>

inline constexpr int32_t kCodeTableCount = 9;
inline constexpr int32_t kCodeTableRows = 7;
inline constexpr int32_t kCodeTableColumns = 5;
inline constexpr size_t kCodeTableRowLength = 18;

// CodeTables[k - 1][row] is row `row` (0 = top) of the table of digit k.
extern const std::string_view CodeTables[kCodeTableCount][kCodeTableRows];

// Row `row` of the table of digit k; empty for a digit outside 1..9 or a row
// outside 0..6, so a damaged code never reads past the tables.
std::string_view CodeTableRow(int32_t k, int32_t row);
