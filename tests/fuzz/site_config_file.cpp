// Feeds arbitrary bytes to the site configuration file reader, then writes what it read and
// reads that again: whatever was kept after the first reading must survive every later save.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/SiteConfigFile.h"

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
    return 0;
}
