// Whatever a scanner or a noisy line sends reaches the reader's unmarking: any bytes, split
// anywhere, must decode without a crash into characters and line errors only.
#include "peripherals/MarkedInput.h"
#include "peripherals/UartErrors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) {
        return 0;
    }
    // The first byte decides how the rest is cut into reads.
    const std::size_t chunk = 1 + data[0] % 16;
    CMarkedInput input;
    for (std::size_t at = 1; at < size; at += chunk) {
        const std::size_t n = size - at < chunk ? size - at : chunk;
        input.Feed(data + at, n);
        while (!input.Empty()) {
            const int c = input.Take();
            if (c != uart::kLineError && (c < 0 || c > 255)) {
                std::abort();
            }
        }
    }
    if (input.Take() != uart::kNothingWaiting) {
        std::abort();
    }
    return 0;
}
