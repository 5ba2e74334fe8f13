// fuzz_container.cpp: the picture container reader on arbitrary bytes.
//
// Input: a whole container ("VK3PICS1", item count, items). The reader must
// stay inside its input and refuse damage with an error; what it accepts must
// survive being written and read again unchanged, and each item's picture
// data must split into a class name and payload or be refused cleanly.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "graphics/picture_container.h"

namespace {
bool SameItem(const StoredPictureItem& a, const StoredPictureItem& b) {
    return a.name == b.name && a.patternHeight == b.patternHeight &&
           a.patternWidth == b.patternWidth && a.pictureData == b.pictureData &&
           a.systemMemory == b.systemMemory && a.transparent == b.transparent &&
           a.colorIdentifier == b.colorIdentifier && a.transparentColor == b.transparentColor;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<StoredPictureItem> items;
    std::string error;
    if (!ReadPictureContainer(std::span(data, size), items, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    for (const StoredPictureItem& item : items) {
        std::string className;
        std::span<const uint8_t> payload;
        if (SplitPictureData(item.pictureData, className, payload) &&
            (payload.data() < item.pictureData.data() ||
             payload.data() + payload.size() > item.pictureData.data() + item.pictureData.size()))
            std::abort();  // a payload must lie inside its picture data
    }
    std::vector<uint8_t> again;
    try {
        again = WritePictureContainer(items);
    } catch (const std::length_error&) {
        std::abort();  // whatever was read fits the layout it came from
    }
    std::vector<StoredPictureItem> reread;
    if (!ReadPictureContainer(again, reread, error) || reread.size() != items.size()) std::abort();
    for (size_t i = 0; i < items.size(); ++i)
        if (!SameItem(items[i], reread[i])) std::abort();
    return 0;
}
