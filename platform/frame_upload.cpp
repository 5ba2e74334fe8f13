// frame_upload.cpp: the back buffer into a texture of the renderer's own format.
#include "platform/frame_upload.h"

#include <SDL.h>

#include <array>
#include <cstring>
#include <memory>

namespace {

bool Is32BitRgb(uint32_t format) {
    return format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888 ||
           format == SDL_PIXELFORMAT_ABGR8888 || format == SDL_PIXELFORMAT_BGR888 ||
           format == SDL_PIXELFORMAT_RGBA8888 || format == SDL_PIXELFORMAT_BGRA8888;
}

// RGB565 when the renderer has it, else its first 32-bit RGB format; 0 if neither.
uint32_t ChooseFormat(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0) return 0;
    for (uint32_t i = 0; i < info.num_texture_formats; ++i)
        if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB565) return SDL_PIXELFORMAT_RGB565;
    for (uint32_t i = 0; i < info.num_texture_formats; ++i)
        if (Is32BitRgb(info.texture_formats[i])) return info.texture_formats[i];
    return 0;
}

// Every RGB565 value in a 32-bit format, channels widened as SDL widens them
// (low bits repeated from the high ones), alpha opaque. Built once per format.
class ExpandTable {
public:
    const uint32_t* For(uint32_t format) {
        if (format != format_) Build(format);
        return table_->data();
    }

private:
    void Build(uint32_t format) {
        if (!table_) table_ = std::make_unique<std::array<uint32_t, 65536>>();
        SDL_PixelFormat* pf = SDL_AllocFormat(format);
        if (pf == nullptr) return;
        for (uint32_t p = 0; p < 65536; ++p) {
            const uint32_t r5 = p >> 11, g6 = (p >> 5) & 63, b5 = p & 31;
            (*table_)[p] = SDL_MapRGBA(pf, static_cast<Uint8>((r5 << 3) | (r5 >> 2)),
                                       static_cast<Uint8>((g6 << 2) | (g6 >> 4)),
                                       static_cast<Uint8>((b5 << 3) | (b5 >> 2)), 255);
        }
        SDL_FreeFormat(pf);
        format_ = format;
    }
    uint32_t format_ = 0;
    std::unique_ptr<std::array<uint32_t, 65536>> table_;
};
ExpandTable expandTable;

// The texture in `format` at the frame's size, replacing `texture` if that is not one.
bool EnsureTexture(SDL_Renderer* renderer, SDL_Texture*& texture, uint32_t format, int w, int h) {
    uint32_t have = 0;
    int tw = 0, th = 0;
    if (texture && SDL_QueryTexture(texture, &have, nullptr, &tw, &th) == 0 && have == format &&
        tw == w && th == h)
        return true;
    SDL_Texture* made = SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_STREAMING, w, h);
    if (!made) return false;
    if (texture) SDL_DestroyTexture(texture);
    texture = made;
    return true;
}

bool Expand(SDL_Texture* texture, uint32_t format, const Surface16& back) {
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) return false;
    WriteRect(back, back.Rect(), pixels, pitch, format, 0, 0);
    SDL_UnlockTexture(texture);
    return true;
}

}  // namespace

bool WriteRect(const Surface16& pixels, const TRect& r, void* buffer, int pitch, uint32_t format,
               int32_t toX, int32_t toY) {
    if (r.IsEmpty()) return true;
    auto* base = static_cast<uint8_t*>(buffer);
    if (format == SDL_PIXELFORMAT_RGB565) {
        for (int32_t y = r.Top; y < r.Bottom; ++y)
            std::memcpy(base + static_cast<size_t>(toY + y - r.Top) * pitch + toX * 2,
                        pixels.Row(y) + r.Left, static_cast<size_t>(r.Width()) * 2);
        return true;
    }
    if (Is32BitRgb(format)) {
        const uint32_t* table = expandTable.For(format);
        for (int32_t y = r.Top; y < r.Bottom; ++y) {
            const uint16_t* from = pixels.Row(y) + r.Left;
            auto* to = reinterpret_cast<uint32_t*>(base + static_cast<size_t>(toY + y - r.Top) * pitch) + toX;
            for (int32_t x = 0; x < r.Width(); ++x) to[x] = table[from[x]];
        }
        return true;
    }
    const int bytes = SDL_BYTESPERPIXEL(format);
    return SDL_ConvertPixels(r.Width(), r.Height(), SDL_PIXELFORMAT_RGB565, pixels.Row(r.Top) + r.Left,
                             pixels.Width() * 2, format,
                             base + static_cast<size_t>(toY) * pitch + static_cast<size_t>(toX) * bytes,
                             pitch) == 0;
}

bool UploadRects(SDL_Renderer* renderer, SDL_Texture*& texture, const Surface16& pixels,
                 std::span<const TRect> rects) {
    if (!renderer || pixels.Empty()) return false;
    const uint32_t format = ChooseFormat(renderer);
    SDL_Texture* before = texture;
    if (format == 0 || !EnsureTexture(renderer, texture, format, pixels.Width(), pixels.Height()))
        return UploadFrame(renderer, texture, pixels);
    if (texture != before) return UploadFrame(renderer, texture, pixels);
    for (const TRect& r : rects) {
        const SDL_Rect area{r.Left, r.Top, r.Width(), r.Height()};
        void* buffer = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(texture, &area, &buffer, &pitch) != 0) return false;
        const bool written = WriteRect(pixels, r, buffer, pitch, format, 0, 0);
        SDL_UnlockTexture(texture);
        if (!written) return false;
    }
    return true;
}

bool PresentWanted(SDL_Window* window) {
    return window != nullptr &&
           (SDL_GetWindowFlags(window) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) == 0;
}

uint32_t NativeFrameFormat(SDL_Renderer* renderer) { return renderer ? ChooseFormat(renderer) : 0; }

bool UploadFrame(SDL_Renderer* renderer, SDL_Texture*& texture, const Surface16& back) {
    if (!renderer || back.Empty()) return false;
    const uint32_t format = ChooseFormat(renderer);
    if (format == 0 || !EnsureTexture(renderer, texture, format, back.Width(), back.Height())) {
        // No format of its own we can write: let SDL convert, as before.
        return texture && SDL_UpdateTexture(texture, nullptr, back.Pixels().data(),
                                            back.Width() * static_cast<int>(sizeof(uint16_t))) == 0;
    }
    if (format == SDL_PIXELFORMAT_RGB565)
        return SDL_UpdateTexture(texture, nullptr, back.Pixels().data(),
                                 back.Width() * static_cast<int>(sizeof(uint16_t))) == 0;
    return Expand(texture, format, back);
}
