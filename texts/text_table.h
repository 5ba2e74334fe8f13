// text_table.h: the bilingual text table compiled into the program.
//
// The build generates the definitions (text_table.cpp in the build folder)
// from texts/texts.tsv with the textc tool; the bytes are Windows-1250. Use
// GetText (texts.h) in game code; the arrays are for the text lookup itself
// and for tools that print or check the whole table.
#pragma once
#include <cstdint>

struct TextEntry {
    bool present;      // false: the language has no entry for this id
    const char* text;  // Windows-1250 bytes, not terminated inside the table
    uint16_t length;   // number of bytes (= characters)
};

inline constexpr int kTextCount = 361;  // ids 0..360

extern const TextEntry kCzechTexts[kTextCount];
extern const TextEntry kEnglishTexts[kTextCount];
