// Scenario files of the simulated BTS: any bytes give a scenario or an error message.
#include "sim/SimBts.h"
#include "sim/SimScenario.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SSimScenario scenario;
    std::string error;
    if (!ParseSimScenario(std::string(reinterpret_cast<const char*>(data), size), scenario,
                          error)) {
        return 0;
    }
    // What was accepted also runs: a few polls and one request.
    for (auto& [type, reply] : scenario.replies) {
        if (reply.size > 4096) {
            reply.size = 4096;
        }
    }
    CSimBts bts(scenario);
    const frame::Bytes request = {0xEC, 0x00, 0x02, 0x02};
    bts.HandleFrame(frame::Split(request).front());
    for (int i = 0; i < 32; ++i) {
        bts.HandleFrame(frame::Poll(true));
    }
    return 0;
}
