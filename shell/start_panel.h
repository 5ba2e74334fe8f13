// start_panel.h: the start panel, the program's first screen (`StartPanel`).
//
// The panel is a small 428x270 borderless window: the logo with the hosting
// provider's emblem as a click area, the display-mode list ("Okno"/"Window",
// 640x480, 800x600, 1024x768), the language list with flag icons, the sounds
// check box and the start, www and exit buttons. Every change is stored in
// "save.qzd" at once. The start button enters the game; there is no way back.
//
// This is the panel's model and behaviour, with no window system: the
// platform layer (platform/sdl_start_panel.h) draws it (start_panel_painter.h)
// and feeds it mouse and key input in window coordinates, and the play harness
// drives the same handlers. What only the platform can do (hide the panel,
// the busy and hidden cursors, the failure message box) goes through
// TStartPanelHost.
//
// Input follows what a desktop user expects: a drop-down list opens on a click
// and closes on a click on an entry (which picks it) or anywhere else; the
// mouse wheel and the arrow keys move the choice; Tab and Shift+Tab move the
// focus; Enter and Space press the focused button or toggle the check box;
// Escape closes an open list, or else the program. Buttons act when the
// button is released over them.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

class TMainForm;

// A rectangle in window coordinates (the panel sits at 1,1 in the window).
struct TPanelRect {
    int32_t left = 0, top = 0, width = 0, height = 0;
    bool Contains(int32_t x, int32_t y) const {
        return x >= left && y >= top && x < left + width && y < top + height;
    }
};

// The focusable controls in Tab order, then the parts that take no focus.
enum class TPanelControl { Resolution, Language, Sounds, Start, Web, Exit, Logo, None };
inline constexpr int kFocusableControls = 6;

enum class TPanelKey { Tab, BackTab, Up, Down, Enter, Space, Escape, OpenList };

struct TStartPanelHost {
    std::function<void()> hidePanel;         // start step 1
    std::function<void()> showBusyCursor;    // start step 2
    std::function<void()> hideSystemCursor;  // start step 9
    std::function<void(const std::string&)> showError;  // message box, application title
};

// The web addresses are "http://" + host; the hosts are set by the build.
std::string HostingProviderHost();
std::string HomePageHost();

class TStartPanel {
public:
    static constexpr int32_t kWidth = 426, kHeight = 268;     // the panel itself
    static constexpr int32_t kWindowWidth = kWidth + 2;       // 428
    static constexpr int32_t kWindowHeight = kHeight + 2;     // 270
    static constexpr const char* kApplicationTitle = "Varnoklet 3";

    // Also makes SaveSettings the writer of a game saved from the menu.
    TStartPanel(TMainForm& form, TStartPanelHost host);

    // Window creation: seeds the random generator, sets programDir, chooses
    // where "save.qzd" lives (userFolder gives the user's data folder, asked
    // only for a read-only program folder), loads the settings, sets the
    // controls from them, translates the panel and sets the caption.
    void FormCreate(uint32_t seed, const std::string& programDir,
                    const std::function<std::string()>& userFolder);
    // Translates the panel into the current language.
    void Prelozmenu();

    // --- the controls' handlers, as the controls call them ---
    void DisplayModeChange(int32_t index);  // display mode 0..3
    void LanguageChange(int32_t index);      // 0 Czech, 1 English
    void SoundsCheckClick(bool checked);
    // Start: the twelve steps; true when the game runs. On a display that
    // cannot be made the error is shown through the host and false returned.
    bool StartClick();
    void WebClick();   // www: the provider's page, then the game's page
    void EmblemClick();   // the emblem on the logo: the provider's page
    void ExitClick();   // exit: closes the window

    // --- desktop input, in window coordinates ---
    void MouseMove(int32_t x, int32_t y);
    void MouseDown(int32_t x, int32_t y);
    void MouseUp(int32_t x, int32_t y);
    void MouseWheel(int32_t x, int32_t y, int32_t steps);  // steps > 0: up
    void KeyPress(TPanelKey key);

    // --- what the painter shows ---
    static TPanelRect RectOf(TPanelControl control);
    static int32_t ItemHeight(TPanelControl list);   // 13 or 16
    static int32_t ItemCount(TPanelControl list);    // 4 or 2
    // The rectangle of an open list (opens upwards: there is no room below).
    static TPanelRect ListRect(TPanelControl list);
    TPanelControl ControlAt(int32_t x, int32_t y) const;

    bool Visible() const { return visible_; }
    bool ProgramClosing() const;  // the exit button (or Escape) closed the window
    const std::string& Caption() const { return caption_; }
    const std::array<std::string, 4>& ResolutionItems() const { return resolutionItems_; }
    const std::array<std::string, 2>& LanguageItems() const { return languageItems_; }
    int32_t ResolutionIndex() const { return resolutionIndex_; }  // -1: no entry selected
    int32_t LanguageIndex() const { return languageIndex_; }
    bool SoundsChecked() const { return soundsChecked_; }
    const std::string& SoundsCaption() const { return soundsCaption_; }
    const std::string& ButtonCaption(TPanelControl button) const;
    TPanelControl Focus() const { return focus_; }
    TPanelControl OpenList() const { return openList_; }  // None when closed
    int32_t HighlightedEntry() const { return highlighted_; }
    TPanelControl Pressed() const { return pressed_; }     // button held down, or None
    bool PressedInside() const { return pressedInside_; }
    // The emblem is a link: under the mouse it shows the hand cursor and, as
    // its hint, the name of the provider it opens.
    bool HandCursor() const { return visible_ && hovered_ == TPanelControl::Logo; }
    std::string Hint() const { return HandCursor() ? HostingProviderHost() : std::string(); }

private:
    void ChooseEntry(TPanelControl list, int32_t index);
    void MoveChoice(TPanelControl list, int32_t delta);
    void OpenListOf(TPanelControl list);
    void Activate(TPanelControl control);
    int32_t EntryAt(int32_t x, int32_t y) const;

    TMainForm& form_;
    TStartPanelHost host_;
    bool visible_ = true;
    std::string caption_ = "VKIII";
    std::array<std::string, 4> resolutionItems_{"Okno", "640x480", "800x600", "1024x768"};
    std::array<std::string, 2> languageItems_{"cz", "en"};
    std::array<std::string, 3> buttonCaptions_{"start", "www", "exit"};
    std::string soundsCaption_ = "Zvuky";
    int32_t resolutionIndex_ = -1;
    int32_t languageIndex_ = -1;
    bool soundsChecked_ = true;
    TPanelControl focus_ = TPanelControl::Start;
    TPanelControl openList_ = TPanelControl::None;
    int32_t highlighted_ = -1;
    TPanelControl pressed_ = TPanelControl::None;
    bool pressedInside_ = false;
    TPanelControl hovered_ = TPanelControl::None;  // the control under the mouse
};
