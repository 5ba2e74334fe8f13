// sdl_display.h: the drawing surface's SDL backend (the real game's window).
//
// Opens one window for a display mode and shows each finished 16-bit frame in
// it, waiting for the vertical blank where the renderer offers it. The drawing
// area keeps the mode's size; how it is shown is the window's business:
//
// - In a window (borderless, at (50,50) of the screen) the area is shown at a
//   whole-number scale, 1x to 4x, nearest neighbour, the window exactly the
//   scaled area. Scales whose window would not fit the screen are not offered.
// - In full screen the area is scaled by the largest whole number that fits,
//   centred on black borders (window_scale.h). A full-screen mode the screen
//   cannot take exactly falls back to a full-screen desktop window, so the
//   player never sees a failure for it; only a display that cannot be made at
//   all (no video device, no window, no renderer) fails, with the
//   player-facing text.
// - ToggleFullScreen switches between the two at any time; the drawing area,
//   the game and its pictures are untouched by it.
//
// Present shows only what changed since the frame shown last
// (platform/shown_frame.h): a frame that changes no pixel is not shown at
// all, one that changes a little uploads just those rectangles. Whatever may
// have spoiled the window's picture (exposure, resize, full screen, focus)
// calls RepresentAll, and the next frame is shown whole. With a text layer
// attached, the frame's texts are drawn at the window's scale over the
// scaled picture whenever that scale is a whole number of 2 or more.
//
// The output: SDL's renderer, except when the 3D driver would itself be
// software (Mesa's llvmpipe, softpipe or swrast; on Linux also when there is
// no graphics device at all). Then the frame goes straight into the window's
// own pixels (SDL's window surface, the software renderer's target) and only
// the changed rectangles are handed to the window system, which costs a
// fraction of presenting through a 3D stack emulated on the processor. A
// renderer the user names with SDL_RENDER_DRIVER is always used.
//
// MapMouse turns window positions from SDL's mouse events into drawing-area
// pixels with the viewport of the shown area.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "graphics/display.h"
#include "graphics/text_layer.h"
#include "platform/shown_frame.h"
#include "platform/window_scale.h"

struct SDL_Surface;

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

class SdlDisplayBackend : public IDisplayBackend {
public:
    static constexpr int32_t kWindowLeft = 50, kWindowTop = 50;

    explicit SdlDisplayBackend(std::string title) : title_(std::move(title)) {}
    ~SdlDisplayBackend() override { Close(); }

    bool Open(const DisplayMode& mode, std::string& error) override;
    void Present(const Surface16& backBuffer) override;
    void Close() override;

    SDL_Window* Window() const { return window_; }
    // The caption of windows opened from now on.
    void SetTitle(std::string title) { title_ = std::move(title); }

    // The window scale (1..4). Before Open it is the scale the window opens
    // with; in full screen it is the scale the window returns to. A scale the
    // screen cannot hold is lowered to the largest that fits. Returns the
    // scale now in effect.
    int32_t SetScale(int32_t scale);
    int32_t Scale() const { return scale_; }
    // The largest scale whose window fits the screen (1 without a window).
    int32_t MaxScale() const;

    // Window <-> full-screen desktop window; false (and no change) if the
    // system refuses. Without a window it only records the choice.
    bool SetFullScreen(bool fullScreen);
    bool ToggleFullScreen() { return SetFullScreen(!fullScreen_); }
    bool FullScreen() const { return fullScreen_; }

    // Recomputes the shown area from the window's current size; called when
    // the window reports a size change.
    void WindowResized();
    const AreaViewport& Viewport() const { return viewport_; }

    // The drawing-area pixel under the window position (wx, wy) of a mouse event.
    void MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) const;

    // The next frame is shown whole (the window's picture may be spoiled).
    void RepresentAll() { shown_.Invalidate(); }
    // Whether the last Present changed the window's picture (false when the
    // window was hidden or minimised and showed nothing).
    bool LastPresentChanged() const { return lastChanged_; }

    // The layer the frame's texts go to at a scale of 2 or more, and the
    // renderer that draws them at that scale (both outlive the backend).
    void AttachTextLayer(TextLayer* layer, ITextRenderer* renderer);
    // The texts of the last frame shown that are not in the back buffer.
    std::span<const LayerText> LayerTexts() const { return shown_.Texts(); }
    ITextRenderer* LayerRenderer() const { return layerRenderer_; }

    // How windows opened from now on show frames: chosen as described above,
    // or (for tests) always the one named.
    enum class Output { Chosen, WindowSurface, Renderer };
    void SetOutput(Output output) { output_ = output; }
    // True when frames go into the window surface rather than through a renderer.
    bool UsesWindowSurface() const { return surfaceOutput_; }

private:
    bool MakeWindow(const DisplayMode& mode, std::string& error);
    bool MakeOutput(const DisplayMode& mode, std::string& error);
    bool MakeRenderer(const DisplayMode& mode, std::string& error);
    void DropRenderer();
    void PlaceWindow();
    void PresentToSurface(std::span<const TRect> rects);
    void PresentToRenderer(std::span<const TRect> rects);

    std::string title_;
    DisplayMode mode_;
    int32_t scale_ = 1;
    bool fullScreen_ = false;
    AreaViewport viewport_;
    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    Output output_ = Output::Chosen;
    bool surfaceOutput_ = false;
    SDL_Surface* lastSurface_ = nullptr;  // the window surface written last
    ShownFrame shown_;
    bool lastChanged_ = true;
    TextLayer* layer_ = nullptr;
    ITextRenderer* layerRenderer_ = nullptr;
};
