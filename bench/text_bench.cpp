// text_bench.cpp: cost of the frame's text overlay with the real (SDL_ttf)
// renderer on the 640x480 back buffer: the hover label and a three-line
// message (each outlined, so nine draws a text), the business card's 21 rows,
// and the same label-and-message frame with the mask cache switched off.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "graphics/display.h"
#include "platform/font_data.h"
#include "platform/ttf_text_renderer.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "core/sound_library.h"
#include "shell/text_overlay.h"
#include "core/web_opener.h"
#include "sprites/clock.h"

namespace {

struct OverlayScene {
    TNullPlatform platform;
    TtfTextRenderer text;
    std::unique_ptr<TMainForm> form;

    explicit OverlayScene(size_t cacheEntries) : text(EmbeddedFontData(), cacheEntries) {
        ResetGameState();
        form = std::make_unique<TMainForm>(platform.Platform(&text));
        std::string error;
        if (!form->DDraw.Initialize(DisplayMode{}, error)) throw std::runtime_error(error);
        GameState.ui.originX = 53;
        GameState.ui.originY = 105;
        GameState.live.scene = 40;
        GameState.ui.mouseX = 300;
        GameState.ui.mouseY = 220;
        GameState.ui.hoverLabel = "Stained-glass window";
        GameState.ui.messageLines[0] = "The panes are coloured in a pattern of nine.";
        GameState.ui.messageLines[1] = "Some are lit, some are dark.";
        GameState.ui.messageLines[2] = "Maybe the pattern means something.";
        GameState.ui.messageLineCount = 2;
    }
    ~OverlayScene() { ResetGameState(); }
};

// The label and the three message lines of one frame. The overlay shows them
// in different frames (a message hides the label), so the label is drawn
// with the overlay's own helper before the message frame.
void LabelAndMessage(OverlayScene& scene) {
    TMainForm& form = *scene.form;
    const std::string& label = GameState.ui.hoverLabel;
    const int32_t w = scene.text.TextWidth(15, label);
    DrawOutlinedText(form, GameState.ui.mouseX - w / 2, GameState.ui.mouseY + 15, label, 0xFFFFFF);
    DrawTextOverlay(form);
}

void BM_OverlayLabelAndThreeLines(benchmark::State& state) {
    OverlayScene scene(TtfTextRenderer::kDefaultCacheEntries);
    for (auto _ : state) {
        LabelAndMessage(scene);
        benchmark::DoNotOptimize(scene.form->DDraw.Surface().Row(0));
    }
    state.counters["rasterised"] = static_cast<double>(scene.text.Rasterisations());
}

void BM_OverlayLabelAndThreeLinesUncached(benchmark::State& state) {
    OverlayScene scene(0);
    for (auto _ : state) {
        LabelAndMessage(scene);
        benchmark::DoNotOptimize(scene.form->DDraw.Surface().Row(0));
    }
}

void BM_OverlayBusinessCard(benchmark::State& state) {
    OverlayScene scene(TtfTextRenderer::kDefaultCacheEntries);
    GameState.ui.messageLines[0].clear();
    GameState.live.scene = 35;
    uint8_t* code = GameState.live.progress.dialCode;
    code[0] = 4, code[1] = 7, code[2] = 2;
    for (auto _ : state) {
        DrawTextOverlay(*scene.form);
        benchmark::DoNotOptimize(scene.form->DDraw.Surface().Row(0));
    }
}

}  // namespace

BENCHMARK(BM_OverlayLabelAndThreeLines)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverlayLabelAndThreeLinesUncached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OverlayBusinessCard)->Unit(benchmark::kMicrosecond);
