// muting_sound_test.cpp: Ctrl+M's layer over the sound library: muted output
// stays paused whatever the window does, effects of the muted time are not
// heard later, and unmuting gives the sound back.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/sound_library.h"
#include "platform/muting_sound_library.h"

namespace {
int Count(const RecordingSoundLibrary& lib, const std::string& call) {
    return static_cast<int>(std::count(lib.calls.begin(), lib.calls.end(), call));
}

TEST(MutingSound, MutedOutputStaysPausedAndEffectsOfThatTimeAreDropped) {
    RecordingSoundLibrary lib;
    MutingSoundLibrary sound(lib);
    const uint32_t music = sound.MusicLoad("bgm.qzd");
    const uint32_t sample = sound.SampleLoad("pre.qzd", 3);
    sound.ChannelPlay(music, true);
    EXPECT_EQ(lib.playedPaths.size(), 1u);

    sound.SetMuted(true);
    EXPECT_TRUE(sound.Muted());
    EXPECT_EQ(Count(lib, "Pause"), 1);
    sound.ChannelPlay(sound.SampleGetChannel(sample), false);  // an effect while muted
    EXPECT_EQ(lib.playedPaths.size(), 1u);
    sound.Start();  // the window coming back must not unmute
    EXPECT_EQ(Count(lib, "Start"), 0);
    sound.ChannelPlay(music, true);  // music restarted while muted: started, then paused again
    EXPECT_EQ(lib.playedPaths.size(), 2u);
    EXPECT_EQ(lib.calls.back(), "Pause");

    sound.SetMuted(false);
    EXPECT_EQ(Count(lib, "Start"), 1);
    sound.ChannelPlay(sound.SampleGetChannel(sample), false);
    EXPECT_EQ(lib.playedPaths.back(), "pre.qzd");
}

TEST(MutingSound, UnmutingWhileAnotherProgramIsActiveWaitsForTheWindow) {
    RecordingSoundLibrary lib;
    MutingSoundLibrary sound(lib);
    sound.SetMuted(true);
    sound.Pause();  // switched away
    sound.SetMuted(false);
    EXPECT_EQ(Count(lib, "Start"), 0);
    sound.Start();  // back
    EXPECT_EQ(Count(lib, "Start"), 1);
    sound.SetMuted(false);  // no change, no call
    EXPECT_EQ(Count(lib, "Start"), 1);
}
}  // namespace
