#include "comms/SobriquetFile.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace sobriquet {

namespace {

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string NotInstalledMessage(const std::string& name) {
    return "Cannot connect to BTS using Sobriquet\n'" + name +
           "'\nbecause the Torvane Relko (Relko) software\nis not installed correctly.\n\n"
           "Reinstall Relko software and try again.";
}

std::string NotFoundMessage(const std::string& name) {
    return "Cannot connect to BTS using Sobriquet\n'" + name +
           "'\nbecause the Sobriquet was not found in the\nTorvane Relko (Relko) Database.\n\n"
           "Check the Sobriquet name and try again,\nor create the Sobriquet with the Relko "
           "Connection Tool before using it.";
}

bool Lookup(const std::string& fileText, const std::string& name, std::string& target) {
    const std::string wanted = Trim(name);
    if (wanted.empty()) {
        return false;
    }
    std::istringstream in(fileText);
    std::string line;
    while (std::getline(in, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == ';' || text[0] == '#' || text[0] == '[') {
            continue;
        }
        const auto eq = text.find('=');
        if (eq == std::string::npos || !SameName(Trim(text.substr(0, eq)), wanted)) {
            continue;
        }
        target = Trim(text.substr(eq + 1));
        return !target.empty();
    }
    return false;
}

std::vector<std::string> Names(const std::string& fileText) {
    // Lookup takes the first line of a name: a later one is never reached, and a first one
    // without a connection text fails the name.
    std::vector<std::string> seen;
    std::vector<std::string> names;
    std::istringstream in(fileText);
    std::string line;
    while (std::getline(in, line)) {
        const std::string text = Trim(line);
        if (text.empty() || text[0] == ';' || text[0] == '#' || text[0] == '[') {
            continue;
        }
        const auto eq = text.find('=');
        const std::string name = eq == std::string::npos ? std::string() : Trim(text.substr(0, eq));
        if (name.empty() || std::any_of(seen.begin(), seen.end(),
                                        [&](const std::string& n) { return SameName(n, name); })) {
            continue;
        }
        seen.push_back(name);
        if (!Trim(text.substr(eq + 1)).empty()) {
            names.push_back(name);
        }
    }
    return names;
}

bool Resolve(const std::string& path, const std::string& name, std::string& target,
             std::string& message) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        message = NotInstalledMessage(name);
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (!Lookup(text.str(), name, target)) {
        message = NotFoundMessage(name);
        return false;
    }
    return true;
}

std::string DefaultPath() {
    if (const char* path = std::getenv("CABRION_SOBRIQUETS"); path && *path) {
        return path;
    }
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config) {
        return std::string(config) + "/Torvane/sobriquets.ini";
    }
    const char* home = std::getenv("HOME");
    return std::string(home ? home : ".") + "/.config/Torvane/sobriquets.ini";
}

} // namespace sobriquet
