#include "app/settings/SerialPortList.h"

#include "platform/Registry.h"
#include "platform/SettingsKeys.h"

#include <QDir>

#include <algorithm>
#include <fcntl.h>
#include <map>
#include <termios.h>
#include <unistd.h>

int CSerialPortList::Enumerate(const CSerialPortNames& names, const Probe& probe,
                               const MessageSink& message) {
    QDir dir(QString::fromStdString(names.DeviceDir()));
    if (!dir.exists() || !dir.isReadable()) {
        return 0;
    }
    // Device files are character devices, fake ones in tests plain files: take every kind.
    const QStringList candidates = dir.entryList(
        {QStringLiteral("ttyS*"), QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
        QDir::System | QDir::Files | QDir::NoDotAndDotDot, QDir::Name);

    std::vector<std::string> paths;
    for (const QString& c : candidates) {
        paths.push_back(names.DeviceDir() + "/" + c.toStdString());
    }
    for (const auto& o : names.Overrides()) {
        if (std::find(paths.begin(), paths.end(), o.device) == paths.end()) {
            paths.push_back(o.device);
        }
    }

    std::map<int, std::string> found; // by number; the first device found keeps it
    for (const auto& path : paths) {
        const int number = names.Number(path);
        if (number < CSerialPortNames::kFirstNumber || number > CSerialPortNames::kLastNumber) {
            continue;
        }
        const PortProbe result = probe(path);
        if (result == PortProbe::Absent) {
            continue;
        }
        if (result == PortProbe::PresentCloseFailed && message) {
            message("Cannot close the port " + CSerialPortNames::ComName(number));
        }
        found.emplace(number, path);
    }

    m_entries.clear();
    for (const auto& [n, device] : found) {
        m_entries.push_back({CSerialPortNames::ComName(n), n, device});
    }
    return Count();
}

void CSerialPortList::ApplyComPortRule(CRegistry& store) const {
    if (!m_entries.empty() && store.GetIntOrDefault(settings::kComPort.entry) == 0) {
        store.SetInt(settings::kComPort.entry, m_entries.front().number);
    }
}

PortProbe CSerialPortList::ProbeTerminal(const std::string& devicePath) {
    const int fd = ::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return PortProbe::Absent;
    }
    termios tio{};
    const bool isLine = ::tcgetattr(fd, &tio) == 0;
    const bool closed = ::close(fd) == 0;
    if (!isLine) {
        return PortProbe::Absent;
    }
    return closed ? PortProbe::Present : PortProbe::PresentCloseFailed;
}

std::vector<SerialPortOverride> ReadSerialPortOverrides(const CRegistry& store) {
    std::vector<SerialPortOverride> overrides;
    for (int n = CSerialPortNames::kFirstNumber; n <= CSerialPortNames::kLastNumber; ++n) {
        std::string device =
            store.GetString(settings::kSerialPorts, CSerialPortNames::ComName(n), "");
        if (!device.empty()) {
            overrides.push_back({n, std::move(device)});
        }
    }
    return overrides;
}
