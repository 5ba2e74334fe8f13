// sprite_bench.cpp: cost of one sprite frame (Move, then Draw) with 100
// colour-keyed 35x35 picture sprites on the 640x480 back buffer, alone and
// over a 535x270 scene background; and the tree walk alone, without pixels.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "graphics/display.h"
#include "graphics/image_catalogue.h"
#include "sprites/dx_sprite_engine.h"
#include "sprites/image_sprite.h"

namespace {

// A w x h picture of `patterns` side-by-side frames: a coloured disc on white.
DecodedPicture Disc(int32_t w, int32_t h, int patterns) {
    DecodedPicture p;
    p.width = w * patterns;
    p.height = h;
    p.rgb.resize(static_cast<size_t>(p.width) * h * 3, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < p.width; ++x) {
            int fx = x % w - w / 2, fy = y - h / 2;
            if (fx * fx + fy * fy > (w / 2) * (w / 2)) continue;
            uint8_t* px = &p.rgb[(static_cast<size_t>(y) * p.width + x) * 3];
            px[0] = static_cast<uint8_t>(40 * (x / w));
            px[1] = static_cast<uint8_t>(y * 7);
            px[2] = 200;
        }
    return p;
}

DecodedPicture Gradient(int32_t w, int32_t h) {
    DecodedPicture p;
    p.width = w;
    p.height = h;
    p.rgb.resize(static_cast<size_t>(w) * h * 3);
    for (size_t i = 0; i < p.rgb.size(); ++i) p.rgb[i] = static_cast<uint8_t>(i * 31);
    return p;
}

struct Scene {
    HeadlessBackend backend;
    TDXDraw draw{backend};
    TPictureCollection images;
    TDXSpriteEngine sprites;

    explicit Scene(bool background) {
        auto& still = images.AddPicture("disc", Disc(35, 35, 1), 0, 0, true, 0xFFFFFF);
        auto& wheel = images.AddPicture("wheel", Disc(35, 35, 4), 35, 35, true, 0xFFFFFF);
        auto& scene = images.AddPicture("scene", Gradient(535, 270), 0, 0, false, 0);
        images.Bind(&draw);
        sprites.SetDXDraw(&draw);
        std::string error;
        if (!draw.Initialize(DisplayMode{}, error)) throw std::runtime_error(error);

        TSpriteEngine& engine = sprites.Engine();
        if (background) Add(engine, scene, 52, 105, 1, 535, 270);
        uint32_t seed = 12345;
        for (int i = 0; i < 100; ++i) {
            seed = seed * 1103515245u + 12345u;
            double x = static_cast<int32_t>(seed >> 8) % 680 - 20;  // some partly outside
            double y = static_cast<int32_t>(seed >> 4) % 500 - 10;
            auto* s = Add(engine, i % 3 == 0 ? wheel : still, x, y, 2 + i % 3, 35, 35);
            if (i % 3 == 0) {
                s->AnimCount = 4;
                s->AnimLooped = true;
                s->AnimSpeed = 0.01;
            }
        }
    }

    static TImageSpriteEx* Add(TSpriteEngine& engine, TPictureCollectionItem& image, double x,
                               double y, int32_t z, int32_t w, int32_t h) {
        auto* s = new TImageSpriteEx(&engine);
        s->Image = &image;
        s->X = x;
        s->Y = y;
        s->SetZ(z);
        s->Width = w;
        s->Height = h;
        return s;
    }
};

void RunFrames(benchmark::State& state, bool background) {
    Scene scene(background);
    for (auto _ : state) {
        scene.sprites.Move(16);
        scene.sprites.Draw();
        benchmark::DoNotOptimize(scene.draw.Surface().Row(0));
    }
    state.counters["drawn"] = scene.sprites.Engine().DrawCount();
}

void BM_SpriteFrame100Keyed(benchmark::State& state) { RunFrames(state, false); }
void BM_SpriteFrame100KeyedOverBackground(benchmark::State& state) { RunFrames(state, true); }

// The engine's own share: the same tree with no pictures, so no pixel is copied.
void BM_SpriteFrame100TreeOnly(benchmark::State& state) {
    Scene scene(false);
    for (int i = 0; i < scene.sprites.Engine().Count(); ++i)
        static_cast<TImageSpriteEx*>(scene.sprites.Engine().Items(i))->Image = nullptr;
    for (auto _ : state) {
        scene.sprites.Move(16);
        scene.sprites.Draw();
    }
}

}  // namespace

BENCHMARK(BM_SpriteFrame100Keyed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpriteFrame100KeyedOverBackground)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpriteFrame100TreeOnly)->Unit(benchmark::kMicrosecond);
