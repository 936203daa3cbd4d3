#include <gtest/gtest.h>

#include "app/settings/MachineSettings.h"
#include "app/settings/WindowsRegistry.h"
#include "app/startup/BTSConfigurationApp.h"
#include "platform/Registry.h"
#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>

#include <fstream>
#include <iterator>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ScriptedResolver : ISobriquetResolver {
    SobriquetResult Resolve(const std::string& s) override {
        asked.push_back(s);
        return answer;
    }
    SobriquetResult answer{false, "", "Sobriquet not found"};
    std::vector<std::string> asked;
};

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        ResetRegistryForTests();
        ini = dir.filePath(QStringLiteral("config/Cabrion.ini"));
        base = dir.filePath(QStringLiteral("torvane"));
        QDir().mkpath(dir.filePath(QStringLiteral("locks")));
        QDir().mkpath(dir.filePath(QStringLiteral("dev")));
        QDir().mkpath(base + QStringLiteral("/Ostrel"));
        WriteFile(base + QStringLiteral("/Ostrel/Ostrel"), "#!/bin/sh\n");
        SetMachine("[Relko Communication Service]\nTORVANEMGR=" + base.toUtf8() + "/\n");
        CWindowsRegistry::InstallAsPersistentStore(ini);
    }
    void TearDown() override { ResetRegistryForTests(); }

    void SetMachine(const QByteArray& text) {
        const QString path = dir.filePath(QStringLiteral("machine.ini"));
        WriteFile(path, text);
        machine = std::make_unique<CMachineSettings>(path);
    }
    void AddDevice(const char* name) {
        WriteFile(dir.filePath(QStringLiteral("dev/")) + QString::fromLatin1(name), "");
    }

    CBTSConfigurationApp::Services Services() {
        CBTSConfigurationApp::Services s;
        s.messages = &messages;
        s.machine = machine.get();
        s.groups = &groups;
        s.connection = &connection;
        s.sobriquets = &resolver;
        s.launcher = &launcher;
        s.lockDirectory = dir.filePath(QStringLiteral("locks")).toStdString();
        s.deviceDirectory = dir.filePath(QStringLiteral("dev")).toStdString();
        s.probe = [](const std::string& p) {
            return QFile::exists(QString::fromStdString(p)) ? PortProbe::Present
                                                            : PortProbe::Absent;
        };
        return s;
    }

    QTemporaryDir dir;
    QString ini;
    QString base;
    std::unique_ptr<CMachineSettings> machine;
    RecordingMessages messages;
    FixedGroups groups{QStringList()};
    RecordingConnection connection;
    ScriptedResolver resolver;
    RecordingLauncher launcher;
};

} // namespace

TEST_F(Startup, LocalTargetStartsALinkAndHandsBackNoTarget) {
    CBTSConfigurationApp app(Services());
    ASSERT_TRUE(app.InitInstance({"cabrion", "-target", "WP=COM, PORT=1 ,SPEED=9600", "-Ostrel"}));
    EXPECT_TRUE(app.HoldsSettingsLock());
    EXPECT_TRUE(RegistryWriteAccess());
    EXPECT_TRUE(messages.information.empty());
    ASSERT_EQ(connection.started.size(), 1u);
    EXPECT_EQ(connection.started[0].first, kConnectionLocal);
    EXPECT_EQ(connection.started[0].second, "WP=COM,PORT=1,SPEED=9600");
    EXPECT_TRUE(app.ConnectionWanted());
    EXPECT_EQ(app.HandBackTarget(), "");
    EXPECT_TRUE(app.StartedFromOstrel());
    EXPECT_EQ(app.HelpPath(), base + QStringLiteral("/Cabrion/Cabrion.html"));
    EXPECT_EQ(app.AccessLevel(), 1);

    app.ExitInstance();
    EXPECT_FALSE(app.HoldsSettingsLock());
    EXPECT_EQ(connection.stops, 1);
    ASSERT_EQ(launcher.launched.size(), 1u);
    EXPECT_EQ(launcher.launched[0].first, (base + QStringLiteral("/Ostrel/Ostrel")).toStdString());
    EXPECT_TRUE(launcher.launched[0].second.empty());
}

TEST_F(Startup, RemoteTargetWinsOverSobriquetAndIsHandedBack) {
    CBTSConfigurationApp app(Services());
    ASSERT_TRUE(app.InitInstance(
        {"cabrion", "-sobriquet", "north", "-target", "A,WP=FE,B", "-Ostrel", "-SNR=2"}));
    EXPECT_TRUE(resolver.asked.empty());
    ASSERT_EQ(connection.started.size(), 1u);
    EXPECT_EQ(connection.started[0].first, kConnectionRemote);
    EXPECT_EQ(connection.started[0].second, "A");
    EXPECT_EQ(app.SiteNumber(), 2);
    app.ExitInstance();
    ASSERT_EQ(launcher.launched.size(), 1u);
    EXPECT_EQ(launcher.launched[0].second, (std::vector<std::string>{"-target", "A"}));
}

TEST_F(Startup, WithoutOstrelOrItsProgramNothingIsStartedAtExit) {
    {
        CBTSConfigurationApp app(Services());
        app.InitInstance({"cabrion", "-target", "A"});
        app.ExitInstance();
        EXPECT_EQ(connection.stops, 0);
    }
    QFile::remove(base + QStringLiteral("/Ostrel/Ostrel"));
    ResetRegistryForTests();
    CBTSConfigurationApp app(Services());
    app.InitInstance({"cabrion", "-target", "A", "-Ostrel"});
    app.ExitInstance();
    EXPECT_TRUE(launcher.launched.empty());
}

TEST_F(Startup, FailedSobriquetLeavesUsOfflineAndReadOnlyWhenChecked) {
    SetMachine("[2G_Managers]\nAccess Levels= On\n");
    CBTSConfigurationApp app(Services());
    ASSERT_TRUE(app.InitInstance({"cabrion", "-sobriquet", "north", "site.hwc"}));
    EXPECT_EQ(resolver.asked, std::vector<std::string>{"north"});
    EXPECT_EQ(messages.errors, std::vector<std::string>{"Sobriquet not found"});
    EXPECT_TRUE(connection.started.empty());
    EXPECT_FALSE(app.ConnectionWanted());
    EXPECT_EQ(app.CommandLine().fileName, "site.hwc");
    EXPECT_EQ(app.AccessLevel(), 0);
    EXPECT_FALSE(app.StartedFromOstrel());
    EXPECT_EQ(app.HelpPath(), QStringLiteral("Cabrion.html"));
}

TEST_F(Startup, PortsAreListedAndAZeroComPortIsReplaced) {
    AddDevice("ttyS2");
    AddDevice("ttyS4");
    QDir().mkpath(QFileInfo(ini).path());
    WriteFile(ini, "[Initialization]\nComPort=0\n");
    CBTSConfigurationApp app(Services());
    ASSERT_TRUE(app.InitInstance({"cabrion"}));
    EXPECT_EQ(app.SerialPorts().Count(), 2);
    EXPECT_EQ(CWindowsRegistry(ini).GetIntOrDefault("ComPort"), 3);
}

TEST_F(Startup, AnAbsentComPortStaysAbsent) {
    AddDevice("ttyS2");
    QDir().mkpath(QFileInfo(ini).path());
    WriteFile(ini, "[Settings]\nLastSCF=a.hwc\n");
    CBTSConfigurationApp app(Services());
    ASSERT_TRUE(app.InitInstance({"cabrion"}));
    EXPECT_FALSE(ReadFile(ini).contains("ComPort"));
    EXPECT_EQ(CRegistry::Instance().GetIntOrDefault("ComPort"), 1);
}

TEST_F(Startup, ADamagedSettingsFileStillStarts) {
    static const char kDamaged[] = "\x00\x01[[[\xff\n=\n[Initialization\nComPort=";
    QDir().mkpath(QFileInfo(ini).path());
    WriteFile(ini, QByteArray(kDamaged, sizeof kDamaged - 1));
    CBTSConfigurationApp app(Services());
    ASSERT_TRUE(app.InitInstance({"cabrion"}));
    EXPECT_EQ(CRegistry::Instance().GetIntOrDefault("MaxUARTSpeed"), 5);
    EXPECT_EQ(CRegistry::Instance().GetIntOrDefault("ComPort"), 1);
}

// The desktop entry claims only the file types the program opens; the others keep their
// registered types and icons for file managers.
TEST(DesktopEntry, ClaimsOnlyTheFilesTheProgramOpens) {
    const std::string resources = std::string(CABRION_TEST_DATA_DIR) + "/../../resources/desktop/";
    std::ifstream entry(resources + "cabrion.desktop");
    std::string line;
    std::string claimed;
    while (std::getline(entry, line)) {
        if (line.rfind("MimeType=", 0) == 0) {
            claimed = line.substr(9);
        }
    }
    EXPECT_EQ(claimed,
              "application/x-cabrion-hwc;application/x-cabrion-sdf;application/x-cabrion-ewb;");
    std::ifstream mime(resources + "cabrion-mime.xml");
    const std::string types((std::istreambuf_iterator<char>(mime)),
                            std::istreambuf_iterator<char>());
    for (const char* ext : {"hwc", "sdf", "ewb", "hwi", "hwr"}) {
        EXPECT_NE(types.find(std::string("<glob pattern=\"*.") + ext + "\"/>"), std::string::npos)
            << ext;
    }
}
