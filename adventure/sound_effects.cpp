// sound_effects.cpp: playing a sample through the window's sound library.
#include "adventure/sound_effects.h"

#include "adventure/comforts.h"
#include "core/game_state.h"
#include "core/main_form.h"

void PlaySample(uint8_t i) {
    constexpr uint8_t kLastSample = 11;
    if (i != 0 && i <= kLastSample) CountSampleStarted();
    if (GameState.settings.soundOn == 0 || i == 0 || i > kLastSample || MainForm == nullptr) return;
    ISoundLibrary& sound = MainForm->Sound;
    uint32_t channel = sound.SampleGetChannel(MainForm->soundHandles[i]);
    sound.ChannelSetAttributes(channel, -1, 255, 0);
    sound.ChannelPlay(channel, true);
}
