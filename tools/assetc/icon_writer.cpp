// icon_writer.cpp: SVG -> RGBA PNG at one icon size.
#include "tools/assetc/icon_writer.h"

#include <png.h>

#include <cstdio>
#include <ostream>

#include "tools/assetc/rgba_image.h"
#include "tools/assetc/svg_rasteriser.h"

bool WriteIconPng(const std::string& svgPath, int size, const std::string& pngPath, std::ostream& err) {
    if (size < 1 || size > 1024) {
        err << "assetc: icon size " << size << " is outside 1..1024\n";
        return false;
    }
    RgbaImage image;
    std::string error;
    if (!RasteriseSvg(svgPath, size, size, image, error)) {
        err << "assetc: " << error << "\n";
        return false;
    }
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    png.width = static_cast<png_uint_32>(size);
    png.height = static_cast<png_uint_32>(size);
    png.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&png, pngPath.c_str(), 0, image.pixels.data(), size * 4, nullptr)) {
        err << "assetc: " << pngPath << ": " << png.message << "\n";
        png_image_free(&png);
        std::remove(pngPath.c_str());
        return false;
    }
    return true;
}
