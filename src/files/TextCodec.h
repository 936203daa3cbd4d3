#pragma once
// Texts of the files are Windows-1252 bytes; JSON and terminals want UTF-8.

#include <string>
#include <string_view>

// Decodes Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined are
// kept as the control characters of the same number, so no byte is lost.
std::string Cp1252ToUtf8(std::string_view bytes);
