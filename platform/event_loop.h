// event_loop.h: the game's main loop on SDL.
//
// Runs until the form closes or the window is closed: every waiting window
// event goes to the form's handler (mouse moves and buttons in drawing-area
// coordinates, Enter and Space releases, focus changes); when none is waiting
// the frame timer gets an idle pass. Frames follow the vertical blank where
// the display offers it and are in any case paced to at most 60 a second, so
// the frame-counted timers of the phone game keep their pace on any monitor.
// While the window's picture stands still the loop rests (FrameLoop below):
// it wakes ten times a second instead of sixty, and the game still gets
// every frame it would have had.
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

#include "platform/frame_pacer.h"

union SDL_Event;
class TMainForm;
class SdlClock;
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
    // Whether the frame shown last changed anything in the window (true when
    // that cannot be told): the loop rests only while frames change nothing.
    virtual bool LastFrameChanged() { return true; }
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
// frame callback call it: the waiting events go to the router, then the
// frame timer gets an idle pass once a frame is due (platform/frame_pacer.h:
// at most 60 a second, less `early`, in performance-counter ticks, for a
// caller woken by the display at about that pace). The pass says what the
// caller may wait for.
//
// Given the clock the form's timer reads, the loop may rest while the
// window's picture stands still (the controls say whether the last frame
// changed it) and no gamepad is attached (SDL polls for gamepads every
// millisecond while waiting for events): it then sleeps until an event or
// the next batch of frames, runs the frames due each at its own time with
// the clock held there, and draws only the last. Without the clock it never
// rests.
class FrameLoop {
public:
    struct Pass {
        bool closed = false;     // the form closed: no more passes
        uint32_t sleepMs = 0;    // no frame due yet: sleep this long, then pass again
        bool wake = false;       // resting: an event may end that sleep early
        bool idle = false;       // the timer had nothing to do: wait up to 10 ms for an event
    };
    FrameLoop(TMainForm& form, IDesktopControls* controls, uint64_t early = 0,
              SdlClock* restClock = nullptr);
    Pass Step();

private:
    bool RunFrames(const FramePacer::Due& due);  // false when the timer is not running

    TMainForm& form_;
    IDesktopControls* controls_;
    EventRouter router_;
    uint64_t frequency_;
    FramePacer pacer_;
    SdlClock* clock_;
};

// The desktop's loop: passes until the form closes. With `restClock` (the
// clock the form's timer reads) it rests while the window stands still.
void RunEventLoop(TMainForm& form, IDesktopControls* controls = nullptr,
                  SdlClock* restClock = nullptr);

// Whether SDL's video driver can sleep until an event comes (X11, Wayland,
// Windows, macOS). Others wait by polling every millisecond, which costs more
// than a loop that never rests: the game gives them no rest clock.
bool EventsCanWakeTheLoop();
