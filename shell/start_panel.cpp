// start_panel.cpp: the start panel's controls, their rules and its input.
#include "shell/start_panel.h"

#include <algorithm>

#include "adventure/saved_games.h"
#include "core/game_state.h"
#include "shell/main_form.h"
#include "core/random.h"
#include "shell/file_io.h"
#include "shell/settings_file.h"
#include "shell/start_game.h"
#include "texts/texts.h"

namespace {
constexpr TextId kSoundsText = 355, kWindowText = 356, kExitText = 353;
constexpr const char* kVersion = "1.1";

// The panel's controls relative to the window (the panel sits at 1,1).
TPanelRect InWindow(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left + 1, top + 1, width, height};
}

bool IsList(TPanelControl c) { return c == TPanelControl::Resolution || c == TPanelControl::Language; }
bool IsButton(TPanelControl c) {
    return c == TPanelControl::Start || c == TPanelControl::Web || c == TPanelControl::Exit ||
           c == TPanelControl::Logo;
}
}  // namespace

TStartPanel::TStartPanel(TMainForm& form, TStartPanelHost host) : form_(form), host_(std::move(host)) {
    SetSettingsWriter([] { return SaveSettings(); });
}

void TStartPanel::FormCreate(uint32_t seed, const std::string& programDir,
                             const std::function<std::string()>& userFolder) {
    Randomize(seed);
    GameState.programDir = WithTrailingSlash(programDir);
    SetSettingsFolder(ChooseSettingsFolder(GameState.programDir, userFolder));
    LoadSettings();
    soundsChecked_ = GameState.settings.soundOn != 0;
    languageIndex_ = GameState.settings.language;
    Prelozmenu();
    // The 256-colour table of the catalogue is not needed: the display is
    // always 16-bit here.
    caption_ = std::string("VKIII") + " " + kVersion;
}

void TStartPanel::Prelozmenu() {
    soundsCaption_ = Text(kSoundsText);
    resolutionItems_[0] = Text(kWindowText);
    const uint8_t resolution = GameState.settings.resolution;
    resolutionIndex_ = resolution < resolutionItems_.size() ? resolution : -1;
    buttonCaptions_[2] = Text(kExitText);
}

void TStartPanel::DisplayModeChange(int32_t index) {
    resolutionIndex_ = index;
    GameState.settings.resolution = static_cast<uint8_t>(index);
    SaveSettings();
    Prelozmenu();
}

void TStartPanel::LanguageChange(int32_t index) {
    languageIndex_ = index;
    GameState.settings.language = static_cast<uint8_t>(index);
    SaveSettings();
    Prelozmenu();
}

void TStartPanel::SoundsCheckClick(bool checked) {
    soundsChecked_ = checked;
    GameState.settings.soundOn = checked ? 1 : 0;
    SaveSettings();
}

bool TStartPanel::StartClick() {
    visible_ = false;
    openList_ = TPanelControl::None;
    if (host_.hidePanel) host_.hidePanel();
    if (host_.showBusyCursor) host_.showBusyCursor();
    std::string error;
    const DisplayMode mode = DisplayModeForResolution(GameState.settings.resolution);
    const bool started = StartGame(form_, mode, error, [this] {
        if (host_.hideSystemCursor) host_.hideSystemCursor();
    });
    if (!started && host_.showError) host_.showError(error);
    return started;
}

void TStartPanel::WebClick() {
    form_.Web.Open("http://" + HostingProviderHost());
    form_.Web.Open("http://" + HomePageHost());
}

void TStartPanel::EmblemClick() { form_.Web.Open("http://" + HostingProviderHost()); }

void TStartPanel::ExitClick() { form_.Close(); }

bool TStartPanel::ProgramClosing() const { return form_.Closing(); }

// ---- layout ----------------------------------------------------------------

TPanelRect TStartPanel::RectOf(TPanelControl control) {
    switch (control) {
        case TPanelControl::Resolution: return InWindow(61, 237, 81, 21);
        case TPanelControl::Language: return InWindow(146, 237, 57, 22);
        case TPanelControl::Sounds: return InWindow(5, 241, 55, 17);
        case TPanelControl::Start: return InWindow(208 + 2, 236 + 2, 65, 21);
        case TPanelControl::Web: return InWindow(280 + 2, 236 + 2, 65, 21);
        case TPanelControl::Exit: return InWindow(352 + 2, 236 + 2, 65, 21);
        case TPanelControl::Logo: return InWindow(8, 176, 81, 17);
        case TPanelControl::None: break;
    }
    return {};
}

int32_t TStartPanel::ItemHeight(TPanelControl list) { return list == TPanelControl::Language ? 16 : 13; }
int32_t TStartPanel::ItemCount(TPanelControl list) { return list == TPanelControl::Language ? 2 : 4; }

TPanelRect TStartPanel::ListRect(TPanelControl list) {
    const TPanelRect box = RectOf(list);
    const int32_t height = ItemHeight(list) * ItemCount(list) + 2;
    return {box.left, box.top - height, box.width, height};
}

TPanelControl TStartPanel::ControlAt(int32_t x, int32_t y) const {
    if (!visible_) return TPanelControl::None;
    for (TPanelControl c : {TPanelControl::Resolution, TPanelControl::Language, TPanelControl::Sounds,
                            TPanelControl::Start, TPanelControl::Web, TPanelControl::Exit,
                            TPanelControl::Logo})
        if (RectOf(c).Contains(x, y)) return c;
    return TPanelControl::None;
}

const std::string& TStartPanel::ButtonCaption(TPanelControl button) const {
    if (button == TPanelControl::Web) return buttonCaptions_[1];
    if (button == TPanelControl::Exit) return buttonCaptions_[2];
    return buttonCaptions_[0];
}

// ---- input -----------------------------------------------------------------

int32_t TStartPanel::EntryAt(int32_t x, int32_t y) const {
    const TPanelRect r = ListRect(openList_);
    if (!r.Contains(x, y)) return -1;
    const int32_t entry = (y - r.top - 1) / ItemHeight(openList_);
    return std::clamp(entry, 0, ItemCount(openList_) - 1);
}

void TStartPanel::ChooseEntry(TPanelControl list, int32_t index) {
    if (list == TPanelControl::Resolution && index != resolutionIndex_) DisplayModeChange(index);
    if (list == TPanelControl::Language && index != languageIndex_) LanguageChange(index);
}

void TStartPanel::MoveChoice(TPanelControl list, int32_t delta) {
    if (openList_ == list) {
        highlighted_ = std::clamp(highlighted_ + delta, 0, ItemCount(list) - 1);
        return;
    }
    const int32_t current = list == TPanelControl::Resolution ? resolutionIndex_ : languageIndex_;
    ChooseEntry(list, std::clamp(current < 0 ? 0 : current + delta, 0, ItemCount(list) - 1));
}

void TStartPanel::OpenListOf(TPanelControl list) {
    openList_ = list;
    const int32_t current = list == TPanelControl::Resolution ? resolutionIndex_ : languageIndex_;
    highlighted_ = std::max(current, 0);
}

void TStartPanel::Activate(TPanelControl control) {
    switch (control) {
        case TPanelControl::Sounds: SoundsCheckClick(!soundsChecked_); break;
        case TPanelControl::Start: StartClick(); break;
        case TPanelControl::Web: WebClick(); break;
        case TPanelControl::Exit: ExitClick(); break;
        case TPanelControl::Logo: EmblemClick(); break;
        default: break;
    }
}

void TStartPanel::MouseMove(int32_t x, int32_t y) {
    if (!visible_) return;
    hovered_ = ControlAt(x, y);
    if (openList_ != TPanelControl::None) {
        const int32_t entry = EntryAt(x, y);
        if (entry >= 0) highlighted_ = entry;
    }
    if (pressed_ != TPanelControl::None) pressedInside_ = RectOf(pressed_).Contains(x, y);
}

void TStartPanel::MouseDown(int32_t x, int32_t y) {
    if (!visible_) return;
    if (openList_ != TPanelControl::None) {
        // A click on an entry picks it; a click anywhere else only closes the list.
        const TPanelControl list = openList_;
        const int32_t entry = EntryAt(x, y);
        openList_ = TPanelControl::None;
        if (entry >= 0) ChooseEntry(list, entry);
        return;
    }
    const TPanelControl control = ControlAt(x, y);
    if (control == TPanelControl::None) return;
    if (control != TPanelControl::Logo) focus_ = control;
    if (IsList(control)) {
        OpenListOf(control);
        return;
    }
    pressed_ = control;
    pressedInside_ = true;
}

void TStartPanel::MouseUp(int32_t x, int32_t y) {
    const TPanelControl pressed = pressed_;
    pressed_ = TPanelControl::None;
    pressedInside_ = false;
    if (visible_ && pressed != TPanelControl::None && RectOf(pressed).Contains(x, y)) Activate(pressed);
}

void TStartPanel::MouseWheel(int32_t x, int32_t y, int32_t steps) {
    if (!visible_ || steps == 0) return;
    TPanelControl list = openList_;
    if (list == TPanelControl::None) list = IsList(ControlAt(x, y)) ? ControlAt(x, y) : focus_;
    if (IsList(list)) MoveChoice(list, steps > 0 ? -1 : 1);
}

void TStartPanel::KeyPress(TPanelKey key) {
    if (!visible_) return;
    const bool listOpen = openList_ != TPanelControl::None;
    switch (key) {
        case TPanelKey::Tab:
        case TPanelKey::BackTab: {
            openList_ = TPanelControl::None;
            const int step = key == TPanelKey::Tab ? 1 : kFocusableControls - 1;
            focus_ = static_cast<TPanelControl>((static_cast<int>(focus_) + step) % kFocusableControls);
            break;
        }
        case TPanelKey::Up:
        case TPanelKey::Down:
            if (IsList(focus_)) MoveChoice(focus_, key == TPanelKey::Up ? -1 : 1);
            break;
        case TPanelKey::OpenList:
            if (listOpen) openList_ = TPanelControl::None;
            else if (IsList(focus_)) OpenListOf(focus_);
            break;
        case TPanelKey::Enter:
        case TPanelKey::Space:
            if (listOpen) {
                const TPanelControl list = openList_;
                openList_ = TPanelControl::None;
                ChooseEntry(list, highlighted_);
            } else if (IsButton(focus_) || focus_ == TPanelControl::Sounds) {
                if (key == TPanelKey::Enter && focus_ == TPanelControl::Sounds) break;
                Activate(focus_);
            } else if (IsList(focus_) && key == TPanelKey::Space) {
                OpenListOf(focus_);
            }
            break;
        case TPanelKey::Escape:
            if (listOpen) openList_ = TPanelControl::None;
            else ExitClick();
            break;
    }
}
