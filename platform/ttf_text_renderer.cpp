// ttf_text_renderer.cpp: SDL_ttf text drawing with a cache of coverage masks.
#include "platform/ttf_text_renderer.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>
#include <list>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "graphics/composed_text.h"
#include "platform/font_data.h"
#include "texts/cp1250.h"

namespace {

// One text of one size: its width once measured, its coverage once rasterised.
struct TextEntry {
    int32_t pixelHeight = 0;
    std::string text;
    int32_t advance = -1;  // TTF_SizeUTF8 width; -1 until measured
    bool rasterised = false;
    int32_t maskWidth = 0, maskHeight = 0;
    std::vector<uint8_t> coverage;  // maskWidth * maskHeight, rows top to bottom
    // The plain and the outlined draw, composed for the first colour each is drawn in.
    ComposedText plain, outlined;
    uint32_t plainColor = 0, outlinedColor = 0;
    int32_t outlineStep = 1;  // how far the outlined composition's black copies lie

    CoverageMask Mask() const { return CoverageMask{maskWidth, maskHeight, coverage.data()}; }
    size_t Bytes() const { return coverage.size() + plain.Bytes() + outlined.Bytes(); }
};

// Looks entries up without copying the text: the view points into the entry.
struct TextKey {
    int32_t pixelHeight;
    std::string_view text;
    bool operator==(const TextKey&) const = default;
};
struct TextKeyHash {
    size_t operator()(const TextKey& k) const noexcept {
        return std::hash<std::string_view>{}(k.text) ^
               (static_cast<size_t>(k.pixelHeight) * 0x9E3779B97F4A7C15ull);
    }
};

// Least-recently-used text entries, bounded by count and by coverage bytes.
// With room for 0 entries every Get hands out one scratch entry, emptied.
class TextCache {
public:
    TextCache(size_t maxEntries, size_t maxBytes) : maxEntries_(maxEntries), maxBytes_(maxBytes) {}

    // The entry of (pixelHeight, text), new and empty if it was not kept.
    // The reference stays valid until the next Get.
    TextEntry& Get(int32_t pixelHeight, std::string_view text) {
        if (maxEntries_ == 0) {
            scratch_ = TextEntry{};
            scratch_.pixelHeight = pixelHeight;
            scratch_.text.assign(text);
            return scratch_;
        }
        auto found = index_.find(TextKey{pixelHeight, text});
        if (found != index_.end()) {
            lru_.splice(lru_.begin(), lru_, found->second);
            return lru_.front();
        }
        lru_.emplace_front();
        TextEntry& e = lru_.front();
        e.pixelHeight = pixelHeight;
        e.text.assign(text);
        index_.emplace(TextKey{e.pixelHeight, e.text}, lru_.begin());
        Evict();
        return e;
    }

    // Counts what was just stored in `e` (from the last Get; it held
    // `bytesBefore` until then) and keeps the bounds.
    void Stored(const TextEntry& e, size_t bytesBefore) {
        if (maxEntries_ == 0) return;
        bytes_ += e.Bytes() - bytesBefore;
        Evict();
    }
    bool Keeps() const { return maxEntries_ > 0; }

    size_t Size() const { return lru_.size(); }

private:
    // Drops the least recently used entries while over a bound; never the newest.
    void Evict() {
        while (lru_.size() > 1 && (lru_.size() > maxEntries_ || bytes_ > maxBytes_)) {
            TextEntry& old = lru_.back();
            index_.erase(TextKey{old.pixelHeight, old.text});
            bytes_ -= old.Bytes();
            lru_.pop_back();
        }
    }

    size_t maxEntries_, maxBytes_;
    size_t bytes_ = 0;
    std::list<TextEntry> lru_;  // most recently used first
    std::unordered_map<TextKey, std::list<TextEntry>::iterator, TextKeyHash> index_;
    TextEntry scratch_;
};

// Appends one code point (below U+10000, as the code page has) as UTF-8.
void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

struct TtfTextRenderer::Impl {
    std::span<const uint8_t> fontData;
    bool ttfStarted = false;
    bool reported = false;
    std::vector<std::pair<int32_t, TTF_Font*>> fonts;  // nullptr: that size failed
    ChannelMapPool maps;  // shared by the composed texts; outlives the cache
    TextCache cache;
    std::string utf8;
    uint64_t rasterisations = 0;

    Impl(std::span<const uint8_t> data, size_t cacheEntries)
        : fontData(data), cache(cacheEntries, kCacheMaskBytes) {
        if (TTF_Init() == 0)
            ttfStarted = true;
        else
            Report("the font library cannot start");
    }

    ~Impl() {
        for (auto& f : fonts)
            if (f.second) TTF_CloseFont(f.second);
        if (ttfStarted) TTF_Quit();
    }

    void Report(const char* what) {
        if (reported) return;
        reported = true;
        std::fprintf(stderr, "Varnoklet 3: texts cannot be drawn: %s (%s)\n", what, TTF_GetError());
    }

    // The face at this pixel height, opened on first use; nullptr if it cannot be.
    TTF_Font* FontFor(int32_t pixelHeight) {
        for (auto& f : fonts)
            if (f.first == pixelHeight) return f.second;
        TTF_Font* font = nullptr;
        if (ttfStarted && !fontData.empty()) {
            SDL_RWops* rw = SDL_RWFromConstMem(fontData.data(), static_cast<int>(fontData.size()));
            if (rw) font = TTF_OpenFontRW(rw, 1, pixelHeight);
        }
        if (!font && ttfStarted) Report("the built-in font cannot be opened");
        fonts.emplace_back(pixelHeight, font);
        return font;
    }

    // The text as UTF-8 in `utf8`, NUL bytes left out; false when nothing remains.
    bool ToUtf8(std::string_view text) {
        utf8.clear();
        for (char ch : text)
            if (ch != '\0') AppendUtf8(utf8, Cp1250ToUnicode(static_cast<uint8_t>(ch)));
        return !utf8.empty();
    }

    void Measure(TextEntry& e) {
        e.advance = 0;
        TTF_Font* font = FontFor(e.pixelHeight);
        int w = 0, h = 0;
        if (font && ToUtf8(e.text) && TTF_SizeUTF8(font, utf8.c_str(), &w, &h) == 0) e.advance = w;
    }

    void Rasterise(TextEntry& e) {
        e.rasterised = true;
        TTF_Font* font = FontFor(e.pixelHeight);
        if (!font || !ToUtf8(e.text)) return;
        SDL_Surface* s = TTF_RenderUTF8_Blended(font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
        if (!s) return;
        ++rasterisations;
        const size_t before = e.Bytes();
        CopyCoverage(*s, e);
        SDL_FreeSurface(s);
        cache.Stored(e, before);
    }

    // Draws the entry through its composition at (x, y): composed on the
    // first draw in a colour when the cache keeps texts; blended plainly for
    // another colour, without a cache, or if composing found no room.
    bool DrawComposed(Surface16& dest, int32_t x, int32_t y, TextEntry& e, uint32_t bgrColor,
                      bool outline, int32_t step = 1) {
        if (!cache.Keeps() || e.coverage.empty()) return false;
        ComposedText& c = outline ? e.outlined : e.plain;
        uint32_t& color = outline ? e.outlinedColor : e.plainColor;
        if (!c.Composed()) {
            const size_t before = e.Bytes();
            std::array<ComposeStep, 9> steps;
            size_t n = 0;
            if (outline)
                for (const auto& d : kOutlineOffsets)
                    steps[n++] = ComposeStep{d[0] * step, d[1] * step, 0x000000};
            steps[n++] = ComposeStep{0, 0, bgrColor};
            if (!c.Compose(e.Mask(), std::span(steps.data(), n), maps)) return false;
            color = bgrColor;
            if (outline) e.outlineStep = step;
            cache.Stored(e, before);
        }
        if (color != bgrColor || (outline && e.outlineStep != step)) return false;
        c.Draw(dest, x, y);
        return true;
    }

    // The alpha channel of a blended rendering is the glyphs' coverage.
    static void CopyCoverage(SDL_Surface& s, TextEntry& e) {
        if (s.format->BytesPerPixel != 4 || s.format->Amask == 0 || SDL_LockSurface(&s) != 0) return;
        e.maskWidth = s.w;
        e.maskHeight = s.h;
        e.coverage.resize(static_cast<size_t>(s.w) * s.h);
        const uint32_t amask = s.format->Amask, ashift = s.format->Ashift;
        for (int y = 0; y < s.h; ++y) {
            const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(s.pixels) +
                                                                static_cast<size_t>(y) * s.pitch);
            for (int x = 0; x < s.w; ++x)
                e.coverage[static_cast<size_t>(y) * s.w + x] =
                    static_cast<uint8_t>((row[x] & amask) >> ashift);
        }
        SDL_UnlockSurface(&s);
    }
};

TtfTextRenderer::TtfTextRenderer() : TtfTextRenderer(EmbeddedFontData()) {}

TtfTextRenderer::TtfTextRenderer(std::span<const uint8_t> fontData, size_t cacheEntries)
    : impl_(std::make_unique<Impl>(fontData, cacheEntries)) {}

TtfTextRenderer::~TtfTextRenderer() = default;

int32_t TtfTextRenderer::TextWidth(int32_t pixelHeight, std::string_view text) {
    if (text.empty() || pixelHeight < 1 || pixelHeight > kMaxPixelHeight) return 0;
    TextEntry& e = impl_->cache.Get(pixelHeight, text);
    if (e.advance < 0) impl_->Measure(e);
    return e.advance;
}

void TtfTextRenderer::TextOut(Surface16& dest, int32_t x, int32_t y, int32_t pixelHeight,
                              std::string_view text, uint32_t bgrColor) {
    if (text.empty() || dest.Empty() || pixelHeight < 1 || pixelHeight > kMaxPixelHeight) return;
    TextEntry& e = impl_->cache.Get(pixelHeight, text);
    if (!e.rasterised) impl_->Rasterise(e);
    if (!impl_->DrawComposed(dest, x, y, e, bgrColor, false)) BlendCoverage(dest, x, y, e.Mask(), bgrColor);
}

void TtfTextRenderer::TextOutOutlinedWide(Surface16& dest, int32_t x, int32_t y,
                                          int32_t pixelHeight, std::string_view text,
                                          uint32_t bgrColor, int32_t step) {
    if (text.empty() || dest.Empty() || pixelHeight < 1 || pixelHeight > kMaxPixelHeight) return;
    TextEntry& e = impl_->cache.Get(pixelHeight, text);
    if (!e.rasterised) impl_->Rasterise(e);
    if (impl_->DrawComposed(dest, x, y, e, bgrColor, true, step)) return;
    for (const auto& d : kOutlineOffsets)
        BlendCoverage(dest, ClampedAdd(x, d[0] * step), ClampedAdd(y, d[1] * step), e.Mask(),
                      0x000000);
    BlendCoverage(dest, x, y, e.Mask(), bgrColor);
}

// The rasterised mask reaches as far as the glyphs do (its height is the
// face's line height, usually more than the pixel height asked).
TRect TtfTextRenderer::TextBounds(int32_t pixelHeight, std::string_view text) {
    if (text.empty() || pixelHeight < 1 || pixelHeight > kMaxPixelHeight) return TRect{};
    TextEntry& e = impl_->cache.Get(pixelHeight, text);
    if (!e.rasterised) impl_->Rasterise(e);
    if (e.advance < 0) impl_->Measure(e);
    return UnionRect(Bounds(0, 0, e.maskWidth, e.maskHeight), Bounds(0, 0, e.advance, pixelHeight));
}

uint64_t TtfTextRenderer::Rasterisations() const { return impl_->rasterisations; }
size_t TtfTextRenderer::CachedTexts() const { return impl_->cache.Size(); }
