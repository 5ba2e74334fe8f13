// cmd_sheet.cpp: "sheet FILE": a contact sheet of every item in catalogue
// order: each cell shows the whole picture (scaled down to fit, keyed pixels
// left out as the game leaves them out, on a chequered ground) above its
// position and name.
#include <algorithm>
#include <ostream>

#include "tools/common/bitmap_font.h"
#include "tools/common/png_writer.h"
#include "tools/common/rgb_canvas.h"
#include "tools/tool/tool_catalogue.h"
#include "tools/tool/tool_command.h"

namespace {
constexpr int32_t kColumns = 8;
constexpr int32_t kCellW = 150, kCellH = 124;
constexpr int32_t kThumbW = 140, kThumbH = 100;
constexpr uint32_t kBackground = 0x202020, kLabel = 0xF0F0F0;

void Chequer(RgbCanvas& sheet, int32_t x, int32_t y, int32_t w, int32_t h) {
    for (int32_t yy = 0; yy < h; yy += 5)
        for (int32_t xx = 0; xx < w; xx += 5)
            sheet.FillRect(x + xx, y + yy, std::min(5, w - xx), std::min(5, h - yy),
                           ((xx + yy) / 5) % 2 ? 0x909090 : 0x6C6C6C);
}

void DrawCell(RgbCanvas& sheet, const TPictureCollectionItem& item, int32_t x, int32_t y) {
    const DecodedPicture& pic = item.Picture();
    if (!pic.Empty()) {
        const double scale = std::min({1.0, double(kThumbW) / pic.width, double(kThumbH) / pic.height});
        const int32_t w = std::max(1, int32_t(pic.width * scale)), h = std::max(1, int32_t(pic.height * scale));
        const int32_t px = x + (kCellW - w) / 2, py = y + 3 + (kThumbH - h) / 2;
        Chequer(sheet, px, py, w, h);
        sheet.DrawPicture(pic, px, py, w, h, item.Transparent(), item.TransparentColor());
    }
    std::string label = std::to_string(item.Index()) + " " + item.Name();
    if (FontTextWidth(label) > kCellW - 4) label.resize((kCellW - 4) / kFontAdvance);
    FontDrawText(sheet, x + (kCellW - FontTextWidth(label)) / 2, y + kThumbH + 10, label, kLabel);
}
}  // namespace

int RunSheetCommand(ToolContext& ctx, ToolArgs args) {
    if (!ExpectArgs(ctx, "sheet", args, 1)) return 2;
    ToolCatalogue* cat = ctx.Catalogue();
    if (cat == nullptr) return 1;
    const TPictureCollection& images = cat->Images();
    const int32_t rows = std::max(1, (images.Count() + kColumns - 1) / kColumns);
    RgbCanvas sheet(kColumns * kCellW, rows * kCellH, kBackground);
    for (int32_t i = 0; i < images.Count(); ++i)
        DrawCell(sheet, images.Items(i), (i % kColumns) * kCellW, (i / kColumns) * kCellH);
    std::string error;
    if (!WritePngRgb(args[0], sheet.Width(), sheet.Height(), sheet.Pixels(), error)) {
        ctx.err << "varnoklet3-tool sheet: " << error << "\n";
        return 1;
    }
    return 0;
}
