// The game's pictures over a whole visit of the story's scenes: every scene
// built and shown twice keeps the decoded pictures within the catalogue's
// budget, and once a scene's pictures are decoded its frames allocate
// nothing. This binary's operator new counts while asked.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "adventure/scene_builder.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "texts/texts.h"
#include "shell/game_reset.h"

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

[[gnu::noinline]] void* operator new(size_t size) {
    if (counting) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {

constexpr int32_t kLastScene = 82;

class PictureCache : public ::testing::Test {
protected:
    TNullPlatform platform;
    std::unique_ptr<TMainForm> form;

    void SetUp() override {
        ResetGame();
        SetLanguageSource(&GameState.settings.language);
        form = std::make_unique<TMainForm>(platform.Platform());
        std::string error;
        ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
        ASSERT_TRUE(form->DDraw.Initialize(DisplayMode{}, error)) << error;
    }
    void TearDown() override {
        form.reset();
        ResetGame();
        SetLanguageSource(nullptr);
    }
    void Show(int32_t scene) {
        GameState.live.scene = scene;
        VykresliScenu();
        form->DDrawMouseMove(320, 240);
        form->TimerTimer(16);
    }
};

TEST_F(PictureCache, VisitingEverySceneTwiceStaysWithinTheBudget) {
    TPictureCollection& images = form->ImageList;
    size_t most = 0;
    for (int visit = 0; visit < 2; ++visit)
        for (int32_t scene = 0; scene <= kLastScene; ++scene) {
            Show(scene);
            most = std::max(most, images.CacheBytes());
            ASSERT_LE(images.CacheBytes(), images.CacheBudget()) << "scene " << scene << ", visit " << visit;
        }
    // The story's pictures do not all fit: the budget is what keeps memory flat.
    EXPECT_GT(images.Decodes(), 160u);
    EXPECT_GT(most, images.CacheBudget() / 2);
}

TEST_F(PictureCache, FramesOfAShownSceneAllocateNothingAndDecodeNothing) {
    for (int32_t scene : {4, 7, 25, 34, 40, 66}) {
        Show(scene);  // decodes its pictures
        const uint64_t decoded = form->ImageList.Decodes();
        allocations = 0;
        counting = true;
        for (int i = 0; i < 10; ++i) form->TimerTimer(16);
        counting = false;
        EXPECT_EQ(allocations, 0) << "scene " << scene;
        EXPECT_EQ(form->ImageList.Decodes(), decoded) << "scene " << scene;
    }
}

}  // namespace
