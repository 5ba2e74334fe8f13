// module_score.h: the score of the game's music, and its parser.
//
// A score is a text file of lines (a '#' at the start or after a blank starts a
// comment, so C#5 stays a note):
//   title <words>                    the module's title (at most 20 characters)
//   speed <ticks per row>            1..31 (default 6)
//   tempo <beats per minute>         32..255 (default 125)
//   pan <p1> <p2> <p3> <p4>          each channel's place, 0 left .. 128 centre
//                                    .. 255 right (default: the hard Amiga
//                                    left, right, right, left)
//   instrument <name> kind=<bell|pluck|bass|pad> root=<note> volume=<0..64>
//              [chord=<maj|min>] [length=<seconds>]
//       root is the note the instrument sounds at tracker note C-2; the
//       instrument plays notes from root up to 35 semitones above it.
//   pattern <name>                   starts a pattern of 64 rows
//   <channel 1..4>: <tokens>         one channel of the current pattern
//   order <pattern names>            the play order (at most 128)
// Channel tokens, which together must fill exactly 64 rows:
//   <instrument name>                the following notes use this instrument
//   <note>:<rows>[@<volume>]         a note such as A4, C#5 or Bb3, held for rows
//   [<note> <note> ...]:<rows>[@v]   several notes, each held for rows
//   .:<rows>                         nothing new (a note goes on sounding)
//   -:<rows>                         silence: the note is cut
//   >:<rows>                         the note fades out over the rows
#pragma once
#include <array>
#include <string>
#include <vector>

struct ScoreInstrument {
    std::string name, kind, chord;
    int root = 60;        // MIDI note number sounding at tracker C-2
    int volume = 64;
    double length = 0;    // seconds; 0 = the kind's own length
};

// One cell of a pattern: tracker note 0..35 (C-1..B-3) or -1, instrument
// number 1..31 or 0, and a ProTracker effect with its parameter.
struct ScoreCell {
    int note = -1, instrument = 0, effect = 0, param = 0;
};

struct ScorePattern {
    std::string name;
    std::array<std::array<ScoreCell, 4>, 64> rows{};
};

struct Score {
    std::string title;
    int speed = 6, tempo = 125;
    std::vector<int> pan;     // empty, or one place per channel
    std::vector<ScoreInstrument> instruments;
    std::vector<ScorePattern> patterns;
    std::vector<int> order;   // indices into patterns
};

// Parses score text; false with "line N: ..." in error on any mistake.
bool ParseScore(const std::string& text, Score& score, std::string& error);

// How long the order list plays, in seconds.
double ScoreSeconds(const Score& score);
