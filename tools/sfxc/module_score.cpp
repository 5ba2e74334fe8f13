// module_score.cpp: parsing the music score into patterns of tracker cells.
#include "tools/sfxc/module_score.h"

#include <cmath>
#include <sstream>

#include "tools/sfxc/synth_util.h"

namespace {
// "A4", "C#5", "Bb3" as a MIDI note number; -1 when it is not a note.
int NoteNumber(const std::string& s) {
    static const int kSemitone[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (s.size() < 2 || s[0] < 'A' || s[0] > 'G') return -1;
    int n = kSemitone[s[0] - 'A'];
    size_t at = 1;
    if (s[at] == '#') ++n, ++at;
    else if (s[at] == 'b') --n, ++at;
    if (at + 1 != s.size() || s[at] < '0' || s[at] > '8') return -1;
    return n + 12 * (s[at] - '0' + 1);
}

bool ParseInt(const std::string& s, int lo, int hi, int& v) {
    double d = 0;
    if (!ParseNumber(s, d) || d != std::floor(d) || d < lo || d > hi) return false;
    v = static_cast<int>(d);
    return true;
}

int FindInstrument(const Score& score, const std::string& name) {
    for (size_t i = 0; i < score.instruments.size(); ++i)
        if (score.instruments[i].name == name) return static_cast<int>(i) + 1;
    return 0;
}

bool ParseInstrument(std::istringstream& words, Score& score, std::string& error) {
    ScoreInstrument ins;
    if (!(words >> ins.name)) return error = "instrument needs a name", false;
    std::string w;
    while (words >> w) {
        const size_t eq = w.find('=');
        const std::string key = w.substr(0, eq), value = eq == std::string::npos ? "" : w.substr(eq + 1);
        bool ok = true;
        if (key == "kind") ok = value == "bell" || value == "pluck" || value == "bass" || value == "pad", ins.kind = value;
        else if (key == "chord") ok = value == "maj" || value == "min", ins.chord = value;
        else if (key == "root") ok = (ins.root = NoteNumber(value)) >= 0;
        else if (key == "volume") ok = ParseInt(value, 0, 64, ins.volume);
        else if (key == "length") ok = ParseNumber(value, ins.length) && ins.length > 0 && ins.length <= 4;
        else ok = false;
        if (!ok) return error = "bad instrument setting '" + w + "'", false;
    }
    if (ins.kind.empty()) return error = "instrument " + ins.name + " needs kind=", false;
    if (score.instruments.size() == 31) return error = "more than 31 instruments", false;
    score.instruments.push_back(ins);
    return true;
}

// Reads "<what>:<rows>[@<volume>]" into its parts.
bool SplitToken(const std::string& t, std::string& what, int& rows, int& volume) {
    const size_t colon = t.rfind(':'), at = t.find('@', colon == std::string::npos ? 0 : colon);
    if (colon == std::string::npos) return false;
    what = t.substr(0, colon);
    volume = -1;
    if (at != std::string::npos && !ParseInt(t.substr(at + 1), 0, 64, volume)) return false;
    return ParseInt(t.substr(colon + 1, at == std::string::npos ? std::string::npos : at - colon - 1), 1, 64, rows);
}

struct ChannelWriter {
    const Score& score;
    ScorePattern& pattern;
    int channel, row = 0, instrument = 0;

    bool Note(const std::string& name, int rows, int volume, std::string& error);
    bool Token(const std::string& t, std::string& error);
};

bool ChannelWriter::Note(const std::string& name, int rows, int volume, std::string& error) {
    if (row + rows > 64) return error = "more than 64 rows", false;
    ScoreCell& cell = pattern.rows[row][channel];
    const int fadeStep = static_cast<int>(std::ceil(64.0 / (std::max(1, score.speed - 1) * rows)));
    if (name == ">") {
        for (int r = row; r < row + rows; ++r)
            pattern.rows[r][channel].effect = 0xA, pattern.rows[r][channel].param = std::min(15, fadeStep);
    } else if (name == "-") {
        cell.effect = 0xC, cell.param = 0;
    } else if (name != ".") {
        const int midi = NoteNumber(name);
        if (midi < 0) return error = "bad note '" + name + "'", false;
        if (!instrument) return error = "a note before any instrument", false;
        const int note = midi - score.instruments[instrument - 1].root;
        if (note < 0 || note > 35) return error = name + " is outside the instrument's three octaves", false;
        cell.note = note, cell.instrument = instrument;
        if (volume >= 0) cell.effect = 0xC, cell.param = volume;
    }
    row += rows;
    return true;
}

bool ChannelWriter::Token(const std::string& t, std::string& error) {
    if (t.find(':') == std::string::npos) {
        instrument = FindInstrument(score, t);
        return instrument ? true : (error = "unknown instrument '" + t + "'", false);
    }
    std::string what;
    int rows = 0, volume = -1;
    if (!SplitToken(t, what, rows, volume)) return error = "bad token '" + t + "'", false;
    if (what.empty() || what.front() != '[') return Note(what, rows, volume, error);
    if (what.back() != ']') return error = "bad group '" + t + "'", false;
    std::istringstream notes(what.substr(1, what.size() - 2));
    std::string n;
    while (notes >> n)
        if (!Note(n, rows, volume, error)) return false;
    return true;
}

// "<channel>: tokens", with groups in brackets kept together.
bool ParseChannel(const std::string& line, Score& score, std::string& error) {
    if (score.patterns.empty()) return error = "channel line outside a pattern", false;
    const size_t colon = line.find(':');
    int channel = 0;
    std::string head = line.substr(0, colon);
    head.erase(0, head.find_first_not_of(" \t"));
    head.erase(head.find_last_not_of(" \t") + 1);
    if (!ParseInt(head, 1, 4, channel)) return error = "bad channel '" + head + "'", false;
    ChannelWriter writer{score, score.patterns.back(), channel - 1};
    std::istringstream words(line.substr(colon + 1));
    std::string w, token;
    while (words >> w) {
        token += token.empty() ? w : " " + w;
        if (token.front() == '[' && token.find(']') == std::string::npos) continue;
        if (!writer.Token(token, error)) return false;
        token.clear();
    }
    if (!token.empty()) return error = "unclosed group", false;
    if (writer.row != 64) return error = "channel fills " + std::to_string(writer.row) + " rows, not 64", false;
    return true;
}

// A '#' at the start or after a blank begins a comment; C#5 is a note.
std::string WithoutComment(const std::string& raw) {
    for (size_t i = 0; i < raw.size(); ++i)
        if (raw[i] == '#' && (i == 0 || raw[i - 1] == ' ' || raw[i - 1] == '\t')) return raw.substr(0, i);
    return raw;
}

bool ParseLine(const std::string& raw, Score& score, std::string& error) {
    const std::string line = WithoutComment(raw);
    std::istringstream words(line);
    std::string head, w;
    if (!(words >> head)) return true;
    if (head == "title") {
        std::getline(words >> std::ws, score.title);
        return score.title.size() <= 20 || (error = "title longer than 20 characters", false);
    }
    if (head == "speed") return (words >> w && ParseInt(w, 1, 31, score.speed)) || (error = "bad speed", false);
    if (head == "tempo") return (words >> w && ParseInt(w, 32, 255, score.tempo)) || (error = "bad tempo", false);
    if (head == "pan") {
        int p = 0;
        score.pan.clear();
        while (words >> w && ParseInt(w, 0, 255, p)) score.pan.push_back(p);
        return (score.pan.size() == 4 && !(words >> w)) || (error = "pan needs four places 0..255", false);
    }
    if (head == "instrument") return ParseInstrument(words, score, error);
    if (head == "pattern") {
        if (!(words >> w)) return error = "pattern needs a name", false;
        score.patterns.push_back(ScorePattern{w});
        return true;
    }
    if (head == "order") {
        while (words >> w) {
            int found = -1;
            for (size_t i = 0; i < score.patterns.size(); ++i)
                if (score.patterns[i].name == w) found = static_cast<int>(i);
            if (found < 0) return error = "unknown pattern '" + w + "'", false;
            score.order.push_back(found);
        }
        return score.order.size() <= 128 || (error = "more than 128 orders", false);
    }
    if (line.find(':') != std::string::npos) return ParseChannel(line, score, error);
    return error = "unknown word '" + head + "'", false;
}
}  // namespace

bool ParseScore(const std::string& text, Score& score, std::string& error) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number)
        if (!ParseLine(line, score, error)) return error = "line " + std::to_string(number) + ": " + error, false;
    if (score.order.empty()) return error = "no order", false;
    if (score.patterns.size() > 64) return error = "more than 64 patterns", false;
    return true;
}

double ScoreSeconds(const Score& score) {
    return static_cast<double>(score.order.size()) * 64 * score.speed * 2.5 / score.tempo;
}
