// script_tokens.cpp: the play-script tokenizer.
#include "tools/play/script_tokens.h"

#include <cctype>
#include <limits>

namespace {
bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads a "string" starting at line[i] == '"'; i ends past the closing quote.
bool ReadString(std::string_view line, size_t& i, Token& token, std::string& error) {
    const size_t start = i++;
    for (; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            ++i;
            return true;
        }
        if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) c = line[++i];
        token.text += c;
    }
    error = "unterminated string starting at " + ColumnText(start);
    return false;
}

bool ReadNumber(std::string_view line, size_t& i, Token& token, std::string& error) {
    const size_t start = i;
    uint64_t value = 0;
    constexpr uint64_t kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    for (; i < line.size() && IsDigit(line[i]); ++i) {
        const uint64_t digit = static_cast<uint64_t>(line[i] - '0');
        if (value > (kMax - digit) / 10) {
            error = "number too large at " + ColumnText(start);
            return false;
        }
        value = value * 10 + digit;
    }
    if (i < line.size() && IsNameChar(line[i])) {
        error = "bad number at " + ColumnText(start);
        return false;
    }
    token.number = static_cast<int64_t>(value);
    token.text = std::string(line.substr(start, i - start));
    return true;
}

// One- or two-character operator at line[i]; empty when there is none.
std::string_view ReadSymbol(std::string_view line, size_t i) {
    static constexpr std::string_view kTwo[] = {"==", "!=", "<=", ">="};
    for (std::string_view s : kTwo)
        if (line.substr(i, 2) == s) return s;
    static constexpr std::string_view kOne = "+-*/%()[]<>";
    size_t at = kOne.find(line[i]);
    return at == std::string_view::npos ? std::string_view{} : kOne.substr(at, 1);
}
}  // namespace

std::string ColumnText(size_t column) { return "column " + std::to_string(column + 1); }

std::string_view StripComment(std::string_view line) {
    bool inString = false;
    size_t end = line.size();
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (inString && c == '\\' && i + 1 < line.size()) {
            ++i;
        } else if (c == '"') {
            inString = !inString;
        } else if (c == '#' && !inString) {
            end = i;
            break;
        }
    }
    line = line.substr(0, end);
    while (!line.empty() && std::isspace(static_cast<unsigned char>(line.back()))) line.remove_suffix(1);
    return line;
}

bool Tokenize(std::string_view line, size_t from, std::vector<Token>& tokens, std::string& error) {
    tokens.clear();
    for (size_t i = from; i < line.size();) {
        const char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        Token token;
        token.column = i;
        if (c == '"') {
            token.kind = TokenKind::String;
            if (!ReadString(line, i, token, error)) return false;
        } else if (IsDigit(c)) {
            token.kind = TokenKind::Number;
            if (!ReadNumber(line, i, token, error)) return false;
        } else if (IsNameStart(c)) {
            token.kind = TokenKind::Name;
            while (i < line.size() && IsNameChar(line[i])) token.text += line[i++];
        } else if (std::string_view s = ReadSymbol(line, i); !s.empty()) {
            token.text = std::string(s);
            i += s.size();
        } else {
            error = "unexpected '" + std::string(1, c) + "' at " + ColumnText(i);
            if (c == '=') error += " (compare with ==)";
            return false;
        }
        token.end = i;
        tokens.push_back(std::move(token));
    }
    return true;
}
