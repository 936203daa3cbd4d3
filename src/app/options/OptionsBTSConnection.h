#pragma once
// The rules of the "LMP" options page: the serial port and speed of a local BTS connection and
// whether Cabrion connects by itself, kept off the bar-code reader's port.

#include "app/options/OptionsHost.h"
#include "app/settings/SerialPortList.h"

#include <string>
#include <vector>

class CRegistry;

class COptionsBTSConnection {
public:
    static const std::vector<std::string>& SpeedNames();

    COptionsBTSConnection(CRegistry& store, IOptionsHost& host, std::vector<SerialPortEntry> ports);

    void Open();
    void SetEnabled(bool enabled);
    void ChoosePort(int entryIndex) { m_portIndex = entryIndex; }
    void ChooseSpeed(int index) { m_speedIndex = index; }
    void Apply();
    // Another page changed "EnableBTS".
    void OnBtsConnectionSettingChanged();

    const std::vector<SerialPortEntry>& Ports() const { return m_ports; }
    int PortIndex() const { return m_portIndex; } // -1: none
    int SpeedIndex() const { return m_speedIndex; }
    bool Enabled() const { return m_enabled; }
    bool Changed() const { return m_changed; }
    bool Opened() const { return m_opened; }

private:
    CRegistry& m_store;
    IOptionsHost& m_host;
    std::vector<SerialPortEntry> m_ports;
    int m_portIndex = -1;
    int m_speedIndex = -1;
    bool m_enabled = false;
    bool m_changed = false;
    bool m_opened = false;
};
