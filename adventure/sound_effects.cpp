// sound_effects.cpp: playing a sample through the window's sound library.
#include "adventure/sound_effects.h"

#include "core/game_state.h"
#include "adventure/game_window.h"
#include "core/sound_library.h"

namespace {
uint32_t samplesStarted = 0;
}

uint32_t SamplesStarted() { return samplesStarted; }

void PlaySample(uint8_t i) {
    constexpr uint8_t kLastSample = 11;
    if (i != 0 && i <= kLastSample) ++samplesStarted;
    IGameWindow* window = GameWindow();
    if (GameState.settings.soundOn == 0 || i == 0 || i > kLastSample || window == nullptr) return;
    ISoundLibrary& sound = window->SoundOutput();
    uint32_t channel = sound.SampleGetChannel(window->SampleHandle(i));
    sound.ChannelSetAttributes(channel, -1, 255, 0);
    sound.ChannelPlay(channel, true);
}
