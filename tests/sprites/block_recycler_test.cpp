// block_recycler_test.cpp: freed blocks of the served size come back for the
// next sprite; other sizes are not mixed in.
#include <gtest/gtest.h>

#include "sprites/block_recycler.h"
#include "sprites/sprite_engine.h"

namespace {

TEST(BlockRecycler, ServesFreedBlocksOfItsSizeLastFreedFirst) {
    TBlockRecycler blocks;
    void* a = blocks.Take(64);
    void* b = blocks.Take(64);
    EXPECT_NE(a, b);
    blocks.Give(a, 64);
    blocks.Give(b, 64);
    EXPECT_EQ(blocks.Kept(), 2u);
    EXPECT_EQ(blocks.Take(64), b);
    EXPECT_EQ(blocks.Take(64), a);
    EXPECT_EQ(blocks.Kept(), 0u);
    blocks.Give(a, 64);
    blocks.Give(b, 64);
}  // the kept blocks go with the recycler

TEST(BlockRecycler, OtherSizesGoToTheGlobalAllocator) {
    TBlockRecycler blocks;
    void* served = blocks.Take(48);
    blocks.Give(served, 48);
    void* bigger = blocks.Take(96);  // a derived class: not the kept block
    EXPECT_NE(bigger, served);
    blocks.Give(bigger, 96);
    EXPECT_EQ(blocks.Kept(), 1u);
    blocks.Give(nullptr, 48);
    EXPECT_EQ(blocks.Kept(), 1u);
    EXPECT_EQ(blocks.Take(48), served);
    blocks.Give(served, 48);
}

// A sprite class that takes its memory from a recycler, freed by PurgeDead
// through the base class: the block goes back with the right size.
TBlockRecycler recycled;
class TRecycledSprite : public TSprite {
public:
    explicit TRecycledSprite(TSprite* parent) : TSprite(parent) {}
    static void* operator new(std::size_t size) { return recycled.Take(size); }
    static void operator delete(void* p, std::size_t size) noexcept { recycled.Give(p, size); }
    double payload[4] = {};
};

TEST(BlockRecycler, SpritesFreedByTheEngineAreReused) {
    TSpriteEngine engine;
    auto* first = new TRecycledSprite(&engine);
    first->Dead();
    engine.PurgeDead();
    EXPECT_EQ(recycled.Kept(), 1u);
    auto* second = new TRecycledSprite(&engine);
    EXPECT_EQ(static_cast<void*>(second), static_cast<void*>(first));
    EXPECT_EQ(recycled.Kept(), 0u);
    engine.Clear();
    EXPECT_EQ(recycled.Kept(), 1u);
}

}  // namespace
