#pragma once
// The rules of the "Bar Code Reader" options page: the reader's port and line settings, the
// passive unit validation option, and keeping the reader off the port of a running local BTS
// connection.

#include "app/options/OptionsHost.h"
#include "app/settings/SerialPortList.h"

#include <string>
#include <vector>

class CRegistry;

class COptionsBarCodeReader {
public:
    static const std::vector<std::string>& SpeedNames();
    static const std::vector<std::string>& ParityNames();
    static const std::vector<std::string>& DataBitsNames();
    static const std::vector<std::string>& StopBitsNames();

    COptionsBarCodeReader(CRegistry& store, IOptionsHost& host, std::vector<SerialPortEntry> ports);

    void Open();
    // The reader box was ticked or unticked.
    void SetEnabled(bool enabled);
    void ChoosePort(int entryIndex) { m_portIndex = entryIndex; }
    void ChooseSpeed(int index) { m_speed = index; }
    void ChooseParity(int index) { m_parity = index; }
    void ChooseDataBits(int index) { m_dataBits = index; }
    void ChooseStopBits(int index) { m_stopBits = index; }
    void SetValidation(bool on) { m_validation = on; }
    void Apply();
    // Another page changed "UARTEnable".
    void OnBarCodeSettingChanged();

    const std::vector<SerialPortEntry>& Ports() const { return m_ports; }
    bool Enabled() const { return m_enabled; }
    // The five port setting boxes are usable exactly while the reader is ticked.
    bool PortSettingsEnabled() const { return m_enabled; }
    int PortIndex() const { return m_portIndex; }
    int Speed() const { return m_speed; }
    int Parity() const { return m_parity; }
    int DataBits() const { return m_dataBits; }
    int StopBits() const { return m_stopBits; }
    bool Validation() const { return m_validation; }
    bool Changed() const { return m_changed; }
    bool Opened() const { return m_opened; }

private:
    void EnableRule();
    bool OnBtsPort(int port) const;
    int ChosenPort() const;

    CRegistry& m_store;
    IOptionsHost& m_host;
    std::vector<SerialPortEntry> m_ports;
    bool m_enabled = false;
    int m_portIndex = -1;
    int m_speed = -1;
    int m_parity = -1;
    int m_dataBits = -1;
    int m_stopBits = -1;
    bool m_validation = false;
    bool m_changed = false;
    bool m_opened = false;
};
