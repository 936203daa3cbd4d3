#include "app/options/OptionsBTSConnection.h"

#include "model/Strings.h"
#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

const std::vector<std::string>& COptionsBTSConnection::SpeedNames() {
    static const std::vector<std::string> names = {"9 600 bps", "19 200 bps", "38 400 bps",
                                                   "57 600 bps", "115 200 bps"};
    return names;
}

COptionsBTSConnection::COptionsBTSConnection(CRegistry& store, IOptionsHost& host,
                                             std::vector<SerialPortEntry> ports)
    : m_store(store), m_host(host), m_ports(std::move(ports)) {}

void COptionsBTSConnection::Open() {
    const int comPort = settings::Read(m_store, settings::kComPort);
    m_portIndex = -1;
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        if (m_ports[i].number == comPort) {
            m_portIndex = static_cast<int>(i);
            break;
        }
    }
    const int speed = settings::Read(m_store, settings::kMaxUARTSpeed) - 1;
    m_speedIndex = speed >= 0 && speed < static_cast<int>(SpeedNames().size()) ? speed : -1;
    m_enabled = settings::Read(m_store, settings::kEnableBTS) != 0;
    m_changed = false;
    m_opened = true;
}

void COptionsBTSConnection::SetEnabled(bool enabled) {
    m_enabled = enabled;
    m_changed = true;
}

void COptionsBTSConnection::Apply() {
    if (!m_opened) {
        return;
    }
    // The port this page is about to store is the one that must not clash, not the old one.
    const int comPort = m_portIndex >= 0 ? m_ports[static_cast<std::size_t>(m_portIndex)].number
                                         : settings::Read(m_store, settings::kComPort);
    if (m_enabled && settings::Read(m_store, settings::kUARTEnable) != 0 &&
        comPort == settings::Read(m_store, settings::kUARTPort)) {
        m_host.Warning(std::string(LoadString(157)));
        m_enabled = false;
    }
    // Nothing chosen keeps what is stored rather than writing a port or speed nobody picked.
    if (m_portIndex >= 0) {
        settings::Write(m_store, settings::kComPort, comPort);
    }
    if (m_speedIndex >= 0) {
        settings::Write(m_store, settings::kMaxUARTSpeed, m_speedIndex + 1);
    }
    settings::Write(m_store, settings::kEnableBTS, m_enabled ? 1 : 0);
    if (m_host.DocumentAppliesBtsConnection()) {
        m_host.ApplyBtsConnectionSetting();
    }
    m_changed = false;
}

void COptionsBTSConnection::OnBtsConnectionSettingChanged() {
    if (!m_opened) {
        return;
    }
    m_enabled = settings::Read(m_store, settings::kEnableBTS) != 0;
    m_changed = true;
}
