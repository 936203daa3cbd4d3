// Edit scripts are written by hand or by other programs: any bytes must give operations or an
// error, never a crash, and the operations handed back must all be well formed.
#include "files/EditScript.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<SEditOperation> ops;
    const auto error =
        ReadEditScript(std::string_view(reinterpret_cast<const char*>(data), size), ops);
    if (error && !ops.empty()) {
        std::abort();
    }
    for (const SEditOperation& op : ops) {
        if (op.op.empty()) {
            std::abort();
        }
    }
    return 0;
}
