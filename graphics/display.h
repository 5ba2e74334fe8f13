// display.h: the drawing surface (`TDXDraw`, the window's `DDraw`).
//
// TDXDraw owns the 16-bit back buffer the whole game draws into and hands the
// finished frame to a platform backend. The backend is the only part that
// knows about windows: the SDL one lives in platform/, HeadlessBackend below
// serves tests and tools. Components that hold display resources (the image
// catalogue, the sprite engine) subscribe as listeners and are told when the
// display is initialised, restored, finalised and destroyed.
//
// Contract: Initialize() either succeeds (back buffer of the mode's size,
// listeners told "initialised" then "restored", OnInitialize fired) or fails
// with one of the player-facing texts "Display mode cannot be changed
// (%dx%d %dbit)" / "%s cannot be made" and leaves the display uninitialised.
// Drawing calls on an uninitialised display do nothing.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "graphics/surface16.h"

struct DisplayMode {
    bool fullScreen = false;
    int32_t width = 640;
    int32_t height = 480;
};

// The display modes of the settings byte `resolution`: 0 windowed 640x480,
// 1 full screen 640x480, 2 800x600, 3 1024x768 (other values: windowed).
DisplayMode DisplayModeForResolution(uint8_t resolution);

class IDisplayBackend {
public:
    virtual ~IDisplayBackend() = default;
    // Makes the output for mode. On failure returns false and sets error to
    // the text the player is shown.
    virtual bool Open(const DisplayMode& mode, std::string& error) = 0;
    // Shows a finished frame; waits for the vertical blank where the system
    // offers it. What was written since the last Present is in
    // backBuffer.WrittenSinceForget() (TDXDraw forgets it after each one).
    virtual void Present(const Surface16& backBuffer) = 0;
    virtual void Close() = 0;
};

class TDXDraw;

class IDisplayListener {
public:
    virtual ~IDisplayListener() = default;
    virtual void DisplayInitialized(TDXDraw&) {}
    virtual void DisplayRestored(TDXDraw&) {}
    virtual void DisplayFinalized(TDXDraw&) {}
    virtual void DisplayDestroyed(TDXDraw&) {}
};

class TDXDraw {
public:
    explicit TDXDraw(IDisplayBackend& backend) : backend_(backend) {}
    ~TDXDraw();
    TDXDraw(const TDXDraw&) = delete;
    TDXDraw& operator=(const TDXDraw&) = delete;

    bool Initialize(const DisplayMode& mode, std::string& error);
    void Finalize();

    bool Initialized() const { return initialized_; }
    bool CanDraw() const { return initialized_; }
    int32_t SurfaceWidth() const { return surface_.Width(); }
    int32_t SurfaceHeight() const { return surface_.Height(); }
    Surface16& Surface() { return surface_; }
    const Surface16& Surface() const { return surface_; }
    const DisplayMode& Mode() const { return mode_; }

    void Fill(uint32_t bgrColor);  // whole back buffer
    // Clears the back buffer outside keep to the colour (what lies inside keep
    // stays), writing only where something was drawn since the last clear.
    void ClearOutside(const TRect& keep, uint32_t bgrColor);
    void Flip();                   // present the back buffer

    void Subscribe(IDisplayListener* listener);  // told "initialised" at once if already so
    void Unsubscribe(IDisplayListener* listener);

    // The window's handlers: DDrawInitialize and DDrawFinalize.
    std::function<void()> OnInitialize;
    std::function<void()> OnFinalize;

private:
    IDisplayBackend& backend_;
    DisplayMode mode_;
    Surface16 surface_;
    bool initialized_ = false;
    std::vector<IDisplayListener*> listeners_;
};

// A display without a window: frames go nowhere but are counted, and the last
// one can be inspected. Open can be told to fail, to exercise the error path.
class HeadlessBackend : public IDisplayBackend {
public:
    bool Open(const DisplayMode& mode, std::string& error) override;
    void Present(const Surface16& backBuffer) override;
    void Close() override {}

    std::string failWith;       // non-empty: Open fails with this text
    int presentCount = 0;
    const Surface16* lastPresented = nullptr;
};
