// The frame clears only what it must: it leaves the area the scene picture is
// about to cover, clears only what the last frame drew on the border, and
// copies texts that lie on known black. None of that may change a pixel:
// every scene of the game, with the cursor, a label and messages wandering
// over picture and border, and a long run of the phone game, must give the
// very frames of the plain way, where the whole back buffer is cleared first
// and every text is blended nine times afresh.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "adventure/scene_builder.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "core/random.h"
#include "graphics/embedded_pictures.h"
#include "platform/font_data.h"
#include "platform/ttf_text_renderer.h"
#include "tests/platform/scene_tour.h"
#include "texts/texts.h"
#include "shell/game_reset.h"

namespace {

uint64_t Fingerprint(const Surface16& s) {
    uint64_t h = 1469598103934665603ull;  // FNV-1a over the pixels
    for (uint16_t p : s.Pixels()) h = (h ^ p) * 1099511628211ull;
    return h;
}

class FramePlayer {
public:
    explicit FramePlayer(bool plain)
        : plain_(plain),
          text_(EmbeddedFontData(), plain ? 0 : TtfTextRenderer::kDefaultCacheEntries) {
        ResetGame();
        SetLanguageSource(&GameState.settings.language);
        Randomize(5);
        form_ = std::make_unique<TMainForm>(platform_.Platform(&text_));
        std::string error;
        EXPECT_TRUE(form_->LoadPictures(EmbeddedPictureData(), error)) << error;
        EXPECT_TRUE(form_->DDraw.Initialize(DisplayMode{false, 640, 480}, error)) << error;
    }

    void Frame() {
        if (plain_) form_->DDraw.Fill(0);  // the whole clear; the frame's own clear then has nothing to do
        form_->TimerTimer(16);
        frames.push_back(Fingerprint(form_->DDraw.Surface()));
    }
    void MouseAt(int32_t x, int32_t y) { form_->DDrawMouseMove(x, y); }
    void Build(int32_t scene) {
        GameState.ui.menuOpen = 0;
        GameState.live.scene = scene;
        VykresliScenu();
    }

    std::vector<uint64_t> frames;

private:
    bool plain_;
    TNullPlatform platform_;
    TtfTextRenderer text_;
    std::unique_ptr<TMainForm> form_;
};

std::vector<uint64_t> Play(bool plain) {
    FramePlayer p(plain);
    for (int32_t scene = 0; scene <= 82; ++scene)
        if (scene != 29) TourScene(p, scene);  // 29 is not a place of its own
    PlayThePhoneGame(p, 400);
    return p.frames;
}

TEST(FrameClear, EveryFrameEqualsTheFrameOfAWholeClear) {
    const std::vector<uint64_t> fast = Play(false);
    const std::vector<uint64_t> plain = Play(true);
    ASSERT_EQ(fast.size(), plain.size());
    for (size_t i = 0; i < fast.size(); ++i) ASSERT_EQ(fast[i], plain[i]) << "frame " << i;
}

}  // namespace
