// start_panel_test.cpp: the start panel's rules and its desktop behaviour,
// with the settings file they write at once.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/null_platform.h"
#include "graphics/embedded_pictures.h"
#include "shell/settings_file.h"
#include "shell/start_panel.h"
#include "shell/start_panel_painter.h"
#include "texts/texts.h"
#include "shell/game_reset.h"

namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<uint8_t>;

class StartPanelTest : public ::testing::Test {
protected:
    fs::path dir;
    TNullPlatform platform;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<TStartPanel> panel;
    std::vector<std::string> hostCalls;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vk3-panel-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        ResetGame();
        form = std::make_unique<TMainForm>(platform.Platform());
        std::string error;
        ASSERT_TRUE(form->LoadPictures(EmbeddedPictureData(), error)) << error;
        TStartPanelHost host;
        host.hidePanel = [this] { hostCalls.push_back("hide"); };
        host.showBusyCursor = [this] { hostCalls.push_back("busy"); };
        host.hideSystemCursor = [this] { hostCalls.push_back("nocursor"); };
        host.showError = [this](const std::string& text) { hostCalls.push_back("error: " + text); };
        panel = std::make_unique<TStartPanel>(*form, host);
    }
    void TearDown() override {
        panel.reset();
        form.reset();
        SetSettingsFolder("");
        SetLanguageSource(nullptr);
        fs::remove_all(dir);
    }
    void Create() {
        panel->FormCreate(7, dir.string(), [] { return std::string(); });
    }
    Bytes FileBytes() const {
        std::ifstream f(dir / "save.qzd", std::ios::binary);
        return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
    }
    void WriteFile(const Bytes& bytes) const {
        std::ofstream f(dir / "save.qzd", std::ios::binary);
        f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    // A file whose six slots are all different and not empty.
    static Bytes PatternFile(uint8_t resolution, uint8_t language, uint8_t sound) {
        Bytes b(kSettingsBlockSize);
        for (size_t i = 0; i < b.size(); ++i) b[i] = static_cast<uint8_t>(i * 7 + 3);
        b[0] = resolution;
        b[1] = language;
        b[2] = sound;
        return b;
    }
    static Bytes Slots(const Bytes& file) { return Bytes(file.begin() + 8, file.end()); }
    void ClickAt(int32_t x, int32_t y) {
        panel->MouseDown(x, y);
        panel->MouseUp(x, y);
    }
    void ClickControl(TPanelControl c) {
        const TPanelRect r = TStartPanel::RectOf(c);
        ClickAt(r.left + r.width / 2, r.top + r.height / 2);
    }
    // A click on entry `i` of the open list.
    void ClickEntry(TPanelControl list, int32_t i) {
        const TPanelRect r = TStartPanel::ListRect(list);
        ClickAt(r.left + 5, r.top + 1 + i * TStartPanel::ItemHeight(list) + 2);
    }
};

TEST_F(StartPanelTest, TheFirstRunShows640x480SoundsCheckedAndCzechAndEnglishTranslatesAtOnce) {
    Create();
    EXPECT_EQ(panel->Caption(), "VKIII 1.1");
    EXPECT_EQ(panel->ResolutionIndex(), 1);
    EXPECT_EQ(panel->ResolutionItems()[panel->ResolutionIndex()], "640x480");
    EXPECT_TRUE(panel->SoundsChecked());
    EXPECT_EQ(panel->LanguageIndex(), 0);
    EXPECT_EQ(panel->SoundsCaption(), "Zvuky");
    EXPECT_EQ(panel->ResolutionItems()[0], "Okno");
    EXPECT_EQ(panel->ButtonCaption(TPanelControl::Exit), "konec");
    EXPECT_FALSE(fs::exists(dir / "save.qzd"));  // reading writes nothing

    ClickControl(TPanelControl::Language);
    EXPECT_EQ(panel->OpenList(), TPanelControl::Language);
    ClickEntry(TPanelControl::Language, 1);
    EXPECT_EQ(panel->OpenList(), TPanelControl::None);
    EXPECT_EQ(panel->LanguageIndex(), 1);
    EXPECT_EQ(panel->SoundsCaption(), "Sounds");
    EXPECT_EQ(panel->ResolutionItems()[0], "Window");
    EXPECT_EQ(panel->ButtonCaption(TPanelControl::Exit), "exit");
    EXPECT_EQ(panel->ResolutionIndex(), 1);  // still selected after item 0 changed
    EXPECT_EQ(panel->ButtonCaption(TPanelControl::Start), "start");
    EXPECT_EQ(panel->ButtonCaption(TPanelControl::Web), "www");
    const Bytes file = FileBytes();
    ASSERT_EQ(file.size(), kSettingsBlockSize);
    EXPECT_EQ(file[0], 1);
    EXPECT_EQ(file[1], 1);
    EXPECT_EQ(file[2], 1);
}

TEST_F(StartPanelTest, EveryChangeRewritesTheWholeFileWithTheSixSlotsUnchanged) {
    const Bytes original = PatternFile(2, 0, 1);
    WriteFile(original);
    Create();
    EXPECT_EQ(panel->ResolutionIndex(), 2);

    ClickControl(TPanelControl::Resolution);
    ClickEntry(TPanelControl::Resolution, 0);
    Bytes file = FileBytes();
    ASSERT_EQ(file.size(), kSettingsBlockSize);
    EXPECT_EQ(file[0], 0);
    EXPECT_EQ(Slots(file), Slots(original));
    EXPECT_TRUE(std::equal(original.begin() + 3, original.begin() + 8, file.begin() + 3));  // padding kept

    ClickControl(TPanelControl::Sounds);
    file = FileBytes();
    EXPECT_EQ(file[2], 0);
    EXPECT_FALSE(panel->SoundsChecked());
    EXPECT_EQ(Slots(file), Slots(original));

    panel->LanguageChange(1);
    file = FileBytes();
    EXPECT_EQ(file[1], 1);
    EXPECT_EQ(Slots(file), Slots(original));
}

TEST_F(StartPanelTest, ListsOpenAndCloseAsOnADesktopAndOnlyAChoiceWritesTheFile) {
    Create();
    // A click outside an open list closes it and changes nothing.
    ClickControl(TPanelControl::Resolution);
    ASSERT_EQ(panel->OpenList(), TPanelControl::Resolution);
    ClickAt(300, 100);
    EXPECT_EQ(panel->OpenList(), TPanelControl::None);
    EXPECT_EQ(panel->ResolutionIndex(), 1);
    EXPECT_FALSE(fs::exists(dir / "save.qzd"));
    // Clicking the box again closes its own list; picking the current entry writes nothing.
    ClickControl(TPanelControl::Resolution);
    ClickControl(TPanelControl::Resolution);
    EXPECT_EQ(panel->OpenList(), TPanelControl::None);
    ClickControl(TPanelControl::Resolution);
    ClickEntry(TPanelControl::Resolution, 1);
    EXPECT_FALSE(fs::exists(dir / "save.qzd"));

    // The wheel over a closed list moves the choice (and stores it); it stops at the ends.
    const TPanelRect r = TStartPanel::RectOf(TPanelControl::Resolution);
    panel->MouseWheel(r.left + 3, r.top + 3, -1);
    EXPECT_EQ(panel->ResolutionIndex(), 2);
    EXPECT_EQ(FileBytes().at(0), 2);
    for (int i = 0; i < 5; ++i) panel->MouseWheel(r.left + 3, r.top + 3, -1);
    EXPECT_EQ(panel->ResolutionIndex(), 3);
    // In an open list the wheel and the arrows move the highlight; Enter picks it.
    ClickControl(TPanelControl::Resolution);
    panel->MouseWheel(r.left + 3, r.top + 3, 1);
    panel->KeyPress(TPanelKey::Up);
    EXPECT_EQ(panel->HighlightedEntry(), 1);
    EXPECT_EQ(panel->ResolutionIndex(), 3);
    panel->KeyPress(TPanelKey::Enter);
    EXPECT_EQ(panel->OpenList(), TPanelControl::None);
    EXPECT_EQ(panel->ResolutionIndex(), 1);
    EXPECT_EQ(GameState.settings.resolution, 1);
    // Escape closes an open list, and only then the program.
    ClickControl(TPanelControl::Language);
    panel->KeyPress(TPanelKey::Escape);
    EXPECT_EQ(panel->OpenList(), TPanelControl::None);
    EXPECT_FALSE(form->Closing());
    panel->KeyPress(TPanelKey::Escape);
    EXPECT_TRUE(form->Closing());
}

TEST_F(StartPanelTest, TabMovesTheFocusAndEnterOrSpacePressTheFocusedControl) {
    Create();
    EXPECT_EQ(panel->Focus(), TPanelControl::Start);
    panel->KeyPress(TPanelKey::Tab);
    EXPECT_EQ(panel->Focus(), TPanelControl::Web);
    panel->KeyPress(TPanelKey::Enter);
    EXPECT_EQ(platform.web.opened.size(), 2u);
    panel->KeyPress(TPanelKey::Tab);
    panel->KeyPress(TPanelKey::Tab);
    EXPECT_EQ(panel->Focus(), TPanelControl::Resolution);  // round again
    panel->KeyPress(TPanelKey::BackTab);
    EXPECT_EQ(panel->Focus(), TPanelControl::Exit);
    panel->KeyPress(TPanelKey::BackTab);
    panel->KeyPress(TPanelKey::BackTab);
    panel->KeyPress(TPanelKey::BackTab);
    EXPECT_EQ(panel->Focus(), TPanelControl::Sounds);
    panel->KeyPress(TPanelKey::Space);
    EXPECT_FALSE(panel->SoundsChecked());
    panel->KeyPress(TPanelKey::BackTab);
    EXPECT_EQ(panel->Focus(), TPanelControl::Language);
    panel->KeyPress(TPanelKey::Down);  // a closed list's choice moves at once
    EXPECT_EQ(panel->LanguageIndex(), 1);
    EXPECT_EQ(panel->SoundsCaption(), "Sounds");
    EXPECT_TRUE(platform.web.opened.size() == 2u);
}

TEST_F(StartPanelTest, AButtonActsOnlyWhenReleasedOverIt) {
    Create();
    const TPanelRect exit = TStartPanel::RectOf(TPanelControl::Exit);
    panel->MouseDown(exit.left + 2, exit.top + 2);
    EXPECT_EQ(panel->Pressed(), TPanelControl::Exit);
    panel->MouseMove(exit.left - 20, exit.top + 2);
    EXPECT_FALSE(panel->PressedInside());
    panel->MouseUp(exit.left - 20, exit.top + 2);
    EXPECT_FALSE(form->Closing());
    ClickControl(TPanelControl::Exit);
    EXPECT_TRUE(form->Closing());
}

TEST_F(StartPanelTest, WwwOpensTheProvidersPageThenOursAndTheEmblemTheProvidersPage) {
    Create();
    ClickControl(TPanelControl::Web);
    ASSERT_EQ(platform.web.opened.size(), 2u);
    EXPECT_EQ(platform.web.opened[0], "http://" + HostingProviderHost());
    EXPECT_EQ(platform.web.opened[1], "http://" + HomePageHost());
    EXPECT_NE(HostingProviderHost(), HomePageHost());
    ClickAt(20, 184);  // the emblem on the logo
    ASSERT_EQ(platform.web.opened.size(), 3u);
    EXPECT_EQ(platform.web.opened[2], "http://" + HostingProviderHost());
    ClickAt(200, 60);  // the rest of the logo is no click area
    EXPECT_EQ(platform.web.opened.size(), 3u);
}

// The emblem is a link: the hand cursor and the provider's name as its hint,
// drawn over the logo; elsewhere neither.
TEST_F(StartPanelTest, TheEmblemShowsTheHandCursorAndItsHint) {
    Create();
    TStartPanelPainter painter;
    FixedTextRenderer text;
    Surface16 plain, hinted;
    panel->MouseMove(200, 60);
    EXPECT_FALSE(panel->HandCursor());
    EXPECT_EQ(panel->Hint(), "");
    painter.Paint(*panel, text, plain);
    panel->MouseMove(20, 184);
    EXPECT_TRUE(panel->HandCursor());
    EXPECT_EQ(panel->Hint(), HostingProviderHost());
    painter.Paint(*panel, text, hinted);
    const TPanelRect emblem = TStartPanel::RectOf(TPanelControl::Logo);
    int changed = 0;
    for (int32_t y = emblem.top - 20; y < emblem.top; ++y)
        for (int32_t x = emblem.left; x < emblem.left + 40; ++x) changed += plain.Pixel(x, y) != hinted.Pixel(x, y);
    EXPECT_GT(changed, 100);
    panel->MouseMove(20, 150);
    EXPECT_FALSE(panel->HandCursor());
}

TEST_F(StartPanelTest, StartHidesThePanelShowsTheBusyCursorAndEntersTheMenu) {
    Create();
    GameState.live.scene = 33;
    GameState.live.progress.flushCount = 3;
    panel->DisplayModeChange(0);
    ClickControl(TPanelControl::Start);
    EXPECT_FALSE(panel->Visible());
    EXPECT_EQ(hostCalls, (std::vector<std::string>{"hide", "busy", "nocursor"}));
    EXPECT_TRUE(form->DDraw.Initialized());
    EXPECT_FALSE(form->DDraw.Mode().fullScreen);
    EXPECT_EQ(GameState.live.scene, 4);
    EXPECT_EQ(GameState.live.progress.flushCount, 0);
    EXPECT_EQ(GameState.ui.menuReturnScene, 0);
    // The panel no longer takes input once the game runs.
    ClickControl(TPanelControl::Exit);
    EXPECT_FALSE(form->Closing());
}

TEST_F(StartPanelTest, ADisplayThatCannotBeMadeIsReportedAndTheGameDoesNotStart) {
    Create();
    platform.display.failWith = "Display mode cannot be changed (800x600 16bit)";
    panel->DisplayModeChange(2);
    EXPECT_FALSE(panel->StartClick());
    EXPECT_EQ(hostCalls, (std::vector<std::string>{
                             "hide", "busy", "error: Display mode cannot be changed (800x600 16bit)"}));
    EXPECT_FALSE(form->DDraw.Initialized());
    EXPECT_NE(GameState.live.scene, 4);
}

TEST_F(StartPanelTest, DamagedSettingsFallBackForThisRunAndTheFileIsNotRewrittenByReading) {
    Bytes damaged = PatternFile(9, 7, 200);
    WriteFile(damaged);
    Create();
    EXPECT_EQ(FileBytes(), damaged);
    EXPECT_EQ(panel->ResolutionIndex(), 1);
    EXPECT_EQ(panel->LanguageIndex(), 0);
    EXPECT_TRUE(panel->SoundsChecked());
    EXPECT_EQ(panel->SoundsCaption(), "Zvuky");
    // The next real change writes the sound values and keeps every slot byte.
    panel->SoundsCheckClick(false);
    const Bytes file = FileBytes();
    EXPECT_EQ(file[0], 1);
    EXPECT_EQ(file[1], 0);
    EXPECT_EQ(file[2], 0);
    EXPECT_EQ(Slots(file), Slots(damaged));

    // A short file loads partly: the bytes it has, the rest as they were.
    for (size_t size : {size_t{0}, size_t{1}, size_t{2}, size_t{9}, size_t{300}, size_t{1735}}) {
        ResetGame();
        const Bytes whole = PatternFile(3, 1, 0);
        WriteFile(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)));
        Create();
        std::array<uint8_t, kSettingsBlockSize> block{};
        SettingsBlockToBytes(GameState.settings, block);
        for (size_t i = 0; i < kSettingsBlockSize; ++i)
            ASSERT_EQ(block[i], i < size ? whole[i] : 0) << "size " << size << " byte " << i;
        EXPECT_EQ(FileBytes().size(), size);
    }
}

TEST_F(StartPanelTest, ADamagedSlotRefusesToLoadAndARealSaveKeepsEveryOtherByteOfTheFile) {
    Bytes damaged = PatternFile(0, 1, 1);
    auto put = [&](size_t at, const void* value, size_t size) {
        std::memcpy(damaged.data() + at, value, size);
    };
    const double stamp = 46362.5;
    const int32_t noScene = 999;
    put(8 + 2 * 288, &stamp, 8);  // slot 2: saved, but in a scene the game does not have
    put(8 + 2 * 288 + 8, &noScene, 4);
    WriteFile(damaged);
    Create();
    ASSERT_TRUE(panel->StartClick());
    auto click = [&](int32_t id) {
        GameState.ui.hoverId = static_cast<uint16_t>(id);
        form->DDrawClick();
    };
    click(15);  // new game, then through the narration
    for (int i = 0; i < 5; ++i) click(0);
    ASSERT_EQ(GameState.live.scene, 10);
    click(20);  // the menu
    click(16);  // the load list
    click(26);  // the damaged slot: nothing happens
    EXPECT_EQ(GameState.live.scene, 4);
    EXPECT_EQ(FileBytes(), damaged);
    click(17);  // the save list
    click(28);
    EXPECT_EQ(GameState.live.scene, 10);
    const Bytes file = FileBytes();
    ASSERT_EQ(file.size(), kSettingsBlockSize);
    for (size_t i = 0; i < kSettingsBlockSize; ++i) {
        if (i < 8 + 4 * 288 || i >= 8 + 5 * 288) {
            ASSERT_EQ(file[i], damaged[i]) << "byte " << i;
        }
    }
    EXPECT_EQ(file[8 + 4 * 288 + 8], 10);  // slot 4 holds the game, in scene 10
}

TEST_F(StartPanelTest, AFileThatCannotBeWrittenLeavesTheSettingsInMemoryWithOneLineOnStderr) {
    Create();
    SetSettingsFolder((dir / "no-such-folder").string());
    ::testing::internal::CaptureStderr();
    panel->LanguageChange(1);
    panel->DisplayModeChange(3);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(GameState.settings.language, 1);
    EXPECT_EQ(GameState.settings.resolution, 3);
    EXPECT_EQ(panel->SoundsCaption(), "Sounds");
    EXPECT_LE(std::count(err.begin(), err.end(), '\n'), 1);
}

// A save.qzd that is there but cannot be read is never written over; the
// first game saved in the run says it is kept only until the end.
TEST_F(StartPanelTest, ASaveOverAnUnreadableFileSaysItIsNotWritten) {
    fs::create_symlink("save.qzd", dir / "save.qzd");  // cannot be opened, not even by root
    Create();
    GameState.settings.language = 1;
    ASSERT_TRUE(panel->StartClick());
    auto click = [&](int32_t id) {
        GameState.ui.hoverId = static_cast<uint16_t>(id);
        form->DDrawClick();
    };
    click(15);  // new game, then through the narration
    for (int i = 0; i < 5; ++i) click(0);
    ASSERT_EQ(GameState.live.scene, 10);
    click(20);  // the menu
    click(17);  // the save list
    click(24);
    EXPECT_EQ(GameState.live.scene, 10);
    EXPECT_NE(GameState.ui.messageLines[0], Text(162));
    EXPECT_NE(GameState.ui.messageLines[0].find("save.qzd"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(dir / "save.qzd"));
}

TEST_F(StartPanelTest, ThePainterDrawsThePanelItsPicturesAndTheOpenList) {
    Create();
    TStartPanelPainter painter;
    std::string error;
    ASSERT_TRUE(painter.LoadPictures(EmbeddedPanelPictureData(), error)) << error;
    FixedTextRenderer text;
    Surface16 closed, open;
    painter.Paint(*panel, text, closed);
    ASSERT_EQ(closed.Width(), 428);
    ASSERT_EQ(closed.Height(), 270);
    EXPECT_EQ(closed.Pixel(0, 0), 0);                                  // the window's black edge
    EXPECT_EQ(closed.Pixel(200, 260), RgbToRgb565(0xD4, 0xD0, 0xC8));  // the panel's face
    ClickControl(TPanelControl::Language);
    painter.Paint(*panel, text, open);
    const TPanelRect list = TStartPanel::ListRect(TPanelControl::Language);
    int changed = 0;
    for (int32_t y = list.top; y < list.top + list.height; ++y)
        for (int32_t x = list.left; x < list.left + list.width; ++x) changed += closed.Pixel(x, y) != open.Pixel(x, y);
    EXPECT_GT(changed, list.width * list.height / 2);
    // A damaged container is reported, and painting without pictures still works.
    TStartPanelPainter empty;
    EXPECT_FALSE(empty.LoadPictures(std::span<const uint8_t>(), error));
    empty.Paint(*panel, text, closed);
    EXPECT_EQ(closed.Width(), 428);
}
}  // namespace
