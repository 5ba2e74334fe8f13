// step_queue.cpp: queueing steps and splitting messages into lines.
#include "adventure/step_queue.h"

#include <algorithm>

#include "core/game_state.h"
#include "texts/cp1250.h"

void QueueStep(int32_t scene, const std::string& text, uint16_t item, uint8_t sound) {
    for (auto& step : GameState.ui.steps) {
        if (step.pending) continue;
        step.scene = scene;
        step.text = text;
        step.item = item;
        step.sound = sound;
        step.pending = true;
        return;
    }
}

void ClearSteps() {
    for (auto& step : GameState.ui.steps) {
        step.scene = -1;
        step.text.clear();
        step.pending = false;
        step.item = 0;
    }
}

bool IsBusy() {
    for (const auto& step : GameState.ui.steps)
        if (step.pending) return true;
    return !GameState.ui.messageLines[0].empty();
}

void SetMessage(const std::string& text) {
    for (auto& line : GameState.ui.messageLines) line.clear();
    GameState.ui.messageLineCount = 0;
    for (char c : text) {
        if (c == '#') {
            if (GameState.ui.messageLineCount < 2) ++GameState.ui.messageLineCount;
            continue;
        }
        GameState.ui.messageLines[GameState.ui.messageLineCount] += c;
    }
}

std::string ShownMessageUtf8() {
    if (GameState.ui.messageLines[0].empty()) return {};
    const int last = std::min<int>(GameState.ui.messageLineCount, static_cast<int>(kMessageLineCount) - 1);
    std::string joined = GameState.ui.messageLines[0];
    for (int i = 1; i <= last; ++i) joined += "#" + GameState.ui.messageLines[i];
    return Cp1250ToUtf8(joined);
}
