// hover_test.cpp: the cursor's hit test, its hiding and its pictures.
#include "adventure/inventory.h"
#include "adventure/player_sprite.h"
#include "tests/adventure/game_fixture.h"

namespace {

class Hover : public GameTest {
protected:
    TPlayerSprite* Cursor() { return dynamic_cast<TPlayerSprite*>(engine.Items(0)); }
    std::string CursorPicture() { return PictureOf(Cursor()); }
};

TEST_F(Hover, CursorIsCentredOnTheMouse) {
    Build(2);
    form.DDrawMouseMove(100, 200);
    Frame();
    EXPECT_EQ(Cursor()->X, 83);
    EXPECT_EQ(Cursor()->Y, 183);
}

TEST_F(Hover, EdgesAreInclusiveAndTheLaterRecordWins) {
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[1] = 205;
    Build(12);
    PointAt(0, -35);  // top-left corner of the first place
    EXPECT_EQ(GameState.ui.hoverId, 206);
    EXPECT_EQ(GameState.ui.hoverLabel, ItemName(206));
    PointAt(35, -2);  // the shared column, bottom edge: the right-hand item
    EXPECT_EQ(GameState.ui.hoverId, 205);
    PointAt(34, -2);
    EXPECT_EQ(GameState.ui.hoverId, 206);
    PointAt(70, -1);  // one row below the places
    EXPECT_EQ(GameState.ui.hoverId, 0);
    EXPECT_EQ(GameState.ui.hoverCursor, ckPointer);
    PointAt(71, -20);
    EXPECT_EQ(GameState.ui.hoverId, 0);

    Build(32);  // the third tile column overlaps the second by two pixels
    PointAt(293, 13);
    EXPECT_EQ(GameState.ui.hoverId, 73);
    PointAt(294, 13);
    EXPECT_EQ(GameState.ui.hoverId, 74);
    PointAt(295, 93);
    EXPECT_EQ(GameState.ui.hoverId, 74);
    PointAt(295, 94);
    EXPECT_EQ(GameState.ui.hoverId, 77);
}

TEST_F(Hover, RemovedSpotStopsReactingAtTheNextFrame) {
    Build(2);
    PointAt(207, 165);
    EXPECT_EQ(GameState.ui.hoverId, 5);
    EXPECT_EQ(GameState.ui.hoverLabel, Text(9));
    RemoveHotspot(5);
    Frame();
    EXPECT_EQ(GameState.ui.hoverId, 0);
    EXPECT_TRUE(GameState.ui.hoverLabel.empty());
}

TEST_F(Hover, MessageHidesTheCursorButNotTheHover) {
    Build(1);
    GameState.ui.messageLines[0] = "Hello";
    PointAt(300, 250);  // "Back"
    EXPECT_EQ(GameState.ui.hoverId, 11);
    EXPECT_EQ(GameState.ui.hoverLabel, Text(46));
    EXPECT_EQ(GameState.ui.hoverCursor, ckHidden);
    EXPECT_EQ(CursorPicture(), "nic");
    GameState.ui.messageLines[0].clear();
    Frame();
    EXPECT_EQ(CursorPicture(), "kurzor-d");
}

TEST_F(Hover, PhoneGameHidesTheCursorAndEverythingButTheBarIsSpot30) {
    GameState.live.inventory[0] = 206;
    Build(5);
    const int32_t points[][2] = {{0, 0}, {639, 479}, {320, 240}, {639, 0}, {0, 479}};
    for (const auto& p : points) {
        form.DDrawMouseMove(p[0], p[1]);
        Frame();
        EXPECT_EQ(GameState.ui.hoverId, 30) << p[0] << "," << p[1];
        EXPECT_EQ(GameState.ui.hoverCursor, ckHidden);
        EXPECT_EQ(CursorPicture(), "nic");
    }
    PointAt(10, -10);
    EXPECT_EQ(GameState.ui.hoverId, 206);
    EXPECT_EQ(GameState.ui.hoverCursor, ckHidden);
}

TEST_F(Hover, CarriedItemReplacesThePointerButNotTheArrows) {
    GameState.live.inventory[0] = 205;
    Build(1);
    GameState.ui.selectedItem = 205;
    PointAt(215, 120);  // toilet paper: a pointer spot
    EXPECT_EQ(GameState.ui.hoverId, 9);
    EXPECT_EQ(CursorPicture(), "inv205");
    PointAt(100, 100);  // nothing
    EXPECT_EQ(CursorPicture(), "inv205");
    PointAt(300, 250);  // "Back": an exit
    EXPECT_EQ(CursorPicture(), "kurzor-d");
    EXPECT_EQ(Cursor()->Width, 35);
    GameState.ui.selectedItem = 0;
    PointAt(215, 120);
    EXPECT_EQ(CursorPicture(), "img2");
}

// Item 209 has no picture (only damaged data can carry it): the cursor shows
// the plain pointer and its place in the bar the empty picture, frame after frame.
TEST_F(Hover, ACarriedItemWithoutAPictureShowsThePlainPointer) {
    GameState.live.inventory[0] = 209;
    Build(1);
    GameState.ui.selectedItem = 209;
    for (int frame = 0; frame < 3; ++frame) {
        PointAt(215, 120);
        EXPECT_EQ(CursorPicture(), "img2");
    }
    GameState.ui.selectedItem = 0;
    Frame();
    auto bar = All<TInv>();
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(PictureOf(bar[0]), "nic");
}

TEST_F(Hover, GearTurnsOnTheMenuStripAndStopsOffIt) {
    Build(2);
    form.DDrawMouseMove(300, 10);
    Frame();
    EXPECT_EQ(CursorPicture(), "ozub");
    EXPECT_EQ(Cursor()->AnimCount, 4);
    EXPECT_TRUE(Cursor()->AnimLooped);
    EXPECT_EQ(Cursor()->CurrentPattern(), 0);
    Frame(100);  // 1.5 patterns
    EXPECT_EQ(Cursor()->CurrentPattern(), 1);
    Frame(100);
    EXPECT_EQ(Cursor()->CurrentPattern(), 3);
    Frame(100);  // wraps: 4.5 -> 0.5
    EXPECT_EQ(Cursor()->CurrentPattern(), 0);
    Frame(100);
    EXPECT_EQ(Cursor()->CurrentPattern(), 2);
    PointAt(258, 97);  // the switch: a pointer spot
    EXPECT_EQ(CursorPicture(), "img2");
    EXPECT_EQ(Cursor()->AnimCount, 0);
    EXPECT_EQ(Cursor()->CurrentPattern(), 0);
    Frame(100);
    EXPECT_EQ(Cursor()->CurrentPattern(), 0);
}

}  // namespace
