// main.cpp: sfxc, the sound tool. Makes the game's sound files from their sources:
//   sfxc effect <recipe> <out>   renders a sound-effect recipe as a 44.1 kHz WAV
//   sfxc module <score> <out>    builds the music score as a ProTracker module
// Exit status 0 on success; 1 with a message naming the file on any error.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/sfxc/effect_recipe.h"
#include "tools/sfxc/mod_writer.h"
#include "tools/sfxc/wav_file.h"

namespace {
constexpr unsigned kEffectRate = 44100;

bool ReadText(const std::string& path, std::string& text, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return error = "cannot open " + path, false;
    std::ostringstream all;
    all << file.rdbuf();
    text = all.str();
    return true;
}

bool MakeEffect(const std::string& in, const std::string& out, std::string& error) {
    std::string text;
    EffectRecipe recipe;
    if (!ReadText(in, text, error)) return false;
    if (!ParseEffectRecipe(text, recipe, error)) return error = in + ": " + error, false;
    return WriteWav(out, RenderEffect(recipe, kEffectRate), kEffectRate, error);
}

bool MakeModule(const std::string& in, const std::string& out, std::string& error) {
    std::string text;
    Score score;
    std::vector<uint8_t> bytes;
    if (!ReadText(in, text, error)) return false;
    if (!ParseScore(text, score, error) || !BuildModule(score, bytes, error)) return error = in + ": " + error, false;
    std::ofstream file(out, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) return error = "cannot write " + out, false;
    return true;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: sfxc effect <recipe> <out.wav> | sfxc module <score> <out.mod>\n");
        return 1;
    }
    const std::string what = argv[1];
    std::string error = "unknown command '" + what + "'";
    bool ok = false;
    if (what == "effect") ok = MakeEffect(argv[2], argv[3], error);
    if (what == "module") ok = MakeModule(argv[2], argv[3], error);
    if (!ok) std::fprintf(stderr, "sfxc: %s\n", error.c_str());
    return ok ? 0 : 1;
}
