// player_controls.cpp: keys, the middle button and the gamepad to game actions.
#include "shell/player_controls.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "adventure/click_handling.h"
#include "adventure/comforts.h"
#include "core/game_state.h"
#include "shell/main_form.h"

namespace {

constexpr int32_t kStickRest = 8000;        // axis values closer to 0 are the stick at rest
constexpr int32_t kStickFull = 32767;
constexpr double kSlowSpeed = 0.12;         // px per ms at full tilt, just pushed
constexpr double kFastSpeed = 0.70;         // px per ms at full tilt after kRampMs
constexpr int32_t kRampMs = 1000;

void Walk(TMainForm& form, int direction) {
    WalkHotspots(direction, form.DDraw.SurfaceWidth(), form.DDraw.SurfaceHeight());
}

// The axis moved by one frame: whole pixels now, the rest carried.
int32_t Step(int32_t axis, int32_t heldMs, int32_t lagMs, double& carry) {
    const double speed = StickSpeed(axis, heldMs);
    if (speed == 0) {
        carry = 0;
        return 0;
    }
    carry += (axis < 0 ? -speed : speed) * lagMs;
    const double whole = std::trunc(carry);
    carry -= whole;
    return static_cast<int32_t>(whole);
}

}  // namespace

void GameKeyDown(TMainForm& form, int32_t key, bool shift) {
    if (key == VK_TAB) Walk(form, shift ? -1 : 1);
    if (key == VK_H) HoldReveal(rsKey, true);
}

void GameKeyUp(TMainForm& form, int32_t key) {
    if (key == VK_RETURN || key == VK_SPACE) form.DDrawClick();
    if (key == VK_ESCAPE) ClickGameMenuByKey();
    if (key == VK_H) HoldReveal(rsKey, false);
}

void GameMouseDown(TMouseButton button) {
    if (button == TMouseButton::mbMiddle) HoldReveal(rsMouse, true);
}

void GameMouseUp(TMouseButton button) {
    if (button == TMouseButton::mbMiddle) HoldReveal(rsMouse, false);
}

void GamePadDown(TMainForm& form, TPadButton button) {
    switch (button) {
        case TPadButton::pbX: HoldReveal(rsPad, true); break;
        case TPadButton::pbLeftShoulder: Walk(form, -1); break;
        case TPadButton::pbRightShoulder: Walk(form, 1); break;
        default: break;
    }
}

void GamePadUp(TMainForm& form, TPadButton button) {
    const int32_t x = GameState.ui.mouseX, y = GameState.ui.mouseY;
    switch (button) {
        case TPadButton::pbA:  // a left button's release: the click, then the release
            form.DDrawClick();
            form.DDrawMouseUp(TMouseButton::mbLeft, x, y);
            break;
        case TPadButton::pbB: form.DDrawMouseUp(TMouseButton::mbRight, x, y); break;
        case TPadButton::pbX: HoldReveal(rsPad, false); break;
        case TPadButton::pbStart: ClickGameMenuByKey(); break;
        default: break;
    }
}

double StickSpeed(int32_t axis, int32_t heldMs) {
    const int32_t tilt = std::min(std::abs(axis), kStickFull);
    if (tilt <= kStickRest) return 0;
    const double share = static_cast<double>(tilt - kStickRest) / (kStickFull - kStickRest);
    const double ramp = static_cast<double>(std::clamp(heldMs, 0, kRampMs)) / kRampMs;
    return share * (kSlowSpeed + (kFastSpeed - kSlowSpeed) * ramp);
}

void MoveCursorByStick(TMainForm& form, int32_t lagMs) {
    constexpr int32_t kLongestStepMs = 50;  // a stalled frame does not fling the cursor
    lagMs = std::clamp(lagMs, 0, kLongestStepMs);
    TPadStick& stick = form.PadStick;
    if (StickSpeed(stick.x, 0) == 0 && StickSpeed(stick.y, 0) == 0) {
        stick = TPadStick{stick.x, stick.y};
        return;
    }
    const int32_t dx = Step(stick.x, stick.heldMs, lagMs, stick.carryX);
    const int32_t dy = Step(stick.y, stick.heldMs, lagMs, stick.carryY);
    stick.heldMs = std::min(stick.heldMs + lagMs, kRampMs);
    const int32_t right = std::max(form.DDraw.SurfaceWidth() - 1, 0);
    const int32_t bottom = std::max(form.DDraw.SurfaceHeight() - 1, 0);
    form.DDrawMouseMove(std::clamp(GameState.ui.mouseX + dx, 0, right),
                        std::clamp(GameState.ui.mouseY + dy, 0, bottom));
}
