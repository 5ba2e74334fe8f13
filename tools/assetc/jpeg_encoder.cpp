// jpeg_encoder.cpp: JFIF compression through libjpeg's memory destination.
//
// libjpeg reports fatal errors through a callback that must not return; ours
// jumps back into RunEncoder, which lives in a frame holding nothing with a
// destructor, frees the compressor and reports the library's message.
#include "tools/assetc/jpeg_encoder.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace {

struct ErrorManager {
    jpeg_error_mgr pub;
    jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr cinfo) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    longjmp(err->jump, 1);
}

void OnMessage(j_common_ptr, int) {}

// Everything the jump may cross lives here, in the caller's frame.
struct JpegJob {
    jpeg_compress_struct cinfo;
    ErrorManager err;
    const RgbaImage* image;
    int quality;
    bool fullChroma;
    uint8_t* rowBuffer;
    unsigned char* buffer;
    unsigned long size;
};

void SetUp(JpegJob& job) {
    jpeg_compress_struct& c = job.cinfo;
    c.image_width = static_cast<JDIMENSION>(job.image->width);
    c.image_height = static_cast<JDIMENSION>(job.image->height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, job.quality, TRUE);
    c.optimize_coding = TRUE;
    if (job.fullChroma) {
        for (int i = 0; i < c.num_components; ++i) {
            c.comp_info[i].h_samp_factor = 1;
            c.comp_info[i].v_samp_factor = 1;
        }
    }
}

bool RunEncoder(JpegJob& job) {
    job.cinfo.err = jpeg_std_error(&job.err.pub);
    job.err.pub.error_exit = OnError;
    job.err.pub.emit_message = OnMessage;
    job.err.message[0] = '\0';
    if (setjmp(job.err.jump)) {
        jpeg_destroy_compress(&job.cinfo);
        return false;
    }
    jpeg_create_compress(&job.cinfo);
    jpeg_mem_dest(&job.cinfo, &job.buffer, &job.size);
    SetUp(job);
    jpeg_start_compress(&job.cinfo, TRUE);
    const RgbaImage& img = *job.image;
    while (job.cinfo.next_scanline < job.cinfo.image_height) {
        const uint8_t* src = img.At(0, static_cast<int>(job.cinfo.next_scanline));
        for (int x = 0; x < img.width; ++x) {
            job.rowBuffer[x * 3 + 0] = src[x * 4 + 0];
            job.rowBuffer[x * 3 + 1] = src[x * 4 + 1];
            job.rowBuffer[x * 3 + 2] = src[x * 4 + 2];
        }
        JSAMPROW row = job.rowBuffer;
        jpeg_write_scanlines(&job.cinfo, &row, 1);
    }
    jpeg_finish_compress(&job.cinfo);
    jpeg_destroy_compress(&job.cinfo);
    return true;
}

}  // namespace

bool EncodeJpeg(const RgbaImage& image, int quality, bool fullChroma, std::vector<uint8_t>& out,
                std::string& error) {
    if (image.width < 1 || image.height < 1) {
        error = "cannot store an empty picture as JPEG";
        return false;
    }
    std::vector<uint8_t> rowBuffer(static_cast<size_t>(image.width) * 3);
    JpegJob job{};
    job.image = &image;
    job.quality = quality;
    job.fullChroma = fullChroma;
    job.rowBuffer = rowBuffer.data();
    const bool ok = RunEncoder(job);
    if (ok) out.assign(job.buffer, job.buffer + job.size);
    std::free(job.buffer);  // jpeg_mem_dest's buffer outlives the compressor
    if (!ok) error = std::string("JPEG compression failed: ") + job.err.message;
    return ok;
}
