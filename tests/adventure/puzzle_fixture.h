// puzzle_fixture.h: the headless game with every sample loaded, for the
// puzzle tests. The puzzles are driven at dispatch, as the click handling
// calls them; the tests read what they queued and what they played.
#pragma once
#include <string>
#include <vector>

#include "adventure/block_holes.h"
#include "adventure/bunker_household.h"
#include "adventure/card_riddle.h"
#include "adventure/code_dial.h"
#include "adventure/picture_tiles.h"
#include "adventure/stone_mechanism.h"
#include "adventure/step_queue.h"
#include "tests/adventure/game_fixture.h"

class PuzzleTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        GameState.settings.soundOn = 1;
        for (int i = 1; i <= 11; ++i)
            form.soundHandles[i] = game.sound.SampleLoad("s" + std::to_string(i), 3);
        game.sound.playedPaths.clear();
        ClearSteps();
    }

    // One queued step as "→scene Ttext +item sN" with the looked-up text.
    static std::string Step(int32_t scene, int32_t text, uint16_t item = 0, uint8_t sound = 0) {
        return Describe(scene, text < 0 ? std::string() : Text(static_cast<TextId>(text)), item, sound);
    }
    // The steps queued since the last Take(), in order; forgets them.
    std::vector<std::string> Take() {
        std::vector<std::string> queued;
        for (const TSekvence& s : GameState.ui.steps)
            if (s.pending) queued.push_back(Describe(s.scene, s.text, s.item, s.sound));
        ClearSteps();
        return queued;
    }
    // The sample numbers played since the last call; forgets them.
    std::vector<int> Played() {
        std::vector<int> numbers;
        for (const std::string& path : game.sound.playedPaths)
            if (path.size() > 1 && path[0] == 's') numbers.push_back(std::stoi(path.substr(1)));
        game.sound.playedPaths.clear();
        return numbers;
    }

private:
    static std::string Describe(int32_t scene, const std::string& text, uint16_t item, uint8_t sound) {
        std::string out = scene >= 0 ? "→" + std::to_string(scene) : "→-";
        out += " [" + text + "]";
        if (item != 0) out += " +" + std::to_string(item);
        if (sound != 0) out += " s" + std::to_string(sound);
        return out;
    }
};

using Steps = std::vector<std::string>;
