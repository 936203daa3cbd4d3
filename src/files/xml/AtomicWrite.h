#pragma once
// Replaces a file only once its new contents are safely on disk, so that a failed save
// (full disk, no permission, crash) leaves the previous file as it was.

#include <string>
#include <string_view>

// Writes `bytes` to a temporary file beside `path`, flushes it and renames it over `path`.
// On failure returns false, fills `error` with the reason and removes the temporary file.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);
