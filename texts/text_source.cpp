// text_source.cpp: parsing the tab-separated bilingual text source.
#include "texts/text_source.h"

#include "texts/cp1250.h"

namespace {
std::vector<std::string_view> SplitLines(std::string_view source) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start <= source.size()) {
        size_t end = source.find('\n', start);
        if (end == std::string_view::npos) end = source.size();
        std::string_view line = source.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::vector<std::string_view> SplitCells(std::string_view line) {
    std::vector<std::string_view> cells;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        if (tab == std::string_view::npos) {
            cells.push_back(line.substr(start));
            return cells;
        }
        cells.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
}

// Parses a decimal id without sign or leading zeros; -1 when it is not one.
int ParseId(std::string_view cell) {
    if (cell.empty() || cell.size() > 5 || (cell.size() > 1 && cell[0] == '0')) return -1;
    int value = 0;
    for (char c : cell) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

bool ConvertCell(std::string_view cell, bool& present, std::string& text, std::string& error) {
    present = cell != kAbsentCell;
    text.clear();
    return !present || Utf8ToCp1250(cell, text, error);
}

bool ParseRow(std::string_view line, int id, TextSourceRow& row, std::string& error) {
    const std::vector<std::string_view> cells = SplitCells(line);
    if (cells.size() != 3) {
        error = "expected 3 tab-separated cells (id, Czech, English), found " +
                std::to_string(cells.size());
        return false;
    }
    const int found = ParseId(cells[0]);
    if (found != id) {
        error = "expected id " + std::to_string(id) + ", found '" + std::string(cells[0]) +
                "' (ids must run from 0 upwards without gaps)";
        return false;
    }
    std::string detail;
    if (!ConvertCell(cells[1], row.czechPresent, row.czech, detail)) {
        error = "id " + std::to_string(id) + ", Czech: " + detail;
        return false;
    }
    if (!ConvertCell(cells[2], row.englishPresent, row.english, detail)) {
        error = "id " + std::to_string(id) + ", English: " + detail;
        return false;
    }
    return true;
}
}  // namespace

bool ParseTextSource(std::string_view source, int expectedCount, std::vector<TextSourceRow>& rows,
                     std::string& error) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (source.substr(0, kBom.size()) == kBom) source.remove_prefix(kBom.size());
    const std::vector<std::string_view> lines = SplitLines(source);
    if (lines.empty() || lines[0] != kTextSourceHeader) {
        error = "line 1: expected the header 'id<TAB>czech<TAB>english'";
        return false;
    }
    rows.assign(static_cast<size_t>(expectedCount), TextSourceRow{});
    for (size_t i = 1; i < lines.size(); ++i) {
        const int id = static_cast<int>(i) - 1;
        if (id >= expectedCount) {
            error = "line " + std::to_string(i + 1) + ": more than " +
                    std::to_string(expectedCount) + " ids (the last id is " +
                    std::to_string(expectedCount - 1) + ")";
            return false;
        }
        std::string detail;
        if (!ParseRow(lines[i], id, rows[id], detail)) {
            error = "line " + std::to_string(i + 1) + ": " + detail;
            return false;
        }
    }
    const int got = static_cast<int>(lines.size()) - 1;
    if (got < expectedCount) {
        error = "ids " + std::to_string(got) + " to " + std::to_string(expectedCount - 1) +
                " are missing (the source ends after " + std::to_string(got) + " ids)";
        return false;
    }
    return true;
}
