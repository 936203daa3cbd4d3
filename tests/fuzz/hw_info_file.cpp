// Feeds arbitrary bytes to the HW information file import and exports what it kept.
#include <cstdint>
#include <string_view>

#include "files/HWInfoFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CHWInfoFile hwi;
    hwi.ImportText(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)hwi.ExportText("fuzz.hwi");
    CHWInfoFileConf conf;
    conf.ImportText(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)conf.FilledSlots();
    return 0;
}
