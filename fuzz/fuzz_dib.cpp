// fuzz_dib.cpp: the DIB decoder on arbitrary bytes.
//
// Input: a DIB as the catalogue stores it (no file header), or a whole .bmp
// file when it starts with "BM". Either decoder must return a result without
// reading outside the input; a picture it accepts must hold exactly
// width*height*3 bytes of pixels and a palette of at most 256 entries. An
// empty DIB stream is the empty picture (a catalogue item without pixels).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "graphics/image_catalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    DecodedPicture picture;
    std::string error;
    const bool isFile = size >= 2 && data[0] == 'B' && data[1] == 'M';
    const bool ok = isFile ? DecodeBmpFile(bytes, picture, error) : DecodeDib(bytes, picture, error);
    if (!ok) {
        if (error.empty()) std::abort();  // a refusal always says why
        return 0;
    }
    if (size == 0 && !isFile && picture.Empty()) return 0;
    if (picture.width <= 0 || picture.height <= 0) std::abort();
    if (picture.rgb.size() != static_cast<size_t>(picture.width) * picture.height * 3) std::abort();
    if (picture.palette.size() > 256) std::abort();
    return 0;
}
