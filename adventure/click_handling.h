// click_handling.h: what a left click, the right button and Enter/Space do.
//
// A click either dispatches or advances. When the game is idle (no step
// pending, no message shown) the click is dispatched on the hotspot the last
// frame found under the cursor (hoverId; after a mouse move no frame has
// followed, the hover is found again first): the inventory bar's items, the game
// menu, or the current scene's rules in its chapter file. Dispatch changes
// flags at once and queues steps; it never builds a scene itself. Then, in
// every case, the click runs the next pending step: scene first, then the
// item, the sample, the message, and the step is done. With nothing pending
// the click clears the queue and dismisses the message, so the click after a
// sequence's last message dispatches nothing, and only the one after that
// does.
//
// Callers: the form's DDrawClick (also for Enter and Space) and DDrawMouseUp.
#pragma once
#include <cstdint>

// The left click (and the release of Enter or Space).
void ClickDrawingSurface();

// The right button's release: while idle, puts a carried item back (with the
// click sound). Busy or not carrying: nothing changes but the selection.
void RightButtonUp();

// Runs the first pending step of the queue; with none pending clears the
// queue and empties message line 0.
void RunNextStep();

// Dispatches a click on hotspot `id` in the current scene as an idle click
// would (used by the click above and by tests that sweep every hotspot).
void DispatchClick(int32_t id);

// What a click on the top strip does, without pointing at it (Escape, the
// gamepad's Start): only where the scene has the strip (the game menu has
// "Back to game" in its place), only while idle. Any pending step or message
// runs on as a click would run it.
void ClickGameMenuByKey();
