// puzzle_values.h: how the puzzles and their pictures read the puzzle bytes.
//
// The puzzle bytes of GameState come from play or from a saved game, and a
// damaged or edited save can hold values no click ever makes (a tile piece 9,
// a card face 7, a hole holding a number that is no block, a dial digit 12).
// The puzzles and the scene objects read them through these functions only,
// so a value out of range acts and looks like the nearest state play can
// reach, and no picture name is formed outside the catalogue:
//   - a tile piece above 8 reads as piece 8 (a turn takes it to 0);
//   - a card face above 3 reads as face 3 (a turn takes it to 0);
//   - a hole holding anything but a block (210..213) reads as empty;
//   - a stone button that is neither 0 (out) nor 2 (held) reads as pushed in;
//   - a dial display digit above 9 reads as 0, no press;
//   - a code with a digit 0 or above 9 is not settled and opens nothing.
#pragma once
#include <cstdint>

#include "core/game_state.h"

inline constexpr uint16_t kFirstBlockItem = 210;
inline constexpr uint16_t kLastBlockItem = 213;
inline constexpr uint8_t kLastTilePiece = 8;
inline constexpr uint8_t kLastCardFace = 3;
inline constexpr uint8_t kStoneOut = 0;
inline constexpr uint8_t kStoneIn = 1;
inline constexpr uint8_t kStoneHeld = 2;

inline bool IsBlockItem(uint16_t item) {
    return item >= kFirstBlockItem && item <= kLastBlockItem;
}

// Hole k (0..3, counted from the left) holds one of the four blocks.
inline bool HoleHoldsBlock(int k) {
    return IsBlockItem(GameState.live.progress.holeBlock[k]);
}

// The coin has found the match jammed in the ticket machine's slot, and the
// wire has not poked it out yet (the values the machine's rules act on).
inline bool SlotMatchSeen() {
    const TProgress& p = GameState.live.progress;
    return p.coinSlotJamSeen == 1 && p.coinSlotCleared == 0;
}

// The piece 0..8 that tile k (0..8) shows.
inline uint8_t TilePiece(int k) {
    uint8_t piece = GameState.live.progress.tile[k];
    return piece > kLastTilePiece ? kLastTilePiece : piece;
}

// The face 0..3 that card k (0..3) shows.
inline uint8_t CardFace(int k) {
    uint8_t face = GameState.live.progress.cardFace[k];
    return face > kLastCardFace ? kLastCardFace : face;
}

// Stone button k (0..8): out, pushed in, or held in by the match.
inline uint8_t StoneState(int k) {
    uint8_t s = GameState.live.progress.stone[k];
    return s == kStoneOut || s == kStoneHeld ? s : kStoneIn;
}

// Dial display digit k (0..2): the button pressed, 0 for no press.
inline uint8_t DialDigit(int k) {
    uint8_t d = GameState.live.progress.dialDigits[k];
    return d > 9 ? 0 : d;
}

// The gate's code has been drawn: three digits 1..9.
inline bool DialCodeSettled() {
    for (uint8_t d : GameState.live.progress.dialCode)
        if (d < 1 || d > 9) return false;
    return true;
}
