// saved_games_test.cpp: the six save slots of the game menu: stamps, saving,
// loading, and slots a damaged file brings along.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <ctime>
#include <limits>

#include "adventure/saved_games.h"
#include "game_fixture.h"

namespace {
std::array<uint8_t, kLiveRecordSize> BytesOf(const SaveSlot& slot) {
    std::array<uint8_t, kLiveRecordSize> out{};
    LiveRecordToBytes(slot, out);
    return out;
}

std::string StampIn(uint8_t language, double t) {
    GameState.settings.language = language;
    return FormatSlotStamp(t);
}

// A day count since 30 December 1899 for a date and time (the stamps' format).
double Days(int64_t daysSince1899, int h, int m, int s) { return daysSince1899 + (h * 3600 + m * 60 + s) / 86400.0; }

class SavedGamesTest : public GameTest {
protected:
    int fileWrites = 0;
    bool writable = true;
    void SetUp() override {
        GameTest::SetUp();
        SetSettingsWriter([this] {
            ++fileWrites;
            return writable;
        });
        SetSaveClock([] { return Days(46362, 18, 28, 8); });  // Sunday 6 December 2026, 18:28:08
    }
    void TearDown() override {
        SetSettingsWriter(nullptr);
        SetSaveClock(nullptr);
    }
    // A game running in `scene` with the menu opened from it and a list shown.
    void MenuFrom(int32_t scene, uint8_t listMode) {
        GameState.ui.menuReturnScene = scene;
        Build(4);
        progress.saveMenuMode = listMode;
        ShowSlotHotspots();
    }
};

TEST_F(SavedGamesTest, StampsAtTheEdgesOfYearsMonthsAndDaysInBothLanguages) {
    EXPECT_EQ(StampIn(1, Days(46362, 18, 28, 8)), "06.12.26 18:28:08 (Su)");
    EXPECT_EQ(StampIn(0, Days(46362, 18, 28, 8)), "06.12.26 18:28:08 (Ne)");
    // New Year's Eve 2009, one second before midnight, and the first second of 2010.
    EXPECT_EQ(StampIn(1, Days(40178, 23, 59, 59)), "31.12.09 23:59:59 (Th)");
    EXPECT_EQ(StampIn(0, Days(40179, 0, 0, 0)), "01.01.10 00:00:00 (P\xE1)");
    // Leap day 2024 and the day after; the year 2000 itself.
    EXPECT_EQ(StampIn(1, Days(45351, 9, 5, 7)), "29.02.24 09:05:07 (Th)");
    EXPECT_EQ(StampIn(0, Days(45352, 12, 0, 0)), "01.03.24 12:00:00 (P\xE1)");
    EXPECT_EQ(StampIn(0, Days(36526, 0, 0, 1)), "01.01.00 00:00:01 (So)");
    // Every weekday name once, Monday 7 to Saturday 12 December 2026.
    const char* english[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa"};
    for (int d = 0; d < 6; ++d) {
        EXPECT_NE(StampIn(1, Days(46363 + d, 8, 0, 0)).find(std::string("(") + english[d] + ")"),
                  std::string::npos);
        std::string name;
        GetTextIn(0, static_cast<TextId>(d + 1), name);
        EXPECT_NE(StampIn(0, Days(46363 + d, 8, 0, 0)).find("(" + name + ")"), std::string::npos) << d;
    }
    // A time just under a whole second is the whole second, not :59 of the minute before.
    EXPECT_EQ(StampIn(1, Days(46362, 18, 28, 8) - 1e-9), "06.12.26 18:28:08 (Su)");
    EXPECT_EQ(StampIn(1, 0.0), "(empty)");
    const std::string czechEmpty = StampIn(0, 0.0);
    EXPECT_EQ(czechEmpty, Text(7));
    EXPECT_NE(czechEmpty, "(empty)");
}

TEST_F(SavedGamesTest, StampsNoClockCanGiveAreShownWithoutCrashing) {
    for (double t : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        EXPECT_EQ(StampIn(1, t), "??.??.?? ??:??:??") << t;
    }
    EXPECT_EQ(StampIn(1, -0.0), "(empty)");  // equal to 0.0: no game saved
    EXPECT_EQ(StampIn(1, 5e-324), "30.12.99 00:00:00 (Sa)");  // a real, if early, time
}

TEST_F(SavedGamesTest, SavingThenLoadingReturnsToTheSceneWithTheSameInventoryAndFlags) {
    Build(10);
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[1] = 201;
    progress.wireTaken = 1;
    progress.flushCount = 2;
    GameState.live.mapReturnScene = 12;
    const auto before = BytesOf(GameState.live);
    MenuFrom(10, 2);
    ClickOn(27);
    EXPECT_EQ(fileWrites, 1);
    EXPECT_EQ(GameState.live.scene, 10);
    EXPECT_EQ(GameState.ui.menuOpen, 0);
    EXPECT_EQ(GameState.ui.messageLines[0], Text(162));
    const SaveSlot& slot = GameState.settings.slots[3];
    EXPECT_EQ(slot.scene, 10);
    EXPECT_EQ(slot.savedAt, Days(46362, 18, 28, 8));
    EXPECT_EQ(slot.progress.wireTaken, 1);

    // A new game forgets it all; loading slot 3 brings back every byte.
    ClearSavedGame(GameState.live);
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[1] = 205;
    ClickOn(0);  // clears the message
    MenuFrom(10, 1);
    ClickOn(27);
    EXPECT_EQ(GameState.live.scene, 10);
    EXPECT_EQ(GameState.ui.messageLines[0], Text(161));
    EXPECT_EQ(GameState.live.inventory[1], 201);
    EXPECT_EQ(GameState.live.progress.flushCount, 2);
    EXPECT_EQ(GameState.live.mapReturnScene, 12);
    EXPECT_EQ(GameState.live.savedAt, slot.savedAt);
    auto after = BytesOf(GameState.live);
    // Apart from the stamp and the list mode the saving menu had open, the record is the one saved.
    std::memset(after.data(), 0, 8);
    auto expected = before;
    std::memset(expected.data(), 0, 8);
    expected[12 + 5] = 2;  // saveMenuMode was 2 while saving
    EXPECT_EQ(after, expected);
    EXPECT_EQ(fileWrites, 1);  // loading writes nothing
}

// A save.qzd that cannot be written, or that could not be read and is kept
// as it is, holds the game only for this run: the game says so, in both
// languages, and the slot can still be loaded until the program ends.
TEST_F(SavedGamesTest, ASaveTheFileDoesNotTakeSaysSoInsteadOfGameSaved) {
    writable = false;
    for (uint8_t language : {0, 1}) {
        GameState.settings.language = language;
        MenuFrom(10, 2);
        ClickOn(24);
        EXPECT_EQ(fileWrites, language + 1);
        EXPECT_EQ(GameState.live.scene, 10);
        const std::string said = GameState.ui.messageLines[0];
        EXPECT_NE(said, Text(162));
        EXPECT_NE(said.find("save.qzd"), std::string::npos) << said;
        EXPECT_EQ(said.rfind(language == 0 ? "Ulo\x9E" "eno jen" : "Saved only", 0), 0u) << said;
        EXPECT_EQ(GameState.settings.slots[0].scene, 10);
        ClickOn(0);
    }
    EXPECT_TRUE(SlotCanBeLoaded(GameState.settings.slots[0]));
    SetSettingsWriter(nullptr);  // no writer at all: nothing was written either
    MenuFrom(10, 2);
    ClickOn(25);
    EXPECT_NE(GameState.ui.messageLines[0], Text(162));
}

TEST_F(SavedGamesTest, SavingTouchesNoOtherSlotAndNoSetting) {
    for (size_t k = 0; k < kSlotCount; ++k) {
        std::array<uint8_t, kLiveRecordSize> pattern{};
        for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(k * 31 + i);
        LiveRecordFromBytes(GameState.settings.slots[k], pattern);
    }
    GameState.settings.resolution = 2;
    GameState.settings.padding[1] = 0xAB;
    std::array<uint8_t, kSettingsBlockSize> before{}, after{};
    SettingsBlockToBytes(GameState.settings, before);
    Build(24);
    MenuFrom(24, 2);
    ClickOn(25);
    SettingsBlockToBytes(GameState.settings, after);
    for (size_t i = 0; i < kSettingsBlockSize; ++i) {
        if (i < 8 + 288 || i >= 8 + 2 * 288) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(GameState.settings.slots[1].scene, 24);
}

TEST_F(SavedGamesTest, AnEmptySlotCannotBeLoadedWhateverItsOtherBytes) {
    std::array<uint8_t, kLiveRecordSize> bytes{};
    bytes.fill(0x11);
    std::memset(bytes.data(), 0, 8);  // savedAt exactly 0.0
    LiveRecordFromBytes(GameState.settings.slots[0], bytes);
    GameState.settings.slots[0].scene = 10;
    Build(12);
    MenuFrom(12, 1);
    const auto live = BytesOf(GameState.live);
    ClickOn(24);
    EXPECT_EQ(GameState.live.scene, 4);
    EXPECT_EQ(GameState.ui.menuOpen, 1);
    EXPECT_EQ(BytesOf(GameState.live), live);
    EXPECT_TRUE(GameState.ui.messageLines[0].empty());
    EXPECT_EQ(SpotOf(24)->label, Text(7));
}

TEST_F(SavedGamesTest, DamagedSlotsAreShownButRefuseToLoadAndStayAsTheyAre) {
    SaveSlot good{};
    good.savedAt = Days(46362, 18, 28, 8);
    good.scene = 10;
    good.inventory[0] = 206;
    ASSERT_TRUE(SlotCanBeLoaded(good));
    auto damaged = [&](auto change) {
        SaveSlot s = good;
        change(s);
        return s;
    };
    const SaveSlot cases[] = {
        damaged([](SaveSlot& s) { s.scene = 4; }),           // the menu itself
        damaged([](SaveSlot& s) { s.scene = 5; }),           // the phone game
        damaged([](SaveSlot& s) { s.scene = 999; }),         // no scene of the game
        damaged([](SaveSlot& s) { s.scene = -3; }),
        damaged([](SaveSlot& s) { s.savedAt = std::nan(""); }),
        damaged([](SaveSlot& s) { s.savedAt = -2.5; }),
        damaged([](SaveSlot& s) { s.savedAt = 1e12; }),
        damaged([](SaveSlot& s) { s.inventory[5] = 209; }),  // no such item
        damaged([](SaveSlot& s) { s.inventory[70] = 17; }),
        damaged([](SaveSlot& s) { s.mapReturnScene = 250; }),
        damaged([](SaveSlot& s) { s.progress.tile[4] = 9; }),
        damaged([](SaveSlot& s) { s.progress.cardFace[0] = 4; }),
        damaged([](SaveSlot& s) { s.progress.stone[8] = 3; }),
        damaged([](SaveSlot& s) { s.progress.saveMenuMode = 3; }),
    };
    for (const SaveSlot& bad : cases) {
        GameState.settings.slots[2] = bad;
        const auto stored = BytesOf(bad);
        Build(12);
        MenuFrom(12, 1);
        EXPECT_NE(SpotOf(26), nullptr);  // shown like any slot
        for (int f = 0; f < 3; ++f) Frame();  // its thumbnail draws without harm
        ClickOn(26);
        EXPECT_EQ(GameState.live.scene, 4);
        EXPECT_EQ(GameState.ui.menuOpen, 1);
        EXPECT_EQ(BytesOf(GameState.settings.slots[2]), stored);
    }
}

TEST_F(SavedGamesTest, ANewGameKeepsTheSlotsAndTheSettings) {
    std::array<uint8_t, kSettingsBlockSize> pattern{}, after{};
    for (size_t i = 0; i < pattern.size(); ++i) pattern[i] = static_cast<uint8_t>(i * 5 + 1);
    pattern[0] = 3;
    pattern[1] = 1;
    pattern[2] = 0;
    SettingsBlockFromBytes(GameState.settings, pattern);
    Build(12);
    MenuFrom(12, 1);
    ClickOn(15);  // New game
    EXPECT_EQ(GameState.live.scene, 6);
    SettingsBlockToBytes(GameState.settings, after);
    EXPECT_EQ(after, pattern);
    EXPECT_EQ(fileWrites, 0);
}

TEST_F(SavedGamesTest, WithoutARunningGameTheSaveListSavesNothing) {
    MenuFrom(0, 2);
    ClickOn(24);
    EXPECT_EQ(fileWrites, 0);
    EXPECT_EQ(GameState.settings.slots[0].savedAt, 0.0);
}

// The whole days are the local date, the fraction the local time of day.
TEST_F(SavedGamesTest, TheLocalClockGivesTodayAsDaysSince1899) {
    const std::time_t before = std::time(nullptr);
    const double now = LocalTimeAsDays();
    std::tm local{};
    ASSERT_NE(localtime_r(&before, &local), nullptr);
    std::tm date = local;
    date.tm_hour = date.tm_min = date.tm_sec = 0;
    const double localDay = 25569.0 + static_cast<double>(timegm(&date) / 86400);
    const double seconds = local.tm_hour * 3600.0 + local.tm_min * 60.0 + std::min(local.tm_sec, 59);
    // A second may pass between the two readings, and with it midnight.
    const double expected = localDay + seconds / 86400.0;
    EXPECT_GE(now, expected - 1e-9);
    EXPECT_LE(now, expected + 2.0 / 86400.0);
}
}  // namespace
