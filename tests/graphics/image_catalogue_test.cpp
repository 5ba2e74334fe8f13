// image_catalogue_test.cpp: the catalogue: lookup by name, loading stored
// items, patterns, surfaces on a headless display, keyed and stretched
// drawing, and the colour table.
#include <gtest/gtest.h>

#include "tests/graphics/test_pictures.h"

using testpic::MakePicture;

namespace {
constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;  // 0xRRGGBB
constexpr int32_t kKeyRed = 0x0000FF;                                        // 0x00BBGGRR

DecodedPicture Solid(int32_t w, int32_t h, uint32_t rgb) {
    return MakePicture(w, h, [=](int32_t, int32_t) { return rgb; });
}

uint16_t Px(uint32_t rgb) {
    return RgbToRgb565(static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
                       static_cast<uint8_t>(rgb));
}

// A collection bound to a headless 640x480 display.
struct Scene {
    HeadlessBackend backend;
    TDXDraw display{backend};
    TPictureCollection images;

    void Start() {
        std::string error;
        ASSERT_TRUE(display.Initialize(DisplayMode{}, error)) << error;
        images.Bind(&display);
    }
    Surface16& Back() { return display.Surface(); }
};

// Counts back-buffer pixels that differ from `fill`.
int Changed(const Surface16& s, uint16_t fill) {
    int n = 0;
    for (uint16_t p : s.Pixels()) n += p != fill;
    return n;
}
}  // namespace

TEST(ImageCatalogue, FindIgnoresCaseAndLaterDuplicateWins) {
    TPictureCollection c;
    // inv200..inv205 share one hash bucket (same length, first and second-to-last letters).
    for (int i = 200; i <= 205; ++i) c.AddPicture("inv" + std::to_string(i), Solid(1, 1, 0), 0, 0, true, 0);
    c.AddPicture("img2", Solid(2, 2, 0), 0, 0, true, 0);
    c.AddPicture("INV204", Solid(3, 3, 0), 0, 0, true, 0);
    c.AddPicture("x", Solid(4, 4, 0), 0, 0, true, 0);
    c.AddPicture("", Solid(5, 5, 0), 0, 0, true, 0);

    EXPECT_EQ(c.IndexOf("inv201"), 1);
    EXPECT_EQ(c.IndexOf("inv205"), 5);
    EXPECT_EQ(&c.Find("IMG2"), &c.Items(6));
    EXPECT_EQ(c.Find("ImG2").Name(), "img2");
    EXPECT_EQ(c.IndexOf("inv204"), 7);  // the later of the two
    EXPECT_EQ(c.Find("Inv204").Picture().width, 3);
    EXPECT_EQ(c.Find("X").Index(), 8);
    EXPECT_EQ(c.IndexOf(""), 9);
    EXPECT_EQ(c.IndexOf("inv206"), -1);
    EXPECT_EQ(c.IndexOf("inv20"), -1);

    try {
        c.Find("scena99");
        FAIL() << "no error for a missing name";
    } catch (const EPictureCollectionError& e) {
        EXPECT_STREQ(e.what(), "Image 'scena99' not found");
    }

    c.Clear();
    EXPECT_EQ(c.Count(), 0);
    EXPECT_EQ(c.IndexOf("img2"), -1);
}

TEST(ImageCatalogue, LoadsStoredItemsInOrder) {
    const DecodedPicture grad = MakePicture(8, 4, [](int32_t x, int32_t y) { return x * 0x200000u + y * 0x4000u; });
    auto jpeg = testpic::EncodeJpeg(8, 4, grad.rgb);
    testpic::DibParts dib;
    dib.width = 2, dib.height = 1, dib.bpp = 4, dib.palette = {kRed, kGreen};
    dib.colorsUsed = 2, dib.bits = testpic::PackRows(2, 1, 4, {1, 0});
    std::vector<StoredPictureItem> stored = {
        testpic::StoredItem("scena0", "TJPEGImage", jpeg),
        testpic::StoredItem("kurzor-p", "TDIB", testpic::MakeDib(dib), true, 0, "clRed"),
        testpic::StoredItem("nic", "", {}, true, 0, "clBlack"),
        testpic::StoredItem("drat", "TDIB", {}, true, 0x00FF00FF),
    };
    stored[0].patternWidth = 4;
    std::string error;
    TPictureCollection c;
    ASSERT_TRUE(c.LoadFromContainer(WritePictureContainer(stored), error)) << error;
    ASSERT_EQ(c.Count(), 4);

    const auto& scene = c.Items(0);
    EXPECT_EQ(scene.StoredKind(), "TJPEGImage");
    EXPECT_EQ(scene.Width(), 4);
    EXPECT_EQ(scene.Height(), 4);
    EXPECT_FALSE(scene.Transparent());

    const auto& cursor = c.Find("KURZOR-P");
    EXPECT_EQ(cursor.StoredKind(), "TDIB");
    EXPECT_EQ(cursor.Picture().bitsPerPixel, 4);
    HeadlessBackend backend;
    TDXDraw display{backend};
    ASSERT_TRUE(display.Initialize(DisplayMode{}, error)) << error;
    c.Bind(&display);
    cursor.StretchDraw(display.Surface(), Bounds(0, 0, 2, 1), 0);
    EXPECT_EQ(cursor.Surface().Pixel(0, 0), RgbToRgb565(kGreen >> 16, (kGreen >> 8) & 0xFF, kGreen & 0xFF));
    EXPECT_EQ(cursor.ColorIdentifier(), "clRed");
    EXPECT_EQ(cursor.TransparentColor(), kKeyRed);

    const auto& nic = c.Find("nic");
    EXPECT_EQ(nic.Width(), 0);
    EXPECT_EQ(nic.Height(), 0);
    EXPECT_EQ(nic.StoredKind(), "");
    EXPECT_TRUE(nic.Picture().Empty());

    const auto& drat = c.Items(3);  // an empty DIB stream is an empty picture
    EXPECT_TRUE(drat.Picture().Empty());
    EXPECT_EQ(drat.TransparentColor(), 0x00FF00FF);
    EXPECT_EQ(drat.ColorIdentifier(), "");
}

TEST(ImageCatalogue, DamagedItemIsNamedAndNothingIsLoaded) {
    testpic::DibParts dib;
    dib.width = 2, dib.height = 2, dib.bpp = 8, dib.colorsUsed = 1, dib.palette = {kRed};
    dib.bits = {0, 0, 0, 0, 0, 0, 0, 0};
    auto good = testpic::MakeDib(dib);
    auto cut = good;
    cut.resize(cut.size() - 6);

    struct Case {
        StoredPictureItem bad;
        const char* expect;
    };
    StoredPictureItem unknown = testpic::StoredItem("odd", "TPNGImage", good);
    StoredPictureItem bareClass;
    bareClass.name = "half";
    bareClass.pictureData = {10, 'T', 'J'};
    const Case cases[] = {
        {testpic::StoredItem("tyc", "TDIB", cut), "'tyc': DIB is invalid"},
        {testpic::StoredItem("fotka", "TJPEGImage", std::vector<uint8_t>(50, 7)), "'fotka': JPEG is invalid"},
        {unknown, "'odd': unknown picture class 'TPNGImage'"},
        {bareClass, "'half': picture data is damaged"},
    };
    for (const auto& cs : cases) {
        std::vector<StoredPictureItem> stored = {testpic::StoredItem("ok", "TDIB", good), cs.bad};
        TPictureCollection c;
        std::string error;
        EXPECT_FALSE(c.LoadFromContainer(WritePictureContainer(stored), error));
        EXPECT_NE(error.find("item 1"), std::string::npos) << error;
        EXPECT_NE(error.find(cs.expect), std::string::npos) << error;
        EXPECT_EQ(c.Count(), 0);
        EXPECT_EQ(c.IndexOf("ok"), -1);
    }
}

TEST(ImageCatalogue, PatternsAreCutRowMajor) {
    Scene s;
    // "nepritel": 34x17, patterns 17x17. Left half green, right half blue.
    auto& enemy = s.images.AddPicture("nepritel",
        MakePicture(34, 17, [](int32_t x, int32_t) { return x < 17 ? kGreen : kBlue; }), 17, 17, true, kKeyRed);
    auto& gear = s.images.AddPicture("ozub", Solid(140, 35, kGreen), 35, 35, true, 0);
    auto& grid = s.images.AddPicture("grid", Solid(75, 70, kGreen), 35, 35, true, 0);
    auto& whole = s.images.AddPicture("scena7", Solid(53, 27, kGreen), 0, 0, false, 0);
    auto& huge = s.images.AddPicture("huge", Solid(10, 10, kGreen), 20, 5, false, 0);
    auto& nic = s.images.AddPicture("nic", DecodedPicture{}, 0, 0, true, 0);
    EXPECT_EQ(enemy.PatternCount(), 0);  // no surfaces before the display exists
    EXPECT_FALSE(enemy.Initialized());

    s.Start();
    EXPECT_EQ(enemy.PatternCount(), 2);
    EXPECT_EQ(enemy.PatternRect(1), Bounds(17, 0, 17, 17));
    EXPECT_EQ(enemy.PatternRect(2), TRect{});
    EXPECT_EQ(gear.PatternCount(), 4);
    EXPECT_EQ(gear.PatternRect(3), Bounds(105, 0, 35, 35));
    EXPECT_EQ(grid.PatternCount(), 4);  // the 5-pixel rest of a row holds no pattern
    EXPECT_EQ(grid.PatternRect(2), Bounds(0, 35, 35, 35));
    EXPECT_EQ(whole.PatternCount(), 1);
    EXPECT_EQ(whole.PatternRect(0), Bounds(0, 0, 53, 27));
    EXPECT_EQ(huge.PatternCount(), 0);  // wider than the picture
    EXPECT_EQ(nic.PatternCount(), 0);

    // Index 1 draws the right half; index 2 and -1 draw nothing.
    Surface16& back = s.Back();
    back.Fill(0);
    enemy.StretchDraw(back, Bounds(100, 50, 17, 17), 2);
    enemy.StretchDraw(back, Bounds(100, 50, 17, 17), -1);
    nic.StretchDraw(back, Bounds(100, 50, 17, 17), 0);
    EXPECT_EQ(Changed(back, 0), 0);
    enemy.StretchDraw(back, Bounds(100, 50, 17, 17), 1);
    EXPECT_EQ(Changed(back, 0), 17 * 17);
    EXPECT_EQ(back.Pixel(100, 50), Px(kBlue));
    EXPECT_EQ(back.Pixel(116, 66), Px(kBlue));
}

TEST(ImageCatalogue, DrawsNothingWithoutDisplayOrSpace) {
    Scene s;
    auto& pic = s.images.AddPicture("p0", Solid(8, 8, kGreen), 0, 0, false, 0);
    Surface16 dest(20, 20);
    pic.StretchDraw(dest, Bounds(0, 0, 8, 8), 0);  // never initialised
    EXPECT_EQ(Changed(dest, 0), 0);

    s.Start();
    pic.StretchDraw(dest, TRect{5, 5, 5, 9}, 0);  // empty destination
    pic.StretchDraw(dest, TRect{5, 5, 2, 9}, 0);  // reversed destination
    Surface16 none;
    pic.StretchDraw(none, Bounds(0, 0, 8, 8), 0);
    EXPECT_EQ(Changed(dest, 0), 0);
    pic.StretchDraw(dest, Bounds(15, 15, 8, 8), 0);  // clipped to the surface
    EXPECT_EQ(Changed(dest, 0), 25);

    // Finalised: surfaces gone, drawing does nothing; initialising again rebuilds.
    s.display.Finalize();
    EXPECT_FALSE(pic.Initialized());
    EXPECT_EQ(pic.PatternCount(), 0);
    dest.Fill(0);
    pic.StretchDraw(dest, Bounds(0, 0, 8, 8), 0);
    EXPECT_EQ(Changed(dest, 0), 0);
    std::string error;
    ASSERT_TRUE(s.display.Initialize(DisplayMode{}, error));
    EXPECT_TRUE(pic.Initialized());
    EXPECT_EQ(pic.PatternCount(), 1);

    // Items added while initialised get their surface at once.
    auto& late = s.images.AddPicture("late", Solid(4, 4, kRed), 0, 0, false, 0);
    late.StretchDraw(dest, Bounds(0, 0, 4, 4), 0);
    EXPECT_EQ(dest.Pixel(3, 3), Px(kRed));
}

TEST(ImageCatalogue, InitialiseNeedsAnInitialisedDisplay) {
    TPictureCollection c;
    c.AddPicture("a", Solid(2, 2, kRed), 0, 0, false, 0);
    try {
        c.Initialize();
        FAIL() << "initialised without a display";
    } catch (const EPictureCollectionError& e) {
        EXPECT_STREQ(e.what(), "TPictureCollection cannot be initialized");
    }
    HeadlessBackend backend;
    TDXDraw display(backend);
    c.Bind(&display);  // bound but the display is not initialised
    EXPECT_THROW(c.Initialize(), EPictureCollectionError);
    EXPECT_EQ(c.Items(0).PatternCount(), 0);
    c.Bind(nullptr);
}

TEST(ImageCatalogue, DisplayDestroyedFirstLeavesCollectionUsable) {
    TPictureCollection c;
    auto& a = c.AddPicture("a", Solid(2, 2, kRed), 0, 0, false, 0);
    {
        HeadlessBackend backend;
        TDXDraw display(backend);
        std::string error;
        ASSERT_TRUE(display.Initialize(DisplayMode{}, error));
        c.Bind(&display);
        EXPECT_EQ(a.PatternCount(), 1);
    }
    EXPECT_FALSE(c.Initialized());
    EXPECT_EQ(a.PatternCount(), 0);
    Surface16 dest(4, 4);
    a.StretchDraw(dest, Bounds(0, 0, 2, 2), 0);
    EXPECT_EQ(Changed(dest, 0), 0);
}

TEST(ImageCatalogue, ColourKeyComparesDisplayPixels) {
    Scene s;
    // Pure red, a red that reduces to the same 16-bit value, a red that does not, green.
    const uint32_t colours[4] = {0xFF0000, 0xFA0203, 0xFF0400, kGreen};
    auto pic = MakePicture(4, 1, [&](int32_t x, int32_t) { return colours[x]; }, true, 8);
    auto& keyed = s.images.AddPicture("inv200", pic, 0, 0, true, kKeyRed);
    auto& opaque = s.images.AddPicture("empty", pic, 0, 0, false, kKeyRed);
    auto& black = s.images.AddPicture("ozub", MakePicture(2, 1, [](int32_t x, int32_t) { return x ? kRed : 0u; }),
                                      0, 0, true, 0x000000);
    s.Start();
    Surface16& back = s.Back();
    const uint16_t fill = Px(kBlue);
    back.Fill(fill);
    keyed.StretchDraw(back, Bounds(0, 0, 4, 1), 0);
    EXPECT_EQ(back.Pixel(0, 0), fill);
    EXPECT_EQ(back.Pixel(1, 0), fill);
    EXPECT_EQ(back.Pixel(2, 0), Px(0xFF0400));
    EXPECT_EQ(back.Pixel(3, 0), Px(kGreen));

    opaque.StretchDraw(back, Bounds(0, 1, 4, 1), 0);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(back.Pixel(x, 1), Px(colours[x])) << x;

    black.StretchDraw(back, Bounds(0, 2, 2, 1), 0);
    EXPECT_EQ(back.Pixel(0, 2), fill);
    EXPECT_EQ(back.Pixel(1, 2), Px(kRed));
}

TEST(ImageCatalogue, StretchDrawScalesSceneIntoThumbnail) {
    Scene s;
    // 535x270 in four quadrants with a one-pixel white frame.
    auto quadrants = [](int32_t x, int32_t y) -> uint32_t {
        if (x == 0 || y == 0 || x == 534 || y == 269) return 0xFFFFFF;
        return x < 267 ? (y < 135 ? kRed : kGreen) : (y < 135 ? kBlue : 0xFFFF00u);
    };
    auto& scene = s.images.AddPicture("scena7", MakePicture(535, 270, quadrants), 0, 0, false, 0);
    s.Start();
    Surface16& back = s.Back();
    back.Fill(0);
    scene.StretchDraw(back, Bounds(300, 200, 68, 34), 0);
    EXPECT_EQ(Changed(back, 0), 68 * 34);
    EXPECT_EQ(back.Pixel(301, 201), Px(kRed));
    EXPECT_EQ(back.Pixel(366, 201), Px(kBlue));
    EXPECT_EQ(back.Pixel(301, 232), Px(kGreen));
    EXPECT_EQ(back.Pixel(366, 232), Px(0xFFFF00));
    EXPECT_EQ(back.Pixel(333, 216), Px(kRed));  // just left of and above the middle
    EXPECT_EQ(back.Pixel(334, 217), Px(0xFFFF00));
    EXPECT_EQ(back.Pixel(299, 200), 0);
    EXPECT_EQ(back.Pixel(368, 234), 0);

    // Partly off the back buffer: the visible part only.
    back.Fill(0);
    scene.StretchDraw(back, Bounds(-34, 463, 68, 34), 0);
    EXPECT_EQ(Changed(back, 0), 34 * 17);
    EXPECT_EQ(back.Pixel(0, 479), Px(kBlue));  // right half, upper half of the picture
}

TEST(ImageCatalogue, ColourTableOffersPalettesInOrder) {
    TPictureCollection c;
    auto palPic = [](std::vector<uint32_t> pal, int bpp) {
        DecodedPicture p = Solid(1, 1, 0);
        p.isDib = true;
        p.bitsPerPixel = bpp;
        p.palette = std::move(pal);
        return p;
    };
    const uint32_t a = 0x102030, b = 0x405060, cc = 0x708090;
    c.AddPicture("first", palPic({a, b, a, 0xFFFFFF, 0x808080}, 8), 0, 0, true, 0);
    c.AddPicture("photo", Solid(2, 2, 0x123456), 0, 0, false, 0);  // no palette: skipped
    c.AddPicture("nic", DecodedPicture{}, 0, 0, true, 0);
    c.AddPicture("second", palPic({b, cc}, 4), 0, 0, true, 0);
    c.BuildColorTable();

    auto entry = [&](int i) {
        const uint8_t* e = &c.ColorTable[i * 4];
        return (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0] | (uint32_t{e[3]} << 24);
    };
    const uint32_t fixed[16][2] = {{0, 0x000000}, {1, 0x800000}, {2, 0x008000}, {3, 0x808000},
                                   {4, 0x000080}, {5, 0x800080}, {6, 0x008080}, {7, 0xC0C0C0},
                                   {248, 0x808080}, {249, 0xFF0000}, {250, 0x00FF00}, {251, 0xFFFF00},
                                   {252, 0x0000FF}, {253, 0xFF00FF}, {254, 0x00FFFF}, {255, 0xFFFFFF}};
    for (const auto& f : fixed) EXPECT_EQ(entry(f[0]), f[1]) << "entry " << f[0];
    EXPECT_EQ(c.ColorTable[9 * 4 + 0], 0x60);  // blue byte first
    EXPECT_EQ(entry(8), a);
    EXPECT_EQ(entry(9), b);
    EXPECT_EQ(entry(10), cc);
    EXPECT_EQ(entry(11), 0u);

    // Filling up: 232 new colours fill 8..239, the next item gets 8 of its 12, the rest is dropped.
    TPictureCollection full;
    std::vector<uint32_t> many, more;
    for (uint32_t i = 0; i < 232; ++i) many.push_back(0x010000 * (i + 1) + 0x11);
    for (uint32_t i = 0; i < 12; ++i) more.push_back(0x000100 * (i + 1) + 0x22);
    full.AddPicture("a", palPic(many, 8), 0, 0, true, 0);
    full.AddPicture("b", palPic(more, 8), 0, 0, true, 0);
    full.AddPicture("c", palPic({0x333333}, 8), 0, 0, true, 0);
    full.BuildColorTable();
    auto fentry = [&](int i) {
        const uint8_t* e = &full.ColorTable[i * 4];
        return (uint32_t{e[2]} << 16) | (uint32_t{e[1]} << 8) | e[0];
    };
    EXPECT_EQ(fentry(8), many[0]);
    EXPECT_EQ(fentry(239), many[231]);
    EXPECT_EQ(fentry(240), more[0]);
    EXPECT_EQ(fentry(247), more[7]);
    EXPECT_EQ(fentry(248), 0x808080u);
    for (int i = 0; i < 256; ++i) EXPECT_NE(fentry(i), 0x333333u);
}
