// palette_quantiser.cpp: libimagequant with a fixed key entry and a key check.
#include "tools/assetc/palette_quantiser.h"

#include <libimagequant.h>

#include <limits>
#include <memory>

namespace {

struct AttrDeleter {
    void operator()(liq_attr* a) const { liq_attr_destroy(a); }
};
struct ImageDeleter {
    void operator()(liq_image* i) const { liq_image_destroy(i); }
};
struct ResultDeleter {
    void operator()(liq_result* r) const { liq_result_destroy(r); }
};

int Distance(Rgb a, Rgb b) {
    int dr = a.r - b.r, dg = a.g - b.g, db = a.b - b.b;
    return dr * dr + dg * dg + db * db;
}

// Nearest entry to `c` other than `skip`.
uint8_t NearestOther(const std::vector<Rgb>& palette, Rgb c, size_t skip) {
    size_t best = skip == 0 ? 1 : 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        if (i == skip) continue;
        int d = Distance(palette[i], c);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<uint8_t>(best);
}

// Makes sure the key is an exact entry, and no other entry reduces to it.
// Returns the key's index.
size_t SettleKeyEntry(PalettedImage& out, Rgb key, int maxColours) {
    size_t keyIndex = out.palette.size();
    for (size_t i = 0; i < out.palette.size(); ++i) {
        if (out.palette[i] == key && keyIndex == out.palette.size()) keyIndex = i;
    }
    if (keyIndex == out.palette.size()) {
        // libimagequant keeps fixed colours exactly, so this is a safety net.
        if (static_cast<int>(out.palette.size()) < maxColours) {
            out.palette.push_back(key);
        } else {
            keyIndex = out.palette.size() - 1;
            out.palette[keyIndex] = key;
        }
    }
    // Drawn pixels need somewhere to go besides the key.
    if (out.palette.size() < 2) out.palette.push_back(SeparateFromKey(key, key, 0));
    for (size_t i = 0; i < out.palette.size(); ++i) {
        if (i != keyIndex) out.palette[i] = SeparateFromKey(out.palette[i], key, 0);
    }
    return keyIndex;
}

// Key pixels go to the key entry, every other pixel away from it.
void RemapAroundKey(const RgbaImage& image, PalettedImage& out, Rgb key, size_t keyIndex) {
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            uint8_t& index = out.indices[static_cast<size_t>(y) * image.width + x];
            const uint8_t* p = image.At(x, y);
            Rgb c{p[0], p[1], p[2]};
            if (c == key) index = static_cast<uint8_t>(keyIndex);
            else if (index == keyIndex || index >= out.palette.size())
                index = NearestOther(out.palette, c, keyIndex);
        }
    }
}

}  // namespace

bool QuantiseImage(const RgbaImage& image, int maxColours, std::optional<Rgb> key,
                   PalettedImage& out, std::string& error) {
    out = PalettedImage{};
    out.width = image.width;
    out.height = image.height;
    std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), maxColours) != LIQ_OK) {
        error = "cannot set up colour quantisation";
        return false;
    }
    std::unique_ptr<liq_image, ImageDeleter> liqImage(liq_image_create_rgba(
        attr.get(), image.pixels.data(), image.width, image.height, 0));
    if (!liqImage) {
        error = "colour quantisation rejected the picture";
        return false;
    }
    if (key) liq_image_add_fixed_color(liqImage.get(), liq_color{key->r, key->g, key->b, 255});
    liq_result* raw = nullptr;
    if (liq_image_quantize(liqImage.get(), attr.get(), &raw) != LIQ_OK || !raw) {
        error = "colour quantisation failed";
        return false;
    }
    std::unique_ptr<liq_result, ResultDeleter> result(raw);
    liq_set_dithering_level(result.get(), 1.0f);
    out.indices.resize(static_cast<size_t>(image.width) * image.height);
    if (liq_write_remapped_image(result.get(), liqImage.get(), out.indices.data(),
                                 out.indices.size()) != LIQ_OK) {
        error = "colour remapping failed";
        return false;
    }
    const liq_palette* pal = liq_get_palette(result.get());
    for (unsigned i = 0; i < pal->count; ++i)
        out.palette.push_back(Rgb{pal->entries[i].r, pal->entries[i].g, pal->entries[i].b});
    if (key) {
        size_t keyIndex = SettleKeyEntry(out, *key, maxColours);
        RemapAroundKey(image, out, *key, keyIndex);
    }
    return true;
}
