#pragma once
// Scenario files for the simulated BTS that several test areas start it with.

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "comms/ElementCodec.h"

namespace testsupport {

inline std::vector<uint8_t> Element(int tag, const std::vector<uint8_t>& value) {
    std::vector<uint8_t> out;
    element::AppendTag(out, tag);
    element::AppendLength(out, value.size());
    out.insert(out.end(), value.begin(), value.end());
    return out;
}

// The scenario file's spelling of a message: hex bytes separated by blanks.
inline std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string out;
    char h[4];
    for (uint8_t b : bytes) {
        std::snprintf(h, sizeof h, "%02X ", b);
        out += h;
    }
    return out;
}

// A BTS that reports itself with its BCF in Commissioning to every client.
inline nlohmann::json CommissioningBtsScenario() {
    std::vector<uint8_t> report = {0x82, 0, 0, 0};
    for (const auto& e : {Element(19, {19}), Element(129, Element(150, {150, 1}))}) {
        report.insert(report.end(), e.begin(), e.end());
    }
    std::vector<uint8_t> state = {0xD2, 0, 0, 0};
    const auto status = Element(258, {1, 1, 0, 4});
    state.insert(state.end(), status.begin(), status.end());
    nlohmann::json j;
    j["reportOnConnect"] = {Hex(report), Hex(state)};
    return j;
}

} // namespace testsupport
