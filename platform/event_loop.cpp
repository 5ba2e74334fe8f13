// event_loop.cpp: window events to form handlers, and paced frames.
#include "platform/event_loop.h"

#include <SDL.h>

#include "platform/sdl_clock.h"
#include "shell/main_form.h"

namespace {
TMouseButton ButtonOf(uint8_t sdlButton) {
    if (sdlButton == SDL_BUTTON_RIGHT) return TMouseButton::mbRight;
    if (sdlButton == SDL_BUTTON_MIDDLE) return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

// Events after which the window may no longer show the last frame shown.
bool PictureMayBeSpoiled(uint8_t event) {
    return event == SDL_WINDOWEVENT_EXPOSED || event == SDL_WINDOWEVENT_SHOWN ||
           event == SDL_WINDOWEVENT_RESTORED || event == SDL_WINDOWEVENT_MAXIMIZED ||
           event == SDL_WINDOWEVENT_SIZE_CHANGED || event == SDL_WINDOWEVENT_RESIZED ||
           event == SDL_WINDOWEVENT_FOCUS_GAINED || event == SDL_WINDOWEVENT_FOCUS_LOST;
}

// The window is the program's only one: it becomes the focused window of the
// program when it is shown. Focus moving to or from other programs only
// pauses and resumes the sound (frames go on).
void HandleWindowEvent(TMainForm& form, IDesktopControls* controls, const SDL_WindowEvent& w) {
    if (w.event == SDL_WINDOWEVENT_SHOWN) form.FormActivate();
    if (w.event == SDL_WINDOWEVENT_FOCUS_GAINED) form.Timer.ApplicationActivated();
    if (w.event == SDL_WINDOWEVENT_FOCUS_LOST) form.Timer.ApplicationDeactivated();
    if (w.event == SDL_WINDOWEVENT_CLOSE) form.Close();
    if (w.event == SDL_WINDOWEVENT_SIZE_CHANGED && controls) controls->WindowResized();
    if (controls && PictureMayBeSpoiled(w.event)) controls->RepresentAll();
}

bool IsEnter(SDL_Keycode key) { return key == SDLK_RETURN || key == SDLK_KP_ENTER; }

int32_t KeyOf(SDL_Keycode key) {
    if (IsEnter(key)) return VK_RETURN;
    if (key == SDLK_SPACE) return VK_SPACE;
    if (key == SDLK_TAB) return VK_TAB;
    if (key == SDLK_ESCAPE) return VK_ESCAPE;
    if (key == SDLK_h) return VK_H;
    return 0;
}

// The controller's buttons the game knows; false for the others.
bool PadButtonOf(uint8_t button, TPadButton& out) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_A: out = TPadButton::pbA; return true;
        case SDL_CONTROLLER_BUTTON_B: out = TPadButton::pbB; return true;
        case SDL_CONTROLLER_BUTTON_X: out = TPadButton::pbX; return true;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: out = TPadButton::pbLeftShoulder; return true;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: out = TPadButton::pbRightShoulder; return true;
        case SDL_CONTROLLER_BUTTON_START: out = TPadButton::pbStart; return true;
        default: return false;
    }
}

bool IsPlus(SDL_Keycode key) { return key == SDLK_PLUS || key == SDLK_EQUALS || key == SDLK_KP_PLUS; }
bool IsMinus(SDL_Keycode key) { return key == SDLK_MINUS || key == SDLK_KP_MINUS; }
}  // namespace

class EventRouter::FormHandlers : public IFormInput {
public:
    explicit FormHandlers(TMainForm& form) : form_(form) {}
    void MouseMove(int32_t x, int32_t y) override { form_.DDrawMouseMove(x, y); }
    void Click() override { form_.DDrawClick(); }
    void MouseDown(TMouseButton b, int32_t x, int32_t y) override { form_.DDrawMouseDown(b, x, y); }
    void MouseUp(TMouseButton b, int32_t x, int32_t y) override { form_.DDrawMouseUp(b, x, y); }
    void KeyDown(int32_t key, bool shift) override { form_.FormKeyDown(key, shift); }
    void KeyUp(int32_t key) override { form_.FormKeyUp(key); }
    void PadButton(TPadButton b, bool down) override {
        if (down) form_.PadButtonDown(b);
        else form_.PadButtonUp(b);
    }
    void PadStick(int32_t x, int32_t y) override { form_.PadStickMove(x, y); }

private:
    TMainForm& form_;
};

EventRouter::EventRouter(TMainForm& form, IDesktopControls* controls, IFormInput* input)
    : form_(form), controls_(controls),
      own_(input ? nullptr : std::make_unique<FormHandlers>(form)),
      input_(input ? input : own_.get()) {}

EventRouter::~EventRouter() = default;

void EventRouter::MapMouse(int32_t wx, int32_t wy, int32_t& ax, int32_t& ay) {
    ax = wx;
    ay = wy;
    if (controls_) controls_->MapMouse(wx, wy, ax, ay);
}

// True when the key press is a desktop key (acted on here, not the form's).
bool EventRouter::DesktopKeyDown(const SDL_Event& e) {
    const SDL_Keycode key = e.key.keysym.sym;
    const uint16_t mod = e.key.keysym.mod;
    const bool alt = mod & KMOD_ALT, ctrl = mod & KMOD_CTRL;
    const bool first = e.key.repeat == 0;
    if (IsEnter(key)) {
        if (alt) {
            if (first && !enterTaken_ && controls_) controls_->ToggleFullScreen();
            enterTaken_ = true;
            return true;
        }
        if (!first && enterTaken_) return true;  // Alt let go, Enter still held
        enterTaken_ = false;  // a fresh Enter (its release may have gone to another window)
        return false;
    }
    const bool own = key == SDLK_F11 || key == SDLK_F12 || (ctrl && (key == SDLK_m || IsPlus(key) || IsMinus(key)));
    if (!own) return false;
    if (!first || !controls_) return true;
    if (key == SDLK_F11) controls_->ToggleFullScreen();
    else if (key == SDLK_F12) controls_->TakeScreenshot();
    else if (key == SDLK_m) controls_->ToggleMute();
    else controls_->ChangeScale(IsPlus(key) ? 1 : -1);
    return true;
}

void OpenGameControllers() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_IsGameController(i) && SDL_GameControllerOpen(i) == nullptr)
            SDL_Log("Varnoklet 3: gamepad %d not opened: %s", i, SDL_GetError());
}

// A controller is opened when it arrives; one that leaves lets go of the
// stick and of the reveal it may have held.
void EventRouter::HandleController(const SDL_Event& e) {
    TPadButton button{};
    switch (e.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameControllerFromInstanceID(SDL_JoystickGetDeviceInstanceID(e.cdevice.which)) == nullptr)
                SDL_GameControllerOpen(e.cdevice.which);
            break;
        case SDL_CONTROLLERDEVICEREMOVED:
            if (SDL_GameController* pad = SDL_GameControllerFromInstanceID(e.cdevice.which))
                SDL_GameControllerClose(pad);
            stickX_ = stickY_ = 0;
            input_->PadStick(0, 0);
            input_->PadButton(TPadButton::pbX, false);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            if (PadButtonOf(e.cbutton.button, button))
                input_->PadButton(button, e.type == SDL_CONTROLLERBUTTONDOWN);
            break;
        case SDL_CONTROLLERAXISMOTION:
            if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) stickX_ = e.caxis.value;
            else if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) stickY_ = e.caxis.value;
            else break;
            input_->PadStick(stickX_, stickY_);
            break;
        default: break;
    }
}

void EventRouter::Handle(const SDL_Event& e) {
    int32_t x = 0, y = 0;
    switch (e.type) {
        case SDL_QUIT: form_.Close(); break;
        case SDL_WINDOWEVENT: HandleWindowEvent(form_, controls_, e.window); break;
        case SDL_MOUSEMOTION:
            MapMouse(e.motion.x, e.motion.y, x, y);
            input_->MouseMove(x, y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            MapMouse(e.button.x, e.button.y, x, y);
            input_->MouseDown(ButtonOf(e.button.button), x, y);
            break;
        case SDL_MOUSEBUTTONUP:
            // A left button release is a click on the drawing surface first,
            // then a button release, as the window reports them.
            MapMouse(e.button.x, e.button.y, x, y);
            if (e.button.button == SDL_BUTTON_LEFT) input_->Click();
            input_->MouseUp(ButtonOf(e.button.button), x, y);
            break;
        case SDL_KEYDOWN:
            if (!DesktopKeyDown(e))
                input_->KeyDown(KeyOf(e.key.keysym.sym), (e.key.keysym.mod & KMOD_SHIFT) != 0);
            break;
        case SDL_KEYUP:
            if (IsEnter(e.key.keysym.sym) && enterTaken_) {
                enterTaken_ = false;  // the end of Alt+Enter
                break;
            }
            input_->KeyUp(KeyOf(e.key.keysym.sym));
            break;
        case SDL_CONTROLLERDEVICEADDED:
        case SDL_CONTROLLERDEVICEREMOVED:
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION: HandleController(e); break;
        default: break;
    }
}

FrameLoop::FrameLoop(TMainForm& form, IDesktopControls* controls, uint64_t early, SdlClock* restClock)
    : form_(form), controls_(controls), router_(form, controls),
      frequency_(SDL_GetPerformanceFrequency()), pacer_(frequency_, early), clock_(restClock) {
    OpenGameControllers();
}

// Runs the frames in order, with the clock held at each one's time (the
// timer and the pacer then agree on when every frame ran); a rest's batch
// draws only its last.
bool FrameLoop::RunFrames(const FramePacer::Due& due) {
    bool running = true;
    for (int32_t i = 0; i < due.count && !form_.Closing(); ++i) {
        if (clock_) clock_->Hold(due.At(i));
        form_.DrawFrames = i == due.count - 1;
        running = form_.Timer.Idle();
        if (clock_) clock_->Release();
    }
    form_.DrawFrames = true;
    if (due.count > 0 && running) pacer_.Shown(controls_ == nullptr || controls_->LastFrameChanged());
    return running;
}

FrameLoop::Pass FrameLoop::Step() {
    Pass pass;
    pacer_.AllowRest(clock_ != nullptr && SDL_NumJoysticks() == 0);
    // Resting, the frames that fell due before the events now waiting go first.
    if (pacer_.Resting()) RunFrames(pacer_.TakeDue(SDL_GetPerformanceCounter()));
    SDL_Event e;
    bool events = false;
    while (!form_.Closing() && SDL_PollEvent(&e)) {
        router_.Handle(e);
        events = true;
    }
    if (events) pacer_.EventsCame();
    if (form_.Closing()) {
        pass.closed = true;
        return pass;
    }
    if (!pacer_.Resting()) {
        const FramePacer::Due due = pacer_.TakeDue(SDL_GetPerformanceCounter());
        if (due.count > 0 && !RunFrames(due)) {
            pass.idle = true;
            return pass;
        }
    }
    // Whole milliseconds, rounded up: one wake-up a frame, not two.
    const uint64_t wait = pacer_.Wait(SDL_GetPerformanceCounter());
    pass.sleepMs = static_cast<uint32_t>((wait * 1000 + frequency_ - 1) / frequency_);
    pass.wake = pacer_.Resting();
    return pass;
}

bool EventsCanWakeTheLoop() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return false;
    for (const char* waits : {"x11", "wayland", "windows", "cocoa"})
        if (SDL_strcmp(driver, waits) == 0) return true;
    return false;
}

void RunEventLoop(TMainForm& form, IDesktopControls* controls, SdlClock* restClock) {
    FrameLoop loop(form, controls, 0, restClock);
    for (FrameLoop::Pass pass = loop.Step(); !pass.closed; pass = loop.Step()) {
        if (pass.sleepMs > 0 && pass.wake) SDL_WaitEventTimeout(nullptr, static_cast<int>(pass.sleepMs));
        else if (pass.sleepMs > 0) SDL_Delay(pass.sleepMs);
        else if (pass.idle) SDL_WaitEventTimeout(nullptr, 10);
    }
}
