// event_loop.h: the game's main loop on SDL.
//
// Runs until the form closes or the window is closed: every waiting window
// event goes to the form's handler (mouse moves and buttons in drawing-area
// coordinates, Enter and Space releases, focus changes); when none is waiting
// the frame timer gets an idle pass. Frames follow the vertical blank where
// the display offers it and are in any case paced to at most 60 a second, so
// the frame-counted timers of the phone game keep their pace on any monitor.
#pragma once

class TMainForm;

void RunEventLoop(TMainForm& form);
