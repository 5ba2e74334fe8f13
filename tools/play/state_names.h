// state_names.h: the names a play script reads from the game state.
//
// Every variable of GameState is read by the name it has in the record:
//   - integers: scene, hoverId, selectedItem, menuOpen, menuReturnScene,
//     originX, originY, mouseX, mouseY, hoverCursor, messageLineCount,
//     language, resolution, soundOn, mapReturnScene, rocketX, shotTimer,
//     spawnTimer, spawnInterval, shooterScore, shooterResult, shooterOver,
//     and every named progress entry of one byte (flushCount, ...);
//   - lists, read as name[i] with i from 0: inventory (71), progress (201)
//     and the progress entries of several bytes (dialCode, glassPattern,
//     tile, ...);
//   - texts, as UTF-8: message (the shown lines joined by '#', empty while
//     no message shows) and hoverLabel;
//   - has(N): 1 when an inventory place holds item N, else 0.
// Values are read when the expression runs, never cached. A name that is not
// there, a list read without an index, a plain value read with one, or an
// index out of range gives a message saying which.
#pragma once
#include "tools/play/expression.h"

class GameStateNames : public INameSource {
public:
    bool ReadName(std::string_view name, Value& out, std::string& error) override;
    bool ReadElement(std::string_view name, int64_t index, Value& out, std::string& error) override;
    bool CallFunction(std::string_view name, int64_t arg, Value& out, std::string& error) override;
};

