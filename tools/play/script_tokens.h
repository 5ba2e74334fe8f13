// script_tokens.h: splitting one line of a play script into tokens.
//
// A line is a command word followed by arguments. '#' starts a comment
// unless it stands inside a "quoted" string (messages use '#' between their
// lines, so "a#b" is a string, not a comment). Strings are UTF-8 and take the
// escapes \" and \\. Numbers are decimal and fit a signed 64-bit value.
//
// Callers: the script parser, once per line before running anything. Bad
// input (an unterminated string, a stray character, a number too large)
// gives false with a message naming the column; nothing is thrown.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class TokenKind { Number, Name, String, Symbol };

struct Token {
    TokenKind kind = TokenKind::Symbol;
    std::string text;    // the name, the symbol, or the string's content
    int64_t number = 0;  // for Number
    size_t column = 0;   // 0-based offset of the token's first character in the line
    size_t end = 0;      // offset just past its last character
};

// The line without its comment ('#' outside a string) and without trailing
// blanks. An unterminated string runs to the end of the line.
std::string_view StripComment(std::string_view line);

// Tokens of `line` from offset `from` on (comment already stripped); token
// columns count from the start of `line`. Symbols are the operators
// + - * / % ( ) [ ] and the comparisons == != < <= > >=.
bool Tokenize(std::string_view line, size_t from, std::vector<Token>& tokens, std::string& error);

// "column N" style position for messages (1-based).
std::string ColumnText(size_t column);
