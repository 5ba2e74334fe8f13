// frame_bench.cpp: whole frames of the game, headless, with the real text
// renderer, beside two yardsticks measured in the same run:
//
//   floor  the memory floor: filling the back buffer and copying one
//          535x270 16-bit scene into it (no drawing code can do less);
//   naive  the same content drawn the plain SDL way: SDL_FillRect, one
//          SDL_BlitSurface of the scene, and every text rendered with
//          TTF_RenderUTF8_Blended each frame and blitted nine times (eight
//          black copies around a white one).
//
// Each frame case runs the window's real TimerTimer (move, purge, clear,
// sprites, overlay, present) and reports its time as multiples of both
// yardsticks at the same size ("x_floor", "x_naive"). The cases live in one
// table (kFrameCases): a case is a name, a set-up of the game state and the
// texts its naive twin draws, so a new kind of frame is one more entry.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <ctime>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "adventure/phone_game.h"
#include "adventure/scene_object.h"
#include "adventure/scene_builder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "platform/font_data.h"
#include "platform/ttf_text_renderer.h"
#include "shell/code_tables.h"
#include "shell/start_game.h"
#include "shell/text_overlay.h"
#include "texts/texts.h"

namespace {

// Times are the thread's CPU time: the machine is shared, and a frame that
// waits for the processor should not look slower than it is.
double CpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

// ---- the game, one form for the whole binary ----

struct BenchGame {
    TNullPlatform platform;
    TtfTextRenderer text;
    std::unique_ptr<TMainForm> form;

    BenchGame() {
        form = std::make_unique<TMainForm>(platform.Platform(&text));
        std::string error;
        if (!form->LoadPictures(EmbeddedPictureData(), error)) throw std::runtime_error(error);
    }
    static BenchGame& Shared() {
        static BenchGame game;
        return game;
    }
    // A fresh game in the game menu at w x h.
    void StartAt(int32_t w, int32_t h) {
        ResetGameState();
        std::string error;
        form->DDraw.Finalize();
        if (!StartGame(*form, DisplayMode{true, w, h}, error)) throw std::runtime_error(error);
    }
    void Build(int32_t scene) {
        GameState.live.scene = scene;
        VykresliScenu();
    }
};

// ---- the frame cases ----

// What a case leaves on screen besides the sprites: texts drawn outlined (the
// label, message lines) and plain black texts (the card's rows), each with
// its top-left corner, so the naive twin draws the same.
struct FrameTexts {
    struct Placed {
        std::string text;
        int32_t x, y;
        bool outlined;
    };
    std::vector<Placed> items;
};

struct FrameCase {
    const char* name;
    // Sets the game up after StartAt (the menu); fills the texts the frame shows.
    std::function<void(BenchGame&, FrameTexts&)> setUp;
    // Drawn after TimerTimer, for texts the overlay would not show in the same frame.
    std::function<void(BenchGame&)> extra;
};

// The first hotspot with a label, pointed at; returns its label.
std::string PointAtLabelledSpot() {
    for (const auto& h : GameState.ui.hotspots)
        if (h.id != 0 && !h.label.empty()) {
            GameState.ui.mouseX = GameState.ui.originX + (h.left + h.right) / 2;
            GameState.ui.mouseY = GameState.ui.originY + (h.top + h.bottom) / 2;
            return h.label;
        }
    return "";
}

void MessageTexts(BenchGame& g, FrameTexts& t) {
    const int32_t w = g.form->DDraw.SurfaceWidth();
    for (int i = 0; i < 3; ++i) {
        const std::string& line = GameState.ui.messageLines[i];
        t.items.push_back({line, w / 2 - g.text.TextWidth(15, line) / 2,
                           GameState.ui.originY + 311 - 18 + 18 * i, true});
    }
}

void CardTexts(FrameTexts& t) {
    static const int32_t xs[3] = {73, 203, 333};
    const uint8_t* code = GameState.live.progress.dialCode;
    for (int32_t c = 0; c < 3; ++c)
        for (int32_t row = 0; row < kCodeTableRows; ++row)
            t.items.push_back({std::string(CodeTableRow(code[c], row)), GameState.ui.originX + xs[c],
                               GameState.ui.originY + 50 + 18 * row, false});
}

// A label drawn over the message frame: the overlay hides the label while a
// message shows, the benchmark's frame shows both, as the worst case.
void DrawLabel(BenchGame& g) {
    const std::string& label = GameState.ui.hoverLabel;
    if (label.empty()) return;
    const int32_t w = g.text.TextWidth(15, label);
    DrawOutlinedText(*g.form, GameState.ui.mouseX - w / 2, GameState.ui.mouseY + 15, label, 0xFFFFFF);
}

// The phone game with the most enemies and shots it can hold (71 and 58, see
// phone_game_bench.cpp), in columns where no shot meets an enemy; after each
// frame they are put back, so every frame costs the same.
std::vector<std::pair<TSprite*, double>> phoneSprites;

void FillPhoneGame() {
    phoneSprites.clear();
    const int32_t ox = GameState.ui.originX, oy = GameState.ui.originY;
    for (int i = 0; i < 71; ++i) {
        TEnemySprite* enemy = SpawnEnemy();
        enemy->X = ox + kLaneLeft + 34 * (i % 6);
        enemy->Y = oy + kEnemyStartY + (i / 6) * 8;
        phoneSprites.emplace_back(enemy, enemy->Y);
    }
    for (int i = 0; i < 58; ++i) {
        TSprite* shot = MakeShot(kLaneLeft + 20 + 34 * (i % 6), kShotStartY - 2 - (i / 6) * 9);
        phoneSprites.emplace_back(shot, shot->Y);
    }
}

void RewindPhoneGame() {
    for (auto& [sprite, y] : phoneSprites) sprite->Y = y;
    GameState.phone.shotTimer = 0;
    GameState.phone.spawnTimer = 0;
}

const std::vector<FrameCase> kFrameCases = {
    {"Menu", [](BenchGame&, FrameTexts&) {}, nullptr},
    {"LabelAndThreeLines",
     [](BenchGame& g, FrameTexts& t) {
         GameState.settings.language = 1;
         g.Build(40);
         const std::string label = PointAtLabelledSpot();
         g.form->TimerTimer(16);  // the cursor finds the spot
         GameState.ui.hoverLabel = label;
         SetMessage("The panes are coloured in a pattern of nine.#Some are lit, some are "
                    "dark.#Maybe the pattern means something.");
         MessageTexts(g, t);
         const int32_t w = g.text.TextWidth(15, label);
         t.items.push_back({label, GameState.ui.mouseX - w / 2, GameState.ui.mouseY + 15, true});
     },
     DrawLabel},
    {"BusinessCard",
     [](BenchGame& g, FrameTexts& t) {
         g.Build(34);
         g.form->TimerTimer(16);  // a code is drawn
         CardTexts(t);
     },
     nullptr},
    {"PhoneGameFull",
     [](BenchGame& g, FrameTexts& t) {
         g.Build(5);
         FillPhoneGame();
         GameState.ui.messageLines[0] = "0";  // the score line, as the naive twin draws it
         MessageTexts(g, t);
         GameState.ui.messageLines[0].clear();
     },
     [](BenchGame&) { RewindPhoneGame(); }},
};

// ---- yardsticks ----

// The memory floor: fill plus one scene copy, on plain buffers.
struct FloorFrame {
    Surface16 back, scene{535, 270};
    FloorFrame(int32_t w, int32_t h) : back(w, h) {
        for (int32_t y = 0; y < 270; ++y)
            for (int32_t x = 0; x < 535; ++x) scene.SetPixel(x, y, static_cast<uint16_t>(x * 31 + y));
    }
    void Run() {
        back.Fill(0);
        const int32_t ox = back.Width() / 2 - 267, oy = back.Height() / 2 - 135;
        for (int32_t y = 0; y < 270; ++y)
            std::memcpy(back.Row(oy + y) + ox, scene.Row(y), 535 * sizeof(uint16_t));
        benchmark::DoNotOptimize(back.Row(0));
        benchmark::ClobberMemory();
    }
};

// The naive SDL frame of the same content.
struct NaiveFrame {
    SDL_Surface* back = nullptr;
    SDL_Surface* scene = nullptr;
    TTF_Font* font15 = nullptr;
    TTF_Font* font16 = nullptr;
    FrameTexts texts;

    NaiveFrame(int32_t w, int32_t h, const FrameTexts& t) : texts(t) {
        if (TTF_Init() != 0) throw std::runtime_error(TTF_GetError());
        back = SDL_CreateRGBSurfaceWithFormat(0, w, h, 16, SDL_PIXELFORMAT_RGB565);
        scene = SDL_CreateRGBSurfaceWithFormat(0, 535, 270, 16, SDL_PIXELFORMAT_RGB565);
        const auto font = EmbeddedFontData();
        font15 = TTF_OpenFontRW(SDL_RWFromConstMem(font.data(), static_cast<int>(font.size())), 1, 15);
        font16 = TTF_OpenFontRW(SDL_RWFromConstMem(font.data(), static_cast<int>(font.size())), 1, 16);
        if (!back || !scene || !font15 || !font16) throw std::runtime_error("naive frame: SDL failed");
    }
    ~NaiveFrame() {
        TTF_CloseFont(font15);
        TTF_CloseFont(font16);
        SDL_FreeSurface(scene);
        SDL_FreeSurface(back);
        TTF_Quit();
    }
    void Blit(SDL_Surface* s, int32_t x, int32_t y) {
        SDL_Rect r{x, y, s->w, s->h};
        SDL_BlitSurface(s, nullptr, back, &r);
    }
    void Run() {
        SDL_FillRect(back, nullptr, 0);
        Blit(scene, back->w / 2 - 267, back->h / 2 - 135);
        for (const auto& t : texts.items) {
            if (t.text.empty()) continue;
            if (!t.outlined) {
                SDL_Surface* s = TTF_RenderUTF8_Blended(font16, t.text.c_str(), SDL_Color{0, 0, 0, 255});
                Blit(s, t.x, t.y);
                SDL_FreeSurface(s);
                continue;
            }
            SDL_Surface* black = TTF_RenderUTF8_Blended(font15, t.text.c_str(), SDL_Color{0, 0, 0, 255});
            SDL_Surface* white =
                TTF_RenderUTF8_Blended(font15, t.text.c_str(), SDL_Color{255, 255, 255, 255});
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (dx != 0 || dy != 0) Blit(black, t.x + dx, t.y + dy);
            Blit(white, t.x, t.y);
            SDL_FreeSurface(black);
            SDL_FreeSurface(white);
        }
        benchmark::ClobberMemory();
    }
};

// Seconds per call of fn: the best of five batches (a quiet moment of a busy machine).
double TimePerCall(const std::function<void()>& fn, int batch) {
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        const double t0 = CpuSeconds();
        for (int i = 0; i < batch; ++i) fn();
        best = std::min(best, (CpuSeconds() - t0) / batch);
    }
    return best;
}

double FloorSeconds(int32_t w, int32_t h) {
    static std::map<std::pair<int32_t, int32_t>, double> measured;
    auto& s = measured[{w, h}];
    if (s == 0) {
        FloorFrame f(w, h);
        s = TimePerCall([&] { f.Run(); }, 400);
    }
    return s;
}

// ---- benchmarks ----

void SetUpCase(BenchGame& g, const FrameCase& c, int32_t w, int32_t h, FrameTexts& texts) {
    g.StartAt(w, h);
    c.setUp(g, texts);
    for (int i = 0; i < 3; ++i) g.form->TimerTimer(16);  // pictures and texts seen once
}

void RunFrame(BenchGame& g, const FrameCase& c) {
    g.form->TimerTimer(16);
    if (c.extra) c.extra(g);
}

void BM_Frame(benchmark::State& state, const FrameCase* c, int32_t w, int32_t h) {
    BenchGame& g = BenchGame::Shared();
    FrameTexts texts;
    SetUpCase(g, *c, w, h, texts);
    const double t0 = CpuSeconds();
    for (auto _ : state) {
        RunFrame(g, *c);
        benchmark::DoNotOptimize(g.form->DDraw.Surface().Row(0));
    }
    const double own = (CpuSeconds() - t0) / static_cast<double>(std::max<int64_t>(state.iterations(), 1));
    NaiveFrame naive(w, h, texts);
    const double naiveSeconds = TimePerCall([&] { naive.Run(); }, 100);
    state.counters["x_floor"] = own / FloorSeconds(w, h);
    state.counters["x_naive"] = own / naiveSeconds;
    state.counters["naive_us"] = naiveSeconds * 1e6;
    state.counters["floor_us"] = FloorSeconds(w, h) * 1e6;
}

void BM_MemoryFloor(benchmark::State& state) {
    FloorFrame f(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)));
    for (auto _ : state) f.Run();
}

// Program start to the first menu frame, headless: the form, its catalogue,
// the game menu and one frame.
void BM_StartToFirstMenuFrame(benchmark::State& state) {
    for (auto _ : state) {
        ResetGameState();
        TNullPlatform platform;
        TtfTextRenderer text;
        auto form = std::make_unique<TMainForm>(platform.Platform(&text));
        std::string error;
        if (!form->LoadPictures(EmbeddedPictureData(), error) ||
            !StartGame(*form, DisplayMode{}, error)) {
            state.SkipWithError(error.c_str());
            break;
        }
        form->TimerTimer(16);
        form.reset();
    }
    AttachGameWindow(BenchGame::Shared().form.get());
}

const int kRegistered = [] {
    constexpr std::pair<int32_t, int32_t> kSizes[] = {{640, 480}, {1024, 768}};
    for (auto [w, h] : kSizes)
        benchmark::RegisterBenchmark("BM_MemoryFloor", BM_MemoryFloor)
            ->Args({w, h})
            ->Unit(benchmark::kMicrosecond);
    for (const FrameCase& c : kFrameCases)
        for (auto [w, h] : kSizes)
            benchmark::RegisterBenchmark(
                ("BM_Frame" + std::string(c.name) + "/" + std::to_string(w) + "x" + std::to_string(h))
                    .c_str(),
                BM_Frame, &c, w, h)
                ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("BM_StartToFirstMenuFrame", BM_StartToFirstMenuFrame)
        ->Unit(benchmark::kMillisecond);
    return 0;
}();

}  // namespace
