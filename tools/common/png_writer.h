// png_writer.h: writing pictures to PNG files for the developer tools.
//
// Callers: varnoklet3-tool's subcommands. Both functions write an 8-bit RGB
// PNG; on any failure (file cannot be created, libpng error, empty picture)
// they return false with a message naming the file, and leave no partial
// promise about the file's content.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "graphics/surface16.h"

// rgb: width*height*3 bytes, rows top to bottom, R G B.
bool WritePngRgb(const std::string& path, int32_t width, int32_t height,
                 std::span<const uint8_t> rgb, std::string& error);
// A 16-bit surface, widened to 8 bits per channel.
bool WritePngSurface(const std::string& path, const Surface16& surface, std::string& error);
