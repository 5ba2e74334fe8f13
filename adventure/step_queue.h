// step_queue.h: the queued steps of a click sequence and the message lines.
//
// A click that starts a sequence queues steps (scene, text, item, sample);
// each later click runs one of them. The message on screen is split into at
// most three lines at '#'. The queue holds 26 steps; a step queued into a
// full queue is dropped without notice.
#pragma once
#include <cstdint>
#include <string>

// Stores a step into the first record that is not pending and marks it pending.
void QueueStep(int32_t scene, const std::string& text, uint16_t item, uint8_t sound);
// Every record: scene -1, empty text, not pending, no item (the sound field is
// left as it is: every queued step writes it).
void ClearSteps();
// True while any step is pending or a message is shown.
bool IsBusy();
// Splits text at '#' into the three message lines; after the second '#' the
// rest of the text stays on the third line. An empty text clears the message.
void SetMessage(const std::string& text);
// The message as the player sees it: lines 0..messageLineCount joined by
// '#', in UTF-8; empty while line 0 is empty.
std::string ShownMessageUtf8();
