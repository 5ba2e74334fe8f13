// item_compiler.cpp: one manifest item to one stored picture record.
#include "tools/assetc/item_compiler.h"

#include <filesystem>
#include <optional>

#include "graphics/image_catalogue.h"
#include "tools/assetc/colour_key.h"
#include "tools/assetc/dib_encoder.h"
#include "tools/assetc/jpeg_encoder.h"
#include "tools/assetc/svg_rasteriser.h"

namespace {

constexpr int kJpegQuality = 90;
// Keyed JPEGs are stored at full quality, and their drawn pixels are kept at
// least this many levels from the key, so compression noise neither reopens
// the key area nor closes it.
constexpr int kKeyedJpegQuality = 100;
constexpr int kKeyedJpegMargin = 32;

// Counts decoded pixels that left the key area or fell into it.
int CountKeyDamage(const RgbaImage& keyed, const std::vector<uint8_t>& jpeg, Rgb key) {
    DecodedPicture decoded;
    std::string why;
    if (!DecodeJpeg(jpeg, decoded, why) || decoded.width != keyed.width ||
        decoded.height != keyed.height)
        return keyed.width * keyed.height;
    const uint16_t key565 = Rgb565Of(key);
    int damaged = 0;
    for (int y = 0; y < keyed.height; ++y) {
        for (int x = 0; x < keyed.width; ++x) {
            const uint8_t* d = decoded.rgb.data() + (static_cast<size_t>(y) * keyed.width + x) * 3;
            bool shownAsKey = Rgb565Of(Rgb{d[0], d[1], d[2]}) == key565;
            if (shownAsKey != IsKeyPixel(keyed, x, y, key)) ++damaged;
        }
    }
    return damaged;
}

bool EncodeJpegItem(const ManifestItem& item, const RgbaImage& image, std::vector<uint8_t>& payload,
                    std::string& error, std::string& warning) {
    const int quality = item.transparent ? kKeyedJpegQuality : kJpegQuality;
    if (!EncodeJpeg(image, quality, true, payload, error)) return false;
    if (item.transparent) {
        int damaged = CountKeyDamage(image, payload, RgbFromBgr(item.key));
        if (damaged > 0)
            warning = std::to_string(damaged) + " pixel(s) change sides of the colour key "
                      "through JPEG compression";
    }
    return true;
}

bool Encode(const ManifestItem& item, const RgbaImage& image, std::vector<uint8_t>& data,
            std::string& error, std::string& warning) {
    std::optional<Rgb> key;
    if (item.transparent) key = RgbFromBgr(item.key);
    std::vector<uint8_t> payload;
    switch (item.kind) {
        case PictureKind::Jpeg:
            if (!EncodeJpegItem(item, image, payload, error, warning)) return false;
            data = MakePictureData("TJPEGImage", payload);
            return true;
        case PictureKind::Dib4:
        case PictureKind::Dib8:
            if (!EncodePalettedDib(image, item.kind == PictureKind::Dib4 ? 4 : 8, key, payload, error))
                return false;
            break;
        case PictureKind::Dib16BitFields: payload = EncodeDib16(image); break;
        case PictureKind::Dib24: payload = EncodeDib24(image); break;
        case PictureKind::None: data.clear(); return true;
    }
    data = MakePictureData("TDIB", payload);
    return true;
}

}  // namespace

bool CompileItem(const ManifestItem& item, const std::string& picturesDir,
                 StoredPictureItem& stored, std::string& error, std::string& warning) {
    stored = StoredPictureItem{};
    stored.name = item.name;
    stored.patternWidth = item.patternWidth;
    stored.patternHeight = item.patternHeight;
    stored.systemMemory = false;
    stored.transparent = item.transparent;
    stored.colorIdentifier = item.keyIdentifier;
    stored.transparentColor = static_cast<int32_t>(item.key);
    if (item.kind == PictureKind::None) return true;

    RgbaImage image;
    std::string path = (std::filesystem::path(picturesDir) / item.source).string();
    if (!RasteriseSvg(path, item.width, item.height, image, error)) {
        error = DescribeItem(item) + ": " + error;
        return false;
    }
    const int margin = item.kind == PictureKind::Jpeg ? kKeyedJpegMargin : 0;
    if (item.transparent) ApplyColourKey(image, RgbFromBgr(item.key), margin);
    else FlattenOntoBlack(image);
    if (!Encode(item, image, stored.pictureData, error, warning)) {
        error = DescribeItem(item) + ": " + error;
        return false;
    }
    if (!warning.empty()) warning = DescribeItem(item) + ": " + warning;
    return true;
}
