#pragma once
// The tab-separated text rows of `validate` and `check`.

#include <string>

#include "files/TextCodec.h"

namespace cli {

// Tabs separate the columns, so none may stand inside one.
inline std::string TabFreeColumn(const std::string& text) {
    std::string out = Cp1252ToUtf8(text);
    for (char& c : out) {
        if (c == '\t') {
            c = ' ';
        }
    }
    return out;
}

} // namespace cli
