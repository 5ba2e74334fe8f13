// block_recycler.cpp: the free list of one block size.
#include "sprites/block_recycler.h"

#include <new>

void* TBlockRecycler::Take(std::size_t size) {
    if (size_ == 0 && size >= sizeof(Node)) size_ = size;
    if (size == size_ && free_ != nullptr) {
        Node* node = free_;
        free_ = node->next;
        --kept_;
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
}
