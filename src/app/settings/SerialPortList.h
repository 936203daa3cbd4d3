#pragma once
// The serial ports of this machine as "COM n" entries, found by scanning the device folder and
// trying each candidate, sorted by number.

#include "platform/SerialPortNames.h"

#include <functional>
#include <string>
#include <vector>

class CRegistry;

struct SerialPortEntry {
    std::string name; // "COM" + number; what settings and targets keep
    int number = 0;
    std::string device; // the device file found for the number, empty when not known

    // What a list shows: the name, and the device beside it so that a user can tell which
    // adapter it is ("COM1 (/dev/ttyS0)").
    std::string Label() const { return device.empty() ? name : name + " (" + device + ")"; }
};

enum class PortProbe {
    Absent,            // could not be opened or is no serial line: not listed
    Present,           // opened, answered as a serial line and closed
    PresentCloseFailed // opened and answered, but closing it failed: listed, and reported
};

class CSerialPortList {
public:
    using Probe = std::function<PortProbe(const std::string& devicePath)>;
    using MessageSink = std::function<void(const std::string&)>;

    // The ports of `names`: every device of the fixed families in its device folder and every
    // override, kept when the probe finds it and its number lies in 1..99. Replaces the list
    // and returns the count. When the device folder cannot be read the list stays as it was
    // and 0 is returned.
    int Enumerate(const CSerialPortNames& names, const Probe& probe, const MessageSink& message);

    // When ports were found and "ComPort" reads 0, stores the lowest port number there.
    void ApplyComPortRule(CRegistry& store) const;

    int Count() const { return static_cast<int>(m_entries.size()); }
    const std::vector<SerialPortEntry>& Entries() const { return m_entries; }
    void Clear() { m_entries.clear(); }

    // Opens the device without becoming its controlling terminal and asks for its line
    // settings; a device that opens but is no terminal (or a phantom UART) is Absent.
    static PortProbe ProbeTerminal(const std::string& devicePath);

private:
    std::vector<SerialPortEntry> m_entries;
};

// The device overrides kept in the settings: section "SerialPorts", entries "COM1".."COM99".
std::vector<SerialPortOverride> ReadSerialPortOverrides(const CRegistry& store);
