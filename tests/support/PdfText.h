#pragma once
// The text of a PDF as a reader finds it (poppler's pdftotext): pages are separated by form
// feeds. Empty when the tool is missing, which the callers report.

#include <cstdio>
#include <string>

namespace testsupport {

inline std::string PdfText(const std::string& pdf) {
    std::string out;
    FILE* p = ::popen(("pdftotext -enc UTF-8 '" + pdf + "' - 2>/dev/null").c_str(), "r");
    if (p == nullptr) {
        return out;
    }
    char buf[4096];
    std::size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) {
        out.append(buf, n);
    }
    ::pclose(p);
    return out;
}

} // namespace testsupport
