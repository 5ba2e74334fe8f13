// assetc_build_test.cpp: the asset compiler end to end on small sources.
//
// Builds tiny manifests with hand-written SVGs and reads the container back
// the way the game does: stored kinds and sizes, exact scaling of the viewBox,
// the key colour exactly where the SVG is empty, no drawn pixel that the
// display would take for the key, and all-or-nothing failure.
#include <gtest/gtest.h>

#include "graphics/image_catalogue.h"
#include "graphics/picture_container.h"
#include "graphics/surface16.h"
#include "tests/tools/assetc_test_support.h"

using namespace assetc_test;

namespace {

struct Pixel {
    uint8_t r, g, b;
};

Pixel At(const DecodedPicture& p, int x, int y) {
    const uint8_t* c = p.rgb.data() + (static_cast<size_t>(y) * p.width + x) * 3;
    return Pixel{c[0], c[1], c[2]};
}

bool IsColour(Pixel p, uint8_t r, uint8_t g, uint8_t b) { return p.r == r && p.g == g && p.b == b; }

// Pixels that the 16-bit display would take for the key although they are not it.
int StrayKeyPixels(const DecodedPicture& p, uint8_t r, uint8_t g, uint8_t b) {
    int strays = 0;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            Pixel c = At(p, x, y);
            if (RgbToRgb565(c.r, c.g, c.b) == RgbToRgb565(r, g, b) && !IsColour(c, r, g, b)) ++strays;
        }
    return strays;
}

DecodedPicture Decode(const StoredPictureItem& item, std::string& cls) {
    std::span<const uint8_t> payload;
    DecodedPicture pic;
    std::string error;
    EXPECT_TRUE(SplitPictureData(item.pictureData, cls, payload)) << item.name;
    bool ok = cls == "TJPEGImage" ? DecodeJpeg(payload, pic, error) : DecodeDib(payload, pic, error);
    EXPECT_TRUE(ok) << item.name << ": " << error;
    return pic;
}

// An opaque photo, a keyed icon drawn at a fifth of its viewBox in near-key
// red, a wire drawn in the key colour itself in a viewBox twice as wide as
// the picture, a 16-colour gradient keyed white, and a tiny keyed dot.
const char* kPhoto =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="30" viewBox="0 0 40 30">
<rect width="40" height="30" fill="#3366cc"/><circle cx="20" cy="15" r="8" fill="#ffcc00"/></svg>)svg";
const char* kIcon =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 100">
<rect width="100" height="20" fill="#00ff00" fill-opacity="0.3"/>
<circle cx="50" cy="55" r="30" fill="#fb0202"/></svg>)svg";
const char* kWire =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 22 34">
<rect width="10" height="34" fill="#ff0000"/></svg>)svg";
const char* kGradient =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 64 16">
<defs><linearGradient id="g"><stop offset="0" stop-color="#000000"/>
<stop offset="1" stop-color="#ffffff"/></linearGradient></defs>
<rect x="0" y="4" width="64" height="8" fill="url(#g)"/></svg>)svg";
const char* kDot =
    R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 5 5">
<circle cx="2.5" cy="2.5" r="1.6" fill="#00fa00"/></svg>)svg";

class AssetcBuild : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(dir.path().empty());
        std::filesystem::create_directory(dir / "pictures");
        WriteText(dir / "pictures/photo.svg", kPhoto);
        WriteText(dir / "pictures/icon.svg", kIcon);
        WriteText(dir / "pictures/wire.svg", kWire);
        WriteText(dir / "pictures/gradient.svg", kGradient);
        WriteText(dir / "pictures/dot.svg", kDot);
        WriteText(dir / "manifest.tsv",
                  Manifest({"0\tphoto\t40\t30\t0\t0\tjpeg\t0\tclBlack\tphoto.svg",
                            "1\ticon\t20\t20\t10\t20\tdib8\t1\tclRed\ticon.svg",
                            "2\tnothing\t0\t0\t0\t0\tnone\t1\tclBlack\t",
                            "3\twire\t11\t34\t0\t0\tdib16bf\t1\tclRed\twire.svg",
                            "4\tgradient\t64\t16\t0\t0\tdib4\t1\tclWhite\tgradient.svg",
                            "5\tdot\t5\t5\t0\t0\tdib24\t1\t0x00FF00\tdot.svg"}));
    }

    // Runs the build; true when it succeeded and the container reads back.
    bool Build(std::vector<StoredPictureItem>& items) {
        std::string log, error;
        int rc = RunAssetc("build " + (dir / "manifest.tsv") + " " + (dir / "pictures") + " " +
                               (dir / "out.container"), log, dir);
        EXPECT_EQ(rc, 0) << log;
        return rc == 0 && ReadPictureContainer(ReadBytes(dir / "out.container"), items, error);
    }

    ScratchDir dir;
};

}  // namespace

TEST_F(AssetcBuild, StoresEachKindAtItsSizeWithItsRecord) {
    std::vector<StoredPictureItem> items;
    ASSERT_TRUE(Build(items));
    ASSERT_EQ(items.size(), 6u);
    const char* classes[] = {"TJPEGImage", "TDIB", "", "TDIB", "TDIB", "TDIB"};
    const int bits[] = {24, 8, 0, 16, 4, 24};
    const int sizes[][2] = {{40, 30}, {20, 20}, {0, 0}, {11, 34}, {64, 16}, {5, 5}};
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(items[i].name);
        if (i == 2) {
            EXPECT_TRUE(items[i].pictureData.empty());
            continue;
        }
        std::string cls;
        DecodedPicture pic = Decode(items[i], cls);
        EXPECT_EQ(cls, classes[i]);
        EXPECT_EQ(pic.bitsPerPixel, bits[i]);
        EXPECT_EQ(pic.width, sizes[i][0]);
        EXPECT_EQ(pic.height, sizes[i][1]);
    }
    EXPECT_EQ(items[1].patternWidth, 10);
    EXPECT_EQ(items[1].patternHeight, 20);
    EXPECT_EQ(items[1].colorIdentifier, "clRed");
    EXPECT_EQ(items[5].colorIdentifier, "");
    EXPECT_EQ(items[5].transparentColor, 0x00FF00);
    EXPECT_FALSE(items[0].transparent);
    std::string cls;
    Pixel corner = At(Decode(items[0], cls), 1, 1);
    EXPECT_NEAR(corner.r, 0x33, 6);
    EXPECT_NEAR(corner.g, 0x66, 6);
    EXPECT_NEAR(corner.b, 0xCC, 6);
}

TEST_F(AssetcBuild, KeyFillsTheEmptyAreaAndNoDrawnPixelTurnsIntoIt) {
    std::vector<StoredPictureItem> items;
    ASSERT_TRUE(Build(items));
    std::string cls;
    // The icon: the faint band at the top and the corners are key, the
    // near-red disc is drawn but moved off the key.
    DecodedPicture icon = Decode(items[1], cls);
    EXPECT_NE(std::find(icon.palette.begin(), icon.palette.end(), 0xFF0000u), icon.palette.end());
    for (int x = 0; x < 20; ++x) EXPECT_TRUE(IsColour(At(icon, x, 1), 255, 0, 0)) << x;
    EXPECT_TRUE(IsColour(At(icon, 0, 19), 255, 0, 0));
    Pixel centre = At(icon, 10, 11);
    EXPECT_NE(RgbToRgb565(centre.r, centre.g, centre.b), 0xF800);
    EXPECT_GT(centre.r, 200);
    EXPECT_EQ(StrayKeyPixels(icon, 255, 0, 0), 0);
    // The wire: its viewBox is squeezed into half the width, so the drawn
    // band covers x 0..4 and the rest is key; drawn in the key colour itself,
    // it still shows.
    DecodedPicture wire = Decode(items[3], cls);
    for (int y = 0; y < 34; ++y) {
        for (int x = 0; x < 5; ++x) EXPECT_NE(RgbToRgb565(At(wire, x, y).r, At(wire, x, y).g, At(wire, x, y).b), 0xF800);
        for (int x = 6; x < 11; ++x) EXPECT_TRUE(IsColour(At(wire, x, y), 255, 0, 0)) << x << "," << y;
    }
    // The gradient: 16 colours at most, white exact, and its white end kept visible.
    DecodedPicture gradient = Decode(items[4], cls);
    EXPECT_LE(gradient.palette.size(), 16u);
    EXPECT_NE(std::find(gradient.palette.begin(), gradient.palette.end(), 0xFFFFFFu), gradient.palette.end());
    EXPECT_TRUE(IsColour(At(gradient, 63, 0), 255, 255, 255));
    EXPECT_FALSE(IsColour(At(gradient, 63, 8), 255, 255, 255));
    EXPECT_EQ(StrayKeyPixels(gradient, 255, 255, 255), 0);
    // The dot, keyed with a number: green corners, a drawn centre.
    DecodedPicture dot = Decode(items[5], cls);
    EXPECT_TRUE(IsColour(At(dot, 0, 0), 0, 255, 0));
    EXPECT_NE(RgbToRgb565(At(dot, 2, 2).r, At(dot, 2, 2).g, At(dot, 2, 2).b), RgbToRgb565(0, 255, 0));
    EXPECT_EQ(StrayKeyPixels(dot, 0, 255, 0), 0);
}

TEST_F(AssetcBuild, BrokenOrMissingSourceFailsAndKeepsTheOldContainer) {
    WriteText(dir / "out.container", "old");
    WriteText(dir / "pictures/wire.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect");
    std::filesystem::remove(dir / "pictures/dot.svg");
    std::string log;
    int rc = RunAssetc("build " + (dir / "manifest.tsv") + " " + (dir / "pictures") + " " +
                           (dir / "out.container"), log, dir);
    EXPECT_NE(rc, 0);
    EXPECT_NE(log.find("item 3 'wire'"), std::string::npos) << log;
    EXPECT_NE(log.find("item 5 'dot'"), std::string::npos) << log;
    EXPECT_NE(log.find("missing"), std::string::npos) << log;
    EXPECT_EQ(ReadText(dir / "out.container"), "old");
    EXPECT_FALSE(std::filesystem::exists(dir / "out.container.tmp"));
}

TEST_F(AssetcBuild, ManifestFaultsAreRejectedWithTheirLine) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1\tphoto\t40\t30\t0\t0\tjpeg\t0\tclBlack\tphoto.svg", "out of order"},
        {"0\tphoto\t40\t30\t0\t0\tpng\t0\tclBlack\tphoto.svg", "unknown kind"},
        {"0\tphoto\t40\t30\t0\t0\tjpeg\t0\tclPink\tphoto.svg", "bad key"},
        {"0\tphoto\t40\t30\t0\t0\tjpeg\t0\tclBlack", "columns"},
        {"0\tphoto\t40\t30\t15\t0\tjpeg\t0\tclBlack\tphoto.svg", "does not divide"},
        {"0\tphoto\t40\t30\t0\t0\tjpeg\t0\tclBlack\t../photo.svg", "file name"},
        {"0\tnic\t0\t0\t0\t0\tnone\t1\tclBlack\tphoto.svg", "no source"}};
    for (const auto& [row, message] : cases) {
        WriteText(dir / "bad.tsv", Manifest({row}));
        std::string log;
        EXPECT_NE(RunAssetc("build " + (dir / "bad.tsv") + " " + (dir / "pictures") + " " +
                                (dir / "bad.container"), log, dir), 0) << row;
        EXPECT_NE(log.find("bad.tsv:3:"), std::string::npos) << log;
        EXPECT_NE(log.find(message), std::string::npos) << log;
        EXPECT_FALSE(std::filesystem::exists(dir / "bad.container"));
    }
}

TEST(AssetcPlaceholders, FillOnlyMissingSourcesAndCompile) {
    ScratchDir dir;
    std::filesystem::create_directory(dir / "pictures");
    WriteText(dir / "manifest.tsv",
              Manifest({"0\tscena5\t535\t270\t0\t0\tjpeg\t0\tclBlack\tscena5.svg",
                        "1\tinv200\t35\t35\t0\t0\tdib8\t1\tclRed\tinv200.svg",
                        "2\tnepritel\t34\t17\t17\t17\tdib8\t1\tclRed\tnepritel.svg"}));
    const std::string drawn = R"svg(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 35 35">)svg"
                              R"svg(<rect width="35" height="35" fill="#123456"/></svg>)svg";
    WriteText(dir / "pictures/inv200.svg", drawn);
    std::string log;
    ASSERT_EQ(RunAssetc("placeholders " + (dir / "manifest.tsv") + " " + (dir / "pictures"), log, dir), 0) << log;
    EXPECT_EQ(ReadText(dir / "pictures/inv200.svg"), drawn);
    std::string scene = ReadText(dir / "pictures/scena5.svg");
    EXPECT_NE(scene.find("viewBox=\"0 0 535 270\""), std::string::npos);
    EXPECT_NE(scene.find("Liberation Sans"), std::string::npos);
    EXPECT_NE(scene.find(">5</text>"), std::string::npos);
    std::string enemy = ReadText(dir / "pictures/nepritel.svg");
    EXPECT_NE(enemy.find(">0</text>"), std::string::npos);
    EXPECT_NE(enemy.find(">1</text>"), std::string::npos);

    ASSERT_EQ(RunAssetc("build " + (dir / "manifest.tsv") + " " + (dir / "pictures") + " " +
                            (dir / "out.container"), log, dir), 0) << log;
    std::vector<StoredPictureItem> items;
    std::string error, cls;
    ASSERT_TRUE(ReadPictureContainer(ReadBytes(dir / "out.container"), items, error)) << error;
    ASSERT_EQ(items.size(), 3u);
    DecodedPicture kept = Decode(items[1], cls);
    EXPECT_TRUE(IsColour(At(kept, 17, 17), 0x12, 0x34, 0x56));
    // The enemy placeholder leaves its corners empty, which the key fills.
    DecodedPicture enemyPic = Decode(items[2], cls);
    EXPECT_TRUE(IsColour(At(enemyPic, 0, 0), 255, 0, 0));
    EXPECT_TRUE(IsColour(At(enemyPic, 33, 16), 255, 0, 0));
    EXPECT_FALSE(IsColour(At(enemyPic, 8, 8), 255, 0, 0));
}
