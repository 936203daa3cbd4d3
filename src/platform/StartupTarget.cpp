#include "platform/StartupTarget.h"

std::string NormaliseTarget(std::string_view target) {
    std::string out;
    out.reserve(target.size());
    for (char c : target) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r' && c != '\v') {
            out += c;
        }
    }
    if (auto cut = out.find(",WP=FE"); cut != std::string::npos) {
        out.erase(cut);
    }
    return out;
}

ConnectionKind ConnectionKindForTarget(std::string_view target) {
    return target.find("WP=COM") != std::string_view::npos ? kConnectionLocal : kConnectionRemote;
}
