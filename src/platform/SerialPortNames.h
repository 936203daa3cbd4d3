#pragma once
// The "COM n" numbers that users, settings and connection targets use for serial ports, and the
// device files behind them. Fixed blocks map the usual device families to numbers; overrides
// from the settings take precedence (docs/serial-ports.md).

#include <string>
#include <string_view>
#include <vector>

struct SerialPortOverride {
    int number = 0;     // 1..99; others are ignored
    std::string device; // a path, or a plain name inside the device folder
};

class CSerialPortNames {
public:
    static constexpr int kFirstNumber = 1;
    static constexpr int kLastNumber = 99;

    explicit CSerialPortNames(std::string deviceDir = "/dev",
                              std::vector<SerialPortOverride> overrides = {});

    // Number of a device name from the fixed blocks ("ttyS0" -> 1), 0 for any other name.
    static int DefaultNumber(std::string_view deviceName);
    // The device name the fixed blocks give a number ("ttyUSB0" for 33), empty when none.
    static std::string DefaultDeviceName(int number);
    // "COM" followed by the decimal number.
    static std::string ComName(int number);

    // Device path for a port number, empty when no device carries that number. The environment
    // variable CABRION_COM<n>, when set, names the device of COM n before anything else.
    std::string DevicePath(int number) const;
    // Port number of a device (full path or name inside the device folder), 0 when it has none.
    int Number(std::string_view device) const;

    const std::string& DeviceDir() const { return m_deviceDir; }
    // Overrides in effect: valid numbers only, first entry per number and per device.
    const std::vector<SerialPortOverride>& Overrides() const { return m_overrides; }

private:
    std::string Absolute(std::string_view device) const;
    const SerialPortOverride* OverrideForNumber(int number) const;
    const SerialPortOverride* OverrideForPath(const std::string& path) const;

    std::string m_deviceDir;
    std::vector<SerialPortOverride> m_overrides; // devices stored as absolute paths
};
