// Tests of the game state record: clearing a saved game, the byte images of
// the live record and settings block, and progress access by number and name.
// The layout itself is checked at compile time in the header.
#include "core/game_state.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <set>
#include <utility>

namespace {

// A record with a distinct value in every byte, padding included.
TLiveRecord PatternRecord(uint8_t seed) {
    std::array<uint8_t, kLiveRecordSize> bytes;
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7 + 1);
    TLiveRecord r;
    std::memcpy(&r, bytes.data(), bytes.size());
    return r;
}

std::array<uint8_t, kLiveRecordSize> Image(const TLiveRecord& r) {
    std::array<uint8_t, kLiveRecordSize> out{};
    LiveRecordToBytes(r, out);
    return out;
}

TEST(ClearSavedGame, ClearsGameButKeepsMapReturnAndPadding) {
    TLiveRecord r = PatternRecord(3);
    const auto before = Image(r);
    ClearSavedGame(r);
    const auto after = Image(r);
    for (size_t i = 0; i < 284; ++i) EXPECT_EQ(after[i], 0) << "offset " << i;
    for (size_t i = 284; i < kLiveRecordSize; ++i) EXPECT_EQ(after[i], before[i]) << "offset " << i;
    EXPECT_EQ(r.savedAt, 0.0);
    EXPECT_EQ(r.scene, 0);
}

TEST(ByteImage, LiveRecordRoundTripsEveryByteAndPlacesFields) {
    TLiveRecord r = PatternRecord(11);
    r.savedAt = 46362.769537037;  // a save time with a fraction of a day
    r.scene = -2;
    r.progress.dialCode[2] = 0xA1;
    r.progress.tile[0] = 0xA2;
    r.progress.mapStudied = 0xA3;
    r.inventory[0] = 206;
    r.mapReturnScene = 53;

    const auto bytes = Image(r);
    EXPECT_EQ(bytes[12 + 26], 0xA1);
    EXPECT_EQ(bytes[12 + 72], 0xA2);
    EXPECT_EQ(bytes[12 + 96], 0xA3);
    EXPECT_EQ(bytes[213], 206);
    EXPECT_EQ(bytes[284], 53);
    const std::array<uint8_t, 4> scene{0xFE, 0xFF, 0xFF, 0xFF};  // -2, little-endian
    EXPECT_TRUE(std::equal(scene.begin(), scene.end(), bytes.begin() + 8));
    // The image is the object's own representation, padding included.
    EXPECT_EQ(std::memcmp(bytes.data(), &r, kLiveRecordSize), 0);

    TLiveRecord back = PatternRecord(99);
    LiveRecordFromBytes(back, bytes);
    EXPECT_EQ(std::memcmp(&back, &r, kLiveRecordSize), 0);
    EXPECT_EQ(back.savedAt, r.savedAt);
}

TEST(ByteImage, SettingsBlockRoundTripsAndPutsSlotKAt8Plus288k) {
    TSettingsBlock block{};
    block.resolution = 2;
    block.language = 1;
    block.soundOn = 1;
    for (uint8_t i = 0; i < 5; ++i) block.padding[i] = static_cast<uint8_t>(0xE0 + i);
    for (size_t k = 0; k < kSlotCount; ++k) block.slots[k] = PatternRecord(static_cast<uint8_t>(40 * k));

    std::array<uint8_t, kSettingsBlockSize> bytes{};
    SettingsBlockToBytes(block, bytes);
    EXPECT_EQ(bytes[0], 2);
    EXPECT_EQ(bytes[1], 1);
    EXPECT_EQ(bytes[2], 1);
    EXPECT_EQ(bytes[3], 0xE0);
    EXPECT_EQ(bytes[7], 0xE4);
    for (size_t k = 0; k < kSlotCount; ++k) {
        const auto slot = Image(block.slots[k]);
        EXPECT_TRUE(std::equal(slot.begin(), slot.end(), bytes.begin() + 8 + 288 * k)) << "slot " << k;
    }

    TSettingsBlock back{};
    SettingsBlockFromBytes(back, bytes);
    EXPECT_EQ(std::memcmp(&back, &block, kSettingsBlockSize), 0);
}

TEST(Progress, IndexAgreesWithNamedMembersAndIgnoresOutOfRange) {
    TProgress p{};
    p[5] = 2;
    p[25] = 7;
    p[80] = 3;
    EXPECT_EQ(p.saveMenuMode, 2);
    EXPECT_EQ(p.dialCode[1], 7);
    EXPECT_EQ(p.tile[8], 3);
    p.stone[4] = 1;
    p.unused97[103] = 9;
    EXPECT_EQ(p[55], 1);
    EXPECT_EQ(p[200], 9);

    const TProgress before = p;
    p[201] = 77;
    p[1000] = 5;
    EXPECT_EQ(p[201], 0);
    EXPECT_EQ(std::as_const(p)[1000], 0);
    EXPECT_EQ(std::memcmp(&p, &before, kProgressSize), 0);
}

TEST(Progress, NameTableCoversEveryUsedIndexOnce) {
    std::set<std::string_view> names;
    size_t next = 1;  // index 0 is unused
    for (const TProgressName& e : kProgressNames) {
        EXPECT_TRUE(names.insert(e.name).second) << e.name << " listed twice";
        EXPECT_EQ(e.index, next) << e.name << " overlaps or leaves a gap";
        next = e.index + e.count;
    }
    EXPECT_EQ(next, 97u);  // 97..200 are unused
}

TEST(Progress, ResolvesNamesAndSubscripts) {
    EXPECT_EQ(ProgressIndexOf("keyTaken"), 1);
    EXPECT_EQ(ProgressIndexOf("dialCode[0]"), 24);
    EXPECT_EQ(ProgressIndexOf("dialCode[2]"), 26);
    EXPECT_EQ(ProgressIndexOf("tile"), 72);
    EXPECT_EQ(ProgressIndexOf("mapStudied"), 96);
    EXPECT_EQ(ProgressIndexOf("dialCode[3]"), -1);
    EXPECT_EQ(ProgressIndexOf("tile[x]"), -1);
    EXPECT_EQ(ProgressIndexOf("tile[1"), -1);
    EXPECT_EQ(ProgressIndexOf("tile[]"), -1);
    EXPECT_EQ(ProgressIndexOf("unused0"), -1);
    EXPECT_EQ(ProgressIndexOf(""), -1);
}

}  // namespace
