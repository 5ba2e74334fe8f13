// file_bytes.h: reading a whole file for the developer tools.
//
// ReadFileBytes returns false with a message naming the file when it cannot
// be opened or read; files above 1 GiB are refused rather than loaded.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);
