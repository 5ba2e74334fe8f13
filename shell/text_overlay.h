// text_overlay.h: the texts drawn over each frame's picture.
//
// DrawTextOverlay is called once per frame by the frame loop, after the
// sprites are drawn and before the frame is presented. It draws, in this
// order: the label under the cursor, the message lines, the phone game's
// status line (scene 5) and the business card's number tables (scenes 34 and
// 35, drawing a new code every frame while scene 34 shows). It reads the game
// state and writes only the code (scene 34) and message line 0 (scene 5).
#pragma once
#include <cstdint>
#include <string>

class TMainForm;

void DrawTextOverlay(TMainForm& form);

// Draws text in black at the eight neighbouring positions, then in colour at (x, y).
void DrawOutlinedText(TMainForm& form, int32_t x, int32_t y, const std::string& text,
                      uint32_t bgrColor);
// Draws messageLines[i] centred on the drawing area at y, outlined, in white.
void DrawMessageLine(TMainForm& form, uint16_t y, int i);
void DrawBusinessCard(TMainForm& form);
void DrawCodeTable(TMainForm& form, int32_t x, int32_t k);
