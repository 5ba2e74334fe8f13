// svg_rasteriser.h: drawing an SVG source at a picture's exact size.
//
// The SVG's viewBox (or, without one, its intrinsic size) is scaled to exactly
// width x height, independently in each direction, so an artist may draw at
// any scale. Called once per catalogue item by the build command.
//
// Contract: returns false with a message (file and reason) when the file is
// missing, is not a valid SVG or cannot be drawn; `out` is then unspecified.
#pragma once
#include <string>

#include "tools/assetc/rgba_image.h"

bool RasteriseSvg(const std::string& path, int width, int height, RgbaImage& out,
                  std::string& error);
