// event_loop.h: the game's main loop on SDL.
//
// Runs until the form closes or the window is closed: every waiting window
// event goes to the form's handler (mouse moves and buttons in drawing-area
// coordinates, Enter and Space releases, focus changes); when none is waiting
// the frame timer gets an idle pass. Frames follow the vertical blank where
// the display offers it and are in any case paced to at most 60 a second, so
// the frame-counted timers of the phone game keep their pace on any monitor.
//
// The desktop keys are the window's own, never the game's: Alt+Enter and F11
// toggle full screen, Ctrl+Plus and Ctrl+Minus change the window scale, F12
// takes a screenshot and Ctrl+M mutes or restores the sound. None of them
// reaches the form; in particular the Enter of Alt+Enter is not a click, even
// when Alt is let go before Enter.
//
// Keys the game knows beside Enter and Space go to the form too: Tab (with
// the Shift state), Escape and H. The middle button's press and release go
// to it, and so does a gamepad: every SDL game controller is opened as it
// appears (and those present when the loop starts), its A, B, X, shoulders
// and Start buttons and its left stick reach the form's pad handlers; what
// they mean is the game's business.
#pragma once
#include <cstdint>
#include <memory>

union SDL_Event;
class TMainForm;
enum class TMouseButton;
enum class TPadButton;

// The form's input handlers as the router calls them (the form itself in the
// game; a recorder in tests).
class IFormInput {
public:
    virtual ~IFormInput() = default;
    virtual void MouseMove(int32_t x, int32_t y) = 0;
    virtual void Click() = 0;
    virtual void MouseDown(TMouseButton button, int32_t x, int32_t y) = 0;
    virtual void MouseUp(TMouseButton button, int32_t x, int32_t y) = 0;
    virtual void KeyDown(int32_t key, bool shift) = 0;
    virtual void KeyUp(int32_t key) = 0;
    virtual void PadButton(TPadButton button, bool down) = 0;
    virtual void PadStick(int32_t x, int32_t y) = 0;  // left stick, -32768..32767
};

// What the desktop keys, the mouse and window resizes ask of the program.
class IDesktopControls {
public:
    virtual ~IDesktopControls() = default;
    virtual void ToggleFullScreen() = 0;
    virtual void ChangeScale(int32_t step) = 0;  // +1 larger, -1 smaller
    virtual void TakeScreenshot() = 0;
    virtual void ToggleMute() = 0;
    // The drawing-area pixel under a window position.
    virtual void MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) = 0;
    virtual void WindowResized() = 0;
    // The window's picture may be spoiled (exposed, restored, focus moved):
    // the next frame is to be shown whole.
    virtual void RepresentAll() {}
};

// Turns SDL events into the form's handlers and the desktop controls; keeps
// what it needs to know between events (an Enter already used by Alt+Enter).
// Without controls the desktop keys do nothing and positions pass unchanged;
// without an input the mouse and keys go to the form's own handlers.
class EventRouter {
public:
    EventRouter(TMainForm& form, IDesktopControls* controls, IFormInput* input = nullptr);
    ~EventRouter();
    void Handle(const SDL_Event& e);

private:
    class FormHandlers;
    bool DesktopKeyDown(const SDL_Event& e);
    void HandleController(const SDL_Event& e);
    void MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay);

    TMainForm& form_;
    IDesktopControls* controls_;
    std::unique_ptr<FormHandlers> own_;  // the form's handlers, when no input was given
    IFormInput* input_;
    bool enterTaken_ = false;  // the Enter of Alt+Enter is down; its release is not a click
    int32_t stickX_ = 0, stickY_ = 0;  // the left stick as last reported
};

// Opens every game controller already attached (their later arrivals come as events).
void OpenGameControllers();

// One pass of the game's loop, as the desktop loop below and a browser's
// frame callback call it: the waiting events go to the router and, once the
// last frame is at least 1/60 s old (less `early`, in performance-counter
// ticks, for a caller woken by the display at about that pace), the frame
// timer gets an idle pass. The pass says what the caller may wait for.
class FrameLoop {
public:
    struct Pass {
        bool closed = false;     // the form closed: no more passes
        uint32_t sleepMs = 0;    // too early for a frame: sleep this long, then pass again
        bool idle = false;       // the timer had nothing to do: wait up to 10 ms for an event
    };
    FrameLoop(TMainForm& form, IDesktopControls* controls, uint64_t early = 0);
    Pass Step();

private:
    TMainForm& form_;
    EventRouter router_;
    uint64_t frequency_;
    uint64_t minFrame_;
    uint64_t lastFrame_ = 0;
};

void RunEventLoop(TMainForm& form, IDesktopControls* controls = nullptr);
