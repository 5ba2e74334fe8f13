// png_writer.cpp: PNG output through libpng, with its errors turned into
// return values (libpng reports them by a long jump back into WriteRows).
#include "tools/common/png_writer.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <png.h>

namespace {
struct PngFailure {
    std::string message;
};

void OnPngError(png_structp png, png_const_charp msg) {
    auto* failure = static_cast<PngFailure*>(png_get_error_ptr(png));
    failure->message = msg;
    png_longjmp(png, 1);
}

void OnPngWarning(png_structp, png_const_charp) {}

// Everything the jump may cross lives in the caller's frame.
struct PngJob {
    FILE* file;
    int32_t width, height;
    const uint8_t* rgb;
    PngFailure failure;
};

bool WriteRows(PngJob& job) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &job.failure, OnPngError, OnPngWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, job.file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(job.width), static_cast<png_uint_32>(job.height), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int32_t y = 0; y < job.height; ++y)
        png_write_row(png, job.rgb + static_cast<size_t>(y) * job.width * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}
}  // namespace

bool WritePngRgb(const std::string& path, int32_t width, int32_t height,
                 std::span<const uint8_t> rgb, std::string& error) {
    if (width <= 0 || height <= 0 || rgb.size() != static_cast<size_t>(width) * height * 3) {
        error = path + ": nothing to write (empty or inconsistent picture)";
        return false;
    }
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = path + ": cannot create the file";
        return false;
    }
    PngJob job{file, width, height, rgb.data(), {}};
    const bool written = WriteRows(job);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = path + ": cannot write PNG" + (job.failure.message.empty() ? "" : " (" + job.failure.message + ")");
        std::remove(path.c_str());
        return false;
    }
    return true;
}

bool WritePngSurface(const std::string& path, const Surface16& surface, std::string& error) {
    std::vector<uint8_t> rgb(static_cast<size_t>(surface.Width()) * surface.Height() * 3);
    uint8_t* p = rgb.data();
    for (uint16_t px : surface.Pixels()) {
        Rgb565ToRgb(px, p[0], p[1], p[2]);
        p += 3;
    }
    return WritePngRgb(path, surface.Width(), surface.Height(), rgb, error);
}
