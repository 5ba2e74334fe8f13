// The compiled text table: which ids have entries, the fixed interface texts,
// and the form every text must keep to be shown correctly (line breaks, line
// length, quotes, the one %d). Each failure names the id and the language.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "texts/cp1250.h"
#include "texts/text_table.h"
#include "texts/texts.h"

namespace {
constexpr int kMaxLineLength = 83;
constexpr int kPointsTextId = 285;
const char* const kLanguageName[2] = {"Czech", "English"};

std::vector<std::string> SplitAtHash(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '#') lines.emplace_back();
        else lines.back() += c;
    }
    return lines;
}

void CheckLines(const std::string& text, std::vector<std::string>& faults) {
    const std::vector<std::string> lines = SplitAtHash(text);
    if (lines.size() > 3) faults.push_back("more than two '#'");
    for (const std::string& line : lines) {
        if (line.empty()) faults.push_back("an empty line");
        else if (line.front() == ' ' || line.back() == ' ')
            faults.push_back("a line starting or ending with a space");
        if (static_cast<int>(line.size()) > kMaxLineLength)  // one byte per character
            faults.push_back("a line of " + std::to_string(line.size()) + " characters");
    }
}

void CheckCharacters(int id, const std::string& text, std::vector<std::string>& faults) {
    if (text.find('"') != std::string::npos &&
        (text.size() < 2 || text.front() != '"' || text.back() != '"'))
        faults.push_back("a double quote, but not as first and last character");
    const size_t percent = text.find('%');
    if (id == kPointsTextId) {
        if (percent == std::string::npos || text.compare(percent, 2, "%d") != 0 ||
            text.find('%', percent + 1) != std::string::npos)
            faults.push_back("not exactly one %d");
    } else if (percent != std::string::npos) {
        faults.push_back("a '%'");
    }
    for (const char* marker : {"<", ">", "TODO", "FIXME"})
        if (text.find(marker) != std::string::npos)
            faults.push_back(std::string("placeholder marker '") + marker + "'");
    for (char c : text) {
        const auto b = static_cast<uint8_t>(c);
        if (b < 0x20 || b == 0x7F || Cp1250ToUnicode(b) == U'\uFFFD') {
            faults.push_back("control or undefined byte " + std::to_string(b));
            break;
        }
    }
}

// Every way `text` (Windows-1250) breaks the form a shown text must keep.
std::vector<std::string> FormFaults(int id, const std::string& text) {
    std::vector<std::string> faults;
    CheckLines(text, faults);
    CheckCharacters(id, text, faults);
    return faults;
}

bool ShouldBePresent(int language, int id) {
    if (id == 108) return false;
    return language == 0 || id <= 356;
}

// All faults of the table, one message per fault: "id 12 English: ...".
std::string TableFaults() {
    std::string report;
    for (int language = 0; language < 2; ++language) {
        for (int id = 0; id < kTextCount; ++id) {
            const std::string where = "id " + std::to_string(id) + " " + kLanguageName[language];
            std::string text;
            const bool present = GetTextIn(static_cast<uint8_t>(language), id, text);
            if (present != ShouldBePresent(language, id)) {
                report += where + (present ? ": has an entry, none expected\n" : ": no entry\n");
                continue;
            }
            if (!present) continue;
            if (language == 0 && id >= 357) {
                if (!text.empty()) report += where + ": should be the empty text\n";
                continue;
            }
            if (text.empty()) {
                report += where + ": empty text\n";
                continue;
            }
            for (const std::string& fault : FormFaults(id, text))
                report += where + ": " + fault + " in '" + Cp1250ToUtf8(text) + "'\n";
        }
    }
    return report;
}

std::string Cp(const char* utf8) {
    std::string out, error;
    EXPECT_TRUE(Utf8ToCp1250(utf8, out, error)) << error;
    return out;
}

struct FixedRow {
    int id;
    const char* czech;  // nullptr: the Czech wording is free
    const char* english;
};

const FixedRow kFixedRows[] = {
    {0, "Ne", "Su"}, {1, "Po", "Mo"}, {2, "Út", "Tu"}, {3, "St", "We"}, {4, "Čt", "Th"},
    {5, "Pá", "Fr"}, {6, "So", "Sa"}, {7, "(prázdno)", "(empty)"}, {8, "Uložit", "Save"},
    {9, nullptr, "Key"}, {10, nullptr, "Paper"}, {11, nullptr, "Wire"}, {12, nullptr, "Coin"},
    {13, nullptr, "Match"}, {14, nullptr, "Two hundred"}, {15, "Becherovka", "Becherovka"},
    {16, nullptr, "Ticket"}, {17, nullptr, "Apple"}, {18, nullptr, "Block"},
    {19, nullptr, "Iron bar"}, {20, nullptr, "Oiled bar"}, {21, nullptr, "Axe"},
    {22, nullptr, "Photo"}, {23, nullptr, "Scraper"}, {24, nullptr, "Magnet"},
    {25, nullptr, "String"}, {26, nullptr, "Magnet-on-a-string"}, {27, nullptr, "Pen"},
    {28, nullptr, "Diagram"}, {29, nullptr, "Sculpture"}, {30, nullptr, "Stone"},
    {31, nullptr, "Old axe"}, {32, nullptr, "Business card"}, {33, nullptr, "Little key"},
    {34, nullptr, "Map"}, {35, nullptr, "Pickled something"}, {36, nullptr, "Tap"},
    {37, nullptr, "Mallet"}, {38, nullptr, "Hook"},
    {43, nullptr, "Hopper"}, {44, nullptr, "Window"}, {45, nullptr, "Toilet paper"},
    {46, nullptr, "Back"}, {47, nullptr, "Switch"}, {48, nullptr, "To boiler room"},
    {49, nullptr, "Back to corridor"}, {50, nullptr, "Back to game"}, {51, nullptr, "Inside"},
    {52, nullptr, "Exit station"}, {53, nullptr, "Basket"}, {54, nullptr, "Clock"},
    {55, nullptr, "Girl"}, {56, nullptr, "To machine"}, {57, nullptr, "To trains"},
    {58, nullptr, "Ticket machine"}, {59, nullptr, "Back"}, {60, nullptr, "Board"},
    {61, nullptr, "Back to station"}, {62, nullptr, "Forest road"}, {63, nullptr, "Secret place"},
    {64, nullptr, "Street"}, {65, nullptr, "By tracks"}, {66, nullptr, "Hole"},
    {67, nullptr, "Block filled hole"}, {68, nullptr, "Tablet"}, {69, nullptr, "Numbers"},
    {70, nullptr, "Base"}, {71, nullptr, "Back to road"}, {72, nullptr, "To tracks"},
    {73, nullptr, "To ruin"}, {74, nullptr, "Uphill"}, {75, nullptr, "To feeder"},
    {76, nullptr, "Downhill"}, {77, nullptr, "To excavator"}, {78, nullptr, "Stones"},
    {79, nullptr, "Stain"}, {80, nullptr, "Rod"}, {81, nullptr, "Hay"}, {82, nullptr, "Feeder"},
    {83, nullptr, "Leave"}, {84, nullptr, "Tomb entrance"}, {85, nullptr, "Into the tomb"},
    {86, nullptr, "Exit cemetery"}, {87, nullptr, "To the graves"},
    {88, nullptr, "Stone mechanism"}, {89, nullptr, "Exit tomb"}, {90, nullptr, "Font"},
    {91, nullptr, "Coffin"}, {92, nullptr, "To cemetery"}, {93, nullptr, "To houses"},
    {94, nullptr, "To park"}, {95, nullptr, "To square"}, {96, nullptr, "To door"},
    {97, nullptr, "To train station"}, {98, nullptr, "Hairdresser"}, {99, nullptr, "To pub"},
    {100, nullptr, "Sign"}, {101, nullptr, "Bell"}, {102, nullptr, "Postbox"},
    {103, nullptr, "Lock"}, {104, nullptr, "Exit pub"}, {105, nullptr, "Local"},
    {106, nullptr, "To toilet"}, {107, nullptr, "Cards"}, {109, nullptr, "Card"},
    {110, nullptr, "Give up"}, {111, nullptr, "Button"}, {112, nullptr, "Fuse"},
    {113, nullptr, "Armored gate"}, {114, nullptr, "Dial"}, {115, nullptr, "Exit"},
    {116, nullptr, "To bunker"}, {117, nullptr, "Traces"}, {118, nullptr, "Remove map"},
    {119, nullptr, "Circled object"}, {120, nullptr, "Left corridor"}, {121, nullptr, "Box"},
    {122, nullptr, "To room"}, {123, nullptr, "To bathroom"}, {124, "Vašek", "Vašek"},
    {125, "Ondra", "Ondra"}, {126, "Míra", "Míra"}, {127, nullptr, "To corridor"},
    {128, nullptr, "Exit boiler room"}, {129, nullptr, "Boilers"}, {130, nullptr, "Lock"},
    {131, nullptr, "Shower"}, {132, nullptr, "Drain"}, {133, nullptr, "Game menu"},
    {134, nullptr, "Oh, I missed that one."}, {135, nullptr, "Gotcha..."},
    {149, nullptr, "Let there be darkness."},
    {161, "Hra obnovena.", "Game restored."}, {162, "Hra uložena.", "Game saved."},
    {353, "konec", "exit"}, {354, "Jazyk:", "Language:"}, {355, "Zvuky", "Sounds"},
    {356, "Okno", "Window"},
};
}  // namespace

TEST(TextTable, EveryTextKeepsTheForm) {
    const std::string report = TableFaults();
    EXPECT_TRUE(report.empty()) << report;
}

TEST(TextTable, FixedRowsHaveTheirGivenWording) {
    for (const FixedRow& row : kFixedRows) {
        std::string czech, english;
        EXPECT_TRUE(GetTextIn(0, row.id, czech)) << "id " << row.id;
        EXPECT_TRUE(GetTextIn(1, row.id, english)) << "id " << row.id;
        if (row.czech != nullptr) {
            EXPECT_EQ(czech, Cp(row.czech)) << "id " << row.id << " Czech";
        }
        EXPECT_EQ(english, Cp(row.english)) << "id " << row.id << " English";
    }
}

TEST(TextTable, ThePointsTextTakesTheNumber) {
    for (uint8_t language : {0, 1}) {
        std::string format;
        ASSERT_TRUE(GetTextIn(language, kPointsTextId, format));
        ASSERT_EQ(FormFaults(kPointsTextId, format), std::vector<std::string>{}) << format;
        char shown[512];
        std::snprintf(shown, sizeof shown, format.c_str(), 100);
        EXPECT_NE(std::strstr(shown, "100"), nullptr) << shown;
    }
}

// The checker itself must catch each kind of fault.
TEST(TextForm, CatchesEveryKindOfFault) {
    const std::string long84(84, 'a');
    const std::pair<int, std::string> bad[] = {
        {1, "a#b#c#d"},        {1, long84},           {1, "ok#" + long84},
        {1, "#starts empty"},  {1, "ends empty#"},    {1, "a##b"},
        {1, "\"unclosed"},     {1, "mid \"quote\" x"}, {1, "\""},
        {1, "50% off"},        {285, "no number"},    {285, "%d and %d"},
        {285, "%s points"},    {1, "<dialogue>"},     {1, "TODO later"},
        {1, " padded"},        {1, "tab\there"},      {1, "\x81"},
    };
    for (const auto& [id, text] : bad) EXPECT_FALSE(FormFaults(id, text).empty()) << text;

    const std::pair<int, std::string> good[] = {
        {1, "Narration."},     {1, std::string(83, 'a')},     {1, "\"Spoken#on two lines.\""},
        {1, "a#b#c"},          {285, "\"You got %d points!\""}, {1, "Dots..."},
    };
    for (const auto& [id, text] : good)
        EXPECT_EQ(FormFaults(id, text), std::vector<std::string>{}) << text;
}
