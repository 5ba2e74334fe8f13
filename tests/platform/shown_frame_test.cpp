// Showing only what changed must leave the window exactly as showing every
// frame whole would: the game's scenes with the cursor, labels and messages
// wandering and the phone game, at 1x, at 3x with the texts drawn at the
// window's scale, at 2x as full screen gives it, and shrunk onto a small
// screen. Then the real window backend on SDL's dummy driver, both outputs.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "adventure/scene_builder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "core/random.h"
#include "graphics/embedded_pictures.h"
#include "graphics/text_layer.h"
#include "platform/font_data.h"
#include "platform/sdl_display.h"
#include "platform/shown_frame.h"
#include "platform/ttf_text_renderer.h"
#include "tests/platform/scene_tour.h"
#include "shell/start_game.h"
#include "texts/texts.h"

namespace {

// A display that hands each finished frame to a callback.
class CallbackBackend : public IDisplayBackend {
public:
    bool Open(const DisplayMode&, std::string&) override { return true; }
    void Present(const Surface16& back) override {
        if (onPresent) onPresent(back);
    }
    void Close() override {}
    std::function<void(const Surface16&)> onPresent;
};

// The game on the null platform, its texts through a layer like the window's.
class LayeredGame {
public:
    explicit LayeredGame(bool layered) : text_(ttf_, layer_) {
        ResetGameState();
        SetLanguageSource(&GameState.settings.language);
        Randomize(5);
        layer_.SetActive(layered);
        form_ = std::make_unique<TMainForm>(
            TPlatform{display, platform_.clock, text_, platform_.sound, platform_.web});
        std::string error;
        EXPECT_TRUE(form_->LoadPictures(EmbeddedPictureData(), error)) << error;
        EXPECT_TRUE(form_->DDraw.Initialize(DisplayMode{false, 640, 480}, error)) << error;
    }
    ~LayeredGame() { ResetGameState(); }
    void Frame() {
        layer_.Clear();
        form_->TimerTimer(16);
    }
    void Build(int32_t scene) {
        GameState.ui.menuOpen = 0;
        GameState.live.scene = scene;
        VykresliScenu();
    }
    const Surface16& Back() const { return form_->DDraw.Surface(); }
    std::span<const LayerText> Texts() const { return layer_.Texts(); }
    TtfTextRenderer& Ttf() { return ttf_; }
    TMainForm& Form() { return *form_; }

    CallbackBackend display;

private:
    TNullPlatform platform_;
    TtfTextRenderer ttf_;
    TextLayer layer_;
    LayeredTextRenderer text_;
    std::unique_ptr<TMainForm> form_;
};

bool SamePixels(const Surface16& a, const Surface16& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

// Drives a sequence of frames through an incremental ShownFrame into a
// "window" that receives only the changed rectangles, and checks it after
// every frame against a ShownFrame that redraws everything.
class WindowCheck {
public:
    WindowCheck(LayeredGame& game, int32_t viewW, int32_t viewH) : game_(game) {
        shown_.SetSize(640, 480, viewW, viewH);
        whole_.SetSize(640, 480, viewW, viewH);
        window_.Resize(viewW, viewH);
        game_.display.onPresent = [this](const Surface16&) { Shown(); };
    }
    ~WindowCheck() { game_.display.onPresent = nullptr; }
    void Frame() { game_.Frame(); }
    void Shown() {
        const auto rects = shown_.Update(game_.Back(), game_.Texts(), &game_.Ttf());
        lastChanged = rects.size();
        for (const TRect& r : rects) {
            const Surface16& p = shown_.Picture();
            for (int32_t y = r.Top; y < r.Bottom; ++y)
                for (int32_t x = r.Left; x < r.Right; ++x) window_.Row(y)[x] = p.Row(y)[x];
        }
        whole_.Invalidate();
        whole_.Update(game_.Back(), game_.Texts(), &game_.Ttf());
        ++frames;
        if (!SamePixels(window_, whole_.Picture())) ++mismatches;
    }
    void MouseAt(int32_t x, int32_t y) { game_.Form().DDrawMouseMove(x, y); }
    void Build(int32_t scene) { game_.Build(scene); }
    const Surface16& Window() const { return window_; }

    size_t lastChanged = 0;
    int frames = 0, mismatches = 0;

private:
    LayeredGame& game_;
    ShownFrame shown_, whole_;
    Surface16 window_;
};

void Wander(WindowCheck& w) {
    for (int32_t scene : {4, 10, 20, 34, 35, 40, 56, 57}) TourScene(w, scene);
    PlayThePhoneGame(w, 120);
}

struct Viewport {
    const char* name;
    int32_t w, h;
    bool layered;
};

TEST(ShownFrame, OnlyTheChangesGiveTheWindowOfWholeFrames) {
    for (const Viewport& v : {Viewport{"1x", 640, 480, false}, Viewport{"3x window", 1920, 1440, true},
                              Viewport{"2x full screen", 1280, 960, true},
                              Viewport{"small screen", 512, 384, false}}) {
        LayeredGame game(v.layered);
        WindowCheck w(game, v.w, v.h);
        Wander(w);
        EXPECT_EQ(w.mismatches, 0) << v.name << " of " << w.frames << " frames";
        // A still scene changes nothing, so nothing is shown.
        game.Build(10);
        w.MouseAt(100, 100);
        w.Frame();
        w.Frame();
        EXPECT_EQ(w.lastChanged, 0u) << v.name;
    }
}

// The 3x3 blocks inside a label at 3x: most hold more than one colour (text
// enlarged with the picture would give one colour per block).
TEST(ShownFrame, ALabelAt3xIsDrawnAtThatSize) {
    LayeredGame game(true);
    WindowCheck w(game, 1920, 1440);
    game.Build(10);
    int32_t x = 0, y = 0;
    ASSERT_TRUE(LabelledSpot(x, y));
    w.MouseAt(x, y);
    w.Frame();
    w.Frame();
    ASSERT_EQ(game.Texts().size(), 1u);
    const LayerText& label = game.Texts()[0];
    const int32_t width = game.Ttf().TextWidth(label.pixelHeight, label.text);
    int blocks = 0, mixed = 0;
    for (int32_t by = label.y; by < label.y + label.pixelHeight; ++by)
        for (int32_t bx = label.x; bx < label.x + width; ++bx) {
            const uint16_t first = w.Window().Pixel(bx * 3, by * 3);
            bool flat = true;
            for (int32_t dy = 0; dy < 3; ++dy)
                for (int32_t dx = 0; dx < 3; ++dx)
                    flat = flat && w.Window().Pixel(bx * 3 + dx, by * 3 + dy) == first;
            ++blocks;
            mixed += flat ? 0 : 1;
        }
    EXPECT_GE(mixed * 100, blocks * 30) << mixed << " of " << blocks;
}

// The real backend: after a run of frames, partly shown or not at all, the
// window holds the last frame, scaled, with black borders in full screen.
TEST(ShownFrame, TheWindowBackendShowsTheLastFrameWithEitherOutput) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    for (const auto output : {SdlDisplayBackend::Output::WindowSurface, SdlDisplayBackend::Output::Renderer})
        for (const bool fullScreen : {false, true}) {
            SdlDisplayBackend display("test");
            display.SetOutput(output);
            TNullPlatform platform;
            TtfTextRenderer ttf;
            TextLayer layer;
            LayeredTextRenderer text(ttf, layer);
            display.AttachTextLayer(&layer, &ttf);
            ResetGameState();
            TMainForm form(TPlatform{display, platform.clock, text, platform.sound, platform.web});
            std::string error;
            ASSERT_TRUE(form.LoadPictures(EmbeddedPictureData(), error)) << error;
            ASSERT_TRUE(StartGame(form, DisplayMode{fullScreen, 640, 480}, error)) << error;
            for (int i = 0; i < 30; ++i) {
                form.DDrawMouseMove(100 + i * 13, 150 + i * 5);
                form.TimerTimer(16);
                form.TimerTimer(16);  // nothing moved: not shown
            }
            display.RepresentAll();
            form.TimerTimer(16);
            const AreaViewport v = display.Viewport();
            SDL_Surface* readBack = SDL_CreateRGBSurfaceWithFormat(0, v.x * 2 + v.w, v.y * 2 + v.h, 32,
                                                                   SDL_PIXELFORMAT_XRGB8888);
            ASSERT_NE(readBack, nullptr);
            if (output == SdlDisplayBackend::Output::WindowSurface) {
                SDL_Surface* ws = SDL_GetWindowSurface(display.Window());
                ASSERT_NE(ws, nullptr);
                SDL_BlitSurface(ws, nullptr, readBack, nullptr);
            } else {
                SDL_Renderer* r = SDL_GetRenderer(display.Window());
                SDL_RenderSetViewport(r, nullptr);
                ASSERT_EQ(SDL_RenderReadPixels(r, nullptr, SDL_PIXELFORMAT_XRGB8888, readBack->pixels,
                                               readBack->pitch), 0) << SDL_GetError();
            }
            ShownFrame whole;
            whole.SetSize(640, 480, v.w, v.h);
            form.TimerTimer(16);  // the same frame again, to draw it whole here
            whole.Update(form.DDraw.Surface(), display.LayerTexts(), &ttf);
            int wrong = 0;
            for (int32_t y = 0; y < readBack->h && y < v.y + v.h; ++y)
                for (int32_t x = 0; x < v.x + v.w; ++x) {
                    const uint32_t px = static_cast<uint32_t*>(readBack->pixels)[y * readBack->pitch / 4 + x];
                    const bool inside = x >= v.x && y >= v.y;
                    // Compared in RGB565: outputs widen 5 and 6 bits to 8 in their own ways.
                    const uint16_t want = inside ? whole.Picture().Pixel(x - v.x, y - v.y) : 0;
                    const uint16_t got = RgbToRgb565(static_cast<uint8_t>(px >> 16),
                                                     static_cast<uint8_t>(px >> 8), static_cast<uint8_t>(px));
                    if (got != want && wrong++ == 0)
                        ADD_FAILURE() << x << "," << y << ": " << got << " not " << want;
                }
            EXPECT_EQ(wrong, 0) << (fullScreen ? "full screen" : "window") << " output "
                                << static_cast<int>(output);
            SDL_FreeSurface(readBack);
        }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
