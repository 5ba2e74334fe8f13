// rules.cpp: the rule vocabulary: queueing steps with their texts, the
// scene a click was dispatched in, first walks and samples played at once.
#include "adventure/rules.h"

#include <string>

#include "adventure/sound_effects.h"
#include "adventure/step_queue.h"
#include "core/game_state.h"

namespace {
uint32_t missingTexts = 0;
}

// The text goes through one kept buffer, so queueing inside a frame (the
// phone game's ending) allocates nothing once the texts were seen.
void QueueStep(const TStep& step) {
    static std::string text;
    text.clear();
    if (step.literal != nullptr) text = step.literal;
    else if (step.text >= 0 && !GetTextIn(GameState.settings.language,
                                          static_cast<TextId>(step.text), text))
        ++missingTexts;
    QueueStep(step.to, text, step.item, step.sound);
}

uint32_t MissingTextLookups() { return missingTexts; }

void ForgetMissingTextLookups() { missingTexts = 0; }

int32_t Here() { return GameState.live.scene; }

void PlayNow(uint8_t n) { PlaySample(n); }

void WalkFirstTime(uint8_t& visited, int32_t scene, int32_t text) {
    if (visited == 0) {
        QueueStep({.to = scene, .text = text});
        visited = 1;
    } else {
        QueueStep({.to = scene});
    }
}
