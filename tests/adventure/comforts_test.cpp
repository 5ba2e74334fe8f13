// comforts_test.cpp: the replies, the marks, the Tab walk and Escape, with
// their switches; with both switches off the rules alone decide.
#include <algorithm>
#include <set>

#include "adventure/inventory.h"
#include "adventure/comforts.h"
#include "adventure/hotspot_markers.h"
#include "adventure/inventory_rules.h"
#include "adventure/block_holes.h"
#include "adventure/step_queue.h"
#include "tests/adventure/allocation_counter.h"
#include "tests/adventure/game_fixture.h"

namespace {

class ComfortsTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        Comforts() = TComfortSwitches{};
        GameState.settings.language = 1;
        GameState.settings.soundOn = 1;
        for (uint8_t i = 2; i <= 11; ++i)
            form.soundHandles[i] = game.sound.SampleLoad("gamedata/s" + std::to_string(i), 3);
        game.sound.playedPaths.clear();
    }
    // Carries `item` onto hotspot `id` of `scene`, as the player clicks.
    std::string Try(int32_t scene, uint16_t item, int32_t id) {
        ClearSteps();
        GameState.ui.messageLines[0].clear();
        Build(scene);
        GameState.live.inventory[0] = static_cast<uint8_t>(item);
        GameState.ui.selectedItem = item;
        GameState.ui.hoverId = static_cast<uint16_t>(id);
        form.DDrawClick();
        return GameState.ui.messageLines[0];
    }
    THotspotMarkers* Markers() {
        auto found = All<THotspotMarkers>();
        return found.size() == 1 ? found[0] : nullptr;
    }
};

TEST_F(ComfortsTest, AnItemNoRuleTakesGetsOneReplyOnlyWithTheSwitchOn) {
    EXPECT_EQ(Try(11, 205, 38), "Nothing happens.");  // the clock: looked at only with an empty cursor
    EXPECT_EQ(GameState.ui.selectedItem, 205) << "the item stays carried";
    form.DDrawClick();
    EXPECT_EQ(GameState.ui.messageLines[0], "") << "one click takes the reply away";
    GameState.settings.language = 0;
    EXPECT_EQ(Try(11, 205, 38), Text(344));  // the same line of the text table, in Czech
    GameState.settings.language = 1;
    // A rule that takes the item answers itself; no reply is added after it.
    const std::string ruled = Try(25, 211, 48);  // a block into the first hole
    EXPECT_NE(ruled, "Nothing happens.");
    EXPECT_NE(ruled, "");
    // Without an item, nothing is a try; with the switch off, silence.
    EXPECT_EQ(Try(11, 0, 38) == "Nothing happens.", false);
    Comforts().replies = false;
    EXPECT_EQ(Try(11, 205, 38), "");
}

TEST_F(ComfortsTest, AFinishedWrongBlockOrderClanksOnlyWithTheSwitchOn) {
    for (const bool on : {true, false}) {
        Comforts().replies = on;
        progress = {};
        game.sound.playedPaths.clear();
        // Holes 2, 1, 3, 4: all filled, the count never reaches four.
        for (const auto& [order, hole] : {std::pair{3, 2}, {0, 1}, {1, 3}, {2, 4}}) {
            GameState.ui.selectedItem = static_cast<uint16_t>(209 + hole);
            UseBlockHole(order, hole);
        }
        EXPECT_EQ(progress.tabletUnlocked, 0);
        const auto& played = game.sound.playedPaths;
        EXPECT_EQ(std::count(played.begin(), played.end(), "gamedata/s4"), on ? 1 : 0) << on;
    }
}

TEST_F(ComfortsTest, MarksShowWhileHeldOnePerSceneHotspotAndFramesAllocateNothing) {
    Build(6);
    Frame();
    ASSERT_NE(Markers(), nullptr);
    EXPECT_EQ(Markers()->Z(), 4);
    HoldReveal(rsKey, true);
    HoldReveal(rsMouse, true);
    Frame();
    std::set<int32_t> ids;
    for (const auto& h : GameState.ui.hotspots)
        if (h.id != 0 && (h.id < kFirstInventoryHotspot || h.id > kLastInventoryHotspot)) ids.insert(h.id);
    EXPECT_EQ(Markers()->MarkCount(), static_cast<int32_t>(ids.size()));
    struct LabelCount : FixedTextRenderer {
        void TextOutOutlinedWide(Surface16& d, int32_t x, int32_t y, int32_t h, std::string_view t,
                                 uint32_t c, int32_t step) override {
            ++labels;
            FixedTextRenderer::TextOutOutlinedWide(d, x, y, h, t, c, step);
        }
        int labels = 0;
    } marks;
    SetMarkerTextRenderer(&marks);
    int labelled = 0;
    for (int32_t i = 0; i < Markers()->MarkCount(); ++i)
        labelled += !GameState.ui.hotspots[static_cast<size_t>(Markers()->Mark(i).record)].label.empty();
    for (int32_t i = 0; i < Markers()->MarkCount(); ++i) {
        const SpotRect& p = Markers()->Mark(i).piece;
        form.DDrawMouseMove(static_cast<int32_t>((p.left + p.right) / 2), static_cast<int32_t>((p.top + p.bottom) / 2));
        Frame();
        EXPECT_TRUE(ids.count(GameState.ui.hoverId)) << "a mark sits where its hotspot is found";
        marks.labels = 0;
        Frame();
        EXPECT_EQ(marks.labels, labelled - (GameState.ui.hoverLabel.empty() ? 0 : 1))
            << "the label under the cursor is not drawn twice";
    }
    SetMarkerTextRenderer(&form.Text);
    StartCountingAllocations();
    for (int i = 0; i < 5; ++i) Frame();
    EXPECT_EQ(StopCountingAllocations(), 0);
    HoldReveal(rsKey, false);
    EXPECT_TRUE(RevealShown()) << "the middle button still holds";
    HoldReveal(rsMouse, false);
    EXPECT_FALSE(RevealShown());
    HoldReveal(rsKey, true);
    Comforts().markers = false;
    EXPECT_FALSE(RevealShown());
}

TEST_F(ComfortsTest, TabVisitsEveryHotspotOnceInReadingOrderAndShiftTabGoesBack) {
    Build(6);
    Frame();
    const std::vector<int32_t> table = SpotIds();
    const std::set<int32_t> ids(table.begin(), table.end());
    std::vector<int32_t> walk;
    std::vector<std::pair<int32_t, int32_t>> points;
    for (size_t i = 0; i < ids.size(); ++i) {
        form.FormKeyDown(VK_TAB);
        Frame();
        walk.push_back(GameState.ui.hoverId);
        points.emplace_back(GameState.ui.mouseY, GameState.ui.mouseX);
    }
    EXPECT_EQ(std::set<int32_t>(walk.begin(), walk.end()), ids) << "every hotspot once";
    for (size_t i = 1; i < points.size(); ++i)
        EXPECT_LE(points[i - 1].first / 24, points[i].first / 24) << "rows from the top";
    form.FormKeyDown(VK_TAB);
    Frame();
    EXPECT_EQ(GameState.ui.hoverId, walk.front()) << "after the last comes the first";
    form.FormKeyDown(VK_TAB, true);
    Frame();
    EXPECT_EQ(GameState.ui.hoverId, walk.back()) << "Shift+Tab goes back";
}

// Enter in the same batch of window events as the Tab before it acts on the
// hotspot Tab went to, as it does once a frame has passed between them.
TEST_F(ComfortsTest, EnterRightAfterTabActsOnTheSpotTabWentTo) {
    const auto run = [&](int tabs, bool frameBetween) {
        SetUp();
        Build(38);
        Frame();
        for (int i = 0; i < tabs; ++i) {
            form.FormKeyDown(VK_TAB);
            if (i + 1 < tabs || frameBetween) Frame();
        }
        form.FormKeyUp(VK_RETURN);
        Frame();
        return std::make_pair(GameState.live.scene, GameState.ui.messageLines[0]);
    };
    const auto afterFrame = run(2, true);
    EXPECT_NE(afterFrame, run(1, true)) << "the second Tab goes to a spot that acts otherwise";
    EXPECT_EQ(run(2, false), afterFrame);
}

TEST_F(ComfortsTest, EscapeOpensTheMenuWhereTheStripIsAndNowhereElse) {
    GameState.ui.menuReturnScene = 0;
    Build(6);
    Frame();
    form.FormKeyUp(VK_ESCAPE);
    EXPECT_EQ(GameState.live.scene, 4);
    Build(5);  // the phone game has no strip
    Frame();
    form.FormKeyUp(VK_ESCAPE);
    EXPECT_EQ(GameState.live.scene, 5);
}

}  // namespace

namespace {

// The rules combine these pairs held one way round (the first carried onto
// the second); the replies comfort combines them held the other way too.
TEST_F(ComfortsTest, ACombinationHeldTheOtherWayRoundWorksOnlyWithTheSwitchOn) {
    struct TCase { uint16_t rulesCarry, rulesClick; int32_t text; };
    const auto firstLine = [](const std::string& text) { return text.substr(0, text.find('#')); };
    for (const TCase c : {TCase{225, 226, 348}, TCase{225, 224, 349}, TCase{222, 201, 346}}) {
        for (const bool on : {true, false}) {
            Comforts().replies = on;
            ClearSteps();
            GameState.ui.messageLines[0].clear();
            std::fill(std::begin(GameState.live.inventory), std::end(GameState.live.inventory), 0);
            Give(c.rulesCarry);
            Give(c.rulesClick);
            Build(49);            // in front of the stone mechanism, where the pen draws
            Carry(c.rulesClick);  // held the other way round
            ClickOn(c.rulesCarry);
            if (on) {
                EXPECT_EQ(GameState.ui.messageLines[0], firstLine(Text(c.text))) << c.rulesClick << " on " << c.rulesCarry;
            } else {
                EXPECT_NE(GameState.ui.messageLines[0], firstLine(Text(c.text))) << "the rules alone: one way only";
                EXPECT_TRUE(HasItem(c.rulesClick));
            }
        }
    }
}

}  // namespace
