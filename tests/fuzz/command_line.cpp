// The command line comes from whoever starts us (a shell, a desktop entry, Ostrel): its own
// switches are scanned by hand from the raw text, so every byte sequence must parse safely.
#include "platform/CommandLineInfo.h"
#include "platform/OwnSwitches.h"
#include "platform/StartupTarget.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const COwnSwitches own = ParseOwnSwitches(raw);
    if (own.siteFilePath.size() > size || own.startupPath.size() > size) {
        __builtin_trap();
    }

    // The same bytes as an argument vector, split at blanks.
    std::vector<std::string> args;
    size_t start = 0;
    for (size_t i = 0; i <= raw.size(); ++i) {
        if (i == raw.size() || raw[i] == ' ') {
            args.emplace_back(raw.substr(start, i - start));
            start = i + 1;
        }
    }
    const std::string rebuilt = RawCommandLine(args);
    ParseOwnSwitches(rebuilt);

    CBTSCommandLineInfo info;
    info.ParseArguments(args);
    const std::string target = NormaliseTarget(info.target.empty() ? raw : info.target);
    if (target.find(",WP=FE") != std::string::npos || target.find(' ') != std::string::npos) {
        __builtin_trap();
    }
    ConnectionKindForTarget(target);
    return 0;
}
