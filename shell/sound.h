// sound.h: starting the game's sound through the sound library.
//
// The start button checks the library's version and initialises it on the
// default device (either failing turns sound off for this run, without
// writing the setting), loads the music module and the eleven samples from
// programDir + "gamedata/", and later starts the music. With sound off
// nothing here calls the library at all. Missing files leave their handle 0,
// which plays nothing.
#pragma once
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
