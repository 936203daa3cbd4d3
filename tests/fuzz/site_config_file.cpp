// Feeds arbitrary bytes to the site configuration file reader, then writes what it read and
// reads that again: whatever was kept after the first reading must survive every later save.
// The same bytes as a file, read for their problems in parts cut at configurations, must give
// the problems, header and version that one reading gives.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

#include "files/SiteConfigFile.h"

namespace {

void ReadInParts(const uint8_t* data, size_t size) {
    const int fd = ::memfd_create("fuzz.hwc", MFD_CLOEXEC);
    if (fd < 0)
        return;
    if (::write(fd, data, size) == static_cast<ssize_t>(size)) {
        const std::string path = "/proc/self/fd/" + std::to_string(fd);
        CSiteConfigFile whole;
        CSiteConfigFile parts;
        if (whole.ReadFile(path) != parts.ReadFileProblems(path, 1, 3))
            std::abort();
        if (parts.Errors().size() != whole.Errors().size() ||
            parts.VersionText() != whole.VersionText() ||
            parts.Header().bscName != whole.Header().bscName ||
            parts.CurrentLineNumber() != whole.CurrentLineNumber())
            std::abort();
        for (std::size_t i = 0; i < whole.Errors().size(); ++i) {
            const CSCFParseError& a = whole.Errors()[i];
            const CSCFParseError& b = parts.Errors()[i];
            if (a.line != b.line || a.type != b.type || a.text != b.text ||
                a.ConfigurationName() != b.ConfigurationName())
                std::abort();
        }
    }
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CSiteConfigFile file;
    file.ReadBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)file.HeaderFailureMessage();
    for (const auto& e : file.Errors())
        (void)e.ConfigurationName();
    const std::string written = file.WriteToString();
    CSiteConfigFile again;
    again.ReadBytes(written);
    if (again.HeaderMissing() || again.WriteToString() != written)
        std::abort();
    ReadInParts(data, size);
    return 0;
}
