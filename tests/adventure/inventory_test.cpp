// inventory_test.cpp: the bar's places, spots and names, compaction, the
// carried item's empty place and the pick-up sparkle with its sound.
#include "adventure/inventory.h"
#include "adventure/sound_effects.h"
#include "sprites/particle_sprite.h"
#include "sprites/sprite_math.h"
#include "tests/adventure/game_fixture.h"

namespace {

using Inventory = GameTest;

TEST_F(Inventory, NewGameBarPlacesAndSpots) {
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[1] = 205;
    Build(12);
    auto bar = All<TInv>();
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0]->item, 206);
    EXPECT_EQ(bar[0]->X, 53);
    EXPECT_EQ(bar[0]->Y, 105 - 40);
    EXPECT_EQ(bar[1]->item, 205);
    EXPECT_EQ(bar[1]->X, 53 + 35);
    EXPECT_EQ(bar[1]->Z(), 3);
    EXPECT_EQ(PictureOf(bar[1]), "inv205");
    const TPomocnyObjekt* spot = SpotOf(205);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->left, 35);
    EXPECT_EQ(spot->top, -35);
    EXPECT_EQ(spot->right, 70);
    EXPECT_EQ(spot->bottom, -2);
    EXPECT_EQ(spot->label, Text(14));
    EXPECT_EQ(SpotIds().back(), 205);  // after the strip: the bar wins overlaps
}

TEST_F(Inventory, RebuildClosesGapsInPickUpOrder) {
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[1] = 205;
    GameState.live.inventory[5] = 210;
    RemoveItem(206);
    EXPECT_FALSE(HasItem(206));
    EXPECT_TRUE(HasItem(210));
    Build(12);
    EXPECT_EQ(GameState.live.inventory[0], 205);
    EXPECT_EQ(GameState.live.inventory[1], 210);
    EXPECT_EQ(GameState.live.inventory[2], 0);
    auto bar = All<TInv>();
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0]->item, 205);
    EXPECT_EQ(bar[0]->X, 53);
}

TEST_F(Inventory, CarriedItemLeavesItsPlaceEmpty) {
    GameState.live.inventory[0] = 205;
    Build(12);
    TInv* place = All<TInv>()[0];
    GameState.ui.selectedItem = 205;
    Frame();
    EXPECT_EQ(PictureOf(place), "nic");
    EXPECT_EQ(place->Width, 35);  // size is set once
    GameState.ui.selectedItem = 0;
    Frame();
    EXPECT_EQ(PictureOf(place), "inv205");
    GameState.ui.menuOpen = 1;
    Frame();
    EXPECT_EQ(PictureOf(place), "nic");
}

TEST_F(Inventory, ItemNamesFollowTheTable) {
    GameState.settings.language = 1;
    EXPECT_EQ(ItemName(200), Text(9));
    EXPECT_EQ(ItemName(208), Text(17));
    for (uint16_t block = 210; block <= 213; ++block) EXPECT_EQ(ItemName(block), Text(18));
    EXPECT_EQ(ItemName(214), Text(19));
    EXPECT_EQ(ItemName(233), Text(38));
    EXPECT_EQ(ItemName(209), "");
    EXPECT_EQ(ItemName(234), "");
    EXPECT_EQ(ItemName(199), "");
}

TEST_F(Inventory, TakingAnItemBurstsSixteenSparklesAndPlaysOneSample) {
    GameState.settings.soundOn = 1;
    GameState.live.inventory[0] = 206;
    Build(12);
    GameState.live.inventory[1] = 208;
    DejInv(208, true);
    EXPECT_EQ(game.sound.playedPaths, std::vector<std::string>{"gamedata/pre.qzd"});
    auto sparks = All<TParticleSprite>();
    ASSERT_EQ(sparks.size(), static_cast<size_t>(kParticleCount));
    for (TParticleSprite* p : sparks) {
        EXPECT_EQ(p->X, 53 + 35 + 17);
        EXPECT_EQ(p->Y, 105 - 20);
        EXPECT_EQ(p->Z(), 4);
        EXPECT_EQ(p->Width, 5);
        EXPECT_TRUE(p->DriftX == -1 || p->DriftX == 1);
        EXPECT_GE(p->DriftSpeedY, 100);
        EXPECT_LE(p->DriftSpeedY, 249);
    }
    EXPECT_NE(sparks[0]->Turn, sparks[1]->Turn);
    EXPECT_EQ(SpotOf(208)->left, 35);

    for (int frame = 0; frame < 25; ++frame) Frame(16);
    EXPECT_EQ(All<TParticleSprite>().size(), static_cast<size_t>(kParticleCount));
    Frame(16);  // 416 ms lived
    EXPECT_TRUE(All<TParticleSprite>().empty());

    DejInv(206, false);
    EXPECT_TRUE(All<TParticleSprite>().empty());
    EXPECT_EQ(game.sound.playedPaths.size(), 1u);
}

TEST_F(Inventory, SoundsOffOrNoSampleCallsNothing) {
    Build(12);
    GameState.live.inventory[0] = 208;
    game.sound.calls.clear();
    DejInv(208, true);  // sounds are off
    EXPECT_EQ(All<TParticleSprite>().size(), static_cast<size_t>(kParticleCount));
    EXPECT_TRUE(game.sound.calls.empty());
    GameState.settings.soundOn = 1;
    PlaySample(0);
    PlaySample(12);
    PlaySample(255);
    EXPECT_TRUE(game.sound.calls.empty());
}

TEST_F(Inventory, SparklesCurveFromTheirDirection) {
    Build(12);
    auto* p = new TParticleSprite(&engine);
    p->DriftX = 1;
    p->DriftSpeedX = 100;
    p->DriftY = -1;
    p->DriftSpeedY = 200;
    p->Turn = 0;
    engine.Move(10);  // index 1 after the turn: nearly straight right
    EXPECT_NEAR(p->X, 0.1 + 10 * CosStep(1), 1e-9);
    EXPECT_NEAR(p->Y, -0.2 + 10 * SinStep(1), 1e-9);
    p->X = p->Y = 0;
    p->Turn = 63.5;  // index 64: down
    engine.Move(10);
    EXPECT_NEAR(p->X, 0.1 + 10 * CosStep(64), 1e-9);
    EXPECT_GT(p->Y, 9.5);
}

}  // namespace
