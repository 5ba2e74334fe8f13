// cmd_catalogue.cpp: "catalogue": one line per item in catalogue order,
//   position name width height patterns kind key
// width and height are the item's pattern size (Width, Height); patterns is
// the pattern count with surfaces built; kind is "jpeg", "dib<bits>" or
// "none"; key is "none" for opaque items, else the colour as stored
// ("clRed", or 0x00BBGGRR in hex).
#include <cstdio>
#include <ostream>

#include "tools/tool/tool_catalogue.h"
#include "tools/tool/tool_command.h"

namespace {
std::string KindOf(const TPictureCollectionItem& item) {
    if (item.Picture().Empty()) return "none";
    if (item.Picture().isDib) return "dib" + std::to_string(item.Picture().bitsPerPixel);
    return "jpeg";
}

std::string KeyOf(const TPictureCollectionItem& item) {
    if (!item.Transparent()) return "none";
    if (!item.ColorIdentifier().empty()) return item.ColorIdentifier();
    char hex[16];
    std::snprintf(hex, sizeof hex, "0x%08X", static_cast<uint32_t>(item.TransparentColor()));
    return hex;
}
}  // namespace

int RunCatalogueCommand(ToolContext& ctx, ToolArgs args) {
    if (!ExpectArgs(ctx, "catalogue", args, 0)) return 2;
    ToolCatalogue* cat = ctx.Catalogue();
    if (cat == nullptr) return 1;
    const TPictureCollection& images = cat->Images();
    for (int32_t i = 0; i < images.Count(); ++i) {
        const auto& item = images.Items(i);
        ctx.out << i << ' ' << item.Name() << ' ' << item.Width() << ' ' << item.Height() << ' '
                << item.PatternCount() << ' ' << KindOf(item) << ' ' << KeyOf(item) << '\n';
    }
    return 0;
}
