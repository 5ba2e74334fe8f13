// written_bands.h: where a surface was written, band by band.
//
// The surface is cut into bands of kBandRows rows; each band keeps the span
// of columns written in it since the last Forget. Noting never loses
// precision across the surface the way a short list of rectangles does when
// it fills up: a label at the top and a cursor at the bottom stay two small
// spans. Before the first Forget (and after Unknown) nothing is known, and
// whoever reads it must take the whole surface as written.
#pragma once
#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

#include "graphics/geometry.h"

class WrittenBands {
public:
    static constexpr int32_t kBandRows = 8;

    // A surface of this height; nothing known yet.
    void Resize(int32_t height) {
        const size_t bands = static_cast<size_t>((std::max(height, 0) + kBandRows - 1) / kBandRows);
        left_.assign(bands, INT32_MAX);
        right_.assign(bands, INT32_MIN);
        known_ = false;
    }
    void Unknown() { known_ = false; }
    // Nothing written from here on.
    void Forget() {
        std::fill(left_.begin(), left_.end(), INT32_MAX);
        std::fill(right_.begin(), right_.end(), INT32_MIN);
        known_ = true;
    }
    bool Known() const { return known_; }

    // r must lie within the surface (or be empty).
    void Note(const TRect& r) {
        if (!known_ || r.IsEmpty()) return;
        const int32_t last = (r.Bottom - 1) / kBandRows;
        for (int32_t b = r.Top / kBandRows; b <= last && b < Bands(); ++b) {
            left_[b] = std::min(left_[b], r.Left);
            right_[b] = std::max(right_[b], r.Right);
        }
    }

    int32_t Bands() const { return static_cast<int32_t>(left_.size()); }
    // The written part of band b (empty when nothing was written in it); its
    // rows are clipped to `height`, the surface's.
    TRect Band(int32_t b, int32_t height) const {
        if (left_[b] >= right_[b]) return TRect{};
        return TRect{left_[b], b * kBandRows, right_[b], std::min(height, (b + 1) * kBandRows)};
    }

private:
    std::vector<int32_t> left_, right_;
    bool known_ = false;
};
