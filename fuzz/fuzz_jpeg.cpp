// fuzz_jpeg.cpp: the catalogue's JPEG path on arbitrary bytes.
//
// Input: a stored TJPEGImage picture's payload, the JFIF stream. libjpeg's
// errors must come back as a refusal with a reason (never an exit or a jump
// out of the decoder), and an accepted picture holds width*height*3 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "graphics/image_catalogue.h"
#include "graphics/picture_container.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The same bytes go through the stored form too: class name and length
    // prefix are added and split off again before the decoder sees them.
    const std::vector<uint8_t> stored = MakePictureData("TJPEGImage", std::span(data, size));
    std::string className;
    std::span<const uint8_t> payload;
    if (!SplitPictureData(stored, className, payload) || className != "TJPEGImage" ||
        payload.size() != size)
        std::abort();
    DecodedPicture picture;
    std::string error;
    if (!DecodeJpeg(payload, picture, error)) {
        if (error.empty()) std::abort();
        return 0;
    }
    if (picture.width <= 0 || picture.height <= 0) std::abort();
    if (picture.rgb.size() != static_cast<size_t>(picture.width) * picture.height * 3) std::abort();
    return 0;
}
