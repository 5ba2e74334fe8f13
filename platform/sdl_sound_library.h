// sdl_sound_library.h: the game's sound library on SDL2_mixer.
//
// The version check answers with the expected version when the SDL_mixer the
// program runs with is at least the one it was built with. Init opens the
// default device at the given rate; a refusal, like an old SDL_mixer, is told
// in one line on standard error and the game runs silent. Handles: music,
// samples and playback channels each have their own range, so a handle of
// one kind given where another is expected does nothing. A sample loaded for
// N playbacks (1..16) owns N mixer channels (a channel group): a new playback
// takes a free one, or else the one that has played longest. Volumes run 0..100 as
// the game passes them; above 100 is full volume. Missing or unreadable
// files give a 0 handle and no message. Everything is released by Free or
// by the destructor.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "core/sound_library.h"

struct Mix_Chunk;
struct _Mix_Music;

class SdlSoundLibrary : public ISoundLibrary {
public:
    SdlSoundLibrary() = default;
    ~SdlSoundLibrary() override;
    SdlSoundLibrary(const SdlSoundLibrary&) = delete;
    SdlSoundLibrary& operator=(const SdlSoundLibrary&) = delete;

    uint32_t GetVersion() override;
    bool Init(int32_t device, uint32_t frequency) override;
    uint32_t MusicLoad(const std::string& path) override;
    uint32_t SampleLoad(const std::string& path, uint32_t maxPlaybacks) override;
    uint32_t SampleGetChannel(uint32_t sample) override;
    void ChannelSetAttributes(uint32_t channel, int32_t frequency, int32_t volume, int32_t pan) override;
    void ChannelPlay(uint32_t channel, bool restart) override;
    void Pause() override;
    void Start() override;
    void MusicFree(uint32_t music) override;
    void SampleFree(uint32_t sample) override;
    void Free() override;

    // The mixer channel behind a playback handle, or -1 (for tests).
    static int MixerChannel(uint32_t channel);

private:
    struct Sample {
        Mix_Chunk* chunk = nullptr;
        int firstChannel = 0, channels = 0;
    };
    Sample* FindSample(uint32_t handle);

    bool open_ = false;
    bool paused_ = false;
    std::vector<_Mix_Music*> music_;      // handle kMusic + index
    std::vector<Sample> samples_;         // handle kSample + index
    std::vector<int> channelSample_;      // mixer channel -> sample index
    int channelCount_ = 0;
};
