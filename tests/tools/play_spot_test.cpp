// play_spot_test.cpp: where `spot` puts the mouse, checked against the
// cursor's own rule (the later record with a non-zero id wins).
#include <gtest/gtest.h>

#include <array>

#include "core/game_state.h"
#include "adventure/spot_finder.h"

namespace {
using Table = std::array<TPomocnyObjekt, kHotspotCount>;

void Put(Table& t, size_t i, int32_t id, int32_t l, int32_t top, int32_t r, int32_t b) {
    t[i].id = id;
    t[i].left = l;
    t[i].top = top;
    t[i].right = r;
    t[i].bottom = b;
}

// The hover's answer at (x, y): the id of the last record containing it.
int32_t HoverAt(const Table& t, int32_t x, int32_t y) {
    int32_t id = 0;
    for (const TPomocnyObjekt& r : t)
        if (r.id != 0 && r.left <= x && x <= r.right && r.top <= y && y <= r.bottom) id = r.id;
    return id;
}

const SpotRect kScreen{-53, -105, 586, 374};  // 640x480 with origin 53/105

TEST(PlaySpot, APlainRecordGivesItsCentre) {
    Table t{};
    Put(t, 3, 15, 35, 120, 105, 134);
    int32_t x = 0, y = 0;
    std::string error;
    ASSERT_TRUE(FindSpotPoint(t, 15, kScreen, x, y, error)) << error;
    EXPECT_EQ(x, 70);
    EXPECT_EQ(y, 127);
}

TEST(PlaySpot, LaterRecordsTakeTheirShareAndTheLargestPartIsUsed) {
    Table t{};
    Put(t, 0, 7, 0, 0, 99, 49);
    Put(t, 1, 8, 10, 0, 99, 49);  // leaves columns 0..9 of record 0 uncovered
    Put(t, 2, 0, 0, 0, 9, 49);    // a freed record covers nothing
    int32_t x = 0, y = 0;
    std::string error;
    ASSERT_TRUE(FindSpotPoint(t, 7, kScreen, x, y, error)) << error;
    EXPECT_EQ(HoverAt(t, x, y), 7);
    EXPECT_EQ(x, 4);
    Put(t, 3, 9, 0, 0, 9, 48);  // only the bottom row, one pixel high, is left
    ASSERT_TRUE(FindSpotPoint(t, 7, kScreen, x, y, error)) << error;
    EXPECT_EQ(HoverAt(t, x, y), 7);
    EXPECT_EQ(y, 49);  // edges are inclusive
}

TEST(PlaySpot, TheLatestRecordWithTheIdIsPreferredAndEarlierOnesAreTheFallback) {
    Table t{};
    Put(t, 0, 20, 0, 0, 10, 10);
    Put(t, 5, 20, 200, 200, 210, 210);
    int32_t x = 0, y = 0;
    std::string error;
    ASSERT_TRUE(FindSpotPoint(t, 20, kScreen, x, y, error)) << error;
    EXPECT_EQ(x, 205);
    Put(t, 6, 21, 190, 190, 220, 220);  // hides the later record wholly
    ASSERT_TRUE(FindSpotPoint(t, 20, kScreen, x, y, error)) << error;
    EXPECT_EQ(x, 5);
    EXPECT_EQ(HoverAt(t, x, y), 20);
}

TEST(PlaySpot, OnlyTheDrawingAreaCounts) {
    Table t{};
    Put(t, 0, 30, -53, -105, 2000, 2000);  // the phone game's whole-screen spot
    int32_t x = 0, y = 0;
    std::string error;
    ASSERT_TRUE(FindSpotPoint(t, 30, kScreen, x, y, error)) << error;
    EXPECT_GE(x, kScreen.left);
    EXPECT_LE(x, kScreen.right);
    EXPECT_GE(y, kScreen.top);
    EXPECT_LE(y, kScreen.bottom);
    Put(t, 1, 31, 600, 0, 700, 10);  // wholly right of the area
    EXPECT_FALSE(FindSpotPoint(t, 31, kScreen, x, y, error));
}

TEST(PlaySpot, AbsentOrCoveredIdsFailWithTheReason) {
    Table t{};
    Put(t, 0, 15, 0, 0, 10, 10);
    Put(t, 1, 16, 0, 0, 20, 20);
    int32_t x = 0, y = 0;
    std::string error;
    EXPECT_FALSE(FindSpotPoint(t, 15, kScreen, x, y, error));
    EXPECT_EQ(error, "hotspot 15 is wholly covered by later hotspots or lies off the drawing area");
    EXPECT_FALSE(FindSpotPoint(t, 99, kScreen, x, y, error));
    EXPECT_EQ(error, "no hotspot 99 in this scene (its hotspots: 15 16)");
    EXPECT_FALSE(FindSpotPoint(t, 0, kScreen, x, y, error));  // 0 marks free records
}

}  // namespace
