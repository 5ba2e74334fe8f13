// puzzle_pictures_test.cpp: puzzle pictures for values only a damaged saved
// game holds: each shows the state the puzzle treats it as, never a picture
// name outside the catalogue.
#include "adventure/scene_object.h"
#include "tests/adventure/game_fixture.h"

namespace {

class PuzzlePictures : public GameTest {
protected:
    std::string PictureOfId(uint16_t id) {
        for (TPredmet* o : All<TPredmet>())
            if (o->id == id) return PictureOf(o);
        return "<no object>";
    }
};

TEST_F(PuzzlePictures, OutOfRangeValuesShowTheNearestState) {
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
