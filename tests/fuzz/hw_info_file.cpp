// Feeds arbitrary bytes to the HW information file import; what it kept must survive an
// export and a second import unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "files/HWInfoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CHWInfoFile hwi;
    hwi.ImportText(bytes);
    const std::string exported = hwi.ExportText("fuzz.hwi");
    CHWInfoFile again;
    again.ImportText(exported);
    if (again.ExportText("fuzz.hwi") != exported)
        std::abort();
    CHWInfoFileConf conf;
    conf.ImportText(bytes);
    (void)conf.FilledSlots();
    return 0;
}
