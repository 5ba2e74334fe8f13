// phone_game_bench.cpp: cost of one whole frame of the phone game (move,
// collision passes, purge, the drawing of every sprite, the status line and
// the flip) on the 640x480 headless display with the real pictures and text.
//
// The most enemies the game can hold: an enemy lives from the top row until
// it passes the line 105 px lower, 2100 ms at 0.05 px/ms, and the first one
// past the line ends the game; enemies come at most every 30 frames and a
// frame lasts at least 1 ms, so at most 2101 / 30 + 1 = 71 enemies exist at
// once. Shots live 97 px at 0.1 px/ms, 970 ms, one every 17 frames: at most
// 58. The second case is the game as played, 60 frames a second: 5 enemies
// and 4 shots. The sprites stand in columns so that no shot meets an enemy,
// and each iteration puts them back where they were, so every frame costs
// the same: nothing dies, nothing new appears.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "adventure/phone_game.h"
#include "adventure/scene_builder.h"
#include "adventure/scene_object.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/display.h"
#include "graphics/embedded_pictures.h"
#include "platform/font_data.h"
#include "platform/ttf_text_renderer.h"
#include "texts/texts.h"

namespace {

constexpr int32_t kColumns = 6;
constexpr int32_t kColumnPitch = 34;  // an enemy column, then a gap a shot fits into

struct PhoneGameScene {
    TNullPlatform platform;
    TtfTextRenderer text{EmbeddedFontData(), TtfTextRenderer::kDefaultCacheEntries};
    std::unique_ptr<TMainForm> form;
    std::vector<TSprite*> sprites;
    std::vector<double> startY;

    PhoneGameScene(int enemies, int shots) {
        ResetGameState();
        SetLanguageSource(&GameState.settings.language);
        form = std::make_unique<TMainForm>(platform.Platform(&text));
        std::string error;
        if (!form->LoadPictures(EmbeddedPictureData(), error)) throw std::runtime_error(error);
        if (!form->DDraw.Initialize(DisplayMode{}, error)) throw std::runtime_error(error);
        GameState.live.scene = 5;
        VykresliScenu();
        const int32_t ox = GameState.ui.originX, oy = GameState.ui.originY;
        for (int i = 0; i < enemies; ++i) {
            TEnemySprite* enemy = SpawnEnemy();
            enemy->X = ox + kLaneLeft + kColumnPitch * (i % kColumns);
            enemy->Y = oy + kEnemyStartY + (i / kColumns) * 8;
            Keep(enemy);
        }
        for (int i = 0; i < shots; ++i) {
            const int32_t x = kLaneLeft + 20 + kColumnPitch * (i % kColumns);
            const int32_t y = kShotStartY - 2 - (i / kColumns) * 9;
            Keep(MakeShot(x, y));
        }
        GameState.ui.mouseX = ox + 250;
        GameState.ui.mouseY = oy + 200;
    }
    ~PhoneGameScene() {
        form.reset();
        ResetGameState();
    }
    void Keep(TSprite* s) {
        sprites.push_back(s);
        startY.push_back(s->Y);
    }
    // Back to the first frame's state: no shot or enemy is due yet.
    void Rewind() {
        for (size_t i = 0; i < sprites.size(); ++i) sprites[i]->Y = startY[i];
        GameState.phone.shotTimer = 0;
        GameState.phone.spawnTimer = 0;
    }
};

void BM_PhoneGameFrame(benchmark::State& state) {
    PhoneGameScene scene(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int32_t before = scene.form->DXSpriteEngine.Engine().AllCount();
    for (auto _ : state) {
        scene.form->TimerTimer(16);
        scene.Rewind();
    }
    if (scene.form->DXSpriteEngine.Engine().AllCount() != before || GameState.phone.shooterOver != 0)
        state.SkipWithError("the frame changed the game: a sprite died, appeared or the game ended");
    state.counters["sprites"] = before;
}
BENCHMARK(BM_PhoneGameFrame)->Args({71, 58})->Args({5, 4})->Unit(benchmark::kMicrosecond);

}  // namespace
