#pragma once
// The standard command-line switches: a BTS to connect to (by target or sobriquet), the values
// of "updateabis" and "outputfile", and a file name. Unknown switches are ignored.

#include <string>
#include <vector>

class ISobriquetResolver;

class CBTSCommandLineInfo {
public:
    enum Pending { kNone = 0, kSobriquet = 1, kTarget = 2, kUpdateAbis = 3, kOutputFile = 4 };

    // One parameter; a switch comes without its leading "-".
    void ParseParam(const std::string& text, bool isSwitch, bool isLast);
    // Every argument after the program name, in order. Only "-" starts a switch: "/" starts a
    // path here.
    void ParseArguments(const std::vector<std::string>& args);

    std::string target;
    std::string sobriquet;
    bool updateAbis = false;
    std::string value;    // the parameter of "updateabis" or "outputfile"
    std::string fileName; // the first parameter that no switch claimed
    int pending = kNone;
};

// Reads the connection target from the command line: the target switch, else the sobriquet.
class CBTSCommandLineParser {
public:
    // A failed sobriquet lookup leaves the target empty and puts the text to show in
    // `failureMessage` (left untouched otherwise). A missing resolver counts as failure.
    const std::string& ReadTarget(const CBTSCommandLineInfo& info, ISobriquetResolver* resolver,
                                  std::string& failureMessage);
    const std::string& Target() const { return m_target; }

private:
    std::string m_target;
};
