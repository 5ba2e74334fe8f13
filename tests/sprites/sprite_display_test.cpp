// sprite_display_test.cpp: the engine component's display binding and the
// picture sprites' stretched drawing on a headless display.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/image_catalogue.h"
#include "sprites/dx_sprite_engine.h"
#include "sprites/image_sprite.h"

namespace {

constexpr uint16_t kRed = RgbToRgb565(255, 0, 0);
constexpr uint16_t kBlue = RgbToRgb565(0, 0, 255);

// 4x2 picture cut into two 2x2 patterns: red, then blue.
DecodedPicture TwoPatterns() {
    DecodedPicture p;
    p.width = 4;
    p.height = 2;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) {
            bool left = x < 2;
            p.rgb.insert(p.rgb.end(), {uint8_t(left ? 255 : 0), 0, uint8_t(left ? 0 : 255)});
        }
    return p;
}

struct Display : ::testing::Test {
    HeadlessBackend backend;
    std::unique_ptr<TDXDraw> draw = std::make_unique<TDXDraw>(backend);
    TDXSpriteEngine sprites;
    TPictureCollection images;
    std::string error;

    void Start() {
        ASSERT_TRUE(draw->Initialize(DisplayMode{}, error)) << error;
        draw->Fill(0);
    }
};

}  // namespace

TEST_F(Display, SurfaceFollowsTheDisplayLifecycle) {
    sprites.SetDXDraw(draw.get());
    EXPECT_EQ(sprites.Engine().Surface, nullptr);
    new TImageSpriteEx(&sprites.Engine());
    sprites.Draw();  // not initialised: skipped
    EXPECT_EQ(sprites.Engine().DrawCount(), 0);

    Start();
    EXPECT_EQ(sprites.Engine().Surface, &draw->Surface());
    EXPECT_EQ(sprites.Engine().SurfaceRect, (TRect{0, 0, 640, 480}));
    EXPECT_EQ(sprites.Engine().Width, 640);
    sprites.Draw();
    EXPECT_EQ(sprites.Engine().DrawCount(), 1);  // no picture: counted, nothing painted

    draw->Finalize();
    EXPECT_EQ(sprites.Engine().Surface, nullptr);
    EXPECT_EQ(sprites.Engine().SurfaceRect, (TRect{0, 0, 640, 480}));
    sprites.Move(16);  // moving needs no display
    sprites.PurgeDead();

    draw.reset();
    EXPECT_EQ(sprites.DXDraw(), nullptr);
}

TEST_F(Display, BindingToAnInitialisedDisplaySetsTheSurfaceAtOnce) {
    Start();
    sprites.SetDXDraw(draw.get());
    EXPECT_EQ(sprites.Engine().Surface, &draw->Surface());
    sprites.SetDXDraw(nullptr);
    EXPECT_EQ(sprites.Engine().Surface, nullptr);
    draw->Finalize();  // no longer listening: nothing to report
    EXPECT_EQ(sprites.DXDraw(), nullptr);
}

TEST_F(Display, ImageSpriteStretchesItsPatternAtTheTruncatedPosition) {
    TPictureCollectionItem& item = images.AddPicture("duo", TwoPatterns(), 2, 2, false, 0);
    images.Bind(draw.get());
    sprites.SetDXDraw(draw.get());
    Start();

    auto* s = new TImageSpriteEx(&sprites.Engine());
    s->Image = &item;
    s->X = 10.7;
    s->Y = -0.5;
    s->Width = 4;
    s->Height = 6;
    s->AnimStart = 1;
    sprites.Draw();
    const Surface16& out = draw->Surface();
    EXPECT_EQ(out.Pixel(10, 0), kBlue);
    EXPECT_EQ(out.Pixel(13, 5), kBlue);
    EXPECT_EQ(out.Pixel(9, 0), 0);
    EXPECT_EQ(out.Pixel(14, 0), 0);
    EXPECT_EQ(out.Pixel(10, 6), 0);

    s->AnimStart = 0;
    s->X = -2;  // clipped by the blit, still drawn
    sprites.Draw();
    EXPECT_EQ(out.Pixel(0, 0), kRed);
    EXPECT_EQ(out.Pixel(1, 5), kRed);

    draw->Fill(0);
    s->AnimStart = 2;  // no such pattern: nothing drawn
    sprites.Draw();
    EXPECT_EQ(out.Pixel(0, 0), 0);
    EXPECT_EQ(sprites.Engine().DrawCount(), 1);
    sprites.Engine().Clear();
}

// The frame leaves uncleared only what the first sprite drawn will overwrite
// whole: a shown sprite with an opaque pattern that can be drawn.
TEST_F(Display, OnlyAShownOpaqueFirstSpriteCoversWhatItsDrawWillOverwrite) {
    TPictureCollectionItem& opaque = images.AddPicture("opaque", TwoPatterns(), 2, 2, false, 0);
    TPictureCollectionItem& keyed = images.AddPicture("keyed", TwoPatterns(), 2, 2, true, 0);
    DecodedPicture damaged = TwoPatterns();
    damaged.rgb.resize(5);  // fewer pixels than its size needs: cannot be drawn
    TPictureCollectionItem& broken = images.AddPicture("broken", damaged, 0, 0, false, 0);
    images.Bind(draw.get());
    sprites.SetDXDraw(draw.get());
    EXPECT_EQ(sprites.OpaqueUnderlay(), TRect{});  // no display yet
    Start();
    EXPECT_EQ(sprites.OpaqueUnderlay(), TRect{});  // no sprite

    auto* back = new TImageSpriteEx(&sprites.Engine());
    back->SetZ(1);
    back->Image = &opaque;
    back->X = 630;
    back->Y = 5;
    back->Width = 20;
    back->Height = 8;
    EXPECT_EQ(sprites.OpaqueUnderlay(), (TRect{630, 5, 640, 13}));  // clipped to the surface
    back->AnimStart = 2;  // no such pattern
    EXPECT_EQ(sprites.OpaqueUnderlay(), TRect{});
    back->AnimStart = 0;
    back->Visible = false;
    EXPECT_EQ(sprites.OpaqueUnderlay(), TRect{});
    back->Visible = true;
    for (TPictureCollectionItem* item : {&keyed, &broken}) {
        back->Image = item;
        EXPECT_EQ(sprites.OpaqueUnderlay(), TRect{}) << item->Name();
    }
    back->Image = &opaque;

    auto* front = new TImageSpriteEx(&sprites.Engine());  // in front of its equal: drawn first
    front->SetZ(1);
    front->Image = &keyed;
    front->Width = front->Height = 2;
    EXPECT_EQ(sprites.OpaqueUnderlay(), TRect{});
    front->SetZ(2);  // now drawn after the opaque one
    EXPECT_EQ(sprites.OpaqueUnderlay(), (TRect{630, 5, 640, 13}));
}
