#include "platform/CommandLineInfo.h"

#include "platform/SobriquetResolver.h"
#include "platform/StartupTarget.h"

void CBTSCommandLineInfo::ParseParam(const std::string& text, bool isSwitch, bool /*isLast*/) {
    if (isSwitch) {
        // A switch that waits for a value and meets another switch has lost its value.
        pending = kNone;
        if (text == "target") {
            pending = kTarget;
        } else if (text == "sobriquet") {
            pending = kSobriquet;
        } else if (text == "updateabis") {
            updateAbis = true;
            pending = kUpdateAbis;
        } else if (text == "outputfile") {
            pending = kOutputFile;
        }
        return;
    }
    switch (pending) {
    case kTarget:
        target = text;
        break;
    case kSobriquet:
        sobriquet = text;
        break;
    case kUpdateAbis:
    case kOutputFile:
        value = text;
        break;
    default:
        if (fileName.empty()) {
            fileName = text;
        }
        break;
    }
    pending = kNone;
}

void CBTSCommandLineInfo::ParseArguments(const std::vector<std::string>& args) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool isSwitch = !a.empty() && a[0] == '-';
        // "-SCF FILE" is one of the program's own switches: its file is not the file to open.
        if (a == "-SCF" && i + 1 < args.size() && !args[i + 1].empty() && args[i + 1][0] != '-') {
            ++i;
            continue;
        }
        ParseParam(isSwitch ? a.substr(1) : a, isSwitch, i + 1 == args.size());
    }
}

const std::string& CBTSCommandLineParser::ReadTarget(const CBTSCommandLineInfo& info,
                                                     ISobriquetResolver* resolver,
                                                     std::string& failureMessage) {
    m_target.clear();
    if (!info.target.empty()) {
        m_target = info.target;
    } else if (!info.sobriquet.empty()) {
        if (resolver == nullptr) {
            failureMessage = "Cannot connect to BTS using Sobriquet\n'" + info.sobriquet +
                             "'\nbecause the Torvane Relko (Relko) software\nis not installed "
                             "correctly.\n\nReinstall Relko software and try again.";
        } else if (auto r = resolver->Resolve(info.sobriquet); r.found) {
            m_target = r.target;
        } else {
            failureMessage = r.failureMessage;
        }
    }
    if (!m_target.empty()) {
        m_target = NormaliseTarget(m_target);
    }
    return m_target;
}
