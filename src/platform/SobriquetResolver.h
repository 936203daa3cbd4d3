#pragma once
// Turns a sobriquet (a user's short name for a BTS) into a connection target. Start-up asks it
// only when the command line names a sobriquet and no target.

#include <string>

struct SobriquetResult {
    bool found = false;
    std::string target;         // when found
    std::string failureMessage; // when not found: the text to show the user
};

class ISobriquetResolver {
public:
    virtual ~ISobriquetResolver() = default;
    virtual SobriquetResult Resolve(const std::string& sobriquet) = 0;
};
