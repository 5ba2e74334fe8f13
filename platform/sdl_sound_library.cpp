// sdl_sound_library.cpp: music and effects through SDL2_mixer.
#include "platform/sdl_sound_library.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint32_t kKindMask = 0xFF000000u, kMusic = 0x01000000u, kSample = 0x02000000u,
                   kChannel = 0x03000000u;
constexpr int kOutputChannels = 2, kChunkFrames = 1024;

uint32_t Packed(const SDL_version& v) { return (v.major << 16) | (v.minor << 8) | v.patch; }

int IndexOf(uint32_t handle, uint32_t kind) {
    return (handle & kKindMask) == kind ? static_cast<int>(handle & ~kKindMask) : -1;
}

// The game's volume scale 0..100 on the mixer's 0..MIX_MAX_VOLUME.
int MixerVolume(int32_t volume) { return std::clamp(volume, 0, 100) * MIX_MAX_VOLUME / 100; }
}  // namespace

SdlSoundLibrary::~SdlSoundLibrary() { Free(); }

uint32_t SdlSoundLibrary::GetVersion() {
    SDL_version built;
    SDL_MIXER_VERSION(&built);
    const SDL_version* running = Mix_Linked_Version();
    if (Packed(*running) >= Packed(built)) return kExpectedVersion;
    std::fprintf(stderr, "Varnoklet 3: sound off: SDL_mixer %d.%d.%d is older than %d.%d.%d\n",
                 running->major, running->minor, running->patch, built.major, built.minor, built.patch);
    return Packed(*running);
}

bool SdlSoundLibrary::Init(int32_t, uint32_t frequency) {
    if (open_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::fprintf(stderr, "Varnoklet 3: sound off: %s\n", SDL_GetError());
        return false;
    }
    if (Mix_OpenAudio(static_cast<int>(frequency), AUDIO_S16SYS, kOutputChannels, kChunkFrames) != 0) {
        std::fprintf(stderr, "Varnoklet 3: sound off: %s\n", Mix_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MOD | MIX_INIT_OGG);  // the decoders load when first needed otherwise
    Mix_AllocateChannels(0);
    open_ = true;
    paused_ = false;
    return true;
}

uint32_t SdlSoundLibrary::MusicLoad(const std::string& path) {
    if (!open_) return 0;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) return 0;
    music_.push_back(music);
    return kMusic | static_cast<uint32_t>(music_.size() - 1);
}

uint32_t SdlSoundLibrary::SampleLoad(const std::string& path, uint32_t maxPlaybacks) {
    if (!open_ || maxPlaybacks == 0 || maxPlaybacks > 16) return 0;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    if (!chunk) return 0;
    const int first = channelCount_, count = static_cast<int>(maxPlaybacks);
    channelCount_ = Mix_AllocateChannels(first + count);
    const int tag = static_cast<int>(samples_.size()) + 1;
    Mix_GroupChannels(first, first + count - 1, tag);
    samples_.push_back(Sample{chunk, first, count});
    channelSample_.resize(channelCount_, -1);
    for (int c = first; c < first + count; ++c) channelSample_[c] = tag - 1;
    return kSample | static_cast<uint32_t>(tag - 1);
}

SdlSoundLibrary::Sample* SdlSoundLibrary::FindSample(uint32_t handle) {
    const int i = IndexOf(handle, kSample);
    if (!open_ || i < 0 || i >= static_cast<int>(samples_.size()) || !samples_[i].chunk) return nullptr;
    return &samples_[i];
}

// A free channel of the sample's group, else the one that has played longest.
uint32_t SdlSoundLibrary::SampleGetChannel(uint32_t sample) {
    const Sample* s = FindSample(sample);
    if (!s) return 0;
    const int tag = IndexOf(sample, kSample) + 1;
    int channel = Mix_GroupAvailable(tag);
    if (channel < 0) channel = Mix_GroupOldest(tag);
    if (channel < 0) channel = s->firstChannel;
    Mix_Volume(channel, MIX_MAX_VOLUME);
    return kChannel | static_cast<uint32_t>(channel);
}

void SdlSoundLibrary::ChannelSetAttributes(uint32_t channel, int32_t, int32_t volume, int32_t pan) {
    const int c = MixerChannel(channel);
    if (!open_ || c < 0 || c >= channelCount_) return;
    if (volume >= 0) Mix_Volume(c, MixerVolume(volume));
    // Centre is both sides at full level (no panning effect at all).
    const int p = std::clamp(pan, -100, 100);
    Mix_SetPanning(c, static_cast<Uint8>(p > 0 ? 255 * (100 - p) / 100 : 255),
                   static_cast<Uint8>(p < 0 ? 255 * (100 + p) / 100 : 255));
}

void SdlSoundLibrary::ChannelPlay(uint32_t channel, bool) {
    if (!open_) return;
    const int m = IndexOf(channel, kMusic);
    if (m >= 0 && m < static_cast<int>(music_.size()) && music_[m]) {
        Mix_PlayMusic(music_[m], 1);  // from its start, once
        if (paused_) Mix_PauseMusic();
        return;
    }
    const int c = MixerChannel(channel);
    if (c < 0 || c >= channelCount_ || channelSample_[c] < 0) return;
    Mix_PlayChannel(c, samples_[channelSample_[c]].chunk, 0);
    if (paused_) Mix_Pause(c);
}

void SdlSoundLibrary::Pause() {
    if (!open_) return;
    paused_ = true;
    Mix_Pause(-1);
    Mix_PauseMusic();
}

void SdlSoundLibrary::Start() {
    if (!open_) return;
    paused_ = false;
    Mix_Resume(-1);
    Mix_ResumeMusic();
}

void SdlSoundLibrary::MusicFree(uint32_t music) {
    const int m = IndexOf(music, kMusic);
    if (!open_ || m < 0 || m >= static_cast<int>(music_.size()) || !music_[m]) return;
    Mix_FreeMusic(music_[m]);  // halts it first if it plays
    music_[m] = nullptr;
}

void SdlSoundLibrary::SampleFree(uint32_t sample) {
    Sample* s = FindSample(sample);
    if (!s) return;
    for (int c = s->firstChannel; c < s->firstChannel + s->channels; ++c) Mix_HaltChannel(c);
    Mix_FreeChunk(s->chunk);
    s->chunk = nullptr;
}

void SdlSoundLibrary::Free() {
    if (!open_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (size_t i = 0; i < music_.size(); ++i) MusicFree(kMusic | static_cast<uint32_t>(i));
    for (size_t i = 0; i < samples_.size(); ++i) SampleFree(kSample | static_cast<uint32_t>(i));
    music_.clear();
    samples_.clear();
    channelSample_.clear();
    channelCount_ = 0;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
}

int SdlSoundLibrary::MixerChannel(uint32_t channel) { return IndexOf(channel, kChannel); }
