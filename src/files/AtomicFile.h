#pragma once
// Replaces a file's contents without ever leaving it half written: the bytes go to a temporary
// file beside it, are flushed to disk, and only then take the file's place.

#include <string>
#include <string_view>

// Empty on success, otherwise a sentence saying what failed (with the system's reason).
std::string WriteFileAtomically(const std::string& givenPath, std::string_view bytes);

// Reads a whole file as bytes; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);
