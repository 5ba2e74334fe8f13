// cmd_bmp2png.cpp: "bmp2png IN.bmp OUT.png": decodes a .bmp file with the
// game's DIB decoder (so a file the game would refuse is refused here, with
// the decoder's message) and writes it as a PNG.
#include <ostream>

#include "graphics/image_catalogue.h"
#include "tools/common/file_bytes.h"
#include "tools/common/png_writer.h"
#include "tools/tool/tool_command.h"

int RunBmp2PngCommand(ToolContext& ctx, ToolArgs args) {
    if (!ExpectArgs(ctx, "bmp2png", args, 2)) return 2;
    std::vector<uint8_t> bytes;
    std::string error;
    DecodedPicture pic;
    if (!ReadFileBytes(args[0], bytes, error)) {
        ctx.err << "varnoklet3-tool bmp2png: " << error << "\n";
        return 1;
    }
    if (!DecodeBmpFile(bytes, pic, error)) {
        ctx.err << "varnoklet3-tool bmp2png: " << args[0] << ": " << error << "\n";
        return 1;
    }
    if (!WritePngRgb(args[1], pic.width, pic.height, pic.rgb, error)) {
        ctx.err << "varnoklet3-tool bmp2png: " << error << "\n";
        return 1;
    }
    return 0;
}
