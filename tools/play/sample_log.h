// sample_log.h: which of the game's samples were played, by number.
//
// The harness plays through a RecordingSoundLibrary, which records the file
// path of every started sample or music. The file names fix the numbers:
// "pre.qzd" is sample 1 ... "zvo.qzd" sample 11, in the game's order;
// "bgm.qzd" is the music, not a sample.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/sound.h"  // kSoundFiles: the file names fix the numbers


// The sample number 1..11 of a path by its file name (after the last '/' or
// '\\'); 0 for the music and for any other file.
int SampleNumberOfPath(std::string_view path);

// The sample numbers of the paths, in order; the music and unknown files are left out.
std::vector<int> SampleNumbers(const std::vector<std::string>& paths);

// "3 1 1": the numbers separated by single blanks, "" for none.
std::string JoinNumbers(const std::vector<int>& numbers);
