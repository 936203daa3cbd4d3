// Sobriquet files are written by hand: any bytes must give an answer, never a crash.
#include "comms/SobriquetFile.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::string target;
    sobriquet::Lookup(text, "site", target);
    // The first line's key as the name looked up, so that hits are reached too.
    const auto eq = text.find('=');
    if (eq != std::string::npos) {
        sobriquet::Lookup(text, text.substr(0, eq), target);
    }
    // Every name the dialog offers must resolve.
    for (const std::string& name : sobriquet::Names(text)) {
        if (!sobriquet::Lookup(text, name, target)) {
            __builtin_trap();
        }
    }
    return 0;
}
