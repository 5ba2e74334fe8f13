// spot_finder.h: where to put the mouse so that the hover finds a hotspot.
//
// The cursor tests all 26 hotspot records every frame and the later record
// wins where rectangles overlap, so a point inside a record yields its id
// only where no later record with another non-zero id covers it. The finder
// searches the records with the id from the last to the first, takes the
// first one with a part left uncovered (and on the drawing area), and
// returns the centre of the largest uncovered rectangle of that part.
//
// Callers: the `spot` command of the play harness, the Tab walk and the
// hotspot markers. Pure: reads only what it is given.
#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "core/game_state.h"

// An inclusive rectangle, as hotspots are (left..right, top..bottom).
struct SpotRect {
    int64_t left = 0, top = 0, right = -1, bottom = -1;
    bool Empty() const { return left > right || top > bottom; }
    int64_t Area() const { return Empty() ? 0 : (right - left + 1) * (bottom - top + 1); }
};

// The point (picture coordinates) for hotspot `id` within `visible` (the
// drawing area, in picture coordinates). False with a message when no
// record has the id, or every record with it is covered or off the area.
bool FindSpotPoint(std::span<const TPomocnyObjekt> table, int64_t id, const SpotRect& visible,
                   int32_t& x, int32_t& y, std::string& error);

// The largest uncovered rectangle itself (its centre is the point above);
// false when there is none.
bool FindSpotPiece(std::span<const TPomocnyObjekt> table, int64_t id, const SpotRect& visible,
                   SpotRect& piece);

// The drawing area of width x height pixels in picture coordinates, the
// picture's top-left corner lying at (originX, originY) of the area.
SpotRect VisibleArea(int64_t width, int64_t height, int64_t originX, int64_t originY);

// Where the cursor finds one id of the table: FindSpotPiece's rectangle, and
// the id's latest record (whose label the cursor shows).
struct SpotPiece {
    int32_t id = 0;
    SpotRect piece;
    int32_t record = -1;
};

// One SpotPiece for every distinct non-zero id of the table that has one, in
// the order of each id's first record, at most out.size(); returns the count.
size_t FindSpotPieces(std::span<const TPomocnyObjekt> table, const SpotRect& visible,
                      std::span<SpotPiece> out);
