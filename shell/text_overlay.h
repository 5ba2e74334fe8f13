// text_overlay.h: the texts drawn over each frame's picture.
//
// DrawTextOverlay is called once per frame by the frame loop, after the
// sprites are drawn and before the frame is presented. It draws, in this
// order: the label under the cursor, the message lines, the phone game's
// status line (scene 5) and the business card's number tables (scenes 34 and
// 35). It only reads the game state; it empties the scratch text, which holds
// nothing from one frame to the next.
//
// The helpers below draw with the overlay's current font (pixel height and
// colour), which DrawTextOverlay resets to 15 px white at the start of every
// frame and DrawCodeTable switches to 16 px black. Text outside the drawing
// area is clipped; nothing here fails.
#pragma once
#include <cstdint>
#include <string>

class TMainForm;

void DrawTextOverlay(TMainForm& form);

// Back to the overlay font a frame starts with (15 px white).
void ResetOverlayFont();

// Draws text in black at the eight neighbouring positions, then in colour at
// (x, y), the text's top-left corner; leaves the current colour set to colour.
void DrawOutlinedText(TMainForm& form, int32_t x, int32_t y, const std::string& text,
                      uint32_t bgrColor);
// Draws messageLines[i] centred on the drawing area at y, outlined, in white.
// An i outside 0..2 draws nothing.
void DrawMessageLine(TMainForm& form, uint16_t y, int i);
// Draws `line` centred on the drawing area at y, outlined, in white.
void DrawCentredLine(TMainForm& form, uint16_t y, const std::string& line);
// The tables of the three code digits at x 73, 203 and 333 of the picture.
void DrawBusinessCard(TMainForm& form);
// The seven rows of the table of digit k at picture x, rows 18 px apart from
// picture y 50, 16 px black, no outline. A k outside 1..9 (a damaged saved
// game) draws nothing.
void DrawCodeTable(TMainForm& form, int32_t x, int32_t k);
