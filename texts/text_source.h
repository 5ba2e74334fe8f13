// text_source.h: reading the UTF-8 text source (texts/texts.tsv).
//
// The source is one header line "id<TAB>czech<TAB>english" followed by one
// line per id, 0 upwards without gaps, each with exactly three tab-separated
// cells. A cell "<none>" means the language has no entry for the id; an empty
// cell is an empty text. Line ends may be LF or CRLF; a UTF-8 byte order mark
// and blank lines at the very end are ignored.
//
// Used by the build's text compiler (tools/textc) and by the tests. Only
// faults that make the table unrepresentable are errors here: bad structure
// and characters Windows-1250 cannot hold. How a text reads (line breaks,
// quotes, length) is checked by the tests, not here.
#pragma once
#include <string>
#include <string_view>
#include <vector>

struct TextSourceRow {
    bool czechPresent = false;
    std::string czech;  // Windows-1250
    bool englishPresent = false;
    std::string english;  // Windows-1250
};

inline constexpr std::string_view kTextSourceHeader = "id\tczech\tenglish";
inline constexpr std::string_view kAbsentCell = "<none>";

// Parses `source` into exactly `expectedCount` rows (ids 0..expectedCount-1).
// On failure returns false with `error` naming the line and, where known, the
// id and language (for example "line 12, id 10, English: character U+00F8 'ø'
// at byte 3 has no Windows-1250 code"); `rows` is then unspecified.
bool ParseTextSource(std::string_view source, int expectedCount, std::vector<TextSourceRow>& rows,
                     std::string& error);
