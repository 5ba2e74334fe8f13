// saved_games.cpp: slot hotspots, captions and time stamps of the game menu.
#include "adventure/saved_games.h"

#include <cmath>

#include "adventure/hotspots.h"
#include "core/game_state.h"
#include "texts/texts.h"

namespace {

constexpr TextId kEmptySlotText = 7;
constexpr TextId kSaveText = 8;

struct TSlotRect { int32_t left, top, right, bottom; };
constexpr TSlotRect kSlotRects[6] = {
    {269, 114, 340, 150}, {353, 114, 424, 150}, {437, 114, 507, 150},
    {269, 164, 340, 200}, {353, 164, 424, 200}, {437, 164, 507, 200},
};

void AppendTwoDigits(std::string& out, int value) {
    out += static_cast<char>('0' + (value / 10) % 10);
    out += static_cast<char>('0' + value % 10);
}

struct TCivilDate { int year, month, day; };

// The calendar date of a day count from 1 January 1970 (proleptic Gregorian).
TCivilDate CivilFromDays(int64_t z) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

// Days from 30 December 1899 to 1 January 1970.
constexpr int64_t kEpochOffset = 25569;
// Stamps outside the years 1..9999 are not dates any clock gives.
constexpr double kFirstDay = -693593.0, kLastDay = 2958466.0;

}  // namespace

std::string FormatSlotStamp(double t) {
    if (t == 0.0) return Text(kEmptySlotText);
    if (!std::isfinite(t) || t < kFirstDay || t >= kLastDay) return "??.??.?? ??:??:??";
    const int64_t milliseconds = std::llround(t * 86400000.0);
    int64_t days = milliseconds / 86400000;
    int64_t ms = milliseconds % 86400000;
    if (ms < 0) { ms += 86400000; --days; }
    const TCivilDate date = CivilFromDays(days - kEpochOffset);
    const int seconds = static_cast<int>(ms / 1000);
    std::string out;
    AppendTwoDigits(out, date.day);
    out += '.';
    AppendTwoDigits(out, date.month);
    out += '.';
    AppendTwoDigits(out, ((date.year - 2000) % 100 + 100) % 100);
    out += ' ';
    AppendTwoDigits(out, seconds / 3600);
    out += ':';
    AppendTwoDigits(out, seconds / 60 % 60);
    out += ':';
    AppendTwoDigits(out, seconds % 60);
    // Day 0, 30 December 1899, was a Saturday; text 0 is Sunday.
    const int weekday = static_cast<int>(((days + 6) % 7 + 7) % 7);
    return out + " (" + Text(static_cast<TextId>(weekday)) + ")";
}

std::string SlotCaption(int k) {
    if (k < 0 || k >= static_cast<int>(kSlotCount)) return std::string();
    if (GameState.live.progress.saveMenuMode == 1)
        return FormatSlotStamp(GameState.settings.slots[k].savedAt);
    return Text(kSaveText);
}

void ShowSlotHotspots() {
    RemoveSlotHotspots();
    for (int k = 0; k < static_cast<int>(kSlotCount); ++k) {
        const TSlotRect& r = kSlotRects[k];
        AddHotspot(kFirstSlotHotspotId + k, r.left, r.top, r.right, r.bottom, ckPointer,
                   SlotCaption(k));
    }
}

// Loading and saving come with the settings file's writer; until then a
// slot click does nothing.
void ClickSlot(int) {}
