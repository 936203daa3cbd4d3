#include "DrawingHelper.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <unistd.h>

#include "Command.h"

namespace cli {

namespace {

// Next to this program in a build tree, under libexec where it is installed.
std::vector<std::filesystem::path> HelperPlaces() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return {};
    const std::filesystem::path dir = self.parent_path();
    return {dir / "cabrion-cli-draw", dir / ".." / "libexec" / "cabrion" / "cabrion-cli-draw"};
}

} // namespace

int RunDrawingHelper() {
    std::vector<char*> argv = Arguments();
    argv.push_back(nullptr);
    std::string tried;
    for (const std::filesystem::path& place : HelperPlaces()) {
        const std::string path = place.lexically_normal().string();
        if (::access(path.c_str(), X_OK) != 0)
            continue;
        std::cout.flush();
        ::execv(path.c_str(), argv.data());
        std::cerr << "Cannot start " << path << ": " << std::strerror(errno) << "\n";
        return kExitUsage;
    }
    std::cerr << "Cannot find cabrion-cli-draw, which draws pictures and dossiers, beside "
                 "cabrion-cli or in its libexec folder\n";
    return kExitUsage;
}

} // namespace cli
