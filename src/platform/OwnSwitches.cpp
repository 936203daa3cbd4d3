#include "platform/OwnSwitches.h"

#include <charconv>

namespace {

bool IsWordEnd(char c) {
    return c == ' ' || c == '"' || c == '=';
}

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The text right after an opening quote names an absolute path: a drive letter with a colon,
// or a POSIX root.
bool StartsAbsolutePath(std::string_view s) {
    if (!s.empty() && s[0] == '/') {
        return true;
    }
    return s.size() >= 2 && IsLetter(s[0]) && s[1] == ':';
}

size_t WordEnd(std::string_view raw, size_t pos) {
    while (pos < raw.size() && !IsWordEnd(raw[pos])) {
        ++pos;
    }
    return pos;
}

// "-SCF": the text between the double quotes that follow it, after "=" or blanks. Without
// them the switch names no file, and the switches after it are still read.
size_t ReadSiteFile(std::string_view raw, size_t pos, COwnSwitches& out) {
    size_t open = pos;
    if (open < raw.size() && raw[open] == '=') {
        ++open;
    }
    while (open < raw.size() && raw[open] == ' ') {
        ++open;
    }
    if (open >= raw.size() || raw[open] != '"') {
        return pos;
    }
    const size_t close = raw.find('"', open + 1);
    if (close == std::string_view::npos) {
        return raw.size();
    }
    out.siteFilePath = std::string(raw.substr(open + 1, close - open - 1));
    out.openSiteFileAtStart = !out.siteFilePath.empty();
    return close + 1;
}

// "-SNR=n": a decimal up to the next blank, double quote or "=". A value that is not a number
// leaves the site number unset.
size_t ReadSiteNumber(std::string_view raw, size_t pos, COwnSwitches& out) {
    if (pos >= raw.size() || raw[pos] != '=') {
        return pos;
    }
    const size_t begin = pos + 1;
    const size_t end = WordEnd(raw, begin);
    int value = 0;
    const char* first = raw.data() + begin;
    const char* last = raw.data() + end;
    if (first != last && *first == '+') {
        ++first;
    }
    auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec == std::errc() && ptr != first) {
        out.siteNumber = value;
    }
    return end;
}

} // namespace

COwnSwitches ParseOwnSwitches(std::string_view raw) {
    COwnSwitches out;
    size_t pos = 0;
    while (pos < raw.size()) {
        const char c = raw[pos];
        if (c == '"') {
            const size_t close = raw.find('"', pos + 1);
            const size_t end = close == std::string_view::npos ? raw.size() : close;
            const std::string_view quoted = raw.substr(pos + 1, end - pos - 1);
            if (close != std::string_view::npos && StartsAbsolutePath(quoted)) {
                out.startupPath = std::string(quoted);
            }
            pos = end == raw.size() ? end : end + 1;
            continue;
        }
        if (c != '-') {
            ++pos;
            continue;
        }
        const size_t end = WordEnd(raw, pos + 1);
        const std::string_view word = raw.substr(pos + 1, end - pos - 1);
        pos = end;
        if (word == "SW") {
            out.sw = true;
        } else if (word == "SCF") {
            pos = ReadSiteFile(raw, pos, out);
        } else if (word == "SNR") {
            pos = ReadSiteNumber(raw, pos, out);
        } else if (word == "Ostrel") {
            out.startedFromOstrel = true;
        }
    }
    return out;
}

std::string RawCommandLine(const std::vector<std::string>& argv) {
    auto appendQuoted = [](std::string& raw, std::string_view text) {
        raw += '"';
        for (char c : text) {
            if (c != '"') {
                raw += c;
            }
        }
        raw += '"';
    };
    std::string raw;
    for (size_t i = 0; i < argv.size(); ++i) {
        const std::string& a = argv[i];
        if (i > 0) {
            raw += ' ';
        }
        if (i == 0 || a.empty() || a[0] != '-') {
            appendQuoted(raw, a);
        } else if (a.rfind("-SCF=", 0) == 0) {
            // A shell has taken the quotes of -SCF="FILE" away (or another program kept them
            // inside the argument): the file goes back into quotes of its own.
            raw += "-SCF=";
            appendQuoted(raw, std::string_view(a).substr(5));
        } else {
            for (char c : a) {
                if (c != '"') {
                    raw += c;
                }
            }
        }
    }
    return raw;
}
