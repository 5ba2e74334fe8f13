// saved_games.cpp: slot hotspots, captions and time stamps of the game menu.
#include "adventure/saved_games.h"

#include <algorithm>
#include <cmath>
#include <ctime>

#include "adventure/chapters.h"
#include "adventure/game_ids.h"
#include "adventure/hotspots.h"
#include "adventure/inventory.h"
#include "adventure/puzzle_values.h"
#include "adventure/rules.h"
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
        AddHotspot(Spot::SaveSlot1 + k, r.left, r.top, r.right, r.bottom, ckPointer,
                   SlotCaption(k));
    }
}

// ---- loading and saving ----------------------------------------------------

namespace {
constexpr TextId kRestoredText = 161, kSavedText = 162;
constexpr uint8_t kClickSample = 3;
std::function<double()> saveClock;
std::function<bool()> settingsWriter;

// Said instead of "Game saved." when save.qzd could not be written (or could
// not be read, and is then never written over): the slot holds the game only
// until the program ends. Windows-1250, Czech then English.
constexpr const char* kSavedForThisRunText[2] = {
    "Ulo\x9E" "eno jen do ukon\xE8" "en\xED hry: soubor save.qzd nelze pou\x9E\xEDt.",
    "Saved only until you quit: the file save.qzd cannot be used."};

bool IsGameScene(int32_t scene) { return scene >= 0 && FindScene(scene) != nullptr; }

bool AllWithin(const uint8_t* bytes, size_t count, uint8_t max) {
    return std::all_of(bytes, bytes + count, [max](uint8_t b) { return b <= max; });
}

bool ItemOrNothing(uint8_t b) {
    uint16_t textId = 0;
    return b == 0 || ItemNameTextId(b, textId);
}

// The progress bytes whose values choose a picture, a puzzle state or a list entry.
bool ProgressInRange(const TProgress& p) {
    return p.saveMenuMode <= 2 && p.cardRiddleState <= 2 && AllWithin(p.cardFace, 4, kLastCardFace) &&
           AllWithin(p.stone, 9, kStoneHeld) && AllWithin(p.tile, 9, kLastTilePiece) && AllWithin(p.glassPattern, 9, 1) &&
           AllWithin(p.dialCode, 3, 9) && AllWithin(p.dialDigits, 3, 9) &&
           std::all_of(p.holeBlock, p.holeBlock + 4, ItemOrNothing);
}
}  // namespace

bool SlotCanBeLoaded(const SaveSlot& slot) {
    if (!(slot.savedAt > 0.0 && slot.savedAt < kLastDay)) return false;  // NaN fails too
    if (!IsGameScene(slot.scene) || slot.scene == Scene::Menu || slot.scene == Scene::PhoneGame)
        return false;
    if (slot.mapReturnScene != 0 && !IsGameScene(slot.mapReturnScene)) return false;
    return std::all_of(slot.inventory, slot.inventory + kInventorySize, ItemOrNothing) &&
           ProgressInRange(slot.progress);
}

double LocalTimeAsDays() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0.0;
    // Days from 1 January 1970 to the local date (proleptic Gregorian).
    const int64_t y = local.tm_year + 1900 - (local.tm_mon < 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t m = local.tm_mon + 1;
    const int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + local.tm_mday - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    const int64_t days = era * 146097 + doe - 719468;
    const int seconds = local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
    return static_cast<double>(days + kEpochOffset) + seconds / 86400.0;
}

void SetSaveClock(std::function<double()> clock) { saveClock = std::move(clock); }

void SetSettingsWriter(std::function<bool()> writer) { settingsWriter = std::move(writer); }

namespace {
void LoadSlot(int k) {
    const SaveSlot& slot = GameState.settings.slots[k];
    if (!SlotCanBeLoaded(slot)) return;
    GameState.live = slot;
    GameState.ui.menuOpen = 0;
    QueueStep({.to = slot.scene, .text = kRestoredText, .sound = kClickSample});
}

void SaveIntoSlot(int k) {
    const int32_t scene = GameState.ui.menuReturnScene;
    if (scene == 0) return;
    SaveSlot& slot = GameState.settings.slots[k];
    slot = GameState.live;
    slot.savedAt = saveClock ? saveClock() : LocalTimeAsDays();
    slot.scene = scene;
    const bool written = settingsWriter ? settingsWriter() : false;
    GameState.ui.menuOpen = 0;
    if (written) {
        QueueStep({.to = scene, .text = kSavedText, .sound = kClickSample});
    } else {
        const bool english = GameState.settings.language == 1;
        QueueStep({.to = scene, .sound = kClickSample,
                   .literal = kSavedForThisRunText[english ? 1 : 0]});
    }
}
}  // namespace

void ClickSlot(int k) {
    if (k < 0 || k >= static_cast<int>(kSlotCount)) return;
    if (GameState.live.progress.saveMenuMode == 1) LoadSlot(k);
    else SaveIntoSlot(k);
}
