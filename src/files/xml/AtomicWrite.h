#pragma once
// Whole-file reading and writing for plan files. A save replaces the file only once its new
// contents are safely on disk, so a failed save (full disk, no permission, crash) leaves the
// previous file as it was.

#include <string>
#include <string_view>

// Reads a whole regular file. On failure returns false with the reason in `error`.
bool ReadWholeFile(const std::string& path, std::string& bytes, std::string& error);

// Writes `bytes` to a temporary file beside `path`, flushes it and renames it over `path`.
// On failure returns false, fills `error` with the reason and removes the temporary file.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);
