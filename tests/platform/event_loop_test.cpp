// event_loop_test.cpp: the SDL main loop on the dummy video driver: frames
// are paced to at most 60 a second, window events reach the form, and both
// ways of closing (the system's quit and the window's close) end the loop.
#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>

#include "adventure/scene_builder.h"
#include "platform/event_loop.h"
#include "platform/sdl_clock.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "tests/platform/sdl_events.h"
#include "shell/game_reset.h"

namespace {
class EventLoopTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS), 0) << SDL_GetError();
        ResetGame();
        form = std::make_unique<TMainForm>(TPlatform{display, clock, text, sound, web});
        std::string error;
        ASSERT_TRUE(form->DDraw.Initialize(DisplayMode{}, error)) << error;
    }
    void TearDown() override {
        form.reset();
        ResetGame();
        SDL_Quit();
    }

    // Runs the loop while another thread posts `event` after `after`; returns
    // the seconds the loop ran.
    double RunUntil(SDL_Event event, std::chrono::milliseconds after) {
        std::thread poster([event, after]() mutable {
            std::this_thread::sleep_for(after);
            SDL_PushEvent(&event);
        });
        const auto start = std::chrono::steady_clock::now();
        RunEventLoop(*form);
        const std::chrono::duration<double> ran = std::chrono::steady_clock::now() - start;
        poster.join();
        return ran.count();
    }

    HeadlessBackend display;
    ManualClock clock;
    FixedTextRenderer text;
    RecordingSoundLibrary sound;
    RecordingWebOpener web;
    std::unique_ptr<TMainForm> form;
};

TEST_F(EventLoopTest, FramesArePacedAndQuitEndsTheLoop) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    const double seconds = RunUntil(quit, std::chrono::milliseconds(600));
    EXPECT_TRUE(form->Closing());
    EXPECT_GE(seconds, 0.55);
    EXPECT_LT(seconds, 5.0);
    // At most one frame per 1/60 s (plus the first one); and frames did run.
    EXPECT_LE(display.presentCount, static_cast<int>(seconds * 60) + 1);
    EXPECT_GE(display.presentCount, 5);
}

TEST_F(EventLoopTest, MouseMovesReachTheFormAndClosingTheWindowEnds) {
    SDL_Event move{};
    move.type = SDL_MOUSEMOTION;
    move.motion.x = 123;
    move.motion.y = 45;
    ASSERT_EQ(SDL_PushEvent(&move), 1);
    SDL_Event close{};
    close.type = SDL_WINDOWEVENT;
    close.window.event = SDL_WINDOWEVENT_CLOSE;
    RunUntil(close, std::chrono::milliseconds(100));
    EXPECT_TRUE(form->Closing());
    EXPECT_EQ(GameState.ui.mouseX, 123);
    EXPECT_EQ(GameState.ui.mouseY, 45);
}

// A quick move onto "New game" and a click in the same batch of events, with
// no frame between them: the click acts on what is under the pointer now.
TEST_F(EventLoopTest, AMoveAndAClickInOneBatchActOnTheNewPosition) {
    GameState.live.scene = 4;
    VykresliScenu();
    form->TimerTimer(16);  // the hover of a frame with the mouse elsewhere
    ASSERT_EQ(GameState.ui.hoverId, 0);
    const int32_t x = GameState.ui.originX + 50, y = GameState.ui.originY + 125;  // "New game"
    SDL_Event batch[] = {Motion(x, y), ButtonUp(x, y)};
    for (SDL_Event& e : batch) ASSERT_EQ(SDL_PushEvent(&e), 1);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 1);
    const int presents = display.presentCount;
    RunEventLoop(*form);
    EXPECT_EQ(display.presentCount, presents);  // no frame ran in between
    EXPECT_EQ(GameState.live.scene, 6);         // the opening narration began
    EXPECT_EQ(GameState.live.inventory[0], 206);
}
// A window that stands still rests: over a second and a half the game still
// gets 60 frames a second, each with the LagCount of a frame 1/60 s after the
// last, but only a few of them are drawn and shown.
TEST_F(EventLoopTest, AStillWindowRestsAndTheGameStillGetsItsFrames) {
    struct StillWindow : IDesktopControls {
        void ToggleFullScreen() override {}
        void ChangeScale(int32_t) override {}
        void TakeScreenshot() override {}
        void ToggleMute() override {}
        void MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) override { ax = wx, ay = wy; }
        void WindowResized() override {}
        bool LastFrameChanged() override { return false; }
    } still;
    form.reset();  // one form at a time
    SdlClock sdlClock;
    TMainForm resting(TPlatform{display, sdlClock, text, sound, web});
    std::string error;
    ASSERT_TRUE(resting.DDraw.Initialize(DisplayMode{}, error)) << error;
    int frames = 0, shortLags = 0;
    int64_t lagSum = 0;
    const auto frame = resting.Timer.OnTimer;
    resting.Timer.OnTimer = [&](TDXTimer& timer, int32_t lag) {
        ++frames;
        lagSum += lag;
        shortLags += frames > 1 && lag < 16;  // run back to back without the clock held
        frame(timer, lag);
    };
    const int presents = display.presentCount;
    const uint32_t start = sdlClock.Milliseconds();
    std::thread closer([&resting] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    });
    RunEventLoop(resting, &still, &sdlClock);
    closer.join();
    const uint32_t ran = sdlClock.Milliseconds() - start;
    EXPECT_NEAR(frames, ran * 60 / 1000, 12);
    EXPECT_NEAR(lagSum, ran, 40);
    EXPECT_EQ(shortLags, 0);
    EXPECT_LT(display.presentCount - presents, frames / 2);
}

// Held at a frame's due time after a later moment was read (a frame that
// took longer than 1/60 s), the clock stays at that later moment.
TEST(SdlClockTest, NeverRunsBackwards) {
    SdlClock clock;
    const uint64_t earlier = SDL_GetPerformanceCounter();
    SDL_Delay(5);
    const uint32_t read = clock.Milliseconds();
    clock.Hold(earlier);
    EXPECT_EQ(clock.Milliseconds(), read);
    clock.Release();
    EXPECT_GE(clock.Milliseconds(), read);
}

// The pass a browser's frame callback makes: a frame, and then how long
// until the next; a caller woken by the display about every 1/60 s may come
// up to `early` sooner and still gets its frame.
TEST_F(EventLoopTest, AFramePassRunsAFrameOnlyWhenOneIsDue) {
    const uint64_t threeMs = SDL_GetPerformanceFrequency() * 3 / 1000;
    FrameLoop loop(*form, nullptr, threeMs);
    const int before = display.presentCount;
    const FrameLoop::Pass first = loop.Step();
    EXPECT_FALSE(first.closed);
    EXPECT_EQ(display.presentCount, before + 1);
    EXPECT_GE(first.sleepMs, 1u);
    EXPECT_LE(first.sleepMs, 14u);
    EXPECT_FALSE(first.wake);
    loop.Step();  // at once: too early
    EXPECT_EQ(display.presentCount, before + 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(14));  // 1/60 s less 3 ms, at least
    loop.Step();
    EXPECT_EQ(display.presentCount, before + 2);
    form->Close();
    EXPECT_TRUE(loop.Step().closed);
}

}  // namespace
