// texts.h: looking up the game's texts by id in the current language.
//
// Every text the game shows comes from one bilingual table compiled into the
// program (no file is read at run time); lookups are constant-time. Texts are
// Windows-1250 bytes (texts/cp1250.h); '#' inside a text separates message
// lines.
//
// The current language is the settings byte `language` (0 Czech, 1 English).
// That byte lives in the game state record, which belongs to the shell, and
// the shell library links this one; so this library does not reach into the
// shell. Instead the shell binds the byte once at start-up:
//
//     SetLanguageSource(&GameState.settings.language);
//
// Every lookup reads the byte through that pointer, so a language change is
// seen by the very next call and nothing is cached. Until it is bound (or
// after SetLanguageSource(nullptr)) the language is Czech.
#pragma once
#include <cstdint>
#include <string>

using TextId = uint16_t;

// Binds the byte that holds the current language; nullptr unbinds (Czech).
// The byte must outlive every later lookup.
void SetLanguageSource(const uint8_t* language);

// Assigns the text of `id` in the current language to `out`. When that
// language has no entry for `id` (id 108; ids above 356 in English; ids above
// 360), or the language is neither 0 nor 1, `out` is left as it was. Czech ids
// 357..360 are entries holding the empty text.
void GetText(TextId id, std::string& out);

// Assigns "0", "1" or "2" for language 0, 1 or 2; any other value leaves `out`
// unchanged. Appended to picture stems, e.g. "podtitul" + suffix.
void LanguageSuffix(std::string& out);

// GetText into a fresh string: the text, or "" where GetText leaves it alone.
std::string Text(TextId id);

// The entry of `id` in `language` (0 or 1) whatever the current language is.
// False, with `out` untouched, where GetText would leave it untouched. For
// tools and tests that work on both tables.
bool GetTextIn(uint8_t language, TextId id, std::string& out);
