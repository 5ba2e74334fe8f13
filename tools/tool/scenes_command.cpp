// scenes_command.cpp: "scenes FILE [--lang 0|1] [--plain] [SCENE...]": a contact sheet
// of the game's scenes for checking the art against the hotspots.
//
// Every scene that has a picture (or only the scenes named) is built by the
// game's own VykresliScenu on a headless window, in a typical running game
// and, where the scene's content depends on progress, once more in a later
// state. Each cell shows the picture with the inventory bar above it, every
// hotspot outlined in the colour of its cursor (yellow pointer, cyan exits,
// magenta game menu, grey hidden) with its id at the top-left corner, and a
// legend of the table in record order (the later record wins where spots
// overlap). Labels are written in ASCII, diacritics dropped. With --plain the
// pictures are left clean (the legend stays), to judge small drawn details.
#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "adventure/scene_builder.h"
#include "graphics/display.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "texts/cp1250.h"
#include "tools/common/bitmap_font.h"
#include "tools/common/png_writer.h"
#include "tools/common/rgb_canvas.h"
#include "tools/tool/tool_catalogue.h"
#include "tools/tool/tool_command.h"

namespace {

// A cell: title row, the picture from (-4, -44) to (539, 273) in picture
// coordinates (the bar included), and the legend to its right.
constexpr int32_t kCropLeft = -4, kCropTop = -44, kCropW = 544, kCropH = 318;
constexpr int32_t kTitleH = 12, kLegendW = 236, kGap = 10;
constexpr int32_t kCellW = kCropW + kGap + kLegendW + kGap, kCellH = kTitleH + kCropH + kGap;
constexpr int32_t kColumns = 3;
constexpr uint32_t kSheetGround = 0x181818, kTitleColour = 0xF0F0F0;

// ---- Game states ------------------------------------------------------------

TProgress& P() { return GameState.live.progress; }

// A game under way: the two starting items carried, the puzzles laid out as
// the story leaves them when the player first sees them.
void TypicalGame(uint8_t language) {
    ResetGameState();
    GameState.settings.language = language;
    GameState.live.inventory[0] = 206;
    GameState.live.inventory[1] = 205;
    GameState.ui.menuReturnScene = 11;
    const uint8_t tiles[9] = {6, 7, 1, 5, 8, 0, 2, 4, 3};
    const uint8_t glass[9] = {1, 0, 1, 0, 1, 1, 0, 1, 0};
    std::copy(tiles, tiles + 9, P().tile);
    std::copy(glass, glass + 9, P().glassPattern);
    P().cardFace[0] = 1, P().cardFace[1] = 3, P().cardFace[3] = 2;
    P().dialDigits[0] = 4, P().dialDigits[1] = 1, P().dialDigits[2] = 7;
}

struct LaterState {
    int32_t scene;
    const char* note;
    void (*before)();      // after the typical state, before the build
    void (*after)();       // after the build, before the frame (may be null)
};

// Second states for the scenes whose content depends on progress.
const LaterState kLaterStates[] = {
    {1, "hopper broken, window and paper done",
     [] { P().flushCount = 3, P().scraperTaken = 1, P().toiletPaperTaken = 1; }, nullptr},
    {2, "key taken", [] { P().keyTaken = 1; }, nullptr},
    {4, "no game; load list open", [] { GameState.ui.menuReturnScene = 0; },
     [] {
         P().saveMenuMode = 1;
         GameState.settings.slots[0].savedAt = 45000.5, GameState.settings.slots[0].scene = 40;
         GameState.settings.slots[4].savedAt = 45001.5, GameState.settings.slots[4].scene = 57;
     }},
    {10, "wire taken", [] { P().wireTaken = 1; }, nullptr},
    {12, "match jammed in the slot", [] { P().coinSlotJamSeen = 1; }, nullptr},
    {12, "coin slot cleared", [] { P().coinSlotJamSeen = 1, P().coinSlotCleared = 1; }, nullptr},
    {24, "street, secret place, tracks open",
     [] { P().streetReached = 1, P().secretPlaceOpen = 1, P().pictureSolved = 1, P().mapStudied = 1; },
     nullptr},
    {25, "two blocks in, tablet and base done",
     [] {
         P().holeBlock[0] = 210, P().holeBlock[1] = 211, P().holeOrderCount = 2;
         P().tabletDone = 1, P().baseOpened = 1;
     },
     nullptr},
    {25, "four blocks in, tablet loose",
     [] {
         for (int hole = 0; hole < 4; ++hole) P().holeBlock[hole] = static_cast<uint8_t>(210 + hole);
         P().holeOrderCount = 4, P().tabletUnlocked = 1;
     },
     nullptr},
    {27, "block taken", [] { P().stonesBlockTaken = 1; }, nullptr},
    {28, "rod taken", [] { P().rodTaken = 1; }, nullptr},
    {30, "apple in the trough, hay block taken",
     [] { P().secretPlaceOpen = 1, P().hayBlockTaken = 1; }, nullptr},
    {36, "tomb open, mechanism solved", [] { P().tombOpened = 1, P().mechanismSolved = 1; }, nullptr},
    {37, "mechanism solved, sculpture taken",
     [] { P().mechanismSolved = 1, P().sculptureTaken = 1; }, nullptr},
    {38, "axe taken", [] { P().axeTaken = 1; }, nullptr},
    {39, "white house known", [] { P().whiteHouseKnown = 1; }, nullptr},
    {40, "card and magnet taken", [] { P().businessCardTaken = 1, P().magnetTaken = 1; }, nullptr},
    {41, "letter taken", [] { P().letterTaken = 1; }, nullptr},
    {42, "cards offered, pen taken", [] { P().cardRiddleState = 1, P().penTaken = 1; }, nullptr},
    {43, "photo taken", [] { P().photoTaken = 1; }, nullptr},
    {49, "stones pushed, one held by the match",
     [] { P().stone[1] = 1, P().stone[4] = 2, P().stone[8] = 1; }, nullptr},
    {54, "bunker found", [] { P().bunkerFound = 1; }, nullptr},
    {56, "box open, bathroom open", [] { P().boxOpened = 1, P().bathroomOpen = 1; }, nullptr},
    {59, "mallet lent", [] { P().gamerState = 3; }, nullptr},
    {65, "tap fixed on the valve", [] { P().valveState = 2; }, nullptr},
    {68, "tap found", [] { P().tapFound = 1; }, nullptr},
};

struct Cell {
    int32_t scene;
    const LaterState* later;  // null: the typical state
};

// ---- The headless game ----------------------------------------------------

class HeadlessWindow {
public:
    bool Load(const std::string& containerPath, std::string& error);
    bool HasScene(int32_t scene) {
        return form_->ImageList.IndexOf("scena" + std::to_string(scene)) >= 0;
    }
    // Builds the scene and draws one frame without cursor or texts.
    const Surface16& Show(const Cell& cell, uint8_t language);

private:
    TNullPlatform platform_;
    std::unique_ptr<TMainForm> form_;
};

bool HeadlessWindow::Load(const std::string& containerPath, std::string& error) {
    form_ = std::make_unique<TMainForm>(platform_.Platform());
    std::vector<uint8_t> file;
    std::span<const uint8_t> data;
    if (!ContainerBytes(containerPath, file, data, error)) return false;
    if (!form_->LoadPictures(data, error)) return false;
    return form_->DDraw.Initialize(DisplayMode{false, 640, 480}, error);
}

const Surface16& HeadlessWindow::Show(const Cell& cell, uint8_t language) {
    TypicalGame(language);
    if (cell.later != nullptr) cell.later->before();
    GameState.live.scene = cell.scene;
    VykresliScenu();
    if (cell.later != nullptr && cell.later->after != nullptr) cell.later->after();
    form_->DDrawMouseMove(-1000, -1000);  // the cursor off the surface, nothing hovered
    form_->DXSpriteEngine.Move(16);
    form_->DXSpriteEngine.PurgeDead();
    form_->DDraw.Fill(0);
    form_->DXSpriteEngine.Draw();
    return form_->DDraw.Surface();
}

// ---- Drawing a cell ---------------------------------------------------------

// Windows-1250 text as ASCII: Czech letters lose their marks, others become '?'.
std::string AsciiLabel(const std::string& text) {
    static const std::u32string kFrom = U"áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ";
    static const std::string kTo = "acdeeinorstuuyzACDEEINORSTUUYZ";
    std::string out;
    for (unsigned char c : text) {
        if (c < 0x80) { out.push_back(static_cast<char>(c)); continue; }
        size_t at = kFrom.find(Cp1250ToUnicode(c));
        out.push_back(at == std::u32string::npos ? '?' : kTo[at]);
    }
    return out;
}

uint32_t KindColour(uint8_t kind) {
    switch (kind) {
        case 0: return 0x9A9A9A;
        case 1: return 0xFFE030;
        case 6: return 0xFF40FF;
        default: return 0x30F0FF;
    }
}

const char* KindName(uint8_t kind) {
    static const char* const kNames[] = {"hid", "ptr", "rgt", "dwn", "lft", "up", "menu"};
    return kind < 7 ? kNames[kind] : "?";
}

void CopyPicture(const Surface16& s, RgbCanvas& sheet, int32_t x0, int32_t y0) {
    const int32_t sx0 = GameState.ui.originX + kCropLeft, sy0 = GameState.ui.originY + kCropTop;
    for (int32_t y = 0; y < kCropH; ++y)
        for (int32_t x = 0; x < kCropW; ++x) {
            const int32_t sx = sx0 + x, sy = sy0 + y;
            if (sx < 0 || sy < 0 || sx >= s.Width() || sy >= s.Height()) continue;
            uint8_t r, g, b;
            Rgb565ToRgb(s.Pixel(sx, sy), r, g, b);
            sheet.Put(x0 + x, y0 + y, (uint32_t{r} << 16) | (uint32_t{g} << 8) | b);
        }
}

// Outlines an inclusive picture rectangle, clipped to the cell's picture.
// Edges outside the crop are left out.
void Outline(RgbCanvas& sheet, int32_t x0, int32_t y0, const TPomocnyObjekt& h, uint32_t colour) {
    const int32_t l = h.left - kCropLeft, t = h.top - kCropTop;
    const int32_t r = h.right - kCropLeft, b = h.bottom - kCropTop;
    const int32_t cl = std::max(l, 0), cr = std::min(r, kCropW - 1);
    const int32_t ct = std::max(t, 0), cb = std::min(b, kCropH - 1);
    if (cl > cr || ct > cb) return;
    for (int32_t x = cl; x <= cr; ++x) {
        if (t >= 0) sheet.Put(x0 + x, y0 + t, colour);
        if (b < kCropH) sheet.Put(x0 + x, y0 + b, colour);
    }
    for (int32_t y = ct; y <= cb; ++y) {
        if (l >= 0) sheet.Put(x0 + l, y0 + y, colour);
        if (r < kCropW) sheet.Put(x0 + r, y0 + y, colour);
    }
}

// The id at the rectangle's top-left corner, on a dark tag.
void IdTag(RgbCanvas& sheet, int32_t x0, int32_t y0, const TPomocnyObjekt& h, uint32_t colour) {
    const int32_t x = h.left - kCropLeft + 2, y = h.top - kCropTop + 2;
    if (x < 0 || y < 0 || x >= kCropW - 4 || y >= kCropH - 8) return;
    const std::string id = std::to_string(h.id);
    const int32_t w = std::min(FontTextWidth(id) + 2, kCropW - x);
    sheet.FillRect(x0 + x, y0 + y, w, kFontLineHeight + 1, 0x000000);
    FontDrawText(sheet, x0 + x + 1, y0 + y + 1, id, colour);
}

void Legend(RgbCanvas& sheet, int32_t x0, int32_t y0) {
    int32_t line = 0;
    for (const TPomocnyObjekt& h : GameState.ui.hotspots) {
        if (h.id == 0) continue;
        std::string text = std::to_string(h.id) + " " + KindName(h.cursorKind) + " " +
                           AsciiLabel(h.label);
        if (FontTextWidth(text) > kLegendW) text.resize(kLegendW / kFontAdvance);
        FontDrawText(sheet, x0, y0 + line * (kFontLineHeight + 2), text, KindColour(h.cursorKind));
        ++line;
    }
}

void DrawHotspots(RgbCanvas& sheet, int32_t x0, int32_t py);

void DrawCell(RgbCanvas& sheet, HeadlessWindow& window, const Cell& cell, int32_t index,
              uint8_t language, bool plain) {
    const int32_t x0 = (index % kColumns) * kCellW + kGap / 2;
    const int32_t y0 = (index / kColumns) * kCellH + kGap / 2;
    const Surface16& frame = window.Show(cell, language);
    std::string title = "scene " + std::to_string(cell.scene);
    title += cell.later != nullptr ? std::string(": ") + cell.later->note : ": typical game";
    FontDrawText(sheet, x0, y0, title, kTitleColour);
    const int32_t py = y0 + kTitleH;
    CopyPicture(frame, sheet, x0, py);
    if (!plain) DrawHotspots(sheet, x0, py);
    Legend(sheet, x0 + kCropW + kGap, py);
}

// Every hotspot outlined, then every id tag above all outlines.
void DrawHotspots(RgbCanvas& sheet, int32_t x0, int32_t py) {
    for (const TPomocnyObjekt& h : GameState.ui.hotspots) {
        if (h.id == 0) continue;
        Outline(sheet, x0, py, h, KindColour(h.cursorKind));
    }
    for (const TPomocnyObjekt& h : GameState.ui.hotspots)
        if (h.id != 0) IdTag(sheet, x0, py, h, KindColour(h.cursorKind));
}

// ---- Arguments ----------------------------------------------------------------

struct ScenesArgs {
    std::string file;
    uint8_t language = 1;
    bool plain = false;  // --plain: the pictures without the outlines and ids
    std::vector<int32_t> scenes;  // empty: all
};

bool ParseNumber(const std::string& word, int32_t low, int32_t high, int32_t& value) {
    if (word.empty() || word.size() > 3) return false;
    if (!std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    value = std::stoi(word);
    return value >= low && value <= high;
}

bool ParseScenesArgs(ToolArgs args, ScenesArgs& out, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        int32_t n = 0;
        if (args[i] == "--lang") {
            if (i + 1 >= args.size() || !ParseNumber(args[i + 1], 0, 1, n))
                return error = "--lang takes 0 (Czech) or 1 (English)", false;
            out.language = static_cast<uint8_t>(n);
            ++i;
        } else if (args[i] == "--plain") {
            out.plain = true;
        } else if (out.file.empty()) {
            out.file = args[i];
        } else if (ParseNumber(args[i], 0, 82, n)) {
            out.scenes.push_back(n);
        } else {
            return error = "not a scene number 0..82: " + args[i], false;
        }
    }
    if (out.file.empty()) return error = "no output file named", false;
    return true;
}

std::vector<Cell> ListCells(HeadlessWindow& window, const std::vector<int32_t>& wanted) {
    std::vector<Cell> cells;
    for (int32_t scene = 0; scene <= 82; ++scene) {
        if (!wanted.empty() && std::find(wanted.begin(), wanted.end(), scene) == wanted.end())
            continue;
        if (!window.HasScene(scene)) continue;
        cells.push_back({scene, nullptr});
        for (const LaterState& later : kLaterStates)
            if (later.scene == scene) cells.push_back({scene, &later});
    }
    return cells;
}

}  // namespace

int RunScenesCommand(ToolContext& ctx, ToolArgs args) {
    ScenesArgs parsed;
    std::string error;
    if (!ParseScenesArgs(args, parsed, error)) {
        ctx.err << "varnoklet3-tool scenes: " << error << "\n"
                << "usage: varnoklet3-tool scenes FILE [--lang 0|1] [--plain] [SCENE...]\n";
        return 2;
    }
    HeadlessWindow window;
    if (!window.Load(ctx.containerPath, error)) {
        ctx.err << "varnoklet3-tool scenes: " << error << "\n";
        return 1;
    }
    const std::vector<Cell> cells = ListCells(window, parsed.scenes);
    if (cells.empty()) {
        ctx.err << "varnoklet3-tool scenes: none of the scenes named has a picture\n";
        return 1;
    }
    const int32_t columns = std::min<int32_t>(kColumns, static_cast<int32_t>(cells.size()));
    const int32_t rows = (static_cast<int32_t>(cells.size()) + kColumns - 1) / kColumns;
    RgbCanvas sheet(columns * kCellW, rows * kCellH, kSheetGround);
    for (size_t i = 0; i < cells.size(); ++i)
        DrawCell(sheet, window, cells[i], static_cast<int32_t>(i), parsed.language, parsed.plain);
    if (!WritePngRgb(parsed.file, sheet.Width(), sheet.Height(), sheet.Pixels(), error)) {
        ctx.err << "varnoklet3-tool scenes: " << error << "\n";
        return 1;
    }
    ctx.out << cells.size() << " cells written to " << parsed.file << "\n";
    return 0;
}
