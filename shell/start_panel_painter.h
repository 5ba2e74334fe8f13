// start_panel_painter.h: drawing the start panel into a 16-bit surface.
//
// The panel is drawn by the game itself, in the look of a classic desktop
// dialog: a grey face, bevelled buttons and fields, the logo, the flag icons
// and the captions in Liberation Sans. The platform shows the surface in the
// panel's window; the tests and the harness can look at the same pixels.
//
// The pictures come from the panel's own container (graphics/
// embedded_pictures.h): "logo" (426x200) and the flags "vlajka0" (Czech) and
// "vlajka1" (United Kingdom), 16x16 with their colour key. A picture that is
// missing or damaged leaves its place empty; the panel still works.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "graphics/surface16.h"
#include "graphics/text_renderer.h"

class TStartPanel;

class TStartPanelPainter {
public:
    static constexpr int32_t kTextHeight = 11;

    // Decodes the panel's pictures once. False with the reason when any is
    // missing or damaged (the ones that decoded are still used).
    bool LoadPictures(std::span<const uint8_t> container, std::string& error);

    // Draws the whole window (428x270) of `panel` into `out`, resized to it.
    void Paint(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const;

private:
    void PaintControls(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const;
    void PaintList(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const;
    void PaintCombo(const TStartPanel& panel, ITextRenderer& text, Surface16& out, bool language) const;
    void PaintHint(const TStartPanel& panel, ITextRenderer& text, Surface16& out) const;

    Surface16 logo_;
    Surface16 flags_[2];
    uint16_t flagKey_[2] = {0, 0};
    bool flagKeyed_[2] = {false, false};
};
