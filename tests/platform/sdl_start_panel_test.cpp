// sdl_start_panel_test.cpp: the start panel's SDL window on the dummy video
// driver, driven by queued window events as a player would drive it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "platform/sdl_start_panel.h"
#include "shell/settings_file.h"
#include "texts/texts.h"
#include "shell/game_reset.h"

namespace fs = std::filesystem;

namespace {
class SdlStartPanelTest : public ::testing::Test {
protected:
    fs::path dir;
    TNullPlatform platform;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<SdlStartPanel> window;
    std::unique_ptr<TStartPanel> panel;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        // The failure's message box must not find a real screen to wait on.
        unsetenv("DISPLAY");
        unsetenv("WAYLAND_DISPLAY");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        dir = fs::temp_directory_path() / "vk3-sdl-panel";
        fs::remove_all(dir);
        fs::create_directories(dir);
        ResetGame();
        form = std::make_unique<TMainForm>(platform.Platform());
        std::string error;
        ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
        window = std::make_unique<SdlStartPanel>();
        panel = std::make_unique<TStartPanel>(*form, window->Host());
        panel->FormCreate(1, dir.string(), [] { return std::string(); });
    }
    void TearDown() override {
        panel.reset();
        window.reset();
        form.reset();
        SetSettingsFolder("");
        SetLanguageSource(nullptr);
        fs::remove_all(dir);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    static void PushButton(uint32_t type, int32_t x, int32_t y) {
        SDL_Event e{};
        e.type = type;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = x;
        e.button.y = y;
        SDL_PushEvent(&e);
    }
    static void PushClick(TPanelControl c, int32_t dy = 0) {
        const TPanelRect r = TStartPanel::RectOf(c);
        PushButton(SDL_MOUSEBUTTONDOWN, r.left + r.width / 2, r.top + r.height / 2 + dy);
        PushButton(SDL_MOUSEBUTTONUP, r.left + r.width / 2, r.top + r.height / 2 + dy);
    }
    static void PushKey(SDL_Keycode key) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = key;
        SDL_PushEvent(&e);
    }
};

TEST_F(SdlStartPanelTest, ChoosingEnglishWithTheMouseThenStartEntersTheGame) {
    PushClick(TPanelControl::Language);
    const TPanelRect list = TStartPanel::ListRect(TPanelControl::Language);
    PushButton(SDL_MOUSEBUTTONDOWN, list.left + 5, list.top + 1 + 16 + 4);  // "en"
    PushButton(SDL_MOUSEBUTTONUP, list.left + 5, list.top + 1 + 16 + 4);
    PushClick(TPanelControl::Start);
    EXPECT_EQ(window->Run(*panel, panel->Caption()), SdlStartPanel::Outcome::Started);
    EXPECT_EQ(GameState.settings.language, 1);
    EXPECT_EQ(GameState.live.scene, 4);
    EXPECT_TRUE(form->DDraw.Initialized());
    EXPECT_TRUE(fs::exists(dir / "save.qzd"));
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    SDL_ShowCursor(SDL_ENABLE);
}

TEST_F(SdlStartPanelTest, EscapeOrClosingTheWindowEndsTheProgramFromThePanel) {
    PushKey(SDLK_ESCAPE);
    EXPECT_EQ(window->Run(*panel, panel->Caption()), SdlStartPanel::Outcome::Closed);
    EXPECT_TRUE(form->Closing());
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    SdlStartPanel second;
    EXPECT_EQ(second.Run(*panel, panel->Caption()), SdlStartPanel::Outcome::Closed);
    EXPECT_FALSE(form->DDraw.Initialized());
}

TEST_F(SdlStartPanelTest, ADisplayThatCannotBeMadeFailsTheStart) {
    platform.display.failWith = "Primary Surface cannot be made";
    PushKey(SDLK_RETURN);  // the start button has the focus
    EXPECT_EQ(window->Run(*panel, panel->Caption()), SdlStartPanel::Outcome::Failed);
    EXPECT_FALSE(form->DDraw.Initialized());
}
}  // namespace
