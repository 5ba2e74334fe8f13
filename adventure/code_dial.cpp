// code_dial.cpp: drawing the bunker gate's code.
#include "adventure/code_dial.h"

#include <cstdint>

#include "core/game_state.h"
#include "core/random.h"

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
