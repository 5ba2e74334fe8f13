// picture_container.h: the stored form of the image catalogue.
//
// The asset compiler writes this container and the game embeds it; the
// catalogue reads it once at start-up. All integers are little-endian and are
// read field by field.
//
//   8 bytes  magic "VK3PICS1"
//   uint32   item count
//   then, per item, in catalogue order (the item record):
//     uint8 + bytes   Name
//     int32           PatternHeight
//     int32           PatternWidth
//     uint32 + bytes  Picture.Data (length 0 = empty picture), itself
//                       uint8 n + n bytes class name ("TJPEGImage" or "TDIB")
//                       TJPEGImage: uint32 L + L bytes of a JFIF stream
//                       TDIB: a device-independent bitmap without file header
//     uint8           SystemMemory
//     uint8           Transparent
//     uint8           TransparentColor kind: 0 identifier, 1 integer
//       kind 0: uint8 + bytes, one of "clBlack", "clRed", "clWhite", "clGray"
//       kind 1: int32 colour 0x00BBGGRR
//
// Contract: ReadPictureContainer never reads outside its input; a damaged or
// truncated container yields false and an error naming the item it stopped at.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct StoredPictureItem {
    std::string name;
    int32_t patternHeight = 0;
    int32_t patternWidth = 0;
    std::vector<uint8_t> pictureData;  // Picture.Data, empty for no picture
    // Read with PictureBytes::View: Picture.Data inside the container's bytes
    // (pictureData then stays empty; the bytes must outlive the view).
    std::span<const uint8_t> pictureView;
    bool systemMemory = false;
    bool transparent = true;
    std::string colorIdentifier;       // non-empty: stored as an identifier
    int32_t transparentColor = 0;      // 0x00BBGGRR, resolved from the identifier too
};

// Resolves "clBlack", "clRed", "clWhite", "clGray"; false for anything else.
bool ResolveColorIdentifier(const std::string& ident, int32_t& color);

enum class PictureBytes { Copy, View };
bool ReadPictureContainer(std::span<const uint8_t> data, std::vector<StoredPictureItem>& items,
                          std::string& error, PictureBytes bytes = PictureBytes::Copy);
// Throws std::length_error for an item the layout cannot hold (a name or
// identifier over 255 bytes, a picture over 4 GiB).
std::vector<uint8_t> WritePictureContainer(const std::vector<StoredPictureItem>& items);

// Splits Picture.Data into its class name and payload. False when malformed.
bool SplitPictureData(std::span<const uint8_t> data, std::string& className,
                      std::span<const uint8_t>& payload);
// Builds Picture.Data from a class name and payload ("TJPEGImage" payloads get
// their uint32 length prefix here; pass the bare JPEG stream).
std::vector<uint8_t> MakePictureData(const std::string& className,
                                     std::span<const uint8_t> payload);
