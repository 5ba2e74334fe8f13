// sound_library.h: the audio library the game plays its music and effects through.
//
// A thin interface in the shape the sound code expects: a version check,
// initialisation, loading one music module and the samples, fresh playback
// channels of a sample, pause/resume of all output, and release. Handles are
// non-zero on success, 0 on failure; every call accepts a 0 handle and does
// nothing with it. The SDL_mixer implementation serves the game; the
// recording one below serves tests and the play harness.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

class ISoundLibrary {
public:
    static constexpr uint32_t kExpectedVersion = 0x00020002;
    virtual ~ISoundLibrary() = default;

    virtual uint32_t GetVersion() = 0;
    virtual bool Init(int32_t device, uint32_t frequency) = 0;
    virtual uint32_t MusicLoad(const std::string& path) = 0;
    // maxPlaybacks simultaneous playbacks; a further start takes over the one
    // that has played longest.
    virtual uint32_t SampleLoad(const std::string& path, uint32_t maxPlaybacks) = 0;
    virtual uint32_t SampleGetChannel(uint32_t sample) = 0;
    virtual void ChannelSetAttributes(uint32_t channel, int32_t frequency, int32_t volume,
                                      int32_t pan) = 0;
    virtual void ChannelPlay(uint32_t channel, bool restart) = 0;
    virtual void Pause() = 0;
    virtual void Start() = 0;
    virtual void MusicFree(uint32_t music) = 0;
    virtual void SampleFree(uint32_t sample) = 0;
    virtual void Free() = 0;
};

// Accepts everything and remembers what was asked of it: every call by name,
// and for each started sample channel the path of its sample.
class RecordingSoundLibrary : public ISoundLibrary {
public:
    uint32_t GetVersion() override { return Log("GetVersion"), version; }
    bool Init(int32_t, uint32_t) override { return Log("Init"), initOk; }
    uint32_t MusicLoad(const std::string& path) override;
    uint32_t SampleLoad(const std::string& path, uint32_t maxPlaybacks) override;
    uint32_t SampleGetChannel(uint32_t sample) override;
    void ChannelSetAttributes(uint32_t, int32_t, int32_t, int32_t) override { Log("ChannelSetAttributes"); }
    void ChannelPlay(uint32_t channel, bool restart) override;
    void Pause() override { Log("Pause"); }
    void Start() override { Log("Start"); }
    void MusicFree(uint32_t) override { Log("MusicFree"); }
    void SampleFree(uint32_t) override { Log("SampleFree"); }
    void Free() override { Log("Free"); }

    uint32_t version = kExpectedVersion;
    bool initOk = true;
    std::vector<std::string> calls;         // every call, by name, in order
    std::vector<std::string> playedPaths;   // path of each sample or music started

private:
    void Log(const char* name) { calls.emplace_back(name); }
    std::vector<std::string> paths_;         // handle - 1 -> path (music and samples)
    std::vector<uint32_t> channelSample_;    // channel - 1 -> sample handle
};

// No audio at all: reports no usable version, so the game runs silent.
class SilentSoundLibrary : public ISoundLibrary {
public:
    uint32_t GetVersion() override { return 0; }
    bool Init(int32_t, uint32_t) override { return false; }
    uint32_t MusicLoad(const std::string&) override { return 0; }
    uint32_t SampleLoad(const std::string&, uint32_t) override { return 0; }
    uint32_t SampleGetChannel(uint32_t) override { return 0; }
    void ChannelSetAttributes(uint32_t, int32_t, int32_t, int32_t) override {}
    void ChannelPlay(uint32_t, bool) override {}
    void Pause() override {}
    void Start() override {}
    void MusicFree(uint32_t) override {}
    void SampleFree(uint32_t) override {}
    void Free() override {}
};
