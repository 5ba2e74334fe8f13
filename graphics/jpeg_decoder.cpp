// jpeg_decoder.cpp: decoding the catalogue's JPEG pictures with libjpeg.
//
// Baseline and progressive streams, read from memory, delivered as RGB or
// straight into a 16-bit surface: with libjpeg-turbo's RGB565 output (no
// dithering: the same truncation as RgbToRgb565 of the RGB output), or row by
// row through one reused RGB buffer. The picture's size is read from the
// stream's frame header without decoding it. libjpeg reports fatal errors through a callback that must not return;
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

bool SizeInRange(uint32_t w, uint32_t h) {
    return w > 0 && h > 0 && w <= kMaxDimension && h <= kMaxDimension && uint64_t{w} * h <= kMaxPixels;
}


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
    DecodedPicture* out;       // RGB output, or
    Surface16* surface;        // 16-bit output: directly as RGB565 or through
    std::vector<uint8_t>* row; // this RGB row when not direct
    bool direct565;
    const char* failure;  // our own reason, when the library had none
};

// Reads the rows into the job's output; the library is past start_decompress.
void ReadRows(JpegJob& job, JDIMENSION w, JDIMENSION h) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    if (job.out != nullptr) {
        job.out->rgb.resize(static_cast<size_t>(w) * h * 3);
        while (cinfo.output_scanline < h) {
            JSAMPROW row = job.out->rgb.data() + static_cast<size_t>(cinfo.output_scanline) * w * 3;
            if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break;
        }
        return;
    }
    job.surface->Resize(static_cast<int32_t>(w), static_cast<int32_t>(h));
    if (!job.direct565) job.row->resize(static_cast<size_t>(w) * 3);
    while (cinfo.output_scanline < h) {
        uint16_t* dest = job.surface->Row(static_cast<int32_t>(cinfo.output_scanline));
        JSAMPROW row = job.direct565 ? reinterpret_cast<JSAMPROW>(dest) : job.row->data();
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1) break;
        if (job.direct565) continue;
        const uint8_t* p = job.row->data();
        for (JDIMENSION x = 0; x < w; ++x, p += 3) dest[x] = RgbToRgb565(p[0], p[1], p[2]);
    }
}

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
    if (!SizeInRange(w, h)) {
        job.failure = "JPEG picture size is out of range";
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    job.cinfo.out_color_space = JCS_RGB;
#ifdef JCS_ALPHA_EXTENSIONS  // libjpeg-turbo, which has RGB565 output too
    if (job.out == nullptr && job.direct565) {
        job.cinfo.out_color_space = JCS_RGB565;
        job.cinfo.dither_mode = JDITHER_NONE;
    }
#else
    job.direct565 = false;
#endif
    jpeg_start_decompress(&job.cinfo);
    // (RGB565 output counts its three channels too.)
    if (job.cinfo.output_components != 3 || job.cinfo.output_width != w || job.cinfo.output_height != h) {
        job.failure = "JPEG picture cannot be delivered as RGB";
        jpeg_destroy_decompress(&job.cinfo);
        return false;
    }
    ReadRows(job, w, h);
    jpeg_finish_decompress(&job.cinfo);
    jpeg_destroy_decompress(&job.cinfo);
    if (job.out != nullptr) {
        job.out->width = static_cast<int32_t>(w);
        job.out->height = static_cast<int32_t>(h);
    }
    return true;
}

std::string Failure(const JpegJob& job) {
    return std::string("JPEG is invalid: ") +
           (job.failure ? job.failure : job.err.message[0] ? job.err.message : "unknown error");
}

// A start-of-frame marker (the baseline, progressive and other codings).
bool IsFrameMarker(uint8_t m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }
}  // namespace

bool ReadJpegSize(std::span<const uint8_t> data, int32_t& width, int32_t& height, std::string& error) {
    auto at = [&](size_t i) -> uint32_t { return i < data.size() ? data[i] : 0u; };
    error = "JPEG is invalid: no frame header";
    if (data.size() < 4 || data[0] != 0xFF || data[1] != 0xD8) return false;
    size_t i = 2;
    while (i + 4 <= data.size()) {
        if (data[i] != 0xFF) return false;
        const uint8_t marker = data[i + 1];
        if (marker == 0xFF) {  // fill byte
            ++i;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {  // no length
            i += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA) return false;  // image or scan before a frame
        const size_t length = (at(i + 2) << 8) | at(i + 3);
        if (length < 2 || i + 2 + length > data.size()) return false;
        if (IsFrameMarker(marker)) {
            if (length < 8) return false;
            const uint32_t h = (at(i + 5) << 8) | at(i + 6);
            const uint32_t w = (at(i + 7) << 8) | at(i + 8);
            if (!SizeInRange(w, h)) {
                error = "JPEG is invalid: JPEG picture size is out of range";
                return false;
            }
            width = static_cast<int32_t>(w);
            height = static_cast<int32_t>(h);
            return true;
        }
        i += 2 + length;
    }
    return false;
}

bool DecodeJpegTo565(std::span<const uint8_t> data, Surface16& out, std::vector<uint8_t>& rowBuffer,
                     bool direct565, std::string& error) {
    out.Resize(0, 0);
    if (data.empty()) {
        error = "JPEG stream is empty";
        return false;
    }
    JpegJob job{};
    job.data = data;
    job.surface = &out;
    job.row = &rowBuffer;
    job.direct565 = direct565;
    if (!RunDecoder(job) || job.err.warnings > 0) {
        out.Resize(0, 0);
        error = Failure(job);
        return false;
    }
    return true;
}

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
        error = Failure(job);
        return false;
    }
    out.bitsPerPixel = 24;
    out.isDib = false;
    return true;
}
