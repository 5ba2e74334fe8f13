// marker_labels_test.cpp: the hotspot marks' labels go through the game's
// text renderer and its cache: held over many frames, each label is
// rasterised once, and the marks change nothing of the game.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "adventure/comforts.h"
#include "adventure/scene_builder.h"
#include "core/game_state.h"
#include "shell/game_reset.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "platform/ttf_text_renderer.h"
#include "shell/start_game.h"

TEST(MarkerLabels, AreRasterisedOnceAndDrawingThemChangesNothing) {
    ResetGame();
    TNullPlatform platform;
    TtfTextRenderer text;
    auto form = std::make_unique<TMainForm>(platform.Platform(&text));
    std::string error;
    ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
    ASSERT_TRUE(StartGame(*form, DisplayMode{}, error)) << error;
    GameState.ui.menuOpen = 0;
    GameState.live.scene = 10;  // the station: a door, a wire, the strip, all labelled
    VykresliScenu();
    form->TimerTimer(16);
    const uint64_t plain = text.Rasterisations();
    HoldReveal(rsKey, true);
    form->TimerTimer(16);
    const uint64_t marked = text.Rasterisations();
    EXPECT_GT(marked, plain) << "the labels are drawn";
    const TLiveRecord live = GameState.live;
    for (int i = 0; i < 30; ++i) form->TimerTimer(16);
    EXPECT_EQ(text.Rasterisations(), marked) << "no label is rasterised again";
    EXPECT_EQ(std::memcmp(&live, &GameState.live, sizeof live), 0);
    HoldReveal(rsKey, false);
    form.reset();
}
