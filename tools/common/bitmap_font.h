// bitmap_font.h: a built-in 5x7 pixel font for labels in tool output
// (contact sheets). ASCII 32..126; any other byte is drawn as '?'.
// Each character takes 6 pixels across (one of spacing) and 8 down.
#pragma once
#include <cstdint>
#include <string_view>

#include "tools/common/rgb_canvas.h"

constexpr int32_t kFontAdvance = 6;
constexpr int32_t kFontLineHeight = 8;

int32_t FontTextWidth(std::string_view text, int32_t scale = 1);
// Draws text with its top-left corner at (x, y), each font pixel scale x scale.
void FontDrawText(RgbCanvas& canvas, int32_t x, int32_t y, std::string_view text, uint32_t rgb,
                  int32_t scale = 1);
