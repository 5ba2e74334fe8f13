// drawn_area.h: where a surface may differ from its clear colour.
//
// The back buffer is cleared every frame, but most of what lies outside the
// scene picture is already clear: only the cursor, the inventory bar and the
// texts were drawn there last frame. A DrawnArea remembers, for the surface
// that owns it, a few rectangles outside of which every pixel still holds the
// colour of the last clear, so the next clear can touch just those.
//
// Contract: while Known(), every pixel outside Rects() holds ClearValue().
// Whatever writes to the surface notes the rectangle it wrote (Surface16's
// own fills and blits do; code that writes through Row() calls NoteDrawn).
// Noting is conservative: when the list is full it is folded into its
// bounding rectangle.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "graphics/geometry.h"

class DrawnArea {
public:
    static constexpr size_t kMaxRects = 24;

    bool Known() const { return known_; }
    uint16_t ClearValue() const { return clearValue_; }
    std::span<const TRect> Rects() const { return {rects_.data(), count_}; }
    // True when every pixel inside r is known to hold ClearValue().
    bool IsClear(const TRect& r) const {
        if (!known_) return false;
        for (size_t i = 0; i < count_; ++i)
            if (OverlapRect(rects_[i], r)) return false;
        return true;
    }

    // The whole surface was set to value, except perhaps inside keep.
    void Cleared(uint16_t value, const TRect& keep) {
        known_ = true;
        clearValue_ = value;
        count_ = 0;
        Note(keep);
    }
    // Pixels inside r may now differ from the clear value.
    void Note(const TRect& r) {
        if (!known_ || r.IsEmpty()) return;
        if (count_ == kMaxRects) {
            rects_[0] = Bounding();
            count_ = 1;
        }
        rects_[count_++] = r;
    }
    // After the parts of every rectangle outside keep were cleared: what may
    // still differ lies inside keep, within the rectangles' bounds.
    void KeepOnlyInside(const TRect& keep) {
        const TRect inside = IntersectRect(Bounding(), keep);
        count_ = 0;
        Note(inside);
    }

private:
    TRect Bounding() const {
        TRect b{};
        for (size_t i = 0; i < count_; ++i) b = UnionRect(b, rects_[i]);
        return b;
    }

    bool known_ = false;
    uint16_t clearValue_ = 0;
    size_t count_ = 0;
    std::array<TRect, kMaxRects> rects_{};
};
