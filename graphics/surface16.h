// surface16.h: a 16-bit RGB565 pixel surface, the game's only pixel format.
//
// The back buffer and every decoded catalogue picture are Surface16s. Colours
// enter as 0x00BBGGRR values (the order the pictures' keys are stored in) and
// are reduced to RGB565; colour keys compare those 16-bit values, so every
// source colour that reduces to the key's value is left out.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "graphics/drawn_area.h"
#include "graphics/written_bands.h"
#include "graphics/geometry.h"

// 0x00BBGGRR -> RGB565 (5 bits red, 6 green, 5 blue, red in the high bits).
constexpr uint16_t ColorToRgb565(uint32_t bgr) {
    uint32_t r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
constexpr uint16_t RgbToRgb565(uint8_t r, uint8_t g, uint8_t b) {
    return static_cast<uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
// RGB565 -> 8-bit channels, low bits filled from the high ones (white stays white).
inline void Rgb565ToRgb(uint16_t p, uint8_t& r, uint8_t& g, uint8_t& b) {
    uint8_t r5 = p >> 11, g6 = (p >> 5) & 0x3F, b5 = p & 0x1F;
    r = static_cast<uint8_t>((r5 << 3) | (r5 >> 2));
    g = static_cast<uint8_t>((g6 << 2) | (g6 >> 4));
    b = static_cast<uint8_t>((b5 << 3) | (b5 >> 2));
}

class Surface16 {
public:
    Surface16() = default;
    Surface16(int32_t width, int32_t height) { Resize(width, height); }

    void Resize(int32_t width, int32_t height);
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    TRect Rect() const { return TRect{0, 0, width_, height_}; }

    uint16_t* Row(int32_t y) {
        version_ = NextVersion();
        return pixels_.data() + static_cast<size_t>(y) * width_;
    }
    const uint16_t* Row(int32_t y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
    uint16_t Pixel(int32_t x, int32_t y) const { return Row(y)[x]; }
    void SetPixel(int32_t x, int32_t y, uint16_t v) {
        Row(y)[x] = v;
        drawn_.Note(Bounds(x, y, 1, 1));
        Written(Bounds(x, y, 1, 1));
    }
    const std::vector<uint16_t>& Pixels() const { return pixels_; }

    void Fill(uint16_t value);
    void FillRect(const TRect& r, uint16_t value);  // clipped to the surface
    // Fills every pixel outside keep (the whole surface when keep is empty or
    // lies outside it); the pixels inside keep are left as they are.
    void FillOutside(const TRect& keep, uint16_t value);
    // The same pixels as FillOutside, but writes only where something was
    // drawn since the last clear to this value (see Drawn()).
    void ClearOutside(const TRect& keep, uint16_t value);

    // Where the surface may differ from its last clear. Code that writes
    // through Row() must note what it wrote; the methods here note their own.
    const DrawnArea& Drawn() const { return drawn_; }
    void NoteDrawn(const TRect& r) {
        drawn_.Note(IntersectRect(r, Rect()));
        Written(IntersectRect(r, Rect()));
    }

    // Where pixels were written since ForgetWritten (not Known() before the
    // first call, nor after a resize): every other pixel still holds what it
    // held then. Whoever shows the surface calls ForgetWritten after each time.
    const WrittenBands& WrittenSinceForget() const { return written_; }
    void ForgetWritten() { written_.Forget(); }

    // Changes whenever the pixels may have (any write, Row() included).
    uint64_t Version() const { return version_; }

    // Copies srcRect of src into dstRect of this surface, scaled to dstRect's
    // size in each direction (nearest pixel), clipped to this surface. With
    // keyed set, source pixels equal to key are not copied. An empty source or
    // destination rectangle, or a source rectangle outside src, copies nothing.
    // A large unscaled, unkeyed copy is remembered as the underlay: the same
    // copy again, from an unchanged src, rewrites only the pixels written
    // since the last one (a still scene's background costs nearly nothing),
    // with exactly the pixels of the whole copy.
    void StretchBlit(const TRect& dstRect, const Surface16& src, const TRect& srcRect,
                     bool keyed, uint16_t key);

    // The smallest copy that counts as a picture laid under everything else
    // (a scene's background): see StretchBlit.
    static constexpr int64_t kUnderlayPixels = 65536;

private:
    static uint64_t NextVersion() {
        static uint64_t last = 0;
        return ++last;
    }
    // Pixels inside r were written: for the shown frame and the underlay.
    void Written(const TRect& r) {
        written_.Note(r);
        overdrawn_.Note(r);
    }
    // The underlay copied again where anything was written over it since.
    bool RestoreUnderlay(const TRect& dstRect, const Surface16& src, const TRect& srcRect,
                         const TRect& clipped);
    void FillClipped(const TRect& r, uint16_t value);  // r within the surface, not noted
    void FillAround(const TRect& r, const TRect& keep, uint16_t value);  // r minus keep, not noted

    int32_t width_ = 0, height_ = 0;
    std::vector<uint16_t> pixels_;
    DrawnArea drawn_;
    WrittenBands written_;
    uint64_t version_ = NextVersion();

    // The last large unscaled, unkeyed copy (the underlay) and where the
    // surface was written since it (overdrawn_ Known() only while valid).
    struct Underlay {
        const Surface16* src = nullptr;
        uint64_t srcVersion = 0;
        TRect srcRect{}, dstRect{};
    } underlay_;
    WrittenBands overdrawn_;
};
