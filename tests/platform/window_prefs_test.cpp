// window_prefs_test.cpp: "window.cfg": damaged and unknown lines are ignored,
// writing replaces the file whole or not at all.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/window_prefs.h"

namespace {
WindowPrefs Parse(std::string_view text, WindowPrefs start = {}) {
    ParseWindowPrefs(text, start);
    return start;
}

TEST(WindowPrefs, GoodLinesSetAndDamagedOrUnknownLinesAreIgnored) {
    EXPECT_EQ(Parse("scale=3\nfullscreen=1\n"), (WindowPrefs{3, true}));
    EXPECT_EQ(Parse("  scale = 2 \r\n# comment\n\nfullscreen=0"), (WindowPrefs{2, false}));
    // Each damaged line leaves its setting as it was; the good ones still count.
    const WindowPrefs before{2, true};
    for (std::string_view bad : {"scale=5", "scale=0", "scale=-1", "scale=2x", "scale=", "scale",
                                 "fullscreen=2", "fullscreen=yes", "zoom=3", "=1", "scale=99999999999",
                                 "\xff\xfe\x01", "scale=3=4"})
        EXPECT_EQ(Parse(bad, before), before) << bad;
    EXPECT_EQ(Parse("garbage\x01\nscale=4\nfullscreen=7\n"), (WindowPrefs{4, false}));
    EXPECT_EQ(Parse(std::string_view("scale=3\0\nfullscreen=1", 21)), (WindowPrefs{1, true}));
    // The later of two good lines wins.
    EXPECT_EQ(Parse("scale=2\nscale=3"), (WindowPrefs{3, false}));
    // The comforts: on by default, each switched off alone; damaged values leave them on.
    EXPECT_EQ(Parse("replies=0\n"), (WindowPrefs{1, false, false, true}));
    EXPECT_EQ(Parse("markers=0\n"), (WindowPrefs{1, false, true, false}));
    EXPECT_EQ(Parse("replies=2\nmarkers=off\n"), WindowPrefs{});
}

TEST(WindowPrefs, WhatIsWrittenReadsBackAndAFailedWriteKeepsTheOldFile) {
    const std::string dir = std::filesystem::temp_directory_path() / ("vk3-prefs-" + std::to_string(getpid())) / "";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    EXPECT_EQ(LoadWindowPrefs(dir), WindowPrefs{});  // no file: defaults
    for (const WindowPrefs p : {WindowPrefs{4, true}, WindowPrefs{1, false, false, true},
                                WindowPrefs{3, false, true, false}, WindowPrefs{2, true}}) {
        ASSERT_TRUE(SaveWindowPrefs(dir, p));
        EXPECT_EQ(LoadWindowPrefs(dir), p);
    }
    EXPECT_FALSE(std::filesystem::exists(dir + "window.cfg.new"));
    // A folder in the way of the temporary file: the write fails, the file stays.
    std::filesystem::create_directory(dir + "window.cfg.new");
    std::filesystem::create_directory(dir + "window.cfg.new/x");
    EXPECT_FALSE(SaveWindowPrefs(dir, WindowPrefs{3, false}));
    EXPECT_EQ(LoadWindowPrefs(dir), (WindowPrefs{2, true}));
    EXPECT_FALSE(SaveWindowPrefs(dir + "no-such-folder/", WindowPrefs{3, false}));
    std::filesystem::remove_all(dir);
}
}  // namespace
