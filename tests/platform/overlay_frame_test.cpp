// The overlay with the real renderer: once its texts are cached, a frame
// (label, three message lines, the business card) allocates nothing and
// rasterises nothing. Counts every operator new of this test binary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "graphics/display.h"
#include "platform/ttf_text_renderer.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "core/sound_library.h"
#include "shell/text_overlay.h"
#include "core/web_opener.h"
#include "sprites/clock.h"
#include "shell/game_reset.h"

namespace {
size_t allocations = 0;
}  // namespace

// The replacements stay out of line: inlined into a caller, GCC pairs their
// malloc() and free() with the operators it sees there and warns of a mismatch.
[[gnu::noinline]] void* operator new(size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

TEST(OverlayFrame, CachedFramesNeitherAllocateNorRasterise) {
    ResetGame();
    TNullPlatform platform;
    TtfTextRenderer text;
    auto form = std::make_unique<TMainForm>(platform.Platform(&text));
    std::string error;
    ASSERT_TRUE(form->DDraw.Initialize(DisplayMode{}, error)) << error;
    GameState.ui.originX = 53;
    GameState.ui.originY = 105;
    GameState.ui.mouseX = 600;
    GameState.ui.mouseY = 200;
    GameState.ui.hoverLabel = "A label long enough to leave the short-string buffer";
    GameState.live.scene = 35;
    GameState.live.progress.dialCode[0] = 4;
    GameState.live.progress.dialCode[1] = 7;
    GameState.live.progress.dialCode[2] = 2;

    auto frames = [&](bool message) {
        GameState.ui.messageLines[0] = message ? "The first of three lines of a message" : "";
        GameState.ui.messageLines[1] = "The second line";
        GameState.ui.messageLines[2] = "The third line, also longer than fifteen";
        GameState.ui.messageLineCount = 2;
        form->TimerTimer(16);  // warms the cache
        const uint64_t rasterised = text.Rasterisations();
        allocations = 0;
        for (int i = 0; i < 5; ++i) form->TimerTimer(16);
        EXPECT_EQ(allocations, 0u) << (message ? "message frame" : "label frame");
        EXPECT_EQ(text.Rasterisations(), rasterised);
    };
    frames(false);
    frames(true);
    EXPECT_GT(text.Rasterisations(), 20u);  // label, lines and 21 table rows were drawn
    form.reset();
    ResetGame();
}

}  // namespace
