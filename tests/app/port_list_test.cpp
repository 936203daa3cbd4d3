#include <gtest/gtest.h>

#include "app/settings/SerialPortList.h"
#include "platform/MemoryRegistry.h"
#include "platform/SettingsKeys.h"
#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

// A device folder with plain files standing in for devices; the probe finds every file that
// exists except the ones named dead, and fails to close the ones named sticky.
struct FakeDevices {
    FakeDevices(std::initializer_list<const char*> files) {
        for (const char* f : files) {
            WriteFile(dir.filePath(QString::fromLatin1(f)), "");
        }
    }
    std::string Path() const { return dir.path().toStdString(); }
    CSerialPortList::Probe Probe() const {
        return [this](const std::string& path) {
            const QString name = QFileInfo(QString::fromStdString(path)).fileName();
            if (!QFile::exists(QString::fromStdString(path)) || dead.contains(name)) {
                return PortProbe::Absent;
            }
            return sticky.contains(name) ? PortProbe::PresentCloseFailed : PortProbe::Present;
        };
    }
    QTemporaryDir dir;
    QStringList dead;
    QStringList sticky;
};

std::vector<std::string> Names(const CSerialPortList& list) {
    std::vector<std::string> out;
    for (const auto& e : list.Entries()) {
        out.push_back(e.name);
    }
    return out;
}

} // namespace

TEST(SerialPortList, ScansTheDeviceFolderSortedAndFiltered) {
    FakeDevices devices(
        {"ttyUSB0", "ttyS2", "ttyS0", "ttyS40", "ttyACM1", "ttyS1", "tty0", "ttyAMA0", "console"});
    devices.dead = {QStringLiteral("ttyS1")};
    devices.sticky = {QStringLiteral("ttyACM1")};
    std::vector<std::string> messages;
    CSerialPortList list;
    const int count = list.Enumerate(CSerialPortNames(devices.Path()), devices.Probe(),
                                     [&](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"COM1", "COM3", "COM33", "COM66"}));
    EXPECT_EQ(list.Entries()[1].number, 3);
    // Lists show the device beside the number; settings keep the name alone.
    EXPECT_EQ(list.Entries()[0].Label(), "COM1 (" + devices.Path() + "/ttyS0)");
    EXPECT_EQ(list.Entries()[2].device, devices.Path() + "/ttyUSB0");
    EXPECT_EQ((SerialPortEntry{"COM4", 4, ""}).Label(), "COM4");
    EXPECT_EQ(messages, std::vector<std::string>{"Cannot close the port COM66"});

    // Overrides: a renamed device, one outside the folder, one beyond COM99, one that is gone.
    FakeDevices other({"rfcomm0"});
    const std::vector<SerialPortOverride> overrides = {
        {5, "ttyUSB0"},
        {99, other.dir.filePath(QStringLiteral("rfcomm0")).toStdString()},
        {100, "ttyS0"},
        {7, "/nonexistent/ttyX"}};
    auto probe = [&](const std::string& p) {
        return QFile::exists(QString::fromStdString(p)) ? PortProbe::Present : PortProbe::Absent;
    };
    list.Enumerate(CSerialPortNames(devices.Path(), overrides), probe, {});
    EXPECT_EQ(Names(list),
              (std::vector<std::string>{"COM1", "COM2", "COM3", "COM5", "COM66", "COM99"}));
    EXPECT_EQ(list.Entries()[3].device, devices.Path() + "/ttyUSB0") << "the renamed device";
    EXPECT_EQ(list.Entries()[5].device, overrides[1].device);

    // An unreadable folder leaves the list as it was.
    EXPECT_EQ(list.Enumerate(CSerialPortNames("/nonexistent-dev"), probe, {}), 0);
    EXPECT_EQ(list.Count(), 6);
    FakeDevices empty({});
    EXPECT_EQ(list.Enumerate(CSerialPortNames(empty.Path()), probe, {}), 0);
    EXPECT_EQ(list.Count(), 0);
}

TEST(SerialPortList, ComPortRuleOnlyReplacesZero) {
    FakeDevices devices({"ttyS2", "ttyS4"});
    CSerialPortList list;
    list.Enumerate(CSerialPortNames(devices.Path()), devices.Probe(), {});

    CMemoryRegistry absent;
    list.ApplyComPortRule(absent);
    EXPECT_EQ(absent.GetInt("Initialization", "ComPort", -7), -7);

    CMemoryRegistry zero;
    zero.SetInt("ComPort", 0);
    list.ApplyComPortRule(zero);
    EXPECT_EQ(zero.GetIntOrDefault("ComPort"), 3);

    CMemoryRegistry chosen;
    chosen.SetInt("ComPort", 9);
    list.ApplyComPortRule(chosen);
    EXPECT_EQ(chosen.GetIntOrDefault("ComPort"), 9);

    CMemoryRegistry noPorts;
    noPorts.SetInt("ComPort", 0);
    CSerialPortList().ApplyComPortRule(noPorts);
    EXPECT_EQ(noPorts.GetIntOrDefault("ComPort"), 0);
}

TEST(SerialPortList, OverridesComeFromTheSettings) {
    CMemoryRegistry r;
    r.SetString(settings::kSerialPorts, "COM4", "/dev/ttyUSB3");
    r.SetString(settings::kSerialPorts, "COM99", "rfcomm0");
    r.SetString(settings::kSerialPorts, "COM100", "/dev/ttyS9");
    r.SetString(settings::kSerialPorts, "COM5", "");
    const auto o = ReadSerialPortOverrides(r);
    ASSERT_EQ(o.size(), 2u);
    EXPECT_EQ(o[0].number, 4);
    EXPECT_EQ(o[0].device, "/dev/ttyUSB3");
    EXPECT_EQ(o[1].number, 99);
}

TEST(SerialPortList, TerminalProbeRejectsWhatIsNoSerialLine) {
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("ttyS0"));
    WriteFile(plain, "x");
    EXPECT_EQ(CSerialPortList::ProbeTerminal(plain.toStdString()), PortProbe::Absent);
    EXPECT_EQ(CSerialPortList::ProbeTerminal("/nonexistent/ttyS0"), PortProbe::Absent);
    EXPECT_EQ(CSerialPortList::ProbeTerminal("/dev/null"), PortProbe::Absent);
}
