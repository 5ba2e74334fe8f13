// state_names.cpp: reading GameState variables by name for play scripts.
#include "tools/play/state_names.h"

#include <algorithm>

#include "adventure/step_queue.h"
#include "core/game_state.h"
#include "texts/cp1250.h"

namespace {
struct ScalarName {
    std::string_view name;
    int64_t (*read)();
};

const ScalarName kScalars[] = {
    {"mouseX", [] { return int64_t{GameState.ui.mouseX}; }},
    {"mouseY", [] { return int64_t{GameState.ui.mouseY}; }},
    {"menuOpen", [] { return int64_t{GameState.ui.menuOpen}; }},
    {"hoverId", [] { return int64_t{GameState.ui.hoverId}; }},
    {"originX", [] { return int64_t{GameState.ui.originX}; }},
    {"originY", [] { return int64_t{GameState.ui.originY}; }},
    {"selectedItem", [] { return int64_t{GameState.ui.selectedItem}; }},
    {"menuReturnScene", [] { return int64_t{GameState.ui.menuReturnScene}; }},
    {"hoverCursor", [] { return int64_t{GameState.ui.hoverCursor}; }},
    {"messageLineCount", [] { return int64_t{GameState.ui.messageLineCount}; }},
    {"scene", [] { return int64_t{GameState.live.scene}; }},
    {"mapReturnScene", [] { return int64_t{GameState.live.mapReturnScene}; }},
    {"resolution", [] { return int64_t{GameState.settings.resolution}; }},
    {"language", [] { return int64_t{GameState.settings.language}; }},
    {"soundOn", [] { return int64_t{GameState.settings.soundOn}; }},
    {"rocketX", [] { return int64_t{GameState.phone.rocketX}; }},
    {"shotTimer", [] { return int64_t{GameState.phone.shotTimer}; }},
    {"spawnTimer", [] { return int64_t{GameState.phone.spawnTimer}; }},
    {"spawnInterval", [] { return int64_t{GameState.phone.spawnInterval}; }},
    {"shooterScore", [] { return int64_t{GameState.phone.shooterScore}; }},
    {"shooterResult", [] { return int64_t{GameState.phone.shooterResult}; }},
    {"shooterOver", [] { return int64_t{GameState.phone.shooterOver}; }},
};

// A list of bytes in the game state: `count` bytes from `first`.
struct ByteList {
    const uint8_t* first = nullptr;
    int64_t count = 0;
};

const TProgressName* FindProgressName(std::string_view name) {
    for (const TProgressName& p : kProgressNames)
        if (p.name == name) return &p;
    return nullptr;
}

bool FindList(std::string_view name, ByteList& list) {
    if (name == "inventory") {
        list = {GameState.live.inventory, static_cast<int64_t>(kInventorySize)};
    } else if (name == "progress") {
        list = {&GameState.live.progress[0], static_cast<int64_t>(kProgressSize)};
    } else if (const TProgressName* p = FindProgressName(name); p != nullptr && p->count > 1) {
        list = {&GameState.live.progress[p->index], p->count};
    } else {
        return false;
    }
    return true;
}

bool Fail(std::string& error, std::string message) {
    error = std::move(message);
    return false;
}

std::string ListHint(std::string_view name, int64_t count) {
    const std::string n(name);
    return n + " has " + std::to_string(count) + " entries: write " + n + "[0] .. " + n + "[" +
           std::to_string(count - 1) + "]";
}
}  // namespace

bool GameStateNames::ReadName(std::string_view name, Value& out, std::string& error) {
    for (const ScalarName& s : kScalars)
        if (s.name == name) {
            out = Value::Number(s.read());
            return true;
        }
    if (const TProgressName* p = FindProgressName(name); p != nullptr && p->count == 1) {
        out = Value::Number(GameState.live.progress[p->index]);
        return true;
    }
    if (name == "message") {
        out = Value::Text(ShownMessageUtf8());
        return true;
    }
    if (name == "hoverLabel") {
        out = Value::Text(Cp1250ToUtf8(GameState.ui.hoverLabel));
        return true;
    }
    if (ByteList list; FindList(name, list)) return Fail(error, ListHint(name, list.count));
    return Fail(error, "unknown name '" + std::string(name) + "'");
}

bool GameStateNames::ReadElement(std::string_view name, int64_t index, Value& out, std::string& error) {
    ByteList list;
    if (!FindList(name, list)) {
        Value ignored;
        std::string unknown;
        if (ReadName(name, ignored, unknown))
            return Fail(error, "'" + std::string(name) + "' is a single value, not a list");
        return Fail(error, unknown);
    }
    if (index < 0 || index >= list.count)
        return Fail(error, std::string(name) + "[" + std::to_string(index) + "] is out of range: " +
                               ListHint(name, list.count));
    out = Value::Number(list.first[index]);
    return true;
}

bool GameStateNames::CallFunction(std::string_view name, int64_t arg, Value& out, std::string& error) {
    if (name != "has") return Fail(error, "unknown function '" + std::string(name) + "'");
    if (arg <= 0) return Fail(error, "has(" + std::to_string(arg) + "): items are numbered from 1");
    const auto* inv = GameState.live.inventory;
    out = Value::Number(std::find(inv, inv + kInventorySize, arg) != inv + kInventorySize ? 1 : 0);
    return true;
}
