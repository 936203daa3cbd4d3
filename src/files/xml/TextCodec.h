#pragma once
// Plan texts live in memory as Windows-1252 bytes, like every other file text of the program,
// while the XML on disk is UTF-8. These convert at that boundary.

#include <string>
#include <string_view>

// Characters that Windows-1252 cannot hold become '?'.
std::string Utf8ToCp1252(std::string_view utf8);
// Bytes that Windows-1252 leaves undefined become '?'.
std::string Cp1252ToUtf8(std::string_view cp1252);
