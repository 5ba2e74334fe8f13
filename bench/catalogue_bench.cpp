// catalogue_bench.cpp: the image catalogue's per-frame work on the embedded
// pictures: Find by name, and StretchDraw of a 535x270 JPEG scene (full size
// and as a 68x34 thumbnail) and of a keyed 35x35 icon onto the 640x480 back
// buffer. Also, for start-up, loading the container's index, and for a scene
// change, decoding one JPEG scene into its 16-bit surface on its first draw.
#include <benchmark/benchmark.h>

#include <array>
#include <stdexcept>
#include <string>

#include "graphics/display.h"
#include "graphics/embedded_pictures.h"
#include "graphics/image_catalogue.h"

namespace {
// The catalogue bound to a headless 640x480 display.
struct Catalogue {
    HeadlessBackend backend;
    TDXDraw display{backend};
    TPictureCollection images;

    Catalogue() {
        std::string error;
        if (!images.LoadFromContainer(EmbeddedPictureData(), error) ||
            !display.Initialize(DisplayMode{}, error))
            throw std::runtime_error(error);
        images.Bind(&display);
    }
};

Catalogue& Shared() {
    static Catalogue c;
    return c;
}

void BM_Find(benchmark::State& state) {
    auto& c = Shared();
    const std::array<std::string, 5> names = {"scena7", "inv204", "KURZOR-P", "nepritel", "uvadi1"};
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(&c.images.Find(names[i]));
        i = (i + 1) % names.size();
    }
}
BENCHMARK(BM_Find);

void Draw(benchmark::State& state, const char* name, TRect rect) {
    auto& c = Shared();
    const TPictureCollectionItem& item = c.images.Find(name);
    Surface16& back = c.display.Surface();
    for (auto _ : state) {
        item.StretchDraw(back, rect, 0);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * rect.Width() * rect.Height());
}

void BM_StretchDrawScene(benchmark::State& state) { Draw(state, "scena7", Bounds(52, 105, 535, 270)); }
BENCHMARK(BM_StretchDrawScene);

void BM_StretchDrawThumbnail(benchmark::State& state) { Draw(state, "scena7", Bounds(100, 100, 68, 34)); }
BENCHMARK(BM_StretchDrawThumbnail);

void BM_StretchDrawKeyedIcon(benchmark::State& state) { Draw(state, "inv200", Bounds(300, 400, 35, 35)); }
BENCHMARK(BM_StretchDrawKeyedIcon);

void BM_LoadContainer(benchmark::State& state) {
    for (auto _ : state) {
        TPictureCollection images;
        std::string error;
        if (!images.LoadFromContainer(EmbeddedPictureData(), error)) state.SkipWithError(error.c_str());
    }
}
BENCHMARK(BM_LoadContainer)->Unit(benchmark::kMillisecond);

// A scene change: the new scene's picture is not decoded yet (Restore drops
// every surface) and its first draw decodes it.
void BM_SceneChangeDecode(benchmark::State& state) {
    auto& c = Shared();
    const TPictureCollectionItem& scene = c.images.Find("scena7");
    Surface16& back = c.display.Surface();
    const uint64_t before = c.images.Decodes();
    for (auto _ : state) {
        c.images.Restore();
        scene.StretchDraw(back, Bounds(52, 105, 535, 270), 0);
        benchmark::ClobberMemory();
    }
    state.counters["decodes"] = static_cast<double>(c.images.Decodes() - before);
}
BENCHMARK(BM_SceneChangeDecode)->Unit(benchmark::kMicrosecond);
}  // namespace
