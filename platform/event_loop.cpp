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

// The window is the program's only one: it becomes the focused window of the
// program when it is shown. Focus moving to or from other programs only
// pauses and resumes the sound (frames go on).
void HandleWindowEvent(TMainForm& form, const SDL_WindowEvent& w) {
    if (w.event == SDL_WINDOWEVENT_SHOWN) form.FormActivate();
    if (w.event == SDL_WINDOWEVENT_FOCUS_GAINED) form.Timer.ApplicationActivated();
    if (w.event == SDL_WINDOWEVENT_FOCUS_LOST) form.Timer.ApplicationDeactivated();
    if (w.event == SDL_WINDOWEVENT_CLOSE) form.Close();
}

int32_t KeyOf(SDL_Keycode key) {
    if (key == SDLK_RETURN || key == SDLK_KP_ENTER) return VK_RETURN;
    if (key == SDLK_SPACE) return VK_SPACE;
    return 0;
}

void HandleEvent(TMainForm& form, const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT: form.Close(); break;
        case SDL_WINDOWEVENT: HandleWindowEvent(form, e.window); break;
        case SDL_MOUSEMOTION: form.DDrawMouseMove(e.motion.x, e.motion.y); break;
        case SDL_MOUSEBUTTONUP:
            // A left button release is a click on the drawing surface first,
            // then a button release, as the window reports them.
            if (e.button.button == SDL_BUTTON_LEFT) form.DDrawClick();
            form.DDrawMouseUp(ButtonOf(e.button.button), e.button.x, e.button.y);
            break;
        case SDL_KEYDOWN: form.FormKeyDown(KeyOf(e.key.keysym.sym)); break;
        case SDL_KEYUP: form.FormKeyUp(KeyOf(e.key.keysym.sym)); break;
        default: break;
    }
}
}  // namespace

void RunEventLoop(TMainForm& form) {
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    const uint64_t minFrame = frequency / 60;
    uint64_t lastFrame = 0;
    while (!form.Closing()) {
        SDL_Event e;
        while (!form.Closing() && SDL_PollEvent(&e)) HandleEvent(form, e);
        if (form.Closing()) break;
        uint64_t now = SDL_GetPerformanceCounter();
        if (lastFrame != 0 && now - lastFrame < minFrame) {
            uint64_t waitMs = (minFrame - (now - lastFrame)) * 1000 / frequency;
            SDL_Delay(waitMs > 0 ? static_cast<uint32_t>(waitMs) : 1);
            continue;
        }
        lastFrame = now;
        if (!form.Timer.Idle()) SDL_WaitEventTimeout(nullptr, 10);
    }
}
