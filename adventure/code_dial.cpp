// code_dial.cpp: the bunker gate's code and its dial.
#include "adventure/code_dial.h"

#include <cstdint>

#include "adventure/game_ids.h"
#include "adventure/puzzle_values.h"
#include "adventure/rules.h"
#include "core/game_state.h"
#include "core/random.h"

namespace {

void PressButton(uint8_t digit) {
    uint8_t* shown = GameState.live.progress.dialDigits;
    shown[0] = shown[1];
    shown[1] = shown[2];
    shown[2] = digit;
    PlayNow(9);
}

bool DigitsMatchCode() {
    const TProgress& p = GameState.live.progress;
    for (int k = 0; k < 3; ++k)
        if (p.dialDigits[k] != p.dialCode[k]) return false;
    return true;
}

void PressFuse() {
    if (DialCodeSettled() && DigitsMatchCode()) {
        QueueStep({.text = 341, .sound = 3});
        QueueStep({.to = Scene::GateOpening, .text = 342, .sound = 10});
        QueueStep({.to = Scene::BunkerCorridor, .text = 343});
        return;
    }
    QueueStep({.text = 344, .sound = 3});
    // A card already studied whose code is not three digits 1..9 (a damaged
    // save) could never be read: settle a code now, which the card shows
    // from its next look on.
    if (GameState.live.progress.businessCardStudied != 0 && !DialCodeSettled()) MakeDialCode();
}

}  // namespace

void MakeDialCode() {
    uint8_t a, b, c;
    do {
        a = static_cast<uint8_t>(Random(9) + 1);
        b = static_cast<uint8_t>(Random(9) + 1);
        c = static_cast<uint8_t>(Random(9) + 1);
    } while (a == b || b == c || a == c);
    uint8_t* code = GameState.live.progress.dialCode;
    code[0] = a;
    code[1] = b;
    code[2] = c;
}

void PressDial(int32_t hotspotId) {
    if (Carried() != 0) return;
    if (hotspotId >= Spot::DialButton1 && hotspotId <= Spot::DialButton9)
        PressButton(static_cast<uint8_t>(hotspotId - Spot::DialButton1 + 1));
    else if (hotspotId == Spot::Fuse)
        PressFuse();
}
