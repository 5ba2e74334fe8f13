// texts.cpp: text lookup in the compiled bilingual table.
#include "texts/texts.h"

#include "texts/text_table.h"

namespace {
const uint8_t kDefaultLanguage = 0;
const uint8_t* languageSource = &kDefaultLanguage;
}  // namespace

void SetLanguageSource(const uint8_t* language) {
    languageSource = language != nullptr ? language : &kDefaultLanguage;
}

bool GetTextIn(uint8_t language, TextId id, std::string& out) {
    if (language > 1 || id >= kTextCount) return false;
    const TextEntry& entry = (language == 0 ? kCzechTexts : kEnglishTexts)[id];
    if (!entry.present) return false;
    out.assign(entry.text, entry.length);
    return true;
}

void GetText(TextId id, std::string& out) {
    GetTextIn(*languageSource, id, out);
}

void LanguageSuffix(std::string& out) {
    const uint8_t language = *languageSource;
    if (language <= 2) out.assign(1, static_cast<char>('0' + language));
}

std::string Text(TextId id) {
    std::string out;
    GetText(id, out);
    return out;
}
