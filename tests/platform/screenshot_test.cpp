// screenshot_test.cpp: F12's file: its folder, its name, its pixels, and
// that a second shot in the same second does not overwrite the first.
#include <gtest/gtest.h>

#include <png.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "graphics/surface16.h"
#include "platform/screenshot.h"

namespace {
namespace fs = std::filesystem;

class ScreenshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vk3-shot-" + std::to_string(getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir / "home" / "Bilder");
        fs::create_directories(dir / "pics");
        saved = {Get("HOME"), Get("XDG_PICTURES_DIR"), Get("XDG_CONFIG_HOME")};
    }
    void TearDown() override {
        Restore("HOME", saved[0]);
        Restore("XDG_PICTURES_DIR", saved[1]);
        Restore("XDG_CONFIG_HOME", saved[2]);
        fs::remove_all(dir);
    }
    static std::string Get(const char* n) { return std::getenv(n) ? std::getenv(n) : "\x01"; }
    static void Restore(const char* n, const std::string& v) {
        if (v == "\x01") unsetenv(n);
        else setenv(n, v.c_str(), 1);
    }
    fs::path dir;
    std::vector<std::string> saved;
};

TEST_F(ScreenshotTest, PicturesFolderComesFromTheEnvironmentThenUserDirsThenHome) {
    const std::string home = (dir / "home").string();
    setenv("HOME", home.c_str(), 1);
    unsetenv("XDG_CONFIG_HOME");
    setenv("XDG_PICTURES_DIR", (dir / "pics").c_str(), 1);
    EXPECT_EQ(ScreenshotFolder(), (dir / "pics").string() + "/");
    setenv("XDG_PICTURES_DIR", (dir / "missing").c_str(), 1);  // not there: skipped
    EXPECT_EQ(ScreenshotFolder(), home + "/");
    unsetenv("XDG_PICTURES_DIR");
    fs::create_directories(dir / "home" / ".config");
    std::ofstream(dir / "home" / ".config" / "user-dirs.dirs")
        << "# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(ScreenshotFolder(), home + "/Bilder/");
}

TEST_F(ScreenshotTest, TheFileHoldsTheFrameUnscaledAndNeverOverwrites) {
    Surface16 frame(640, 480);
    frame.Fill(RgbToRgb565(0, 0, 0));
    frame.SetPixel(0, 0, RgbToRgb565(255, 255, 255));
    frame.SetPixel(639, 479, RgbToRgb565(255, 0, 0));
    frame.SetPixel(100, 200, RgbToRgb565(0x12, 0x34, 0x56));
    std::tm when{};
    when.tm_year = 126, when.tm_mon = 11, when.tm_mday = 7, when.tm_hour = 22, when.tm_min = 5, when.tm_sec = 9;
    when.tm_isdst = -1;
    const std::time_t t = std::mktime(&when);
    EXPECT_EQ(ScreenshotName(when), "varnoklet3-2026-12-07-220509.png");

    std::string first, second, error;
    ASSERT_TRUE(SaveScreenshot(frame, dir.string(), t, first, error)) << error;
    ASSERT_TRUE(SaveScreenshot(frame, dir.string() + "/", t, second, error)) << error;
    EXPECT_EQ(first, (dir / "varnoklet3-2026-12-07-220509.png").string());
    EXPECT_EQ(second, (dir / "varnoklet3-2026-12-07-220509-2.png").string());

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, first.c_str())) << image.message;
    EXPECT_EQ(image.width, 640u);
    EXPECT_EQ(image.height, 480u);
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) << image.message;
    auto px = [&](int x, int y) {
        const uint8_t* p = &rgb[(static_cast<size_t>(y) * 640 + x) * 3];
        return (p[0] << 16) | (p[1] << 8) | p[2];
    };
    EXPECT_EQ(px(0, 0), 0xFFFFFF);
    EXPECT_EQ(px(639, 479), 0xFF0000);
    EXPECT_EQ(px(1, 0), 0x000000);
    uint8_t r, g, b;
    Rgb565ToRgb(RgbToRgb565(0x12, 0x34, 0x56), r, g, b);
    EXPECT_EQ(px(100, 200), (r << 16) | (g << 8) | b);
}

TEST_F(ScreenshotTest, AFolderThatCannotBeWrittenGivesAReasonAndNoFile) {
    Surface16 frame(4, 4);
    std::string path, error;
    EXPECT_FALSE(SaveScreenshot(frame, (dir / "no" / "such").string(), 0, path, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(path));
    EXPECT_FALSE(WritePng(Surface16(), (dir / "empty.png").string(), error));
    EXPECT_FALSE(fs::exists(dir / "empty.png"));
}
}  // namespace
