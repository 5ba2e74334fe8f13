// hotspots_test.cpp: filling and freeing the 26 records of the hotspot table.
#include <gtest/gtest.h>

#include "adventure/hotspots.h"
#include "core/game_state.h"
#include "shell/game_reset.h"

namespace {

class HotspotTable : public ::testing::Test {
protected:
    void SetUp() override { ResetGame(); }
};

TEST_F(HotspotTable, AddFillsTheFirstFreeRecordAndAFullTableDropsTheRest) {
    for (int32_t id = 1; id <= 27; ++id) AddHotspot(id, id, -id, id + 5, 7, ckLeft, "s");
    for (int32_t i = 0; i < 26; ++i) EXPECT_EQ(GameState.ui.hotspots[i].id, i + 1);
    RemoveHotspot(4);
    AddHotspot(99, -3, -4, 5, 6, ckGameMenu, "late");
    const TPomocnyObjekt& h = GameState.ui.hotspots[3];
    EXPECT_EQ(h.id, 99);
    EXPECT_EQ(h.left, -3);
    EXPECT_EQ(h.top, -4);
    EXPECT_EQ(h.right, 5);
    EXPECT_EQ(h.bottom, 6);
    EXPECT_EQ(h.cursorKind, ckGameMenu);
    EXPECT_EQ(h.label, "late");
}

TEST_F(HotspotTable, RemoveFreesEveryMatchingRecordAndKeepsTheRest) {
    AddHotspot(24, 0, 0, 1, 1, ckPointer, "slot");
    AddHotspot(167, 0, 0, 1, 1, ckPointer, "a");
    AddHotspot(29, 0, 0, 1, 1, ckPointer, "slot");
    AddHotspot(167, 2, 2, 3, 3, ckPointer, "b");
    AddHotspot(30, 0, 0, 1, 1, ckPointer, "");
    RemoveHotspot(167);
    EXPECT_EQ(GameState.ui.hotspots[1].id, 0);
    EXPECT_EQ(GameState.ui.hotspots[3].id, 0);
    EXPECT_EQ(GameState.ui.hotspots[3].label, "b");  // only the id is freed
    RemoveSlotHotspots();
    EXPECT_EQ(GameState.ui.hotspots[0].id, 0);
    EXPECT_EQ(GameState.ui.hotspots[2].id, 0);
    EXPECT_EQ(GameState.ui.hotspots[4].id, 30);
}

}  // namespace
