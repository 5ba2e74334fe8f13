// scene_object_test.cpp: the pictures scene objects choose every frame, for
// every value a saved game can hold.
#include <algorithm>

#include "adventure/scene_object.h"
#include "tests/adventure/game_fixture.h"

namespace {

class SceneObjects : public GameTest {
protected:
    void HoverMenuEntry(int32_t id) {
        const TPomocnyObjekt* spot = SpotOf(id);
        ASSERT_NE(spot, nullptr);
        PointAt(spot->left + 2, spot->top + 2);
        ASSERT_EQ(GameState.ui.hoverId, id);
    }
};

TEST_F(SceneObjects, MenuEntriesLightWhenHoveredInTheCurrentLanguage) {
    GameState.settings.language = 1;
    GameState.ui.menuReturnScene = 2;
    Build(4);
    Frame();
    EXPECT_EQ(PictureOfId(15), "menu11");
    EXPECT_EQ(PictureOfId(19), "menu51");
    HoverMenuEntry(15);
    EXPECT_EQ(PictureOfId(15), "menu1x1");
    EXPECT_EQ(PictureOfId(16), "menu21");
    HoverMenuEntry(17);
    EXPECT_EQ(PictureOfId(17), "menu3x1");
    EXPECT_EQ(PictureOfId(15), "menu11");
    GameState.settings.language = 0;
    HoverMenuEntry(19);
    EXPECT_EQ(PictureOfId(19), "menu5x0");
}

TEST_F(SceneObjects, SaveEntryStaysUnlitWithoutAGame) {
    Build(4);
    HoverMenuEntry(17);
    EXPECT_EQ(PictureOfId(17), "menu30");
    HoverMenuEntry(16);
    EXPECT_EQ(PictureOfId(16), "menu2x0");
}

TEST_F(SceneObjects, SaveSlotsShowThumbnailsOnlyWhileTheListIsOpen) {
    GameState.settings.slots[0].savedAt = 45000.5;
    GameState.settings.slots[0].scene = 11;
    GameState.settings.slots[1].scene = 11;  // savedAt 0.0: an empty slot
    GameState.settings.slots[2].savedAt = 45000.5;
    GameState.settings.slots[2].scene = 19;  // no such picture (a damaged file)
    Build(4);
    Frame();
    for (uint16_t id = 23; id <= 29; ++id) EXPECT_EQ(PictureOfId(id), "nic") << id;
    EXPECT_EQ(ObjectWithId(24)->Width, 0);

    progress.saveMenuMode = 1;
    Frame();
    EXPECT_EQ(PictureOfId(23), "saveload");
    EXPECT_EQ(PictureOfId(24), "scena11");
    EXPECT_EQ(PictureOfId(25), "empty");
    EXPECT_EQ(PictureOfId(26), "empty");
    for (uint16_t id = 24; id <= 29; ++id) {
        EXPECT_EQ(ObjectWithId(id)->Width, 68) << id;
        EXPECT_EQ(ObjectWithId(id)->Height, 34) << id;
    }
    EXPECT_EQ(ObjectWithId(23)->Width, 240);

    progress.saveMenuMode = 0;
    Frame();
    EXPECT_EQ(PictureOfId(24), "nic");
    EXPECT_EQ(ObjectWithId(24)->Width, 0);
}

TEST_F(SceneObjects, PuzzlePiecesFollowTheirProgressBytes) {
    const uint8_t tiles[9] = {6, 7, 1, 5, 8, 0, 2, 4, 3};
    std::copy(tiles, tiles + 9, progress.tile);
    Build(32);
    EXPECT_EQ(PictureOfId(72), "p0");  // as built, before the first frame
    Frame();
    EXPECT_EQ(PictureOfId(72), "p6");
    EXPECT_EQ(PictureOfId(76), "p8");
    EXPECT_EQ(PictureOfId(80), "p3");
    EXPECT_EQ(ObjectWithId(80)->X, 53 + 296);
    EXPECT_EQ(ObjectWithId(80)->Y, 105 + 175);

    progress.stone[0] = 2;
    progress.stone[4] = 1;
    progress.stone[8] = 7;
    Build(49);
    Frame();
    EXPECT_EQ(PictureOfId(125), "tlac2");
    EXPECT_EQ(PictureOfId(126), "tlac0");
    EXPECT_EQ(PictureOfId(129), "tlac1");
    EXPECT_EQ(PictureOfId(133), "tlac1");
    progress.stone[0] = 0;
    Frame();
    EXPECT_EQ(PictureOfId(125), "tlac0");

    progress.cardFace[1] = 3;
    Build(44);
    Frame();
    EXPECT_EQ(PictureOfId(115), "ka0");
    EXPECT_EQ(PictureOfId(116), "kb3");

    progress.dialDigits[2] = 9;
    Build(50);
    Frame();
    EXPECT_EQ(PictureOfId(140), "c0");
    EXPECT_EQ(PictureOfId(142), "c9");

    progress.holeBlock[3] = 213;
    Build(25);
    Frame();
    EXPECT_EQ(PictureOfId(48), "kostka0");
    EXPECT_EQ(PictureOfId(51), "kostka1");
}

TEST_F(SceneObjects, TakenWireAndRodVanishInTheNextFrameWithoutARebuild) {
    Build(10);
    Frame();
    TPredmet* wire = ObjectWithId(46);
    ASSERT_NE(wire, nullptr);
    EXPECT_EQ(PictureOf(wire), "drat");
    progress.wireTaken = 1;
    RemoveHotspot(46);
    Frame();
    EXPECT_EQ(ObjectWithId(46), wire);
    EXPECT_EQ(PictureOf(wire), "nic");
    EXPECT_EQ(wire->Width, 0);

    Build(28);
    Frame();
    EXPECT_EQ(PictureOfId(66), "tyc");
    progress.rodTaken = 1;
    Frame();
    EXPECT_EQ(PictureOfId(66), "nic");
}

// Puzzle values only a damaged saved game holds: each shows the state the
// puzzle treats it as, never a picture name outside the catalogue.
TEST_F(SceneObjects, OutOfRangePuzzleValuesShowTheNearestState) {
    progress.tile[0] = 9;
    progress.tile[1] = 255;
    progress.tile[2] = 4;
    Build(32);
    Frame();
    EXPECT_EQ(PictureOfId(72), "p8");
    EXPECT_EQ(PictureOfId(73), "p8");
    EXPECT_EQ(PictureOfId(74), "p4");

    progress.cardFace[0] = 4;
    progress.cardFace[3] = 200;
    Build(44);
    Frame();
    EXPECT_EQ(PictureOfId(115), "ka3");
    EXPECT_EQ(PictureOfId(118), "kd3");

    progress.holeBlock[0] = 5;    // not a block: the hole reads as empty
    progress.holeBlock[1] = 212;
    Build(25);
    Frame();
    EXPECT_EQ(PictureOfId(48), "kostka0");
    EXPECT_EQ(PictureOfId(49), "kostka1");
    EXPECT_EQ(SpotOf(48)->label, Text(66));  // "Hole", not "Block filled hole"
    EXPECT_EQ(SpotOf(49)->label, Text(67));

    progress.dialDigits[0] = 10;  // no press
    progress.dialDigits[1] = 9;
    Build(50);
    Frame();
    EXPECT_EQ(PictureOfId(140), "c0");
    EXPECT_EQ(PictureOfId(141), "c9");
}

}  // namespace
