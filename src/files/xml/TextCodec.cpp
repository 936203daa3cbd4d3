#include "files/xml/TextCodec.h"

#include <cerrno>
#include <iconv.h>

namespace {

// Converts with iconv, replacing what the target cannot hold (or the source does not encode
// validly) by '?'. `skipInvalid` moves past one unconvertible source character.
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view input, Skip skipInvalid) {
    std::string out;
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        // Without the converter keep plain ASCII, which both encodings share.
        for (char c : input) {
            out.push_back(static_cast<unsigned char>(c) < 0x80 ? c : '?');
        }
        return out;
    }
    out.reserve(input.size() + input.size() / 8);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = ::iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out.push_back('?');
            std::size_t skipped = skipInvalid(in, inLeft);
            in += skipped;
            inLeft -= skipped;
        }
    }
    ::iconv_close(cd);
    return out;
}

} // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
    return Convert("WINDOWS-1252", "UTF-8", utf8, [](const char* at, std::size_t left) {
        // Skip the lead byte and its continuation bytes.
        std::size_t n = 1;
        while (n < left && (static_cast<unsigned char>(at[n]) & 0xC0) == 0x80) {
            ++n;
        }
        return n;
    });
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
    return Convert("UTF-8", "WINDOWS-1252", cp1252,
                   [](const char*, std::size_t) { return std::size_t{1}; });
}
