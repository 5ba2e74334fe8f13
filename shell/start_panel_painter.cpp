// start_panel_painter.cpp: the start panel's pixels.
#include "shell/start_panel_painter.h"

#include <algorithm>
#include <vector>

#include "graphics/image_catalogue.h"
#include "graphics/picture_container.h"
#include "shell/start_panel.h"

namespace {
constexpr uint16_t kFace = RgbToRgb565(0xD4, 0xD0, 0xC8);
constexpr uint16_t kLight = RgbToRgb565(0xFF, 0xFF, 0xFF);
constexpr uint16_t kShadow = RgbToRgb565(0x80, 0x80, 0x80);
constexpr uint16_t kDark = RgbToRgb565(0x40, 0x40, 0x40);
constexpr uint16_t kField = RgbToRgb565(0xFF, 0xFF, 0xFF);
constexpr uint16_t kSelection = RgbToRgb565(0x0A, 0x24, 0x6A);
constexpr uint16_t kHintFace = RgbToRgb565(0xFF, 0xFF, 0xE1);
constexpr uint16_t kBlack = 0;
constexpr uint32_t kTextColor = 0x000000;        // 0x00BBGGRR
constexpr uint32_t kSelectedTextColor = 0xFFFFFF;

void Frame(Surface16& s, const TRect& r, uint16_t topLeft, uint16_t bottomRight) {
    s.FillRect(TRect{r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
    s.FillRect(TRect{r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
    s.FillRect(TRect{r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
    s.FillRect(TRect{r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
}
TRect Shrunk(const TRect& r, int32_t by) { return TRect{r.Left + by, r.Top + by, r.Right - by, r.Bottom - by}; }
TRect ToRect(const TPanelRect& r) { return Bounds(r.left, r.top, r.width, r.height); }

void Raised(Surface16& s, const TRect& r) {
    Frame(s, r, kLight, kDark);
    Frame(s, Shrunk(r, 1), kFace, kShadow);
}
void Sunken(Surface16& s, const TRect& r) {
    Frame(s, r, kShadow, kLight);
    Frame(s, Shrunk(r, 1), kDark, kFace);
}

// The dotted focus rectangle of a desktop dialog.
void FocusRect(Surface16& s, const TRect& r) {
    for (int32_t x = r.Left; x < r.Right; x += 2) {
        s.FillRect(Bounds(x, r.Top, 1, 1), kBlack);
        s.FillRect(Bounds(x, r.Bottom - 1, 1, 1), kBlack);
    }
    for (int32_t y = r.Top; y < r.Bottom; y += 2) {
        s.FillRect(Bounds(r.Left, y, 1, 1), kBlack);
        s.FillRect(Bounds(r.Right - 1, y, 1, 1), kBlack);
    }
}

// Text vertically centred in a box of `height` from `top`.
void Label(ITextRenderer& text, Surface16& s, int32_t x, int32_t top, int32_t height,
           const std::string& caption, uint32_t color) {
    const int32_t h = TStartPanelPainter::kTextHeight;
    text.TextOut(s, x, top + (height - h - 2) / 2, h, caption, color);
}

void DownArrow(Surface16& s, int32_t cx, int32_t cy) {
    for (int32_t i = 0; i < 4; ++i) s.FillRect(Bounds(cx - 3 + i, cy - 1 + i, 7 - 2 * i, 1), kBlack);
}

bool DecodeItem(const StoredPictureItem& item, Surface16& out) {
    std::string className, error;
    std::span<const uint8_t> payload;
    DecodedPicture picture;
    if (!SplitPictureData(item.pictureData, className, payload)) return false;
    if (!DecodePicture(className, payload, picture, error) || picture.Empty()) return false;
    ToRgb565(picture, out);
    return true;
}
}  // namespace

bool TStartPanelPainter::LoadPictures(std::span<const uint8_t> container, std::string& error) {
    std::vector<StoredPictureItem> items;
    if (!ReadPictureContainer(container, items, error)) return false;
    bool logo = false, flag[2] = {false, false};
    for (const StoredPictureItem& item : items) {
        if (item.name == "logo") logo = DecodeItem(item, logo_);
        for (int i = 0; i < 2; ++i)
            if (item.name == (i == 0 ? "vlajka0" : "vlajka1")) {
                flag[i] = DecodeItem(item, flags_[i]);
                flagKeyed_[i] = item.transparent;
                flagKey_[i] = ColorToRgb565(static_cast<uint32_t>(item.transparentColor));
            }
    }
    if (logo && flag[0] && flag[1]) return true;
    error = "the start panel's pictures are incomplete or damaged";
    return false;
}

void TStartPanelPainter::Paint(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const {
    out.Resize(TStartPanel::kWindowWidth, TStartPanel::kWindowHeight);
    out.Fill(kBlack);
    if (!panel.Visible()) return;
    out.FillRect(Bounds(1, 1, TStartPanel::kWidth, TStartPanel::kHeight), kFace);
    if (!logo_.Empty()) out.StretchBlit(Bounds(1, 1, 426, 200), logo_, logo_.Rect(), false, 0);
    Frame(out, Bounds(3, 207, 422, 18), kShadow, kLight);  // the strip under the logo
    PaintControls(panel, text, out);
    PaintList(panel, text, out);
    PaintHint(panel, text, out);
}

// The hint of the control under the mouse: a pale yellow box with a black
// frame just above it, inside the window.
void TStartPanelPainter::PaintHint(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const {
    const std::string hint = panel.Hint();
    if (hint.empty()) return;
    const TPanelRect under = TStartPanel::RectOf(TPanelControl::Logo);
    const int32_t w = text.TextWidth(kTextHeight, hint) + 6, h = kTextHeight + 6;
    const int32_t left = std::min(under.left, TStartPanel::kWindowWidth - w);
    const TRect box = Bounds(left, under.top - h - 2, w, h);
    out.FillRect(box, kHintFace);
    Frame(out, box, kBlack, kBlack);
    Label(text, out, box.Left + 3, box.Top, h + 2, hint, kTextColor);
}

void TStartPanelPainter::PaintControls(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const {
    // The sounds check box: a sunken 13x13 box and its caption.
    const TRect sounds = ToRect(TStartPanel::RectOf(TPanelControl::Sounds));
    const TRect box = Bounds(sounds.Left, sounds.Top + 2, 13, 13);
    out.FillRect(box, kField);
    Sunken(out, box);
    if (panel.SoundsChecked())
        for (int32_t i = 0; i < 7; ++i)
            out.FillRect(Bounds(box.Left + 3 + i, box.Top + (i < 3 ? 5 + i : 9 - i), 1, 3), kBlack);
    Label(text, out, box.Right + 3, sounds.Top, sounds.Height(), panel.SoundsCaption(), kTextColor);
    if (panel.Focus() == TPanelControl::Sounds)
        FocusRect(out, TRect{box.Right + 2, sounds.Top, sounds.Right, sounds.Bottom});

    PaintCombo(panel, text, out, false);
    PaintCombo(panel, text, out, true);

    for (TPanelControl b : {TPanelControl::Start, TPanelControl::Web, TPanelControl::Exit}) {
        const TRect r = ToRect(TStartPanel::RectOf(b));
        Frame(out, TRect{r.Left - 2, r.Top - 2, r.Left + 66, r.Top + 22}, kShadow, kLight);
        Frame(out, TRect{r.Left - 1, r.Top - 1, r.Left + 65, r.Top + 21}, kDark, kFace);
        const bool down = panel.Pressed() == b && panel.PressedInside();
        if (down) Frame(out, r, kDark, kLight);
        else Raised(out, r);
        const std::string& caption = panel.ButtonCaption(b);
        const int32_t x = r.Left + (r.Width() - text.TextWidth(kTextHeight, caption)) / 2 + (down ? 1 : 0);
        Label(text, out, x, r.Top + (down ? 1 : 0), r.Height(), caption, kTextColor);
        if (panel.Focus() == b) FocusRect(out, Shrunk(r, 3));
    }
}

void TStartPanelPainter::PaintCombo(const TStartPanel& panel, ITextRenderer& text, Surface16& out,
                                    bool language) const {
    const TPanelControl id = language ? TPanelControl::Language : TPanelControl::Resolution;
    const TRect r = ToRect(TStartPanel::RectOf(id));
    out.FillRect(r, kField);
    Sunken(out, r);
    const TRect button = TRect{r.Right - 2 - 16, r.Top + 2, r.Right - 2, r.Bottom - 2};
    out.FillRect(button, kFace);
    if (panel.OpenList() == id) Frame(out, button, kShadow, kShadow);
    else Raised(out, button);
    DownArrow(out, (button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);

    const int32_t index = language ? panel.LanguageIndex() : panel.ResolutionIndex();
    if (index < 0) return;
    const TRect field = TRect{r.Left + 3, r.Top + 3, button.Left - 1, r.Bottom - 3};
    const bool focused = panel.Focus() == id && panel.OpenList() != id;
    if (focused) out.FillRect(field, kSelection);
    int32_t x = field.Left + 1;
    if (language && index < 2 && !flags_[index].Empty()) {
        out.StretchBlit(Bounds(x, field.Top + (field.Height() - 16) / 2, 16, 16), flags_[index],
                        flags_[index].Rect(), flagKeyed_[index], flagKey_[index]);
        x += 19;
    }
    const std::string& caption = language ? panel.LanguageItems()[index] : panel.ResolutionItems()[index];
    Label(text, out, x, field.Top, field.Height(), caption, focused ? kSelectedTextColor : kTextColor);
    if (focused) FocusRect(out, field);
}

void TStartPanelPainter::PaintList(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const {
    const TPanelControl id = panel.OpenList();
    if (id == TPanelControl::None) return;
    const bool language = id == TPanelControl::Language;
    const TRect r = ToRect(TStartPanel::ListRect(id));
    out.FillRect(r, kField);
    Frame(out, r, kBlack, kBlack);
    const int32_t h = TStartPanel::ItemHeight(id);
    for (int32_t i = 0; i < TStartPanel::ItemCount(id); ++i) {
        const TRect entry = Bounds(r.Left + 1, r.Top + 1 + i * h, r.Width() - 2, h);
        const bool lit = i == panel.HighlightedEntry();
        if (lit) out.FillRect(entry, kSelection);
        int32_t x = entry.Left + 2;
        if (language && !flags_[i].Empty()) {
            out.StretchBlit(Bounds(x, entry.Top, 16, 16), flags_[i], flags_[i].Rect(), flagKeyed_[i],
                            flagKey_[i]);
            x += 19;
        }
        const std::string& caption = language ? panel.LanguageItems()[i] : panel.ResolutionItems()[i];
        Label(text, out, x, entry.Top, h + 1, caption, lit ? kSelectedTextColor : kTextColor);
    }
}
