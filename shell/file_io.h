// file_io.h: whole small files read and written safely.
//
// WriteFileAtomically writes path + ".new", flushes it to the disk and renames
// it over path, then flushes the folder: a crash or a full disk leaves either
// the old file or the new one, never half of one. On failure the old file is
// untouched and the temporary file is removed.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

bool WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes);
// The whole file; false when it cannot be opened or read.
bool ReadFile(const std::string& path, std::vector<uint8_t>& bytes);
// The folder with a '/' at its end, ready for a file name (empty stays empty).
std::string WithTrailingSlash(std::string folder);
