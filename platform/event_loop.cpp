// event_loop.cpp: window events to form handlers, and paced frames.
#include "platform/event_loop.h"

#include <SDL.h>

#include "core/main_form.h"

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
    return 0;
}

bool IsPlus(SDL_Keycode key) { return key == SDLK_PLUS || key == SDLK_EQUALS || key == SDLK_KP_PLUS; }
bool IsMinus(SDL_Keycode key) { return key == SDLK_MINUS || key == SDLK_KP_MINUS; }
}  // namespace

class EventRouter::FormHandlers : public IFormInput {
public:
    explicit FormHandlers(TMainForm& form) : form_(form) {}
    void MouseMove(int32_t x, int32_t y) override { form_.DDrawMouseMove(x, y); }
    void Click() override { form_.DDrawClick(); }
    void MouseUp(TMouseButton b, int32_t x, int32_t y) override { form_.DDrawMouseUp(b, x, y); }
    void KeyDown(int32_t key) override { form_.FormKeyDown(key); }
    void KeyUp(int32_t key) override { form_.FormKeyUp(key); }

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

void EventRouter::Handle(const SDL_Event& e) {
    int32_t x = 0, y = 0;
    switch (e.type) {
        case SDL_QUIT: form_.Close(); break;
        case SDL_WINDOWEVENT: HandleWindowEvent(form_, controls_, e.window); break;
        case SDL_MOUSEMOTION:
            MapMouse(e.motion.x, e.motion.y, x, y);
            input_->MouseMove(x, y);
            break;
        case SDL_MOUSEBUTTONUP:
            // A left button release is a click on the drawing surface first,
            // then a button release, as the window reports them.
            MapMouse(e.button.x, e.button.y, x, y);
            if (e.button.button == SDL_BUTTON_LEFT) input_->Click();
            input_->MouseUp(ButtonOf(e.button.button), x, y);
            break;
        case SDL_KEYDOWN:
            if (!DesktopKeyDown(e)) input_->KeyDown(KeyOf(e.key.keysym.sym));
            break;
        case SDL_KEYUP:
            if (IsEnter(e.key.keysym.sym) && enterTaken_) {
                enterTaken_ = false;  // the end of Alt+Enter
                break;
            }
            input_->KeyUp(KeyOf(e.key.keysym.sym));
            break;
        default: break;
    }
}

void RunEventLoop(TMainForm& form, IDesktopControls* controls) {
    EventRouter router(form, controls);
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    const uint64_t minFrame = frequency / 60;
    uint64_t lastFrame = 0;
    while (!form.Closing()) {
        SDL_Event e;
        while (!form.Closing() && SDL_PollEvent(&e)) router.Handle(e);
        if (form.Closing()) break;
        uint64_t now = SDL_GetPerformanceCounter();
        if (lastFrame != 0 && now - lastFrame < minFrame) {
            // Whole milliseconds, rounded up: one wake-up a frame, not two.
            const uint64_t waitMs = ((minFrame - (now - lastFrame)) * 1000 + frequency - 1) / frequency;
            SDL_Delay(static_cast<uint32_t>(waitMs > 0 ? waitMs : 1));
            continue;
        }
        lastFrame = now;
        if (!form.Timer.Idle()) SDL_WaitEventTimeout(nullptr, 10);
    }
}
