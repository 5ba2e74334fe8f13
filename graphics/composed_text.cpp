// composed_text.cpp: blending coverage masks, and composing a sequence of
// blends into per-pixel channel maps drawn in one pass.
#include "graphics/composed_text.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// round((c * a + d * (255 - a)) / 255) for 8-bit values; exact for all of them.
inline uint32_t Mix(uint32_t c, uint32_t d, uint32_t a) {
    const uint32_t t = c * a + d * (255 - a) + 128;
    return (t + (t >> 8)) >> 8;
}

// One blend on one channel held in `bits` bits: the value is widened to 8
// bits (low bits from the high ones), mixed with the colour's 8-bit component
// and cut back, exactly as a blend onto the RGB565 surface does.
inline uint32_t BlendChannel(uint32_t v, int bits, uint32_t component, uint32_t a) {
    if (a == 0) return v;
    if (a == 255) return component >> (8 - bits);
    const uint32_t wide = bits == 5 ? (v << 3) | (v >> 2) : (v << 2) | (v >> 4);
    return Mix(component, wide, a) >> (8 - bits);
}

// A run of length pixels from (x, y) on dest, clipped: where its first
// visible pixel goes, how many pixels of it are cut off on the left, and how
// many are visible (0 when none).
struct ClippedRun {
    uint16_t* out = nullptr;
    size_t skip = 0;
    size_t count = 0;
};
ClippedRun Clip(Surface16& dest, int64_t x, int64_t y, uint32_t length) {
    if (y < 0 || y >= dest.Height()) return {};
    const int64_t left = std::max<int64_t>(x, 0);
    const int64_t right = std::min<int64_t>(x + length, dest.Width());
    if (left >= right) return {};
    return {dest.Row(static_cast<int32_t>(y)) + left, static_cast<size_t>(left - x),
            static_cast<size_t>(right - left)};
}

template <size_t N>
bool IsConstant(const std::array<uint8_t, N>& map) {
    return std::all_of(map.begin(), map.end(), [&](uint8_t v) { return v == map[0]; });
}

// The map of one channel through the blends with these coverages.
template <size_t N>
std::array<uint8_t, N> ChannelMap(std::span<const ComposeStep> steps, const uint8_t* alphas,
                                  int shift) {
    constexpr int bits = N == 32 ? 5 : 6;
    std::array<uint8_t, N> map{};
    for (uint32_t v = 0; v < N; ++v) {
        uint32_t value = v;
        for (size_t k = 0; k < steps.size(); ++k)
            value = BlendChannel(value, bits, (steps[k].bgrColor >> shift) & 0xFF, alphas[k]);
        map[v] = static_cast<uint8_t>(value);
    }
    return map;
}

}  // namespace

void BlendCoverage(Surface16& dest, int32_t x, int32_t y, const CoverageMask& mask, uint32_t bgrColor) {
    const int64_t left = std::max<int64_t>(0, x), top = std::max<int64_t>(0, y);
    const int64_t right = std::min<int64_t>(dest.Width(), int64_t{x} + mask.width);
    const int64_t bottom = std::min<int64_t>(dest.Height(), int64_t{y} + mask.height);
    if (left >= right || top >= bottom) return;
    dest.NoteDrawn(TRect{static_cast<int32_t>(left), static_cast<int32_t>(top), static_cast<int32_t>(right),
                         static_cast<int32_t>(bottom)});
    const uint32_t cr = bgrColor & 0xFF, cg = (bgrColor >> 8) & 0xFF, cb = (bgrColor >> 16) & 0xFF;
    const uint16_t solid = ColorToRgb565(bgrColor);
    for (int64_t py = top; py < bottom; ++py) {
        const uint8_t* cov = mask.coverage + (py - y) * mask.width + (left - x);
        uint16_t* out = dest.Row(static_cast<int32_t>(py)) + left;
        for (int64_t px = left; px < right; ++px, ++cov, ++out) {
            const uint32_t a = *cov;
            if (a == 0) continue;
            if (a == 255) {
                *out = solid;
                continue;
            }
            uint8_t dr, dg, db;
            Rgb565ToRgb(*out, dr, dg, db);
            *out = RgbToRgb565(static_cast<uint8_t>(Mix(cr, dr, a)), static_cast<uint8_t>(Mix(cg, dg, a)),
                               static_cast<uint8_t>(Mix(cb, db, a)));
        }
    }
}

// ---- channel maps ----

template <class Map>
uint16_t ChannelMapPool::Add(const Map& map, std::vector<Map>& maps, std::map<Map, uint16_t>& index) {
    auto found = index.find(map);
    if (found != index.end()) return found->second;
    if (maps.size() >= kFull) return kFull;
    maps.push_back(map);
    return index[map] = static_cast<uint16_t>(maps.size() - 1);
}

uint16_t ChannelMapPool::Add5(const std::array<uint8_t, 32>& map) { return Add(map, maps5_, index5_); }
uint16_t ChannelMapPool::Add6(const std::array<uint8_t, 64>& map) { return Add(map, maps6_, index6_); }

// ---- composing ----

bool ComposedText::Compose(const CoverageMask& mask, std::span<const ComposeStep> steps,
                           ChannelMapPool& pool) {
    Clear();
    if (mask.width <= 0 || mask.height <= 0 || steps.empty()) {
        pool_ = &pool;
        return true;
    }
    int32_t minDx = 0, maxDx = 0, minDy = 0, maxDy = 0;
    for (const auto& s : steps) {
        minDx = std::min(minDx, s.dx), maxDx = std::max(maxDx, s.dx);
        minDy = std::min(minDy, s.dy), maxDy = std::max(maxDy, s.dy);
    }
    std::vector<uint8_t> alphas(steps.size());
    std::map<std::basic_string<uint8_t>, Inked> seen;  // the same coverages give the same pixel
    std::vector<Inked> row;
    for (int32_t cy = minDy; cy < maxDy + mask.height; ++cy) {
        row.clear();
        for (int32_t cx = minDx; cx < maxDx + mask.width; ++cx) {
            bool inked = false;
            for (size_t k = 0; k < steps.size(); ++k) {
                const int32_t mx = cx - steps[k].dx, my = cy - steps[k].dy;
                const bool inside = mx >= 0 && mx < mask.width && my >= 0 && my < mask.height;
                alphas[k] = inside ? mask.coverage[static_cast<size_t>(my) * mask.width + mx] : 0;
                inked = inked || alphas[k] != 0;
            }
            if (!inked) continue;
            const std::basic_string<uint8_t> key(alphas.begin(), alphas.end());
            auto found = seen.find(key);
            if (found == seen.end()) {
                Inked p{};
                const auto r = ChannelMap<32>(steps, alphas.data(), 0);
                const auto g = ChannelMap<64>(steps, alphas.data(), 8);
                const auto b = ChannelMap<32>(steps, alphas.data(), 16);
                p.constant = IsConstant(r) && IsConstant(g) && IsConstant(b);
                p.value = static_cast<uint16_t>((r[0] << 11) | (g[0] << 5) | b[0]);
                // A constant keeps its maps too: a short stretch of constants
                // is cheaper mapped than copied.
                p.maps = {pool.Add5(r), pool.Add6(g), pool.Add5(b)};
                if (p.maps.red == ChannelMapPool::kFull || p.maps.green == ChannelMapPool::kFull ||
                    p.maps.blue == ChannelMapPool::kFull) {
                    Clear();
                    return false;
                }
                found = seen.emplace(key, p).first;
            }
            row.push_back(found->second);
            row.back().x = cx;
        }
        AddRow(cy, row);
    }
    for (const Run& run : runs_)
        bounds_ = UnionRect(bounds_, Bounds(run.x, run.y, static_cast<int32_t>(run.length), 1));
    FlattenOverBlack(pool);
    runs_.shrink_to_fit();
    constants_.shrink_to_fit();
    pixels_.shrink_to_fit();
    pool_ = &pool;
    return true;
}

void ComposedText::FlattenOverBlack(const ChannelMapPool& pool) {
    for (const Run& run : runs_) {
        const bool joins = !flatRuns_.empty() && flatRuns_.back().y == run.y &&
                           int64_t{flatRuns_.back().x} + flatRuns_.back().length == run.x;
        if (!joins) flatRuns_.push_back(FlatRun{run.x, run.y, static_cast<uint32_t>(overBlack_.size()), 0});
        flatRuns_.back().length += run.length;
        for (uint32_t i = 0; i < run.length; ++i) {
            if (run.constant) {
                overBlack_.push_back(constants_[run.first + i]);
                continue;
            }
            const Pixel& p = pixels_[run.first + i];
            overBlack_.push_back(static_cast<uint16_t>((pool.Map5(p.red)[0] << 11) |
                                                       (pool.Map6(p.green)[0] << 5) | pool.Map5(p.blue)[0]));
        }
    }
    flatRuns_.shrink_to_fit();
    overBlack_.shrink_to_fit();
}

// Splits a row's inked pixels into runs: stretches of at least kMinCopied
// constants are copied, everything else is mapped.
void ComposedText::AddRow(int32_t cy, std::span<const Inked> row) {
    size_t i = 0;
    while (i < row.size()) {
        size_t end = i + 1;  // the stretch of constants next to each other from i
        while (row[i].constant && end < row.size() && row[end].constant && row[end].x == row[end - 1].x + 1)
            ++end;
        const bool copied = row[i].constant && end - i >= kMinCopied;
        if (!copied) end = i + 1;
        for (; i < end; ++i) {
            Append(row[i].x, cy, copied);
            if (copied) constants_.push_back(row[i].value);
            else pixels_.push_back(row[i].maps);
        }
    }
}

void ComposedText::Append(int32_t cx, int32_t cy, bool constant) {
    if (!runs_.empty()) {
        Run& last = runs_.back();
        if (last.y == cy && last.constant == constant && int64_t{last.x} + last.length == cx) {
            ++last.length;
            return;
        }
    }
    const size_t first = constant ? constants_.size() : pixels_.size();
    runs_.push_back(Run{cx, cy, static_cast<uint32_t>(first), 1, constant});
}

void ComposedText::Draw(Surface16& dest, int32_t x, int32_t y) const {
    if (pool_ == nullptr || dest.Empty() || runs_.empty()) return;
    const TRect area{ClampToInt32(int64_t{x} + bounds_.Left), ClampToInt32(int64_t{y} + bounds_.Top),
                     ClampToInt32(int64_t{x} + bounds_.Right), ClampToInt32(int64_t{y} + bounds_.Bottom)};
    const bool overBlack = dest.Drawn().ClearValue() == 0 && dest.Drawn().IsClear(area);
    dest.NoteDrawn(area);
    if (overBlack) {
        DrawOverBlack(dest, x, y);
        return;
    }
    const uint8_t* const maps5 = pool_->Maps5();
    const uint8_t* const maps6 = pool_->Maps6();
    for (const Run& run : runs_) {
        const ClippedRun c = Clip(dest, int64_t{x} + run.x, int64_t{y} + run.y, run.length);
        if (c.count == 0) continue;
        uint16_t* out = c.out;
        if (run.constant) {
            std::memcpy(out, constants_.data() + run.first + c.skip, c.count * sizeof(uint16_t));
            continue;
        }
        const Pixel* p = pixels_.data() + run.first + c.skip;
        for (size_t n = c.count; n > 0; --n, ++p, ++out) {
            const uint16_t o = *out;
            *out = static_cast<uint16_t>((maps5[(p->red << 5) | (o >> 11)] << 11) |
                                         (maps6[(p->green << 6) | ((o >> 5) & 63)] << 5) |
                                         maps5[(p->blue << 5) | (o & 31)]);
        }
    }
}

void ComposedText::DrawOverBlack(Surface16& dest, int32_t x, int32_t y) const {
    for (const FlatRun& run : flatRuns_) {
        const ClippedRun c = Clip(dest, int64_t{x} + run.x, int64_t{y} + run.y, run.length);
        if (c.count > 0) std::memcpy(c.out, overBlack_.data() + run.first + c.skip, c.count * sizeof(uint16_t));
    }
}

size_t ComposedText::Bytes() const {
    return runs_.capacity() * sizeof(Run) + constants_.capacity() * sizeof(uint16_t) +
           pixels_.capacity() * sizeof(Pixel) + flatRuns_.capacity() * sizeof(FlatRun) +
           overBlack_.capacity() * sizeof(uint16_t);
}

void ComposedText::Clear() {
    runs_.clear();
    bounds_ = {};
    constants_.clear();
    pixels_.clear();
    flatRuns_.clear();
    overBlack_.clear();
    pool_ = nullptr;
}
