// muting_sound_library.cpp: the mute key's layer over the sound library.
#include "platform/muting_sound_library.h"

#include <algorithm>

void MutingSoundLibrary::SetMuted(bool muted) {
    if (muted == muted_) return;
    muted_ = muted;
    if (muted_) inner_.Pause();
    else if (active_) inner_.Start();
}

uint32_t MutingSoundLibrary::MusicLoad(const std::string& path) {
    const uint32_t music = inner_.MusicLoad(path);
    if (music != 0) music_.push_back(music);
    return music;
}

void MutingSoundLibrary::MusicFree(uint32_t music) {
    music_.erase(std::remove(music_.begin(), music_.end(), music), music_.end());
    inner_.MusicFree(music);
}

bool MutingSoundLibrary::IsMusic(uint32_t handle) const {
    return handle != 0 && std::find(music_.begin(), music_.end(), handle) != music_.end();
}

void MutingSoundLibrary::ChannelPlay(uint32_t channel, bool restart) {
    if (!muted_) return inner_.ChannelPlay(channel, restart);
    if (!IsMusic(channel)) return;  // an effect while muted is simply not heard
    inner_.ChannelPlay(channel, restart);
    inner_.Pause();
}

void MutingSoundLibrary::Pause() {
    active_ = false;
    inner_.Pause();
}

void MutingSoundLibrary::Start() {
    active_ = true;
    if (!muted_) inner_.Start();
}
