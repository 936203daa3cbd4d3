#include "comms/ConnectParams.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

struct Speed {
    int index;
    int code;
    const char* text;
};
constexpr Speed kSpeeds[] = {
    {1, 9, "9600"}, {2, 19, "19200"}, {3, 38, "38400"}, {4, 57, "57600"}, {5, 115, "115200"},
};

void PutLe32(uint8_t* p, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        p[i] = static_cast<uint8_t>(u >> (8 * i));
    }
}

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

CConnectParams::CConnectParams(int comPort, int maxSpeedIndex)
    : m_comPort(comPort), m_maxSpeedIndex(maxSpeedIndex),
      m_speedCode(SpeedCodeOfIndex(maxSpeedIndex)) {
    Rebuild();
}

int CConnectParams::SpeedCodeOfIndex(int index) {
    for (const auto& s : kSpeeds) {
        if (s.index == index) {
            return s.code;
        }
    }
    return 9;
}

std::string CConnectParams::SpeedTextOfCode(int code) {
    for (const auto& s : kSpeeds) {
        if (s.code == code) {
            return s.text;
        }
    }
    return "9600";
}

int CConnectParams::BaudOfCode(int code) {
    return std::atoi(SpeedTextOfCode(code).c_str());
}

void CConnectParams::Rebuild() {
    if (m_kind == kConnRemote) {
        return;
    }
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, kLocalTemplate, m_comPort,
                  SpeedTextOfCode(m_speedCode).c_str(), kMmiAddress);
    m_target = buffer;
}

void CConnectParams::SetTarget(const std::string& text) {
    if (text.find("WP=COM") != std::string::npos) {
        m_kind = kConnLocal;
        m_comPort = static_cast<int>(LookupValue(text, "PORT"));
        m_speedCode = 9;
        Rebuild();
        return;
    }
    m_kind = kConnRemote;
    std::string target = text;
    if (const auto addr = target.find("ADDR"); addr != std::string::npos) {
        target.erase(addr);
    } else {
        target += ",WP=NEZ9,";
    }
    target += "ADDR=" + std::to_string(kMmiAddress);
    m_target = target;
}

void CConnectParams::SetSpeedCode(int code) {
    m_speedCode = code;
    Rebuild();
}

void CConnectParams::SetSimulator() {
    m_kind = kConnSimulator;
    Rebuild();
}

std::string CConnectParams::LookupText(const std::string& target, const std::string& key) {
    // Whole keys only: "PORT" must not be found inside "TCPPORT".
    std::string_view rest = target;
    while (!rest.empty()) {
        const auto comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        const auto eq = item.find('=');
        if (eq == std::string_view::npos || Trimmed(item.substr(0, eq)) != key) {
            continue;
        }
        return std::string(Trimmed(item.substr(eq + 1)));
    }
    return {};
}

long CConnectParams::LookupValue(const std::string& target, const std::string& key) {
    const std::string text = LookupText(target, key);
    long value = 0;
    if (text.empty() || std::sscanf(text.c_str(), "%ld", &value) != 1) {
        return 0;
    }
    return value;
}

std::array<uint8_t, 12> CConnectParams::SimulatorBlock() const {
    std::array<uint8_t, 12> block{};
    PutLe32(block.data(), m_comPort);
    PutLe32(block.data() + 4, m_reserved);
    PutLe32(block.data() + 8, m_maxSpeedIndex);
    return block;
}

std::string CConnectParams::RemoteLockName() const {
    char buffer[128];
    if (m_kind == kConnLocal) {
        std::snprintf(buffer, sizeof buffer, "Global\\OSTREL_REMOTE_CONNECTION_BSC%li_BCF",
                      static_cast<long>(m_comPort));
        return buffer;
    }
    std::snprintf(buffer, sizeof buffer, "Global\\OSTREL_REMOTE_CONNECTION_BSC%li_BCF%li",
                  GetBscId(), GetBcfId());
    std::string name = buffer;
    if (LookupText(m_target, "BSCID").empty() && LookupText(m_target, "BCFID").empty()) {
        // Without BSC and BCF ids every such BTS would share one lock; where it is reached tells
        // them apart.
        name += "_HOST" + LookupText(m_target, "HOST") + "_TCPPORT" +
                std::to_string(LookupValue("TCPPORT"));
    }
    return name;
}
