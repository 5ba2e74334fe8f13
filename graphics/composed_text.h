// composed_text.h: a text's drawn form composed once, drawn in one pass.
//
// A text is drawn by blending its 8-bit coverage mask onto the 16-bit back
// buffer in a colour (BlendCoverage, the plain way); the overlay's outlined
// form is nine such draws (eight black copies around a coloured one). Every
// blend works on each RGB565 channel alone, so any sequence of blends turns
// each channel value into another by a fixed map: a pixel of the finished
// draw is either untouched, a constant, or three small maps (one per channel)
// applied to what lies under it. ComposedText stores just that, row by row in
// runs that skip the untouched pixels, so drawing the outlined text costs one
// pass over its inked pixels and gives exactly the pixels of the nine blends.
// Runs of constants (most of an outlined text: the solid outline and the solid
// strokes) are copied whole; only the edge pixels go through the maps. Where
// the surface is known to be black under the whole text (a message line on
// the empty border), the text drawn over black is copied instead.
//
// The channel maps are shared between texts in a ChannelMapPool (texts have
// few distinct ones); a composed text refers to the pool that composed it.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "graphics/surface16.h"

// An 8-bit coverage mask, rows top to bottom.
struct CoverageMask {
    int32_t width = 0, height = 0;
    const uint8_t* coverage = nullptr;  // width * height bytes
};

// Blends mask in the colour (0x00BBGGRR) onto dest with its top-left corner at
// (x, y), by coverage, clipped to dest: coverage 0 leaves a pixel, 255 sets it
// to the colour, anything between mixes the two rounded per 8-bit channel.
void BlendCoverage(Surface16& dest, int32_t x, int32_t y, const CoverageMask& mask, uint32_t bgrColor);

// One blend of a composition: the mask drawn offset by (dx, dy) in a colour.
struct ComposeStep {
    int32_t dx = 0, dy = 0;
    uint32_t bgrColor = 0;
};

// Maps of 5-bit (red, blue) and 6-bit (green) channel values, by index.
class ChannelMapPool {
public:
    static constexpr uint16_t kFull = 0xFFFF;  // no room: Add5/Add6 return this
    uint16_t Add5(const std::array<uint8_t, 32>& map);
    uint16_t Add6(const std::array<uint8_t, 64>& map);
    const uint8_t* Map5(uint16_t i) const { return maps5_[i].data(); }
    const uint8_t* Map6(uint16_t i) const { return maps6_[i].data(); }
    // All maps back to back: map i of 5-bit values starts at Maps5() + 32 * i.
    const uint8_t* Maps5() const { return maps5_.empty() ? nullptr : maps5_.front().data(); }
    const uint8_t* Maps6() const { return maps6_.empty() ? nullptr : maps6_.front().data(); }
    size_t Count() const { return maps5_.size() + maps6_.size(); }

private:
    template <class Map>
    static uint16_t Add(const Map& map, std::vector<Map>& maps, std::map<Map, uint16_t>& index);
    static_assert(sizeof(std::array<uint8_t, 32>) == 32 && sizeof(std::array<uint8_t, 64>) == 64);
    std::vector<std::array<uint8_t, 32>> maps5_;
    std::vector<std::array<uint8_t, 64>> maps6_;
    std::map<std::array<uint8_t, 32>, uint16_t> index5_;
    std::map<std::array<uint8_t, 64>, uint16_t> index6_;
};

class ComposedText {
public:
    // Composes the blends of mask at the steps, in order. False (and empty)
    // when the pool has no room for a new map; the caller then blends plainly.
    bool Compose(const CoverageMask& mask, std::span<const ComposeStep> steps, ChannelMapPool& pool);
    // Draws the composition for the text at (x, y), clipped to dest.
    void Draw(Surface16& dest, int32_t x, int32_t y) const;
    bool Composed() const { return pool_ != nullptr; }
    size_t Bytes() const;
    void Clear();

private:
    struct Pixel {
        uint16_t red, green, blue;  // channel map indexes
    };
    struct Run {
        int32_t x, y;        // relative to the text's position
        uint32_t first;      // index of its first pixel in constants_ or pixels_
        uint32_t length;
        bool constant;       // its pixels are values in constants_, else maps in pixels_
    };
    static constexpr size_t kMinCopied = 8;  // shorter stretches of constants are mapped
    struct Inked {
        int32_t x = 0;
        bool constant = false;  // every background gives value
        uint16_t value = 0;
        Pixel maps{};
    };
    void AddRow(int32_t cy, std::span<const Inked> row);
    // Appends one inked pixel at (cx, cy), continuing the last run when it is
    // of the same kind and ends just before it.
    void Append(int32_t cx, int32_t cy, bool constant);
    struct FlatRun {
        int32_t x, y;
        uint32_t first;  // index in overBlack_
        uint32_t length;
    };
    void FlattenOverBlack(const ChannelMapPool& pool);
    void DrawOverBlack(Surface16& dest, int32_t x, int32_t y) const;

    std::vector<Run> runs_;
    TRect bounds_{};  // of the runs, relative to the text's position
    std::vector<uint16_t> constants_;
    std::vector<Pixel> pixels_;
    // The whole composition over black, in row runs that join where they touch.
    std::vector<FlatRun> flatRuns_;
    std::vector<uint16_t> overBlack_;
    const ChannelMapPool* pool_ = nullptr;
};
