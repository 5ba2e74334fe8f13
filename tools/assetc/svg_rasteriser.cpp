// svg_rasteriser.cpp: SVG to RGBA through librsvg and cairo.
#include "tools/assetc/svg_rasteriser.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace {

struct HandleDeleter {
    void operator()(RsvgHandle* h) const { g_object_unref(h); }
};
struct SurfaceDeleter {
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
struct CairoDeleter {
    void operator()(cairo_t* c) const { cairo_destroy(c); }
};

std::string TakeError(GError* err, const char* fallback) {
    std::string msg = err && err->message ? err->message : fallback;
    if (err) g_error_free(err);
    return msg;
}

// The document area that is mapped onto the picture: the viewBox, else the
// intrinsic size in pixels, else the picture itself.
RsvgRectangle DocumentArea(RsvgHandle* handle, int width, int height) {
    gboolean hasW = FALSE, hasH = FALSE, hasViewBox = FALSE;
    RsvgLength w{}, h{};
    RsvgRectangle viewBox{};
    rsvg_handle_get_intrinsic_dimensions(handle, &hasW, &w, &hasH, &h, &hasViewBox, &viewBox);
    if (hasViewBox && viewBox.width > 0 && viewBox.height > 0)
        return RsvgRectangle{0, 0, viewBox.width, viewBox.height};
    double pw = 0, ph = 0;
    if (rsvg_handle_get_intrinsic_size_in_pixels(handle, &pw, &ph) && pw > 0 && ph > 0)
        return RsvgRectangle{0, 0, pw, ph};
    return RsvgRectangle{0, 0, static_cast<double>(width), static_cast<double>(height)};
}

// Cairo's premultiplied native-endian ARGB32 to straight RGBA.
void CopyUnpremultiplied(cairo_surface_t* surface, RgbaImage& out) {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < out.height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < out.width; ++x) {
            uint32_t p = row[x];
            uint32_t a = p >> 24;
            uint8_t* d = out.At(x, y);
            uint32_t c[3] = {(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF};
            for (int i = 0; i < 3; ++i)
                d[i] = static_cast<uint8_t>(a == 0 ? 0 : std::min<uint32_t>(255, (c[i] * 255 + a / 2) / a));
            d[3] = static_cast<uint8_t>(a);
        }
    }
}

}  // namespace

bool RasteriseSvg(const std::string& path, int width, int height, RgbaImage& out,
                  std::string& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = path + ": source SVG is missing";
        return false;
    }
    GError* err = nullptr;
    std::unique_ptr<RsvgHandle, HandleDeleter> handle(rsvg_handle_new_from_file(path.c_str(), &err));
    if (!handle) {
        error = path + ": not a valid SVG (" + TakeError(err, "unknown error") + ")";
        return false;
    }
    rsvg_handle_set_dpi(handle.get(), 96.0);
    std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) {
        error = path + ": cannot create a " + std::to_string(width) + "x" +
                std::to_string(height) + " drawing surface";
        return false;
    }
    std::unique_ptr<cairo_t, CairoDeleter> cr(cairo_create(surface.get()));
    RsvgRectangle area = DocumentArea(handle.get(), width, height);
    cairo_scale(cr.get(), width / area.width, height / area.height);
    if (!rsvg_handle_render_document(handle.get(), cr.get(), &area, &err)) {
        error = path + ": cannot draw the SVG (" + TakeError(err, "unknown error") + ")";
        return false;
    }
    out = RgbaImage(width, height);
    CopyUnpremultiplied(surface.get(), out);
    return true;
}
