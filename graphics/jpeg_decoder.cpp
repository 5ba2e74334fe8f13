// jpeg_decoder.cpp: decoding the catalogue's JPEG pictures with libjpeg.
//
// Baseline and progressive streams, read from memory, always delivered as
// RGB. libjpeg reports fatal errors through a callback that must not return;
// ours jumps back into RunDecoder, which frees the decoder and reports the
// library's message, so a corrupt stream never ends the program. Warnings
// about corrupt data (a truncated stream, for one) reject the picture too.
#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "graphics/image_catalogue.h"

namespace {
// As for DIBs: far above the game's pictures, far below a memory hazard.
constexpr JDIMENSION kMaxDimension = 4096;
constexpr uint64_t kMaxPixels = uint64_t{1} << 22;

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    int warnings;
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    longjmp(err->jump, 1);
}

// Level -1 is a warning about corrupt data; higher levels are trace output.
void OnMessage(j_common_ptr cinfo, int level) {
    if (level >= 0) return;
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (err->warnings++ == 0) (*cinfo->err->format_message)(cinfo, err->message);
}

// Everything the jump may cross lives here, in the caller's frame.
struct JpegJob {
    jpeg_decompress_struct cinfo;
    ErrorManager err;
    std::span<const uint8_t> data;
    DecodedPicture* out;
    const char* failure;  // our own reason, when the library had none
};

bool RunDecoder(JpegJob& job) {
    job.cinfo.err = jpeg_std_error(&job.err.pub);
    job.err.pub.error_exit = OnError;
    job.err.pub.emit_message = OnMessage;
    job.err.message[0] = '\0';
    job.err.warnings = 0;
    if (setjmp(job.err.jump)) {
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    jpeg_create_decompress(&job.cinfo);
    jpeg_mem_src(&job.cinfo, job.data.data(), static_cast<unsigned long>(job.data.size()));
    if (jpeg_read_header(&job.cinfo, TRUE) != JPEG_HEADER_OK) {
        job.failure = "JPEG stream holds no picture";
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    const JDIMENSION w = job.cinfo.image_width, h = job.cinfo.image_height;
    if (w == 0 || h == 0 || w > kMaxDimension || h > kMaxDimension ||
        uint64_t{w} * h > kMaxPixels) {
        job.failure = "JPEG picture size is out of range";
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    job.cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&job.cinfo);
    if (job.cinfo.output_components != 3 || job.cinfo.output_width != w ||
        job.cinfo.output_height != h) {
        job.failure = "JPEG picture cannot be delivered as RGB";
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    DecodedPicture& out = *job.out;
    out.rgb.resize(static_cast<size_t>(w) * h * 3);
    while (job.cinfo.output_scanline < h) {
        JSAMPROW row = out.rgb.data() + static_cast<size_t>(job.cinfo.output_scanline) * w * 3;
        if (jpeg_read_scanlines(&job.cinfo, &row, 1) != 1) break;
    }
    jpeg_finish_decompress(&job.cinfo);
    jpeg_destroy_decompress(&job.cinfo);
    out.width = static_cast<int32_t>(w);
    out.height = static_cast<int32_t>(h);
    return true;
}
}  // namespace

bool DecodeJpeg(std::span<const uint8_t> data, DecodedPicture& out, std::string& error) {
    out = DecodedPicture{};
    if (data.empty()) {
        error = "JPEG stream is empty";
        return false;
    }
    JpegJob job{};
    job.data = data;
    job.out = &out;
    const bool ok = RunDecoder(job);
    if (!ok || job.err.warnings > 0) {
        out = DecodedPicture{};
        error = std::string("JPEG is invalid: ") +
                (job.failure ? job.failure : job.err.message[0] ? job.err.message : "unknown error");
        return false;
    }
    out.bitsPerPixel = 24;
    out.isDib = false;
    return true;
}
