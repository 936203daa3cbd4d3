#include "app/options/OptionsBarCodeReader.h"

#include "model/Strings.h"
#include "platform/Registry.h"
#include "platform/SerialPortNames.h"
#include "platform/SettingsKeys.h"

namespace {

int InRange(int value, const std::vector<std::string>& names) {
    return value >= 0 && value < static_cast<int>(names.size()) ? value : -1;
}

} // namespace

const std::vector<std::string>& COptionsBarCodeReader::SpeedNames() {
    static const std::vector<std::string> names = {"300 bps",   "1 200 bps", "2 400 bps",
                                                   "4 800 bps", "9 600 bps", "19 200 bps"};
    return names;
}
const std::vector<std::string>& COptionsBarCodeReader::ParityNames() {
    static const std::vector<std::string> names = {"No", "Even", "Odd", "Mark"};
    return names;
}
const std::vector<std::string>& COptionsBarCodeReader::DataBitsNames() {
    static const std::vector<std::string> names = {"5", "6", "7", "8"};
    return names;
}
const std::vector<std::string>& COptionsBarCodeReader::StopBitsNames() {
    static const std::vector<std::string> names = {"1", "2"};
    return names;
}

COptionsBarCodeReader::COptionsBarCodeReader(CRegistry& store, IOptionsHost& host,
                                             std::vector<SerialPortEntry> ports)
    : m_store(store), m_host(host), m_ports(std::move(ports)) {}

void COptionsBarCodeReader::Open() {
    m_enabled = settings::Read(m_store, settings::kUARTEnable) != 0;
    const std::string name =
        CSerialPortNames::ComName(settings::Read(m_store, settings::kUARTPort));
    m_portIndex = -1;
    for (std::size_t i = 0; i < m_ports.size(); ++i) {
        if (m_ports[i].name == name) {
            m_portIndex = static_cast<int>(i);
            break;
        }
    }
    m_speed = InRange(settings::Read(m_store, settings::kUARTSpeed), SpeedNames());
    m_parity = InRange(settings::Read(m_store, settings::kUARTParity), ParityNames());
    m_dataBits = InRange(settings::Read(m_store, settings::kUARTDataBits), DataBitsNames());
    m_stopBits = InRange(settings::Read(m_store, settings::kUARTStopBits), StopBitsNames());
    m_validation = settings::Read(m_store, settings::kPassiveUnitValidationOption) == 1;
    m_opened = true;
    EnableRule();
}

bool COptionsBarCodeReader::OnBtsPort(int port) const {
    const SActiveConnection connection = m_host.ActiveConnection();
    return connection.kind == SActiveConnection::kLocal && connection.comPort == port;
}

int COptionsBarCodeReader::ChosenPort() const {
    return m_portIndex >= 0 ? m_ports[static_cast<std::size_t>(m_portIndex)].number
                            : settings::Read(m_store, settings::kUARTPort);
}

void COptionsBarCodeReader::EnableRule() {
    if (m_enabled && settings::Read(m_store, settings::kEnableBTS) != 0 &&
        OnBtsPort(ChosenPort()) && m_host.AskYesNo(std::string(LoadString(154)))) {
        // The user chose here and now to give up the BTS connection: it takes effect at once.
        settings::Write(m_store, settings::kEnableBTS, 0);
        m_host.NotifyBtsConnectionSettingChanged();
        m_host.ApplyBtsConnectionSetting();
    }
    m_changed = true;
}

void COptionsBarCodeReader::SetEnabled(bool enabled) {
    m_enabled = enabled;
    EnableRule();
}

void COptionsBarCodeReader::OnBarCodeSettingChanged() {
    if (!m_opened) {
        return;
    }
    m_enabled = settings::Read(m_store, settings::kUARTEnable) != 0;
    EnableRule();
}

void COptionsBarCodeReader::Apply() {
    if (!m_opened) {
        return;
    }
    settings::Write(m_store, settings::kPassiveUnitValidationOption, m_validation ? 1 : 0);
    // The port about to be stored is the one that must not clash with the running link.
    const int port = ChosenPort();
    if (m_enabled && OnBtsPort(port)) {
        m_host.Warning(std::string(LoadString(156)));
        m_enabled = false;
        EnableRule();
    }
    settings::Write(m_store, settings::kUARTEnable, m_enabled ? 1 : 0);
    settings::Write(m_store, settings::kUARTPort, port);
    // A list without a choice keeps the stored value instead of writing -1.
    const auto keep = [this](const settings::IntKey& key, int index) {
        if (index >= 0) {
            settings::Write(m_store, key, index);
        }
    };
    keep(settings::kUARTSpeed, m_speed);
    keep(settings::kUARTParity, m_parity);
    keep(settings::kUARTDataBits, m_dataBits);
    keep(settings::kUARTStopBits, m_stopBits);
    m_host.NotifyBarCodeSettingChanged();
    m_changed = false;
}
