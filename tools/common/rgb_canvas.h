// rgb_canvas.h: a plain 24-bit picture the tools compose output in (contact
// sheets and the like), outside the game's 16-bit drawing path.
//
// Every drawing call clips to the canvas, so callers may draw anywhere.
#pragma once
#include <cstdint>
#include <vector>

#include "graphics/image_catalogue.h"

class RgbCanvas {
public:
    RgbCanvas(int32_t width, int32_t height, uint32_t rgb = 0);

    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    const std::vector<uint8_t>& Pixels() const { return pixels_; }  // R G B, rows top to bottom
    uint32_t At(int32_t x, int32_t y) const;                         // 0xRRGGBB

    void Put(int32_t x, int32_t y, uint32_t rgb);
    void FillRect(int32_t x, int32_t y, int32_t w, int32_t h, uint32_t rgb);
    // Draws the picture scaled (nearest pixel) into the w x h box at (x, y).
    // With keyed set, pixels that the 16-bit display reduces to the same value
    // as key (0x00BBGGRR) are left out, as the game would draw them.
    void DrawPicture(const DecodedPicture& picture, int32_t x, int32_t y, int32_t w, int32_t h,
                     bool keyed, int32_t key);

private:
    int32_t width_, height_;
    std::vector<uint8_t> pixels_;
};
