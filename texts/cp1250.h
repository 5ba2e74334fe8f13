// cp1250.h: the Windows-1250 code page, the 8-bit encoding of every game text.
//
// This is the one place that knows how Windows-1250 bytes map to Unicode. The
// text renderer turns table bytes into code points with Cp1250ToUnicode; the
// build's text compiler turns the UTF-8 text source into table bytes with
// Utf8ToCp1250; developer tools print table bytes as UTF-8 with Cp1250ToUtf8.
//
// Bytes 0x00..0x7F are ASCII. The five bytes the code page leaves undefined
// (0x81, 0x83, 0x88, 0x90, 0x98) decode to U+FFFD and nothing encodes to them,
// so encoding and decoding are exact inverses on every character the page holds.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The code point of one Windows-1250 byte (U+FFFD for an undefined byte).
char32_t Cp1250ToUnicode(uint8_t byte);

// The Windows-1250 byte of a code point. False (and `byte` untouched) when the
// code page cannot hold the character.
bool UnicodeToCp1250(char32_t code, uint8_t& byte);

// Windows-1250 text as UTF-8. Undefined bytes become U+FFFD; never fails.
std::string Cp1250ToUtf8(std::string_view text);

// UTF-8 text as Windows-1250. Returns false on malformed UTF-8 (overlong forms,
// surrogates, truncated or stray continuation bytes, values above U+10FFFF) or
// on a character the code page cannot hold; `error` then says which and where
// (byte offset), and `out` holds the bytes converted before the fault.
bool Utf8ToCp1250(std::string_view text, std::string& out, std::string& error);
