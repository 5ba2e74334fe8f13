// cmd_png.cpp: "png NAME FILE": the named picture (found as the game finds
// it, so the later of two equal names), whole and as decoded, as a PNG.
#include <ostream>

#include "tools/common/png_writer.h"
#include "tools/tool/tool_catalogue.h"
#include "tools/tool/tool_command.h"

int RunPngCommand(ToolContext& ctx, ToolArgs args) {
    if (!ExpectArgs(ctx, "png", args, 2)) return 2;
    ToolCatalogue* cat = ctx.Catalogue();
    if (cat == nullptr) return 1;
    const TPictureCollectionItem& item = cat->Images().Find(args[0]);  // throws when missing
    const DecodedPicture& pic = item.Picture();
    if (pic.Empty()) {
        ctx.err << "varnoklet3-tool png: image '" << item.Name() << "' has no picture\n";
        return 1;
    }
    std::string error;
    if (!WritePngRgb(args[1], pic.width, pic.height, pic.rgb, error)) {
        ctx.err << "varnoklet3-tool png: " << error << "\n";
        return 1;
    }
    return 0;
}
