// sound.h: starting and releasing the game's sound through the sound library.
//
// The start button checks that the library is one the game works with (the
// library answers with ISoundLibrary::kExpectedVersion then; the SDL_mixer
// library does so when the SDL_mixer it runs with is at least the one it was
// built with) and initialises it on the default device. Either failing turns
// sound off for this run only: soundOn becomes 0 in memory, but the settings
// file keeps the user's choice (see SoundSettingToStore), so one start
// without a sound device does not switch sound off for good. The music
// module and the eleven samples are loaded from programDir + "gamedata/";
// later the music starts. With sound off nothing here calls the library at
// all. Missing files leave their handle 0, which plays nothing.
#pragma once
#include <cstdint>
#include <string_view>

class TMainForm;

// The files of the "gamedata" folder: index 0 the music, 1..11 the samples,
// in sample-number order.
inline constexpr std::string_view kSoundFiles[12] = {
    "bgm.qzd", "pre.qzd", "zac.qzd", "kli.qzd", "cin.qzd", "kam.qzd",
    "skl.qzd", "pap.qzd", "kla.qzd", "vyb.qzd", "dve.qzd", "zvo.qzd"};

// Version check and initialisation, then the music and the samples into
// form.soundHandles (each only while sound is on).
void StartSound(TMainForm& form);
// Starts the music from its beginning, when sound is on.
void StartMusic(TMainForm& form);
// The window closes: frees the music, then each loaded sample, then the
// library itself, when sound is on. The handles become 0.
void ReleaseSound(TMainForm& form);

// The soundOn byte the settings file is to hold: the one in memory, or, when
// the sound start-up of this run failed, the user's own setting from before.
uint8_t SoundSettingToStore();
// Forgets a failed start-up: fresh settings were just read for a new run.
void ForgetSoundStartUp();
