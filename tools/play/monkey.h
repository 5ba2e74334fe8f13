// monkey.h: the monkey soak, `monkey FRAMES [SEED]`.
//
// Plays FRAMES frames of random input on a started game: moves anywhere on
// the drawing area, left and right clicks, Enter and Space, picks from the
// inventory bar, and every few hundred frames a jump to a random scene of the
// game with a random but plausible progress state and inventory (flags 0 or
// 1, counters and puzzle pieces within their ranges, distinct items). The
// input comes from its own generator seeded with SEED (default 1), so a
// failing soak is repeated exactly by the same command after the same script.
//
// After every frame it checks that the game holds only values it can have:
// the scene is a scene of the game (one with a "scena" picture), hoverId is 0
// or the id of a hotspot of the scene, selectedItem is 0 or an ItemId, every
// queued step names no scene but the game's (or -1), an ItemId or none and a
// sample 0..11, every inventory entry is 0 or an ItemId held once (see
// CheckGameInvariants for items of an invented state), the message
// has at most three lines, the cursor kind is 0..6 and the game menu flag 0 or
// 1; and that nothing failed to be found: the scene's background picture and
// the picture of every held item exist, and no frame or input threw (the
// catalogue's "Image '...' not found" is an exception).
#pragma once
#include <cstdint>
#include <set>
#include <string>

class PlaySession;

struct MonkeyReport {
    int64_t frames = 0, clicks = 0, keys = 0, picks = 0, jumps = 0;
    int scenesSeen = 0;  // different scenes the soak was in after a frame
};

// Runs the soak; false with the first broken rule ("frame N (seed S, after
// ACTION): ...") in error. report holds the figures either way.
bool RunMonkeySoak(PlaySession& session, int64_t frames, uint32_t seed, MonkeyReport& report,
                   std::string& error);

// The checks made after every frame, on the current game state; false with
// the first fault. The form's catalogue says which scenes and items exist.
// An item in `madeUp` (put there by a jump's invented state) may be held
// twice: the invented flags can let a rule give it again.
bool CheckGameInvariants(PlaySession& session, std::string& error,
                         const std::set<uint8_t>* madeUp = nullptr);
