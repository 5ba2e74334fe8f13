// manifest.h: the picture catalogue manifest (assets/manifest.tsv).
//
// One tab-separated row per catalogue item, in catalogue order, after one
// header line; blank lines and lines starting with '#' are ignored. The asset
// compiler reads it to know what to rasterise and how to store each picture.
//
// Contract: ParseManifest checks every row (column count, consecutive
// positions, sizes, pattern sizes, kind, key, source name) and on the first
// fault returns false with an error naming the line and the item.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class PictureKind { Jpeg, Dib4, Dib8, Dib16BitFields, Dib24, None };

struct ManifestItem {
    int position = 0;
    std::string name;
    int width = 0, height = 0;
    int patternWidth = 0, patternHeight = 0;  // 0: the whole picture
    PictureKind kind = PictureKind::None;
    bool transparent = false;
    std::string keyIdentifier;                 // "clRed" etc., empty when stored as a number
    uint32_t key = 0;                          // 0x00BBGGRR
    std::string source;                        // SVG file name, empty for no picture
    int line = 0;                              // line in the manifest, for messages
};

// Parses the manifest text. `fileName` only labels error messages.
bool ParseManifest(std::string_view text, const std::string& fileName,
                   std::vector<ManifestItem>& items, std::string& error);
// Reads and parses a manifest file.
bool LoadManifest(const std::string& path, std::vector<ManifestItem>& items, std::string& error);

const char* PictureKindName(PictureKind kind);
// "item 12 'inv204'": how messages name an item.
std::string DescribeItem(const ManifestItem& item);
