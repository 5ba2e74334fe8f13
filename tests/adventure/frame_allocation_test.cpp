// frame_allocation_test.cpp: a game frame (cursor and hover, scene objects,
// bar places, the text overlay) allocates no memory once its texts and
// pictures have been seen.
#include "adventure/step_queue.h"
#include "tests/adventure/allocation_counter.h"
#include "tests/adventure/game_fixture.h"

namespace {

class FrameAllocation : public GameTest {
protected:
    // One frame at each point of a coarse grid over the surface (the bar and
    // the menu strip included), so the cursor crosses every kind of spot.
    void SweepTheMouse() {
        for (int32_t y = 0; y < 480; y += 29)
            for (int32_t x = 0; x < 640; x += 41) {
                form.DDrawMouseMove(x, y);
                Frame();
            }
    }
    // Allocations of a second sweep, after a first one has seen every text.
    long AllocationsOfARepeatedSweep() {
        SweepTheMouse();
        StartCountingAllocations();
        SweepTheMouse();
        return StopCountingAllocations();
    }
};

TEST_F(FrameAllocation, RepeatedFramesAllocateNothingInAnyKindOfScene) {
    GameState.settings.language = 1;  // the longer labels ("Magnet-on-a-string")
    const uint8_t held[] = {206, 205, 221, 227, 229, 210};
    std::copy(std::begin(held), std::end(held), GameState.live.inventory);
    GameState.settings.slots[0].savedAt = 45000.5;
    GameState.settings.slots[0].scene = 40;
    GameState.live.progress.dialDigits[1] = 7;
    GameState.live.progress.stone[3] = 2;
    GameState.live.progress.tile[0] = 5;

    for (int32_t scene : {2, 4, 5, 25, 32, 34, 35, 40, 44, 49, 50, 65}) {
        GameState.ui.menuOpen = 0;
        GameState.ui.menuReturnScene = 11;
        Build(scene);
        if (scene == 4) GameState.live.progress.saveMenuMode = 2;  // slots and panel shown
        if (scene == 5) {  // a lost game: the result line over the frozen game
            GameState.phone.shooterResult = 1;
            GameState.phone.shooterOver = 1;
        }
        EXPECT_EQ(AllocationsOfARepeatedSweep(), 0) << "scene " << scene;
    }

    Build(11);  // an item on the cursor and a message on screen
    GameState.ui.selectedItem = 221;
    SetMessage("A message long enough to leave the small buffer#on two lines");
    EXPECT_EQ(AllocationsOfARepeatedSweep(), 0) << "carried item and message";
}

}  // namespace
