// Tests of the frame's text overlay on a headless 640x480 form with the
// fixed-width test renderer (at 15 px every character is a 7x15 box, 8 px
// apart): the outline, the label's clamps and when it hides, the message
// layouts, the phone game's status line and the business card's code.
#include "shell/text_overlay.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "graphics/display.h"
#include "graphics/text_renderer.h"
#include "shell/code_tables.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "core/random.h"
#include "core/sound_library.h"
#include "core/web_opener.h"
#include "sprites/clock.h"
#include "texts/texts.h"
#include "shell/game_reset.h"

namespace {

struct DrawCall {
    int32_t x, y, height;
    std::string text;
    uint32_t color;
};

// The fixed renderer's boxes, remembering every draw.
class RecordingTextRenderer : public FixedTextRenderer {
public:
    void TextOut(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight, std::string_view text,
                 uint32_t bgrColor) override {
        calls.push_back({x, y, pixelHeight, std::string(text), bgrColor});
        FixedTextRenderer::TextOut(dest, x, y, pixelHeight, text, bgrColor);
    }
    std::vector<DrawCall> calls;
};

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint16_t kWhite565 = ColorToRgb565(kWhite);
constexpr uint16_t kGrey565 = ColorToRgb565(0x808080);
constexpr int32_t kCharStep = 8;  // 15 px: 7 px box + 1 px gap

struct Box {
    int32_t left = INT32_MAX, top = INT32_MAX, right = -1, bottom = -1;  // inclusive
    bool Empty() const { return right < 0; }
};

class TextOverlayTest : public ::testing::Test {
protected:
    TNullPlatform platform;
    RecordingTextRenderer text;
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        ResetGame();
        SetLanguageSource(&GameState.settings.language);
        Randomize(77);
        form = std::make_unique<TMainForm>(platform.Platform(&text));
        std::string error;
        ASSERT_TRUE(form->DDraw.Initialize(DisplayMode{}, error)) << error;
        GameState.ui.originX = 53;
        GameState.ui.originY = 105;
        GameState.live.scene = 10;
    }
    void TearDown() override {
        form.reset();
        SetLanguageSource(nullptr);
    }

    // The overlay alone, over a black back buffer.
    void Overlay() {
        text.calls.clear();
        form->DDraw.Fill(0);
        DrawTextOverlay(*form);
    }
    // A whole frame of the game loop.
    void Frame() {
        text.calls.clear();
        form->TimerTimer(16);
    }
    // The draws in a colour other than the outline's black, in order.
    std::vector<DrawCall> ColouredCalls() const {
        std::vector<DrawCall> out;
        for (const auto& c : text.calls)
            if (c.color != 0) out.push_back(c);
        return out;
    }
    Box BoxOf(uint16_t value, int32_t top = 0, int32_t bottom = 479) const {
        const Surface16& s = form->DDraw.Surface();
        Box b;
        for (int32_t y = top; y <= bottom; ++y)
            for (int32_t x = 0; x < s.Width(); ++x)
                if (s.Pixel(x, y) == value) {
                    b.left = std::min(b.left, x), b.right = std::max(b.right, x);
                    b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
                }
        return b;
    }
    std::set<int32_t> RowsWith(uint16_t value) const {
        std::set<int32_t> rows;
        const Surface16& s = form->DDraw.Surface();
        for (int32_t y = 0; y < s.Height(); ++y)
            for (int32_t x = 0; x < s.Width(); ++x)
                if (s.Pixel(x, y) == value) {
                    rows.insert(y);
                    break;
                }
        return rows;
    }
    static std::set<int32_t> Range(int32_t from, int32_t to) {
        std::set<int32_t> r;
        for (int32_t y = from; y <= to; ++y) r.insert(y);
        return r;
    }
    static int32_t Width15(const std::string& s) { return static_cast<int32_t>(s.size()) * kCharStep; }
};

TEST_F(TextOverlayTest, OutlineIsBlackAtTheEightNeighboursUnderTheColour) {
    Overlay();  // sets the frame's 15 px font
    form->DDraw.Fill(0x808080);
    DrawOutlinedText(*form, 20, 30, "I", 0x00FFFF);  // one 7x15 box at (20, 30)
    const Surface16& s = form->DDraw.Surface();
    const uint16_t yellow = ColorToRgb565(0x00FFFF);
    EXPECT_EQ(s.Pixel(20, 30), yellow);
    EXPECT_EQ(s.Pixel(26, 44), yellow);
    for (auto [x, y] : {std::pair{19, 29}, {27, 29}, {19, 45}, {27, 45}, {19, 37}, {23, 45}})
        EXPECT_EQ(s.Pixel(x, y), 0) << x << "," << y;
    for (auto [x, y] : {std::pair{18, 30}, {28, 30}, {20, 28}, {20, 46}})
        EXPECT_EQ(s.Pixel(x, y), kGrey565) << x << "," << y;
}

TEST_F(TextOverlayTest, LabelHangsUnderTheMouseAndKeepsTenPixelsFromTheSides) {
    GameState.ui.hoverLabel = "Door";  // 32 px wide
    GameState.ui.mouseY = 200;

    GameState.ui.mouseX = 300;
    Overlay();
    Box b = BoxOf(kWhite565);
    EXPECT_EQ(b.left, 300 - 16);
    EXPECT_EQ(b.top, 215);
    EXPECT_EQ(b.bottom, 229);

    GameState.ui.mouseX = 3;  // would start left of the margin
    Overlay();
    EXPECT_EQ(BoxOf(kWhite565).left, 10);

    GameState.ui.mouseX = 639;  // would run off the right side
    Overlay();
    ASSERT_EQ(ColouredCalls().size(), 1u);
    EXPECT_EQ(ColouredCalls()[0].x + Width15("Door"), 640 - 10);
    EXPECT_EQ(BoxOf(kWhite565).right, 640 - 10 - 2);  // the last box leaves its 1 px gap
}

TEST_F(TextOverlayTest, LabelWiderThanTheRoomStartsAtTheRightBoundEvenIfNegative) {
    GameState.ui.hoverLabel = std::string(100, 'W');  // 800 px
    GameState.ui.mouseX = 320;
    GameState.ui.mouseY = 40;
    Overlay();
    auto calls = ColouredCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].x, 640 - 800 - 10);
    EXPECT_EQ(BoxOf(kWhite565).left, 0);  // clipped, not shifted
    EXPECT_EQ(BoxOf(kWhite565).right, 640 - 10 - 2);
}

TEST_F(TextOverlayTest, LabelHidesWhileAMessageShowsAndInThePhoneGame) {
    GameState.ui.hoverLabel = "Door";
    GameState.ui.mouseX = 300;
    GameState.ui.mouseY = 100;
    GameState.ui.messageLines[0] = "Locked.";
    Overlay();
    for (const auto& c : text.calls) EXPECT_NE(c.text, "Door");
    EXPECT_TRUE(BoxOf(kWhite565, 100, 300).Empty());

    GameState.ui.messageLines[0].clear();
    GameState.live.scene = 5;
    Overlay();
    for (const auto& c : text.calls) EXPECT_NE(c.text, "Door");

    GameState.ui.hoverLabel.clear();
    GameState.live.scene = 10;
    Overlay();
    EXPECT_TRUE(text.calls.empty());
}

TEST_F(TextOverlayTest, MessageLinesSit18PixelsApartCentredOnTheBlockMiddle) {
    GameState.ui.messageLines[0] = "AAAA";
    GameState.ui.messageLines[1] = "BBBBBBBB";
    GameState.ui.messageLines[2] = "CC";

    GameState.ui.messageLineCount = 0;
    Overlay();
    EXPECT_EQ(RowsWith(kWhite565), Range(416, 430));
    EXPECT_EQ(BoxOf(kWhite565).left, 320 - Width15("AAAA") / 2);

    GameState.ui.messageLineCount = 1;
    Overlay();
    std::set<int32_t> two = Range(407, 421);
    two.merge(Range(425, 439));
    EXPECT_EQ(RowsWith(kWhite565), two);
    EXPECT_EQ(BoxOf(kWhite565, 425, 439).left, 320 - Width15("BBBBBBBB") / 2);

    GameState.ui.messageLineCount = 2;
    Overlay();
    std::set<int32_t> three = Range(398, 412);
    three.merge(Range(416, 430));
    three.merge(Range(434, 448));
    EXPECT_EQ(RowsWith(kWhite565), three);
    EXPECT_EQ(BoxOf(kWhite565, 434, 448).left, 320 - Width15("CC") / 2);

    GameState.ui.messageLineCount = 3;
    Overlay();
    EXPECT_TRUE(text.calls.empty());

    GameState.ui.messageLineCount = 0;
    GameState.ui.originY = 65500;  // the row is taken as 16-bit unsigned: + 311 wraps to 275
    Overlay();
    EXPECT_EQ(RowsWith(kWhite565), Range(275, 289));
}

// The phone game's status line is its own: drawing it leaves the message
// lines alone, and a scene without the game draws nothing of it.
TEST_F(TextOverlayTest, PhoneGameLineDrawsItsOwnStatusAndNoMessage) {
    GameState.live.scene = 5;
    GameState.ui.messageLineCount = 0;
    for (const std::string shown : {"0", "57", "Oh, I missed that one."}) {
        GameState.phone.shooterStatus = shown;
        Overlay();
        auto calls = ColouredCalls();
        ASSERT_EQ(calls.size(), 1u) << shown;
        EXPECT_EQ(calls.back().text, shown);
        EXPECT_EQ(calls.back().y, 105 + 311);
        EXPECT_EQ(calls.back().x, 320 - Width15(shown) / 2);
        EXPECT_TRUE(GameState.ui.messageLines[0].empty()) << shown;
    }
    GameState.live.scene = 57;
    Overlay();
    EXPECT_TRUE(BoxOf(kWhite565).Empty());
}

// Drawing never changes the code: both views of the card show the code the
// first look settled, frame after frame.
TEST_F(TextOverlayTest, CardViewsShowTheSettledCodesTablesAndNeverChangeIt) {
    for (int32_t scene : {34, 35}) {
        GameState.live.scene = scene;
        uint8_t* code = GameState.live.progress.dialCode;
        code[0] = 4, code[1] = 7, code[2] = 2;
        for (int frame = 0; frame < 20; ++frame) {
            Frame();
            ASSERT_EQ(code[0], 4);
            ASSERT_EQ(code[1], 7);
            ASSERT_EQ(code[2], 2);
        }
        ASSERT_EQ(text.calls.size(), 21u);
        const int32_t columns[3] = {73, 203, 333};
        for (int t = 0; t < 3; ++t)
            for (int row = 0; row < 7; ++row) {
                const DrawCall& c = text.calls[t * 7 + row];
                EXPECT_EQ(c.x, 53 + columns[t]);
                EXPECT_EQ(c.y, 105 + 50 + 18 * row);
                EXPECT_EQ(c.height, 16);
                EXPECT_EQ(c.color, 0u);
                EXPECT_EQ(c.text, CodeTableRow(code[t], row));
            }
    }
    // The card's 16 px black font does not leak into the next frame's texts.
    GameState.live.scene = 10;
    GameState.ui.messageLines[0] = "x";
    Frame();
    ASSERT_EQ(ColouredCalls().size(), 1u);
    EXPECT_EQ(ColouredCalls()[0].height, 15);
    EXPECT_EQ(ColouredCalls()[0].color, kWhite);
}

TEST_F(TextOverlayTest, DamagedCodeDrawsOnlyTheTablesThatExistAndFramesEmptyTheScratchText) {
    GameState.live.scene = 35;
    uint8_t* code = GameState.live.progress.dialCode;
    code[0] = 0, code[1] = 12, code[2] = 3;
    GameState.scratchText = "left from a click";
    Frame();
    ASSERT_EQ(text.calls.size(), 7u);
    for (int row = 0; row < 7; ++row) EXPECT_EQ(text.calls[row].text, CodeTableRow(3, row));
    EXPECT_TRUE(GameState.scratchText.empty());
}

}  // namespace
