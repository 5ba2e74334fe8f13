// embedded_catalogue_test.cpp: the catalogue over the pictures built into
// the program: lookups, pattern counts and drawing behave as the game needs
// them on the real data.
#include <gtest/gtest.h>

#include "graphics/embedded_pictures.h"
#include "tests/graphics/test_pictures.h"

namespace {
class EmbeddedCatalogue : public ::testing::Test {
protected:
    void SetUp() override {
        std::string error;
        ASSERT_TRUE(images.LoadFromContainer(EmbeddedPictureData(), error)) << error;
        ASSERT_TRUE(display.Initialize(DisplayMode{}, error)) << error;
        images.Bind(&display);
    }

    HeadlessBackend backend;
    TDXDraw display{backend};
    TPictureCollection images;
};

// The stored item at `index`, decoded whole into 24 bits the way the catalogue
// once did at start-up.
DecodedPicture EagerPicture(int32_t index) {
    std::vector<StoredPictureItem> stored;
    std::string error, kind;
    DecodedPicture pic;
    std::span<const uint8_t> payload;
    EXPECT_TRUE(ReadPictureContainer(EmbeddedPictureData(), stored, error)) << error;
    const auto& data = stored.at(static_cast<size_t>(index)).pictureData;
    if (data.empty() || !SplitPictureData(data, kind, payload) || payload.empty()) return pic;
    const bool ok = kind == "TDIB" ? DecodeDib(payload, pic, error) : DecodeJpeg(payload, pic, error);
    EXPECT_TRUE(ok) << error;
    return pic;
}

// Draws the item's first pattern somewhere, which decodes it.
void DrawOnce(const TPictureCollectionItem& item, Surface16& back) {
    item.StretchDraw(back, Bounds(0, 0, item.Width(), item.Height()), 0);
}
}  // namespace

TEST_F(EmbeddedCatalogue, LookupsAndPatternCounts) {
    EXPECT_EQ(images.Count(), 215);
    EXPECT_EQ(images.IndexOf("inv204"), 83);
    EXPECT_EQ(images.IndexOf("INV204"), 83);
    EXPECT_EQ(images.Items(60).Name(), "inv204");
    EXPECT_EQ(images.Find("IMG2").Name(), "img2");

    const auto& nic = images.Find("nic");
    EXPECT_EQ(nic.Width(), 0);
    EXPECT_EQ(nic.Height(), 0);
    EXPECT_EQ(nic.PatternCount(), 0);
    EXPECT_EQ(images.Find("ozub").PatternCount(), 4);
    EXPECT_EQ(images.Find("nepritel").PatternCount(), 2);
    EXPECT_EQ(images.Find("scena82").PatternCount(), 1);
    EXPECT_THROW(images.Find("scena19"), EPictureCollectionError);

    // Every picture has surfaces: each pattern is drawable.
    for (int32_t i = 0; i < images.Count(); ++i) {
        const auto& item = images.Items(i);
        if (item.Name() == "nic") continue;
        EXPECT_GE(item.PatternCount(), 1) << item.Name();
        EXPECT_FALSE(item.PatternRect(item.PatternCount() - 1).IsEmpty()) << item.Name();
    }
}

TEST_F(EmbeddedCatalogue, EnemyPatternsAndSceneThumbnail) {
    const auto& enemy = images.Find("nepritel");
    Surface16& back = display.Surface();
    back.Fill(0);
    enemy.StretchDraw(back, Bounds(10, 10, 17, 17), 2);
    for (uint16_t p : back.Pixels()) ASSERT_EQ(p, 0);

    // Index 1 on an opaque ground equals the right half of the picture, keyed pixels left out.
    const uint16_t ground = ColorToRgb565(0x00FF00);
    back.Fill(ground);
    enemy.StretchDraw(back, Bounds(10, 10, 17, 17), 1);
    const DecodedPicture pic = EagerPicture(enemy.Index());
    const uint16_t key = ColorToRgb565(static_cast<uint32_t>(enemy.TransparentColor()));
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x) {
            const uint32_t c = testpic::RgbAt(pic, 17 + x, y);
            const uint16_t src = RgbToRgb565(c >> 16, (c >> 8) & 0xFF, c & 0xFF);
            ASSERT_EQ(back.Pixel(10 + x, 10 + y), src == key ? ground : src) << x << "," << y;
        }

    // "scena7" shrunk to a save-slot thumbnail fills exactly its 68x34 rectangle.
    back.Fill(0);
    images.Find("scena7").StretchDraw(back, Bounds(100, 100, 68, 34), 0);
    int outside = 0;
    for (int y = 0; y < back.Height(); ++y)
        for (int x = 0; x < back.Width(); ++x)
            if (x < 100 || x >= 168 || y < 100 || y >= 134) outside += back.Pixel(x, y) != 0;
    EXPECT_EQ(outside, 0);
    const DecodedPicture scene = EagerPicture(images.Find("scena7").Index());
    const uint32_t c = testpic::RgbAt(scene, 3, 3);  // the thumbnail's first pixel samples (3, 3)
    EXPECT_EQ(back.Pixel(100, 100), RgbToRgb565(c >> 16, (c >> 8) & 0xFF, c & 0xFF));
}

TEST_F(EmbeddedCatalogue, ColourTableTakesItemPalettes) {
    images.BuildColorTable();
    // The first palettised item in catalogue order is "inv200" (position 46):
    // each of its colours is now somewhere in the table.
    const auto& first = images.Items(46);
    ASSERT_TRUE(first.Picture().isDib);
    ASSERT_FALSE(first.Picture().palette.empty());
    for (uint32_t c : first.Picture().palette) {
        bool found = false;
        for (int i = 0; i < 256 && !found; ++i) {
            const uint8_t* e = &images.ColorTable[i * 4];
            found = e[2] == (c >> 16 & 0xFF) && e[1] == (c >> 8 & 0xFF) && e[0] == (c & 0xFF);
        }
        EXPECT_TRUE(found) << std::hex << c;
    }
}

TEST_F(EmbeddedCatalogue, PicturesDecodeOnFirstDrawExactlyAsWholeDecodingAtStartDid) {
    Surface16& back = display.Surface();
    images.SetCacheBudget(SIZE_MAX);
    for (int32_t i = 0; i < images.Count(); ++i) {
        const auto& item = images.Items(i);
        EXPECT_TRUE(item.Surface().Empty()) << item.Name() << " decoded before its first draw";
        const DecodedPicture eager = EagerPicture(i);
        if (eager.Empty()) continue;
        DrawOnce(item, back);
        const Surface16& lazy = item.Surface();
        ASSERT_EQ(lazy.Width(), eager.width) << item.Name();
        ASSERT_EQ(lazy.Height(), eager.height) << item.Name();
        size_t differing = 0;
        for (int32_t y = 0; y < eager.height; ++y)
            for (int32_t x = 0; x < eager.width; ++x) {
                const uint32_t c = testpic::RgbAt(eager, x, y);
                differing += lazy.Pixel(x, y) != RgbToRgb565(c >> 16, (c >> 8) & 0xFF, c & 0xFF);
            }
        EXPECT_EQ(differing, 0u) << item.Name();
        // Tools still get the whole 24-bit picture, with its palette.
        EXPECT_EQ(item.Picture().rgb, eager.rgb) << item.Name();
        EXPECT_EQ(item.Picture().palette, eager.palette) << item.Name();
    }
    std::string error;
    EXPECT_TRUE(images.CheckAllPictures(error)) << error;
}

TEST_F(EmbeddedCatalogue, DecodedPicturesStayWithinTheCacheBudgetAndAreDecodedAgainWhenDropped) {
    Surface16& back = display.Surface();
    const size_t budget = 1u << 20;  // three scenes and some small pictures
    images.SetCacheBudget(budget);
    const uint64_t before = images.Decodes();
    for (int round = 0; round < 2; ++round)
        for (int32_t i = 0; i < images.Count(); ++i) {
            DrawOnce(images.Items(i), back);
            ASSERT_LE(images.CacheBytes(), budget) << images.Items(i).Name();
        }
    const uint64_t drawn = images.Decodes() - before;
    EXPECT_EQ(drawn, 2u * static_cast<uint64_t>(images.Count() - 1));  // every picture but "nic", decoded again in the second round

    // Drawing the newest pictures again decodes nothing: they are still kept.
    const uint64_t kept = images.Decodes();
    DrawOnce(images.Items(images.Count() - 1), back);
    DrawOnce(images.Items(images.Count() - 2), back);
    EXPECT_EQ(images.Decodes(), kept);

    // A budget smaller than one scene still draws it (the drawn picture is kept).
    images.SetCacheBudget(1000);
    EXPECT_EQ(images.CacheBytes(), 0u);
    back.Fill(0);
    images.Find("scena7").StretchDraw(back, Bounds(0, 0, 535, 270), 0);
    EXPECT_NE(back.Pixel(100, 100), 0);
    EXPECT_EQ(images.CacheBytes(), 535u * 270 * 2);

    // A new display mode drops every surface; they come back on their next draw.
    display.Finalize();
    EXPECT_EQ(images.CacheBytes(), 0u);
}

// The game's own pictures are read in place; any other container is copied,
// so its bytes may go away after loading (under ASan a missing copy would be
// a use after free).
TEST_F(EmbeddedCatalogue, LastingBytesAreReadInPlaceAndOtherBytesAreCopied) {
    std::string error;
    TPictureCollection inPlace, copied;
    ASSERT_TRUE(inPlace.LoadFromContainer(EmbeddedPictureData(), error, true)) << error;
    {
        const auto bytes = EmbeddedPictureData();
        std::vector<uint8_t> shortLived(bytes.begin(), bytes.end());
        ASSERT_TRUE(copied.LoadFromContainer(shortLived, error)) << error;
    }
    inPlace.Bind(&display);
    copied.Bind(&display);
    images.SetCacheBudget(SIZE_MAX);
    ASSERT_EQ(inPlace.Count(), images.Count());
    ASSERT_EQ(copied.Count(), images.Count());
    for (int32_t i = 0; i < images.Count(); ++i) {
        Surface16& back = display.Surface();
        DrawOnce(images.Items(i), back);
        DrawOnce(inPlace.Items(i), back);
        DrawOnce(copied.Items(i), back);
        ASSERT_EQ(inPlace.Items(i).Surface().Pixels().size(), images.Items(i).Surface().Pixels().size());
        ASSERT_EQ(copied.Items(i).Surface().Pixels().size(), images.Items(i).Surface().Pixels().size());
        EXPECT_TRUE(std::equal(inPlace.Items(i).Surface().Pixels().begin(),
                               inPlace.Items(i).Surface().Pixels().end(),
                               images.Items(i).Surface().Pixels().begin()))
            << images.Items(i).Name();
        EXPECT_TRUE(std::equal(copied.Items(i).Surface().Pixels().begin(),
                               copied.Items(i).Surface().Pixels().end(),
                               images.Items(i).Surface().Pixels().begin()))
            << images.Items(i).Name();
    }
    inPlace.Bind(nullptr);
    copied.Bind(nullptr);
}
