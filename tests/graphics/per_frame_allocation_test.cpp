// per_frame_allocation_test.cpp: what sprites do with the catalogue every
// frame, Find by name and StretchDraw (plain, keyed, scaled, clipped, or
// drawing nothing), allocates no memory once the pictures are decoded (their
// first draw). The test binary's operator new
// counts every allocation.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/graphics/test_pictures.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

// The replacements stay out of line: inlined into a caller, GCC pairs their
// malloc() and free() with the operators it sees there and warns of a mismatch.
[[gnu::noinline]] void* operator new(std::size_t n) {
    ++g_allocations;
    if (void* p = std::malloc(n != 0 ? n : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(CataloguePerFrame, FindAndStretchDrawDoNotAllocate) {
    HeadlessBackend backend;
    TDXDraw display(backend);
    TPictureCollection images;
    auto stripes = [](int32_t x, int32_t) { return x % 3 == 0 ? 0xFF0000u : 0x336699u; };
    images.AddPicture("scena7", testpic::MakePicture(535, 270, stripes), 0, 0, false, 0);
    images.AddPicture("inv204", testpic::MakePicture(35, 35, stripes), 0, 0, true, 0x0000FF);
    images.AddPicture("nepritel", testpic::MakePicture(34, 17, stripes), 17, 17, true, 0x0000FF);
    images.AddPicture("nic", DecodedPicture{}, 0, 0, true, 0);
    std::string error;
    ASSERT_TRUE(display.Initialize(DisplayMode{}, error)) << error;
    images.Bind(&display);
    Surface16& back = display.Surface();
    const std::string names[] = {"scena7", "INV204", "nepritel", "nic"};

    auto drawFrame = [&](int frame) {
        for (const auto& n : names) (void)images.IndexOf(n);
        images.Find(names[0]).StretchDraw(back, Bounds(52, 105, 535, 270), 0);
        images.Find(names[0]).StretchDraw(back, Bounds(-10, 470, 68, 34), 0);
        images.Find(names[1]).StretchDraw(back, Bounds(frame, 400, 35, 35), 0);
        images.Find(names[2]).StretchDraw(back, Bounds(300, 10, 34, 34), frame % 3);
        images.Find(names[3]).StretchDraw(back, Bounds(0, 0, 35, 35), 0);
    };
    // The first frame decodes the three pictures into their surfaces.
    const long beforeFirst = g_allocations.load();
    drawFrame(0);
    EXPECT_EQ(images.Decodes(), 3u);
    EXPECT_GE(g_allocations.load() - beforeFirst, 3);

    const long before = g_allocations.load();
    for (int frame = 1; frame < 50; ++frame) drawFrame(frame);
    const long used = g_allocations.load() - before;
    EXPECT_EQ(used, 0);
    EXPECT_EQ(images.Decodes(), 3u);

    // The counter does see allocations (a missing name builds its message).
    const long beforeMiss = g_allocations.load();
    EXPECT_THROW(images.Find("scena99"), EPictureCollectionError);
    EXPECT_GT(g_allocations.load(), beforeMiss);
}
