#pragma once
// Plan texts live in memory as Windows-1252 bytes, like every other file text of the program,
// while the XML on disk is UTF-8. Decoding goes through the files' common codec; this is the
// way back.

#include "files/TextCodec.h"

#include <string>
#include <string_view>

// Encodes UTF-8 as Windows-1252. Characters the code page cannot hold and malformed
// sequences become '?'. The control characters 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to the
// bytes of the same number, so that Cp1252ToUtf8 and this are inverse on every byte.
std::string Utf8ToCp1252(std::string_view utf8);
