// spot_finder.cpp: finding an uncovered point of a hotspot.
#include "adventure/spot_finder.h"

#include <algorithm>
#include <vector>

namespace {
SpotRect Intersect(const SpotRect& a, const SpotRect& b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

SpotRect RecordRect(const TPomocnyObjekt& r) { return {r.left, r.top, r.right, r.bottom}; }

// The parts of `pieces` outside `cut`: each piece splits into up to four bands.
std::vector<SpotRect> Subtract(const std::vector<SpotRect>& pieces, const SpotRect& cut) {
    std::vector<SpotRect> out;
    for (const SpotRect& p : pieces) {
        const SpotRect overlap = Intersect(p, cut);
        if (overlap.Empty()) {
            out.push_back(p);
            continue;
        }
        const SpotRect bands[] = {
            {p.left, p.top, p.right, overlap.top - 1},                        // above
            {p.left, overlap.bottom + 1, p.right, p.bottom},                  // below
            {p.left, overlap.top, overlap.left - 1, overlap.bottom},          // left
            {overlap.right + 1, overlap.top, p.right, overlap.bottom}};      // right
        for (const SpotRect& b : bands)
            if (!b.Empty()) out.push_back(b);
    }
    return out;
}

// What is left of record `index` on the visible area after the later records
// with another non-zero id have taken their share.
std::vector<SpotRect> UncoveredPart(std::span<const TPomocnyObjekt> table, size_t index,
                                    const SpotRect& visible) {
    std::vector<SpotRect> pieces;
    const SpotRect own = Intersect(RecordRect(table[index]), visible);
    if (!own.Empty()) pieces.push_back(own);
    for (size_t later = index + 1; later < table.size() && !pieces.empty(); ++later)
        if (table[later].id != 0 && table[later].id != table[index].id)
            pieces = Subtract(pieces, RecordRect(table[later]));
    return pieces;
}

std::string IdsInTable(std::span<const TPomocnyObjekt> table) {
    std::string ids;
    for (const TPomocnyObjekt& r : table)
        if (r.id != 0) ids += (ids.empty() ? "" : " ") + std::to_string(r.id);
    return ids.empty() ? "none" : ids;
}
}  // namespace

bool FindSpotPiece(std::span<const TPomocnyObjekt> table, int64_t id, const SpotRect& visible,
                   SpotRect& piece) {
    for (size_t i = table.size(); i-- > 0;) {
        if (id == 0 || table[i].id != id) continue;
        const std::vector<SpotRect> pieces = UncoveredPart(table, i, visible);
        if (pieces.empty()) continue;
        piece = *std::max_element(
            pieces.begin(), pieces.end(), [](const SpotRect& a, const SpotRect& b) { return a.Area() < b.Area(); });
        return true;
    }
    return false;
}

SpotRect VisibleArea(int64_t width, int64_t height, int64_t originX, int64_t originY) {
    return {-originX, -originY, width - 1 - originX, height - 1 - originY};
}

size_t FindSpotPieces(std::span<const TPomocnyObjekt> table, const SpotRect& visible,
                      std::span<SpotPiece> out) {
    size_t count = 0;
    for (size_t i = 0; i < table.size() && count < out.size(); ++i) {
        const int32_t id = table[i].id;
        const auto earlier = table.first(i);
        if (id == 0 || std::any_of(earlier.begin(), earlier.end(),
                                   [id](const TPomocnyObjekt& r) { return r.id == id; }))
            continue;
        SpotPiece found{.id = id, .piece = {}, .record = static_cast<int32_t>(i)};
        if (!FindSpotPiece(table, id, visible, found.piece)) continue;
        for (size_t later = i + 1; later < table.size(); ++later)
            if (table[later].id == id) found.record = static_cast<int32_t>(later);
        out[count++] = found;
    }
    return count;
}

bool FindSpotPoint(std::span<const TPomocnyObjekt> table, int64_t id, const SpotRect& visible,
                   int32_t& x, int32_t& y, std::string& error) {
    SpotRect best;
    if (FindSpotPiece(table, id, visible, best)) {
        x = static_cast<int32_t>((best.left + best.right) / 2);
        y = static_cast<int32_t>((best.top + best.bottom) / 2);
        return true;
    }
    const bool found = id != 0 && std::any_of(table.begin(), table.end(),
                                              [id](const TPomocnyObjekt& r) { return r.id == id; });
    error = found ? "hotspot " + std::to_string(id) +
                        " is wholly covered by later hotspots or lies off the drawing area"
                  : "no hotspot " + std::to_string(id) + " in this scene (its hotspots: " +
                        IdsInTable(table) + ")";
    return false;
}
