// sample_log.cpp: mapping played sound files back to sample numbers.
#include "tools/play/sample_log.h"

int SampleNumberOfPath(std::string_view path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    for (int i = 1; i < 12; ++i)
        if (name == kSoundFiles[i]) return i;
    return 0;
}

std::vector<int> SampleNumbers(const std::vector<std::string>& paths) {
    std::vector<int> numbers;
    for (const std::string& p : paths)
        if (int n = SampleNumberOfPath(p); n != 0) numbers.push_back(n);
    return numbers;
}

std::string JoinNumbers(const std::vector<int>& numbers) {
    std::string text;
    for (int n : numbers) text += (text.empty() ? "" : " ") + std::to_string(n);
    return text;
}
