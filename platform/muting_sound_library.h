// muting_sound_library.h: the player's mute key (Ctrl+M) over any sound library.
//
// Wraps the library the game plays through and passes every call on, except
// while muted: then all output stays paused, effects started meanwhile are
// dropped (they would otherwise sound late, on unmuting), music started
// meanwhile is started and paused at once, and the window's "resume" on
// coming back to the program does not resume. Unmuting resumes the output,
// unless the program is switched away from (paused by the window) just then.
// Muting lasts for this run only; nothing is written to the settings.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/sound_library.h"

class MutingSoundLibrary : public ISoundLibrary {
public:
    explicit MutingSoundLibrary(ISoundLibrary& inner) : inner_(inner) {}

    void SetMuted(bool muted);
    bool Muted() const { return muted_; }

    uint32_t GetVersion() override { return inner_.GetVersion(); }
    bool Init(int32_t device, uint32_t frequency) override { return inner_.Init(device, frequency); }
    uint32_t MusicLoad(const std::string& path) override;
    uint32_t SampleLoad(const std::string& path, uint32_t maxPlaybacks) override {
        return inner_.SampleLoad(path, maxPlaybacks);
    }
    uint32_t SampleGetChannel(uint32_t sample) override { return inner_.SampleGetChannel(sample); }
    void ChannelSetAttributes(uint32_t channel, int32_t frequency, int32_t volume,
                              int32_t pan) override {
        inner_.ChannelSetAttributes(channel, frequency, volume, pan);
    }
    void ChannelPlay(uint32_t channel, bool restart) override;
    void Pause() override;
    void Start() override;
    void MusicFree(uint32_t music) override;
    void SampleFree(uint32_t sample) override { inner_.SampleFree(sample); }
    void Free() override { inner_.Free(); }

private:
    bool IsMusic(uint32_t handle) const;

    ISoundLibrary& inner_;
    std::vector<uint32_t> music_;  // handles MusicLoad gave
    bool muted_ = false;
    bool active_ = true;           // false while the window has paused the output
};
