// player_controls.h: what the keys, the middle button and the gamepad mean
// to the game, beyond the click of Enter and Space.
//
//   H, the middle button, the gamepad's X  held: every hotspot is marked
//   Tab / Shift+Tab, the gamepad's RB / LB  the cursor to the next / previous
//                                           hotspot in reading order
//   Escape, the gamepad's Start             the game menu, as the top strip
//   the gamepad's A                         the left click
//   the gamepad's B                         the right button
//   the gamepad's left stick                moves the cursor, smoothly and
//                                           faster the longer it is held
//
// Escape and Start act on release, as Enter and Space do; Tab and the
// shoulders on press, so a held Tab keeps walking.
//
// Callers: the form's handlers (main_form.cpp); the stick once per frame,
// before the cursor looks for its hotspot.
#pragma once
#include <cstdint>

class TMainForm;
enum class TPadButton;
enum class TMouseButton;

void GameKeyDown(TMainForm& form, int32_t key, bool shift);
void GameKeyUp(TMainForm& form, int32_t key);
void GameMouseDown(TMouseButton button);
void GameMouseUp(TMouseButton button);
void GamePadDown(TMainForm& form, TPadButton button);
void GamePadUp(TMainForm& form, TPadButton button);

// The stick's cursor speed in drawing-area pixels per millisecond for an
// axis value and the time the stick has been held: 0 inside the rest zone,
// then growing with the deflection and, over the first second, with time.
double StickSpeed(int32_t axis, int32_t heldMs);
// Moves the mouse point by the stick for one frame of lagMs, kept on the
// drawing area; the part of a pixel left over carries to the next frame.
void MoveCursorByStick(TMainForm& form, int32_t lagMs);
