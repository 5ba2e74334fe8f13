// The frame's way into the renderer: every RGB565 value shows exactly as
// SDL's own conversion would show it, the texture ends up in a format of the
// renderer's own, and a hidden window is not drawn.
#include "platform/frame_upload.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <vector>

namespace {

TEST(FrameUpload, EveryColourShowsAsSdlWouldConvertItInARendererOwnFormat) {
    SDL_Surface* target = SDL_CreateRGBSurfaceWithFormat(0, 256, 256, 32, SDL_PIXELFORMAT_ARGB8888);
    ASSERT_NE(target, nullptr) << SDL_GetError();
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(target);
    ASSERT_NE(renderer, nullptr) << SDL_GetError();
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_RGB565,
                                             SDL_TEXTUREACCESS_STREAMING, 256, 256);
    ASSERT_NE(texture, nullptr) << SDL_GetError();

    Surface16 frame(256, 256);
    for (int32_t y = 0; y < 256; ++y)
        for (int32_t x = 0; x < 256; ++x) frame.SetPixel(x, y, static_cast<uint16_t>(y * 256 + x));
    for (int round = 0; round < 2; ++round) {  // the second reuses the texture
        ASSERT_TRUE(UploadFrame(renderer, texture, frame));
        uint32_t format = 0;
        ASSERT_EQ(SDL_QueryTexture(texture, &format, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(format, NativeFrameFormat(renderer));
        ASSERT_EQ(SDL_RenderCopy(renderer, texture, nullptr, nullptr), 0) << SDL_GetError();
        std::vector<uint32_t> shown(256 * 256), expected(256 * 256);
        ASSERT_EQ(SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, shown.data(), 256 * 4), 0);
        ASSERT_EQ(SDL_ConvertPixels(256, 256, SDL_PIXELFORMAT_RGB565, frame.Pixels().data(), 512,
                                    SDL_PIXELFORMAT_ARGB8888, expected.data(), 256 * 4),
                  0);
        size_t differing = 0;
        for (size_t i = 0; i < shown.size(); ++i) differing += (shown[i] | 0xFF000000u) != (expected[i] | 0xFF000000u);
        EXPECT_EQ(differing, 0u);
    }
    EXPECT_NE(NativeFrameFormat(renderer), 0u);

    // A frame of another size gets a texture of its size.
    Surface16 small(10, 7);
    ASSERT_TRUE(UploadFrame(renderer, texture, small));
    int w = 0, h = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &w, &h);
    EXPECT_EQ(w, 10);
    EXPECT_EQ(h, 7);
    EXPECT_FALSE(UploadFrame(renderer, texture, Surface16()));
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(target);
}

TEST(FrameUpload, AHiddenWindowIsNotDrawn) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_Window* window = SDL_CreateWindow("t", 0, 0, 64, 48, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    EXPECT_FALSE(PresentWanted(window));
    SDL_ShowWindow(window);
    EXPECT_TRUE(PresentWanted(window));
    SDL_HideWindow(window);
    EXPECT_FALSE(PresentWanted(window));
    EXPECT_FALSE(PresentWanted(nullptr));
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

}  // namespace
