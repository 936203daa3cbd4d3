#include <gtest/gtest.h>

#include "app/settings/MachineSettings.h"
#include "app/settings/WindowsRegistry.h"
#include "app/startup/BTSConfigurationApp.h"
#include "platform/Registry.h"
#include "test_support.h"

#include <QTemporaryDir>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// One running copy of the program in a child process, sharing the settings file and lock folder.
struct Copy {
    Copy(const QString& ini, const QString& locks, const QString& machinePath)
        : machine(machinePath), groups(QStringList()) {
        ResetRegistryForTests();
        CWindowsRegistry::InstallAsPersistentStore(ini);
        CBTSConfigurationApp::Services s;
        s.messages = &messages;
        s.machine = &machine;
        s.groups = &groups;
        s.lockDirectory = locks.toStdString();
        s.deviceDirectory = "/nonexistent-dev";
        s.probe = [](const std::string&) { return PortProbe::Absent; };
        app = std::make_unique<CBTSConfigurationApp>(s);
        app->InitInstance({"cabrion"});
    }
    bool Warned() const {
        return messages.information ==
               std::vector<std::string>{CBTSConfigurationApp::kAnotherCopyWarning};
    }
    CMachineSettings machine;
    FixedGroups groups;
    RecordingMessages messages;
    std::unique_ptr<CBTSConfigurationApp> app;
};

int WaitFor(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 100 + WTERMSIG(status);
}

} // namespace

TEST(SecondCopy, KeepsItsChangesForItsOwnRunOnly) {
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Cabrion.ini"));
    const QString locks = dir.path();
    const QString machine = dir.filePath(QStringLiteral("machine.ini"));
    WriteFile(ini, "[Initialization]\nComPort=2\n");

    int started[2];
    int release[2];
    ASSERT_EQ(::pipe(started), 0);
    ASSERT_EQ(::pipe(release), 0);

    const pid_t first = ::fork();
    if (first == 0) {
        Copy copy(ini, locks, machine);
        int rc = copy.app->HoldsSettingsLock() && copy.messages.information.empty() ? 0 : 1;
        CRegistry::Instance().SetString("Settings", "LastSCF", "first.hwc");
        char c = 'x';
        (void)!::write(started[1], &c, 1);
        (void)!::read(release[0], &c, 1); // stay running while the second copy runs
        copy.app->ExitInstance();
        ::_exit(rc);
    }
    char c = 0;
    ASSERT_EQ(::read(started[0], &c, 1), 1);

    const pid_t second = ::fork();
    if (second == 0) {
        Copy copy(ini, locks, machine);
        if (copy.app->HoldsSettingsLock() || !copy.Warned()) {
            ::_exit(1);
        }
        CRegistry& store = CRegistry::Instance();
        // Sees what the first copy saved, and its own change for as long as it runs.
        if (store.GetString("Settings", "LastSCF", "") != "first.hwc" ||
            store.GetIntOrDefault("ComPort") != 2) {
            ::_exit(2);
        }
        store.SetInt("ComPort", 7);
        store.SetString("Settings", "LastSCF", "second.hwc");
        if (store.GetIntOrDefault("ComPort") != 7 ||
            store.GetString("Settings", "LastSCF", "") != "second.hwc") {
            ::_exit(3);
        }
        copy.app->ExitInstance();
        ::_exit(0);
    }
    EXPECT_EQ(WaitFor(second), 0);
    (void)!::write(release[1], &c, 1);
    EXPECT_EQ(WaitFor(first), 0);

    CWindowsRegistry stored(ini);
    EXPECT_EQ(stored.GetIntOrDefault("ComPort"), 2);
    EXPECT_EQ(stored.GetString("Settings", "LastSCF", ""), "first.hwc");

    // With the first copy gone, the next one may save again.
    const pid_t third = ::fork();
    if (third == 0) {
        Copy copy(ini, locks, machine);
        CRegistry::Instance().SetInt("ComPort", 9);
        ::_exit(copy.app->HoldsSettingsLock() && copy.messages.information.empty() ? 0 : 1);
    }
    EXPECT_EQ(WaitFor(third), 0);
    EXPECT_EQ(CWindowsRegistry(ini).GetIntOrDefault("ComPort"), 9);
    for (int fd : {started[0], started[1], release[0], release[1]}) {
        ::close(fd);
    }
}
