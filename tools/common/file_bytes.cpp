// file_bytes.cpp: whole-file reading.
#include "tools/common/file_bytes.h"

#include <fstream>
#include <iterator>

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    bytes.clear();
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        error = path + ": cannot open the file";
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > (std::streamoff{1} << 30)) {
        error = path + ": cannot read the file (size unknown or above 1 GiB)";
        return false;
    }
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
        error = path + ": cannot read the file";
        bytes.clear();
        return false;
    }
    return true;
}
