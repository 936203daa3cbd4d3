#include "app/dossier/PageFrame.h"

#include <cctype>

namespace {

// Lower case words joined by '-', nothing a file system or a shell would trip over.
std::string FilePart(const std::string& text) {
    std::string out;
    bool gap = false;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) != 0 || c == '+' || c == '.' || u >= 0x80) {
            if (gap && !out.empty()) {
                out += '-';
            }
            out += static_cast<char>(std::tolower(u));
            gap = false;
        } else {
            gap = true;
        }
    }
    return out;
}

} // namespace

std::string ViewExportFileName(const SPageFrame& frame, const std::string& viewName,
                               const std::string& suffix) {
    std::string site = FilePart(frame.site);
    if (site.empty()) {
        site = "untitled";
    }
    const char* which = frame.configuration == "Currently in BTS" ? "bts" : "candidate";
    std::string name = site + "_" + which + "_" + FilePart(viewName);
    if (frame.date.size() >= 10) {
        name += "_" + frame.date.substr(0, 10);
    }
    return name + "." + suffix;
}
