// scene_build_test.cpp: the scene build's frame (origin, reset, layers,
// strip and bar) and the catalogue's conditional content.
#include <algorithm>

#include "adventure/game_ids.h"
#include "adventure/hotspot_markers.h"
#include "adventure/inventory.h"
#include "adventure/player_sprite.h"
#include "adventure/scene_object.h"
#include "adventure/phone_game.h"
#include "tests/adventure/game_fixture.h"
#include "shell/game_reset.h"

namespace {

using Ids = std::vector<int32_t>;
using Names = std::vector<std::string>;

class SceneBuild : public GameTest {
protected:
    // The pictures of the scene objects that are drawn, in build order.
    Names ObjectPictures() {
        Names names;
        for (auto* object : All<TPredmet>())
            if (object->Visible) names.push_back(PictureOf(object));
        return names;
    }
};

TEST_F(SceneBuild, PictureIsCentredWithHalvingTowardZero) {
    Build(2);
    EXPECT_EQ(GameState.ui.originX, 53);
    EXPECT_EQ(GameState.ui.originY, 105);
    auto backgrounds = All<TPozadi>();
    ASSERT_EQ(backgrounds.size(), 1u);
    EXPECT_EQ(backgrounds[0]->X, 53);
    EXPECT_EQ(backgrounds[0]->Y, 105);
    EXPECT_EQ(PictureOf(backgrounds[0]), "scena2");

    game.Resize(641, 481);
    Build(2);
    EXPECT_EQ(GameState.ui.originX, 53);
    EXPECT_EQ(GameState.ui.originY, 105);
    game.Resize(800, 600);
    Build(2);
    EXPECT_EQ(GameState.ui.originX, 133);
    EXPECT_EQ(GameState.ui.originY, 165);
}

TEST_F(SceneBuild, NegativeSceneTouchesNothing) {
    Build(2);
    GameState.ui.hoverId = 7;
    GameState.ui.selectedItem = 205;
    GameState.ui.originX = 1;
    TSprite* first = engine.Items(0);
    const int32_t count = engine.Count();
    const Ids spots = SpotIds();
    Build(-1);
    EXPECT_EQ(GameState.ui.hoverId, 7);
    EXPECT_EQ(GameState.ui.selectedItem, 205);
    EXPECT_EQ(GameState.ui.originX, 1);
    EXPECT_EQ(engine.Count(), count);
    EXPECT_EQ(engine.Items(0), first);
    EXPECT_EQ(SpotIds(), spots);
}

TEST_F(SceneBuild, EveryBuildResetsHoverAndDropsTheCarriedItem) {
    GameState.live.inventory[0] = 205;
    Build(11);
    PointAt(120, 200);  // the basket
    GameState.ui.selectedItem = 205;
    Frame();
    ASSERT_EQ(GameState.ui.hoverId, 37);
    engine.X = 12;
    Build(11);
    EXPECT_EQ(GameState.ui.selectedItem, 0);
    EXPECT_EQ(GameState.ui.hoverId, 0);
    EXPECT_EQ(GameState.ui.hoverCursor, ckPointer);
    EXPECT_TRUE(GameState.ui.hoverLabel.empty());
    EXPECT_EQ(engine.X, 0);
    // The cursor comes first (moved first), drawn last; the background beneath all.
    ASSERT_NE(dynamic_cast<TPlayerSprite*>(engine.Items(0)), nullptr);
    EXPECT_EQ(engine.Items(0)->Z(), 5);
    EXPECT_EQ(engine.Items(0)->Width, 35);
    EXPECT_EQ(engine.DrawList().front()->Z(), 1);
}

TEST_F(SceneBuild, GameMenuStripSpansTheTopOfTheSurfaceExceptInThePhoneGame) {
    Build(12);
    const TPomocnyObjekt* strip = SpotOf(Spot::GameMenuStrip);
    ASSERT_NE(strip, nullptr);
    EXPECT_EQ(strip->left, -53);
    EXPECT_EQ(strip->top, -105);
    EXPECT_EQ(strip->right, 1024);
    EXPECT_EQ(strip->bottom, -70);
    EXPECT_EQ(strip->cursorKind, ckGameMenu);
    EXPECT_EQ(strip->label, Text(133));
    form.DDrawMouseMove(0, 36);  // the bottom edge, surface row 35, is inclusive
    Frame();
    EXPECT_EQ(GameState.ui.hoverId, 0);
    form.DDrawMouseMove(639, 35);
    Frame();
    EXPECT_EQ(GameState.ui.hoverId, Spot::GameMenuStrip);

    Build(5);
    EXPECT_EQ(SpotOf(Spot::GameMenuStrip), nullptr);
}

TEST_F(SceneBuild, ToiletHopperSpotOrBrokenHopperPicture) {
    progress.flushCount = 2;
    Build(1);
    EXPECT_EQ(SpotIds(), (Ids{6, 8, 9, 11, 20}));
    EXPECT_EQ(ObjectPictures(), (Names{"inv218"}));  // the scraper on the window

    progress.flushCount = 3;
    progress.toiletPaperTaken = 1;
    progress.scraperTaken = 1;
    Build(1);
    EXPECT_EQ(SpotIds(), (Ids{11, 20}));
    auto objects = All<TPredmet>();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(PictureOf(objects[0]), "splachovadlo");
    EXPECT_EQ(objects[0]->X, 53 + 382);
    EXPECT_EQ(objects[0]->Y, 105);
    EXPECT_EQ(objects[0]->Z(), 2);
}

TEST_F(SceneBuild, GameMenuOffersBackToGameOnlyWithAGameRunning) {
    GameState.live.inventory[0] = 206;
    progress.saveMenuMode = 2;
    Build(4);
    EXPECT_EQ(GameState.ui.menuOpen, 1);
    EXPECT_EQ(progress.saveMenuMode, 0);
    EXPECT_EQ(SpotIds(), (Ids{15, 16, 17, 19}));
    EXPECT_TRUE(All<TInv>().empty());
    form.DDrawMouseMove(300, 0);
    Frame();
    EXPECT_EQ(GameState.ui.hoverId, 0);

    GameState.ui.menuReturnScene = 11;
    Build(4);
    EXPECT_EQ(SpotIds(), (Ids{15, 16, 17, 19, 20}));
    Frame();
    EXPECT_EQ(GameState.ui.hoverId, Spot::GameMenuStrip);
    EXPECT_EQ(GameState.ui.hoverCursor, ckRight);
    EXPECT_EQ(GameState.ui.hoverLabel, Text(50));
    EXPECT_EQ(PictureOf(dynamic_cast<TImageSprite*>(engine.Items(0))), "kurzor-p");
}

TEST_F(SceneBuild, TitlesUseTheLanguagePictureAndShowNoBarButKeepTheStrip) {
    GameState.settings.language = 1;
    GameState.live.inventory[0] = 206;
    Build(21);
    auto objects = All<TPredmet>();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(PictureOf(objects[0]), "tvurce1");
    EXPECT_TRUE(All<TInv>().empty());
    EXPECT_EQ(SpotIds(), (Ids{20}));
    Build(11);
    EXPECT_EQ(All<TInv>().size(), 1u);
}

TEST_F(SceneBuild, PhoneGameResetsItsCountersAndCoversTheSurface) {
    GameState.phone.shotTimer = 3;
    GameState.phone.spawnInterval = 31;
    GameState.phone.shooterScore = 9;
    GameState.phone.shooterResult = 2;
    GameState.phone.shooterOver = 1;
    Build(5);
    EXPECT_EQ(GameState.phone.shotTimer, 15);
    EXPECT_EQ(GameState.phone.spawnTimer, 0);
    EXPECT_EQ(GameState.phone.spawnInterval, 90);
    EXPECT_EQ(GameState.phone.shooterScore, 0);
    EXPECT_EQ(GameState.phone.shooterResult, 0);
    EXPECT_EQ(GameState.phone.shooterOver, 0);
    EXPECT_TRUE(All<TPredmet>().empty());  // the game's sprites are its own
    auto rockets = All<TRocketSprite>();
    ASSERT_EQ(rockets.size(), 1u);
    EXPECT_EQ(PictureOf(rockets[0]), "raketa");
}

TEST_F(SceneBuild, ConditionalContentFollowsProgress) {
    progress.tankRefilling = 1;
    progress.penTaken = 1;
    Build(42);
    EXPECT_EQ(progress.tankRefilling, 0);
    EXPECT_EQ(SpotIds(), (Ids{106, 107, 108, 20}));

    progress.mechanismSolved = 0;
    Build(37);
    EXPECT_EQ(SpotIds(), (Ids{84, 85, 88, 20}));
    EXPECT_EQ(ObjectPictures(), (Names{"part", "otvory"}));  // the sculpture glints
    progress.mechanismSolved = 1;
    Build(37);
    EXPECT_EQ(SpotIds(), (Ids{84, 85, 88, 86, 87, 20}));
    EXPECT_EQ(ObjectPictures(), (Names{"part"}));

    Build(65);  // the boilers are two records with one id
    EXPECT_EQ(SpotIds(), (Ids{166, 167, 167, 168, 20}));
    RemoveHotspot(167);
    EXPECT_EQ(SpotIds(), (Ids{166, 168, 20}));
}

TEST_F(SceneBuild, StainedGlassShowsThePatternsPanes) {
    const uint8_t pattern[9] = {1, 0, 0, 0, 1, 0, 0, 1, 1};
    std::copy(pattern, pattern + 9, progress.glassPattern);
    progress.magnetTaken = 1;
    progress.businessCardTaken = 1;
    Build(40);
    auto panes = All<TPredmet>();
    ASSERT_EQ(panes.size(), 4u);
    EXPECT_EQ(PictureOf(panes[0]), "sklo0");
    EXPECT_EQ(panes[0]->X, 53 + 433);
    EXPECT_EQ(PictureOf(panes[1]), "sklo1");
    EXPECT_EQ(panes[1]->Y, 105 + 93);
    EXPECT_EQ(PictureOf(panes[3]), "sklo2");
    EXPECT_EQ(panes[3]->X, 53 + 452);
}

// A thing the story lets the player take or use up is drawn, inside its
// hotspot, until the flag says it is gone; then its picture goes too. A picture
// of what a step opened or showed (from) appears only with its flag, where the
// hotspot was before the step.
TEST_F(SceneBuild, TakeableThingsAreDrawnUntilGone) {
    struct Case {
        int32_t scene;
        const char* picture;
        int32_t spot;  // the hotspot the picture lies in, in a fresh game; -1 for none
        void (*gone)(TProgress&);
        void (*from)(TProgress&) = nullptr;
        bool live = false;  // from's step stays in the scene: the picture follows without a rebuild
    };
    const Case cases[] = {
        {1, "inv218", 8, [](TProgress& p) { p.scraperTaken = 1; }},
        {2, "part", 5, [](TProgress& p) { p.keyTaken = 1; }},
        {24, "part", 71, [](TProgress& p) { p.secretPlaceOpen = 0; }},
        {27, "kostka1", 67, [](TProgress& p) { p.stonesBlockTaken = 1; }},
        {30, "inv208", 70, [](TProgress& p) { p.secretPlaceOpen = 0; }},
        {37, "part", 85, [](TProgress& p) { p.sculptureTaken = 1; }},
        {40, "part", 100, [](TProgress& p) { p.businessCardTaken = 1; }},
        {57, "inv232", 162, [](TProgress& p) { p.gamerState = 3; }},
        {68, "part", 171, [](TProgress& p) { p.tapFound = 1; }},
        {12, "slotmatch", Spot::TicketMachine, [](TProgress& p) { p.coinSlotCleared = 1; },
         [](TProgress& p) { p.coinSlotJamSeen = 1; }, true},
        {25, "tabletloose", Spot::Tablet, [](TProgress& p) { p.tabletDone = 1; },
         [](TProgress& p) { p.tabletUnlocked = 1; }},
        {25, "tabletopen", Spot::Tablet, nullptr, [](TProgress& p) { p.tabletUnlocked = p.tabletDone = 1; }},
        {41, "postboxopen", Spot::Postbox, nullptr, [](TProgress& p) { p.letterTaken = 1; }},
        {56, "boxopen", Spot::Box, nullptr, [](TProgress& p) { p.boxOpened = 1; }},
        {59, "vasekmallet", -1, [](TProgress& p) { p.gamerState = 3; }},  // a close-up: no hotspot
    };
    for (const Case& c : cases) {
        progress = TProgress{};
        progress.secretPlaceOpen = 1;  // the apple is in the trough
        Build(c.scene);
        const TPomocnyObjekt* spot = c.spot < 0 ? nullptr : SpotOf(c.spot);
        ASSERT_TRUE(c.spot < 0 || spot != nullptr) << "scene " << c.scene;
        const TPomocnyObjekt area = spot != nullptr ? *spot : TPomocnyObjekt{};
        if (c.from) {
            Frame();  // an object that follows a flag picks its picture in its move
            const Names closed = ObjectPictures();
            EXPECT_EQ(std::count(closed.begin(), closed.end(), c.picture), 0) << "scene " << c.scene;
            c.from(progress);
            if (!c.live) Build(c.scene);
        }
        Frame();  // objects take their picture's size in their first move
        const Names before = ObjectPictures();
        ASSERT_EQ(std::count(before.begin(), before.end(), c.picture), 1) << "scene " << c.scene;
        const auto objects = All<TPredmet>();
        const auto* drawn = *std::find_if(objects.begin(), objects.end(),
                                          [&](auto* o) { return PictureOf(o) == c.picture; });
        const int32_t x = drawn->X - GameState.ui.originX, y = drawn->Y - GameState.ui.originY;
        EXPECT_TRUE(c.spot < 0 || (x + drawn->Width > area.left && x <= area.right &&
                                   y + drawn->Height > area.top && y <= area.bottom))
            << "scene " << c.scene << ": " << c.picture << " lies outside its hotspot";
        if (!c.gone) continue;
        c.gone(progress);
        Build(c.scene);
        const Names after = ObjectPictures();
        EXPECT_EQ(std::count(after.begin(), after.end(), c.picture), 0) << "scene " << c.scene;
    }
}

TEST_F(SceneBuild, HoleLabelsSayWhetherABlockSitsThere) {
    progress.holeBlock[1] = 211;
    Build(25);
    EXPECT_EQ(SpotOf(48)->label, Text(66));
    EXPECT_EQ(SpotOf(49)->label, Text(67));
    progress.holeOrderCount = 4;
    Build(25);
    EXPECT_EQ(SpotOf(48), nullptr);
    EXPECT_EQ(All<TPredmet>().size(), 4u);  // the block pictures stay
}

TEST_F(SceneBuild, DialButtonsAreLabelledWithTheirDigit) {
    GameState.settings.language = 1;
    Build(50);
    EXPECT_EQ(SpotOf(140)->label, Text(111) + " 1");
    EXPECT_EQ(SpotOf(148)->label, Text(111) + " 9");
    EXPECT_EQ(SpotIds().size(), 12u);  // the fullest scene, strip included
}

// Every scene with a picture builds, in a fresh game and far into one, with
// every object's picture found and no more than 26 records used.
TEST_F(SceneBuild, EverySceneBuildsWithRealPictures) {
    for (int pass = 0; pass < 2; ++pass) {
        ResetGame();
        GameState.live.inventory[0] = 206;
        GameState.live.inventory[1] = 205;
        if (pass == 1) {
            for (size_t i = 1; i <= 96; ++i) progress[i] = 1;
            GameState.ui.menuReturnScene = 11;
        }
        for (int32_t scene = 0; scene <= 82; ++scene) {
            if (scene == 19 || scene == 29) continue;
            GameState.ui.menuOpen = 0;
            Build(scene);
            for (int32_t i = 0; i < engine.Count(); ++i) {
                if (dynamic_cast<THotspotMarkers*>(engine.Items(i)) != nullptr) continue;  // draws no picture
                auto* s = dynamic_cast<TImageSprite*>(engine.Items(i));
                ASSERT_NE(s, nullptr);
                EXPECT_NE(PictureOf(s), "nic") << "scene " << scene << " sprite " << i;
            }
            Frame();
        }
    }
}

TEST_F(SceneBuild, SceneWithoutPictureStillOffersTheGameMenu) {
    Build(19);
    ASSERT_EQ(All<TPozadi>().size(), 1u);
    EXPECT_EQ(PictureOf(All<TPozadi>()[0]), "nic");
    EXPECT_EQ(SpotIds(), (Ids{20}));
    Frame();
}

}  // namespace
