// block_recycler.cpp: the free list of one block size.
#include "sprites/block_recycler.h"

#include <new>

// Under AddressSanitizer a kept block is poisoned past its link, so a sprite
// used after it was freed is still reported although its memory is kept.
#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define VK3_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define VK3_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define VK3_POISON(p, n) ((void)(p), (void)(n))
#define VK3_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

TBlockRecycler::~TBlockRecycler() {
    while (free_ != nullptr) {
        Node* node = free_;
        free_ = node->next;
        VK3_UNPOISON(node + 1, size_ - sizeof(Node));
        ::operator delete(node);
    }
}

void* TBlockRecycler::Take(std::size_t size) {
    if (size_ == 0 && size >= sizeof(Node)) size_ = size;
    if (size == size_ && free_ != nullptr) {
        Node* node = free_;
        free_ = node->next;
        --kept_;
        VK3_UNPOISON(node + 1, size_ - sizeof(Node));
        return node;
    }
    return ::operator new(size);
}

void TBlockRecycler::Give(void* block, std::size_t size) noexcept {
    if (block == nullptr) return;
    if (size != size_) {
        ::operator delete(block);
        return;
    }
    auto* node = static_cast<Node*>(block);
    node->next = free_;
    free_ = node;
    ++kept_;
    VK3_POISON(node + 1, size_ - sizeof(Node));
}
