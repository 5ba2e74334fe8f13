// rules.h: the vocabulary the scene rules are written in.
//
// A rule runs at dispatch, when an idle click lands on a hotspot: it changes
// progress flags, the inventory and the selection at once and queues steps,
// which later clicks run one by one (click_handling.h). Rules read like the
// story's notation: [→25 T145 s5] is
//     QueueStep({.to = Scene::Ruin, .text = 145, .sound = 5});
// and [→here +210] is QueueStep({.to = Here(), .item = Item::RuinBlock}). An
// empty step [] only clears the message: QueueStep({}). Scenes, items and
// hotspots are named in adventure/game_ids.h, made from adventure/ids.tsv.
#pragma once
#include <cstdint>

#include "core/game_state.h"
#include "texts/texts.h"

inline constexpr int32_t kStay = -1;     // a step that keeps the current scene
inline constexpr int32_t kNoText = -1;   // a step without a message

// One queued step as a rule writes it. `literal` (Windows-1250) stands in
// for a text id where a step shows a fixed string such as " " or "...".
struct TStep {
    int32_t to = kStay;
    int32_t text = kNoText;
    uint16_t item = 0;
    uint8_t sound = 0;
    const char* literal = nullptr;
};

// Queues the step; the text is looked up now, in the current language. The
// rule's form of the step queue's QueueStep (step_queue.h).
void QueueStep(const TStep& step);

// How many queued steps named a text the table has no entry for (the step
// then shows nothing). Always 0 in a sound game; tests and the soak check it.
uint32_t MissingTextLookups();
// Starts that count again from 0.
void ForgetMissingTextLookups();

// The scene the player was in when the click was dispatched ("→here"), so a
// sequence that first shows another scene still comes back to this one.
int32_t Here();

// The item carried on the cursor (0 = none) as the rule sees it.
inline uint16_t Carried() { return GameState.ui.selectedItem; }

// The progress bytes of the running game.
inline TProgress& P() { return GameState.live.progress; }

// A walk to `scene` that tells `text` only the first time (`visited` then
// becomes 1).
void WalkFirstTime(uint8_t& visited, int32_t scene, int32_t text);

// Plays sample `n` at once, outside any step (1..11; 0 plays nothing).
void PlayNow(uint8_t n);
