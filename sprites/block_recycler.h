// block_recycler.h: keeps the freed memory blocks of one sprite class for the
// next sprite of that class.
//
// Sprites that come and go during play (the phone game's shots and enemies,
// the scene objects of every build) take their memory from a recycler through
// a class-specific operator new/delete, so after the first time a number of
// them existed at once, creating and freeing them again allocates nothing.
// A recycler serves blocks of the size of its first request; a request of
// another size (a derived class) goes to the global allocator, and so does
// the matching free. The most it keeps is the peak number of its sprites
// alive at once; destroying it frees them. A recycler behind a class's
// operator delete must outlive every sprite of the class, so the game's are
// created once and never destroyed:
//     static TBlockRecycler& blocks = *new TBlockRecycler;
// TRecycledBlocks (below) gives a class such a recycler of its own.
#pragma once
#include <cstddef>

class TBlockRecycler {
public:
    TBlockRecycler() = default;
    TBlockRecycler(const TBlockRecycler&) = delete;
    TBlockRecycler& operator=(const TBlockRecycler&) = delete;
    ~TBlockRecycler();

    // A block of `size` bytes: a kept one when the size is the served size.
    void* Take(std::size_t size);
    // Keeps a block of the served size, frees any other.
    void Give(void* block, std::size_t size) noexcept;
    // Blocks kept for reuse right now.
    std::size_t Kept() const { return kept_; }

private:
    struct Node {
        Node* next;
    };
    Node* free_ = nullptr;
    std::size_t size_ = 0;  // 0 until the first request
    std::size_t kept_ = 0;
};

// Base of a sprite class T whose memory comes from a recycler of its own,
// created on first use and never destroyed:
//     class TShot : public TImageSpriteEx, public TRecycledBlocks<TShot> { ... };
template <class T>
class TRecycledBlocks {
public:
    static void* operator new(std::size_t size) { return Blocks().Take(size); }
    static void operator delete(void* block, std::size_t size) noexcept { Blocks().Give(block, size); }

private:
    static TBlockRecycler& Blocks() {
        static TBlockRecycler& blocks = *new TBlockRecycler;
        return blocks;
    }
};
