// item_compiler.h: turning one manifest item into its stored catalogue record.
//
// Rasterises the item's SVG at the item's size, prepares it for its colour key
// (transparent items) or flattens it (opaque items), and encodes it in the
// item's stored kind: JPEG, or a DIB of 4, 8, 16 (bit fields) or 24 bits.
//
// Contract: called by the build command for every item in manifest order.
// Returns false with a message naming the item when its source is missing or
// broken or encoding fails. `warning` is set (and true returned) when a keyed
// JPEG could not keep its key area exact through compression.
#pragma once
#include <string>

#include "graphics/picture_container.h"
#include "tools/assetc/manifest.h"

bool CompileItem(const ManifestItem& item, const std::string& picturesDir,
                 StoredPictureItem& stored, std::string& error, std::string& warning);
