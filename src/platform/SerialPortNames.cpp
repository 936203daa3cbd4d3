#include "platform/SerialPortNames.h"

#include <cstdlib>

#include <charconv>

namespace {

struct Block {
    std::string_view prefix;
    int firstNumber;
};

// 32 devices per family: enough for any machine we expect, and the three blocks leave 97..99
// for overrides.
constexpr int kBlockSize = 32;
constexpr Block kBlocks[] = {{"ttyS", 1}, {"ttyUSB", 33}, {"ttyACM", 65}};

// A non-negative decimal without sign or leading zeros (other than "0" itself).
bool ParseIndex(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4 || (text.size() > 1 && text[0] == '0')) {
        return false;
    }
    for (char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && ptr == text.data() + text.size();
}

} // namespace

CSerialPortNames::CSerialPortNames(std::string deviceDir, std::vector<SerialPortOverride> overrides)
    : m_deviceDir(std::move(deviceDir)) {
    while (m_deviceDir.size() > 1 && m_deviceDir.back() == '/') {
        m_deviceDir.pop_back();
    }
    for (auto& o : overrides) {
        if (o.number < kFirstNumber || o.number > kLastNumber || o.device.empty()) {
            continue;
        }
        std::string path = Absolute(o.device);
        if (OverrideForNumber(o.number) != nullptr || OverrideForPath(path) != nullptr) {
            continue;
        }
        m_overrides.push_back({o.number, std::move(path)});
    }
}

int CSerialPortNames::DefaultNumber(std::string_view deviceName) {
    for (const auto& block : kBlocks) {
        if (!deviceName.starts_with(block.prefix)) {
            continue;
        }
        int index = 0;
        if (ParseIndex(deviceName.substr(block.prefix.size()), index) && index < kBlockSize) {
            return block.firstNumber + index;
        }
    }
    return 0;
}

std::string CSerialPortNames::DefaultDeviceName(int number) {
    for (const auto& block : kBlocks) {
        if (number >= block.firstNumber && number < block.firstNumber + kBlockSize) {
            return std::string(block.prefix) + std::to_string(number - block.firstNumber);
        }
    }
    return {};
}

std::string CSerialPortNames::ComName(int number) {
    return "COM" + std::to_string(number);
}

std::string CSerialPortNames::DevicePath(int number) const {
    // Tests and scripted set-ups point a number at a pseudo-terminal without touching settings.
    if (number >= kFirstNumber && number <= kLastNumber) {
        const std::string variable = "CABRION_COM" + std::to_string(number);
        if (const char* path = std::getenv(variable.c_str()); path != nullptr && *path != 0) {
            return path;
        }
    }
    if (const auto* o = OverrideForNumber(number)) {
        return o->device;
    }
    const std::string name = DefaultDeviceName(number);
    if (name.empty()) {
        return {};
    }
    std::string path = Absolute(name);
    // A device that an override moved to another number no longer answers to its block number.
    if (OverrideForPath(path) != nullptr) {
        return {};
    }
    return path;
}

int CSerialPortNames::Number(std::string_view device) const {
    if (device.empty()) {
        return 0;
    }
    const std::string path = Absolute(device);
    if (const auto* o = OverrideForPath(path)) {
        return o->number;
    }
    const std::string prefix = m_deviceDir == "/" ? "/" : m_deviceDir + "/";
    if (!path.starts_with(prefix)) {
        return 0;
    }
    const int number = DefaultNumber(std::string_view(path).substr(prefix.size()));
    if (number == 0 || OverrideForNumber(number) != nullptr) {
        return 0;
    }
    return number;
}

std::string CSerialPortNames::Absolute(std::string_view device) const {
    if (device.find('/') != std::string_view::npos) {
        return std::string(device);
    }
    return (m_deviceDir == "/" ? std::string() : m_deviceDir) + "/" + std::string(device);
}

const SerialPortOverride* CSerialPortNames::OverrideForNumber(int number) const {
    for (const auto& o : m_overrides) {
        if (o.number == number) {
            return &o;
        }
    }
    return nullptr;
}

const SerialPortOverride* CSerialPortNames::OverrideForPath(const std::string& path) const {
    for (const auto& o : m_overrides) {
        if (o.device == path) {
            return &o;
        }
    }
    return nullptr;
}
