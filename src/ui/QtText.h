#pragma once
// Texts between the application's std::string and the widgets' QString.

#include <QString>
#include <string>

#include "files/TextCodec.h"

// A text the application holds in UTF-8.
inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A text as site files and their tables keep it, in the 8-bit code page.
inline QString FromFile(const std::string& bytes) {
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}
