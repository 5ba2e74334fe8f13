// sound_library.cpp: the recording sound library.
#include "core/sound_library.h"

uint32_t RecordingSoundLibrary::MusicLoad(const std::string& path) {
    Log("MusicLoad");
    paths_.push_back(path);
    return static_cast<uint32_t>(paths_.size());
}

uint32_t RecordingSoundLibrary::SampleLoad(const std::string& path, uint32_t) {
    Log("SampleLoad");
    paths_.push_back(path);
    return static_cast<uint32_t>(paths_.size());
}

uint32_t RecordingSoundLibrary::SampleGetChannel(uint32_t sample) {
    Log("SampleGetChannel");
    if (sample == 0 || sample > paths_.size()) return 0;
    channelSample_.push_back(sample);
    return 0x10000u + static_cast<uint32_t>(channelSample_.size());
}

void RecordingSoundLibrary::ChannelPlay(uint32_t channel, bool) {
    Log("ChannelPlay");
    if (channel > 0x10000u && channel - 0x10000u <= channelSample_.size())
        playedPaths.push_back(paths_[channelSample_[channel - 0x10001u] - 1]);
    else if (channel >= 1 && channel <= paths_.size())
        playedPaths.push_back(paths_[channel - 1]);
}
