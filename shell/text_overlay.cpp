// text_overlay.cpp: the label, message lines, phone-game status line and
// business-card tables drawn over each frame.
//
// The overlay draws through the form's text renderer onto the back buffer
// with a "current font" like a canvas: a pixel height and a colour. Every
// frame starts from the overlay font (15 px bold white); the card's tables
// switch to 16 px black. All positions are relative to the scene picture's
// corner (originX, originY) except the label, which follows the mouse.
#include "shell/text_overlay.h"

#include <string_view>

#include "adventure/game_ids.h"
#include "shell/code_tables.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "texts/texts.h"

namespace {

constexpr int32_t kOverlayFontHeight = 15;  // "arial" 11 pt at 96 dpi, bold
constexpr int32_t kCardFontHeight = 16;     // "arial" 12 pt at 96 dpi, bold
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr int32_t kLabelMargin = 10;        // the label keeps this far from the sides
constexpr int32_t kLabelDrop = 15;          // the label hangs this far below the mouse
constexpr uint16_t kMessageCentreY = 311;   // the message block's middle line
constexpr int32_t kCardFirstRowY = 50;
constexpr int32_t kCardRowStep = 18;

// The canvas font: set at the start of each frame and by the card tables.
struct TCanvasFont {
    int32_t pixelHeight = kOverlayFontHeight;
    uint32_t color = kWhite;
};
TCanvasFont canvasFont;

void CanvasTextOut(TMainForm& form, int32_t x, int32_t y, std::string_view text) {
    form.Text.TextOut(form.DDraw.Surface(), x, y, canvasFont.pixelHeight, text, canvasFont.color);
}

int32_t CanvasTextWidth(TMainForm& form, std::string_view text) {
    return form.Text.TextWidth(canvasFont.pixelHeight, text);
}

int32_t CurrentScene() { return GameState.live.scene; }

// The label of the hotspot under the cursor, centred under the mouse but kept
// 10 px from the left side and then from the right side (the right side wins
// when the label is wider than the drawing area allows).
void DrawHoverLabel(TMainForm& form) {
    const std::string& label = GameState.ui.hoverLabel;
    if (label.empty() || !GameState.ui.messageLines[0].empty()) return;
    if (CurrentScene() == Scene::PhoneGame) return;
    const int64_t w = CanvasTextWidth(form, label);
    int64_t x = static_cast<int64_t>(GameState.ui.mouseX) - w / 2;
    if (x < kLabelMargin) x = kLabelMargin;
    const int64_t rightmost = static_cast<int64_t>(form.DDraw.SurfaceWidth()) - w - kLabelMargin;
    if (x > rightmost) x = rightmost;
    const int64_t y = static_cast<int64_t>(GameState.ui.mouseY) + kLabelDrop;
    DrawOutlinedText(form, ClampToInt32(x), ClampToInt32(y), label, kWhite);
}

// One to three lines, 18 px apart, centred as a block on originY + 311.
void DrawMessage(TMainForm& form) {
    if (GameState.ui.messageLines[0].empty()) return;
    const uint16_t oy = GameState.ui.originY;
    switch (GameState.ui.messageLineCount) {
    case 0:
        DrawMessageLine(form, static_cast<uint16_t>(oy + kMessageCentreY), 0);
        break;
    case 1:
        DrawMessageLine(form, static_cast<uint16_t>(oy + kMessageCentreY - 9), 0);
        DrawMessageLine(form, static_cast<uint16_t>(oy + kMessageCentreY + 9), 1);
        break;
    case 2:
        DrawMessageLine(form, static_cast<uint16_t>(oy + kMessageCentreY - 18), 0);
        DrawMessageLine(form, static_cast<uint16_t>(oy + kMessageCentreY), 1);
        DrawMessageLine(form, static_cast<uint16_t>(oy + kMessageCentreY + 18), 2);
        break;
    default:
        break;
    }
}

// The phone game's only text, its status line, where a message would stand.
void DrawShooterStatus(TMainForm& form) {
    DrawCentredLine(form, static_cast<uint16_t>(GameState.ui.originY + kMessageCentreY),
                    GameState.phone.shooterStatus);
}

}  // namespace

void DrawOutlinedText(TMainForm& form, int32_t x, int32_t y, const std::string& text,
                      uint32_t bgrColor) {
    form.Text.TextOutOutlined(form.DDraw.Surface(), x, y, canvasFont.pixelHeight, text, bgrColor);
    canvasFont.color = bgrColor;
}

void DrawMessageLine(TMainForm& form, uint16_t y, int i) {
    if (i < 0 || i >= static_cast<int>(kMessageLineCount)) return;
    DrawCentredLine(form, y, GameState.ui.messageLines[i]);
}

void DrawCentredLine(TMainForm& form, uint16_t y, const std::string& line) {
    const int32_t x = form.DDraw.SurfaceWidth() / 2 - CanvasTextWidth(form, line) / 2;
    DrawOutlinedText(form, x, y, line, kWhite);
}

void DrawCodeTable(TMainForm& form, int32_t x, int32_t k) {
    canvasFont.pixelHeight = kCardFontHeight;
    canvasFont.color = kBlack;
    if (k < 1 || k > kCodeTableCount) return;
    for (int32_t row = 0; row < kCodeTableRows; ++row)
        CanvasTextOut(form, GameState.ui.originX + x,
                      GameState.ui.originY + kCardFirstRowY + kCardRowStep * row, CodeTableRow(k, row));
}

void DrawBusinessCard(TMainForm& form) {
    const uint8_t* code = GameState.live.progress.dialCode;
    DrawCodeTable(form, 73, code[0]);
    DrawCodeTable(form, 203, code[1]);
    DrawCodeTable(form, 333, code[2]);
}

void ResetOverlayFont() { canvasFont = TCanvasFont{kOverlayFontHeight, kWhite}; }

void DrawTextOverlay(TMainForm& form) {
    GameState.scratchText.clear();
    ResetOverlayFont();
    DrawHoverLabel(form);
    DrawMessage(form);
    const int32_t scene = CurrentScene();
    if (scene == Scene::PhoneGame) DrawShooterStatus(form);
    if (scene == Scene::BusinessCardFirstLook || scene == Scene::BusinessCard)
        DrawBusinessCard(form);
}
