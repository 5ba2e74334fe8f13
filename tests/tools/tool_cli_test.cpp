// tool_cli_test.cpp: varnoklet3-tool run as a program: bmp2png on good and
// bad files, the catalogue listing, png and sheet over a container written
// here, and the errors and exit codes of wrong use.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <png.h>
#include <sys/wait.h>

#include "tests/graphics/test_pictures.h"
#include "tests/tools/scratch_dir.h"
#include "tools/common/png_writer.h"

namespace tooltest {
namespace fs = std::filesystem;

using Scratch = ScratchDir;

struct ToolRun {
    int code = -1;
    std::string out, err;
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

ToolRun RunTool(const Scratch& dir, const std::string& args) {
    const std::string cmd = std::string("'") + VK3_BINARY_DIR "/varnoklet3-tool' " + args + " >'" +
                            (dir / "stdout") + "' 2>'" + (dir / "stderr") + "' </dev/null";
    ToolRun r;
    const int status = std::system(cmd.c_str());
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.out = Slurp(dir / "stdout");
    r.err = Slurp(dir / "stderr");
    return r;
}

// Reads a PNG back as 8-bit RGB; empty picture when it is not one.
DecodedPicture ReadPng(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    DecodedPicture p;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return p;
    image.format = PNG_FORMAT_RGB;
    p.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, p.rgb.data(), 0, nullptr)) {
        png_image_free(&image);
        return DecodedPicture{};
    }
    p.width = static_cast<int32_t>(image.width);
    p.height = static_cast<int32_t>(image.height);
    return p;
}

std::vector<uint8_t> BmpFile(const std::vector<uint8_t>& dib, uint32_t pixelOffset) {
    std::vector<uint8_t> file = {'B', 'M'};
    PutLe(file, 14 + dib.size(), 4);
    PutLe(file, 0, 4);
    PutLe(file, pixelOffset, 4);
    file.insert(file.end(), dib.begin(), dib.end());
    return file;
}

// A 3x2 24-bit bitmap file and its pixels, top row first.
std::vector<uint8_t> SmallBmp(std::vector<uint32_t>& pixels) {
    pixels = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000000};
    testpic::DibParts s;
    s.width = 3, s.height = 2, s.bpp = 24;
    s.bits = testpic::PackRows(3, 2, 24, pixels);
    return BmpFile(testpic::MakeDib(s), 14 + 40);
}

// A small catalogue: an opaque JPEG, a keyed 8-bit DIB with two patterns, "nic".
std::vector<StoredPictureItem> SmallCatalogue() {
    auto grey = testpic::MakePicture(20, 10, [](int32_t, int32_t) { return 0x808080u; });
    testpic::DibParts d;
    d.width = 4, d.height = 2, d.bpp = 8, d.colorsUsed = 2, d.palette = {0xFF0000, 0x00FF00};
    d.bits = testpic::PackRows(4, 2, 8, {1, 1, 0, 0, 1, 1, 0, 0});
    std::vector<StoredPictureItem> items = {
        testpic::StoredItem("scena0", "TJPEGImage", testpic::EncodeJpeg(20, 10, grey.rgb)),
        testpic::StoredItem("nepritel", "TDIB", testpic::MakeDib(d), true, 0, "clRed"),
        testpic::StoredItem("nic", "", {}, true, 0, "clBlack"),
        testpic::StoredItem("drat", "TDIB", testpic::MakeDib(d), true, 0x00FF00FF),
    };
    items[1].patternWidth = 2;
    return items;
}
}  // namespace tooltest

using namespace tooltest;

TEST(ToolBmp2Png, ConvertsWithTheGameDecoder) {
    Scratch dir;
    std::vector<uint32_t> pixels;
    WriteBytes(dir / "in.bmp", SmallBmp(pixels));
    ToolRun r = RunTool(dir, "bmp2png '" + (dir / "in.bmp") + "' '" + (dir / "out.png") + "'");
    ASSERT_EQ(r.code, 0) << r.err;
    DecodedPicture png = ReadPng(dir / "out.png");
    ASSERT_EQ(png.width, 3);
    ASSERT_EQ(png.height, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(testpic::RgbAt(png, x, y), pixels[y * 3 + x]);
}

TEST(ToolBmp2Png, RefusedFilesFailWithTheDecoderMessage) {
    Scratch dir;
    std::vector<uint32_t> pixels;
    auto bmp = SmallBmp(pixels);
    bmp.resize(bmp.size() - 5);  // rows cut short
    WriteBytes(dir / "cut.bmp", bmp);
    ToolRun r = RunTool(dir, "bmp2png '" + (dir / "cut.bmp") + "' '" + (dir / "out.png") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("DIB is invalid"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "out.png"));

    r = RunTool(dir, "bmp2png '" + (dir / "missing.bmp") + "' '" + (dir / "out.png") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("cannot open"), std::string::npos) << r.err;

    WriteBytes(dir / "ok.bmp", SmallBmp(pixels));
    r = RunTool(dir, "bmp2png '" + (dir / "ok.bmp") + "' '" + (dir / "no/such/dir/out.png") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("cannot create"), std::string::npos) << r.err;
}

TEST(ToolCatalogue, ListsItemsFromAContainer) {
    Scratch dir;
    WriteBytes(dir / "pics", WritePictureContainer(SmallCatalogue()));
    ToolRun r = RunTool(dir, "--container '" + (dir / "pics") + "' catalogue");
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out,
              "0 scena0 20 10 1 jpeg none\n"
              "1 nepritel 2 2 2 dib8 clRed\n"
              "2 nic 0 0 0 none clBlack\n"
              "3 drat 4 2 1 dib8 0x00FF00FF\n");
    EXPECT_EQ(r.err, "");
}

TEST(ToolPng, WritesTheWholePictureOfTheNamedItem) {
    Scratch dir;
    WriteBytes(dir / "pics", WritePictureContainer(SmallCatalogue()));
    const std::string c = "--container '" + (dir / "pics") + "' ";
    ToolRun r = RunTool(dir, c + "png NEPRITEL '" + (dir / "n.png") + "'");
    ASSERT_EQ(r.code, 0) << r.err;
    DecodedPicture png = ReadPng(dir / "n.png");
    ASSERT_EQ(png.width, 4);  // the whole picture, not one pattern
    ASSERT_EQ(png.height, 2);
    EXPECT_EQ(testpic::RgbAt(png, 0, 0), 0x00FF00u);
    EXPECT_EQ(testpic::RgbAt(png, 3, 1), 0xFF0000u);

    r = RunTool(dir, c + "png nic '" + (dir / "nic.png") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("has no picture"), std::string::npos) << r.err;
    r = RunTool(dir, c + "png inv999 '" + (dir / "x.png") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("Image 'inv999' not found"), std::string::npos) << r.err;
}

TEST(ToolSheet, ShowsEveryItemWithKeyLeftOut) {
    Scratch dir;
    WriteBytes(dir / "pics", WritePictureContainer(SmallCatalogue()));
    ToolRun r = RunTool(dir, "--container '" + (dir / "pics") + "' sheet '" + (dir / "s.png") + "'");
    ASSERT_EQ(r.code, 0) << r.err;
    DecodedPicture sheet = ReadPng(dir / "s.png");
    ASSERT_EQ(sheet.width, 8 * 150);
    ASSERT_EQ(sheet.height, 124);
    // scena0 (20x10) sits centred in the first cell's picture area.
    const uint32_t grey = testpic::RgbAt(sheet, 75, 3 + 50);
    for (int shift : {0, 8, 16}) EXPECT_NEAR(static_cast<int>((grey >> shift) & 0xFF), 0x80, 3);
    // nepritel (4x2) keyed red: its red right half shows the chequered ground.
    const uint32_t left = testpic::RgbAt(sheet, 150 + 73, 3 + 49);
    const uint32_t right = testpic::RgbAt(sheet, 150 + 75, 3 + 49);
    EXPECT_EQ(left, 0x00FF00u);
    EXPECT_NE(right, 0xFF0000u);
    // Labels are drawn in the cell under the pictures.
    int labelPixels = 0;
    for (int y = 110; y < 120; ++y)
        for (int x = 0; x < 150; ++x) labelPixels += testpic::RgbAt(sheet, x, y) == 0xF0F0F0u;
    EXPECT_GT(labelPixels, 20);
}

TEST(ToolErrors, WrongUseAndDamagedContainers) {
    Scratch dir;
    ToolRun r = RunTool(dir, "");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("usage:"), std::string::npos);
    r = RunTool(dir, "frobnicate");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("unknown command 'frobnicate'"), std::string::npos);
    r = RunTool(dir, "png onlyname");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("usage: varnoklet3-tool png NAME FILE"), std::string::npos) << r.err;
    r = RunTool(dir, "--container");
    EXPECT_EQ(r.code, 2);

    auto items = SmallCatalogue();
    items[1].pictureData.resize(items[1].pictureData.size() - 3);
    WriteBytes(dir / "bad", WritePictureContainer(items));
    r = RunTool(dir, "--container '" + (dir / "bad") + "' catalogue");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("'nepritel': DIB is invalid"), std::string::npos) << r.err;
    EXPECT_EQ(r.out, "");
    // The scene sheet reads the container named, like every other command.
    r = RunTool(dir, "--container '" + (dir / "bad") + "' scenes '" + (dir / "s.png") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("'nepritel': DIB is invalid"), std::string::npos) << r.err;
    r = RunTool(dir, "--container '" + (dir / "missing") + "' scenes '" + (dir / "s.png") + "'");
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("missing: cannot open the file"), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "s.png"));
}

TEST(PngWriter, RefusesWhatItCannotWrite) {
    Scratch dir;
    std::string error;
    std::vector<uint8_t> rgb(2 * 2 * 3, 7);
    EXPECT_FALSE(WritePngRgb(dir / "x.png", 2, 3, rgb, error));  // size mismatch
    EXPECT_NE(error.find("nothing to write"), std::string::npos);
    EXPECT_FALSE(WritePngRgb(dir / "none/x.png", 2, 2, rgb, error));
    EXPECT_NE(error.find("cannot create"), std::string::npos);

    Surface16 s(2, 1);
    s.SetPixel(0, 0, 0xFFFF);
    s.SetPixel(1, 0, ColorToRgb565(0x0000FF));
    ASSERT_TRUE(WritePngSurface(dir / "s.png", s, error)) << error;
    DecodedPicture back = ReadPng(dir / "s.png");
    ASSERT_EQ(back.width, 2);
    EXPECT_EQ(testpic::RgbAt(back, 0, 0), 0xFFFFFFu);  // white stays white
    EXPECT_EQ(testpic::RgbAt(back, 1, 0), 0xFF0000u);
}
