#include <gtest/gtest.h>

#include "app/settings/MachineSettings.h"
#include "app/settings/UserAccessControl.h"
#include "test_support.h"

#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

int Level(const QByteArray& machineIni, std::optional<QStringList> groups) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("machine.ini"));
    if (!machineIni.isNull()) {
        WriteFile(path, machineIni);
    }
    CMachineSettings machine(path);
    FixedGroups g(std::move(groups));
    return CUserAccessControl(machine, g).AccessLevel();
}

const QStringList kAdmin = {QStringLiteral("users"), QStringLiteral("Torvane BTS_Admins")};
const QStringList kNotAdmin = {QStringLiteral("users"), QStringLiteral("torvane bts_admins"),
                               QStringLiteral("Torvane BTS_Admins ")};

} // namespace

TEST(AccessLevel, CheckingOffGivesFullControl) {
    EXPECT_EQ(Level(QByteArray(), kNotAdmin), 1);      // no machine file
    EXPECT_EQ(Level("[2G_Managers]\n", kNotAdmin), 1); // no value
    EXPECT_EQ(Level("[2G_Managers]\nAccess Levels=Off\n", kNotAdmin), 1);
    EXPECT_EQ(Level("[2G_Managers]\nAccess Levels=Onn\n", kNotAdmin), 1);
    EXPECT_EQ(Level("[Other]\nAccess Levels=On\n", kNotAdmin), 1);
    EXPECT_EQ(Level("\xff\x00[[garbage", std::nullopt), 1);
}

TEST(AccessLevel, CheckingOnNeedsTheExactAdminGroup) {
    const QByteArray on = "[2G_Managers]\nAccess Levels=   on   \n";
    EXPECT_EQ(Level(on, kAdmin), 1);
    EXPECT_EQ(Level(on, kNotAdmin), 0);
    EXPECT_EQ(Level(on, QStringList()), 0);
    EXPECT_EQ(Level(on, std::nullopt), 0); // groups unknown
    EXPECT_EQ(Level("[2G_Managers]\nAccess%20Levels=ON\n", kNotAdmin), 0);
}

TEST(AccessLevel, SystemGroupsIncludeThePrimaryGroup) {
    const auto groups = CSystemUserGroups().Groups();
    ASSERT_TRUE(groups.has_value());
    EXPECT_FALSE(groups->isEmpty());
}

TEST(MachineSettings, BaseDirectoryPrefersTheMachineFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("machine.ini"));
    qputenv("TORVANEMGR", "/opt/env/");
    EXPECT_EQ(ToolsBaseDirectory(CMachineSettings(path)), QStringLiteral("/opt/env"));
    WriteFile(path, "[Relko Communication Service]\nTORVANEMGR=\n");
    EXPECT_EQ(ToolsBaseDirectory(CMachineSettings(path)), QStringLiteral("/opt/env"));
    WriteFile(path, "[Relko Communication Service]\nTORVANEMGR=C:\\\\Torvane\\\\\n");
    EXPECT_EQ(ToolsBaseDirectory(CMachineSettings(path)), QStringLiteral("C:\\Torvane"));
    WriteFile(path, "[Relko Communication Service]\nTORVANEMGR=/opt/tv//\n");
    EXPECT_EQ(ToolsBaseDirectory(CMachineSettings(path)), QStringLiteral("/opt/tv/"));
    qunsetenv("TORVANEMGR");
    EXPECT_EQ(ToolsBaseDirectory(CMachineSettings(dir.filePath(QStringLiteral("none")))),
              QString());
    EXPECT_EQ(RemoveOneTrailingSeparator(QStringLiteral("/")), QStringLiteral("/"));

    qputenv(CMachineSettings::kPathVariable, path.toUtf8());
    EXPECT_EQ(CMachineSettings().Path(), path);
    qunsetenv(CMachineSettings::kPathVariable);
    EXPECT_EQ(CMachineSettings().Path(), QString::fromLatin1(CMachineSettings::kDefaultPath));
}

// The machine file binds its users, so only a file they cannot have changed is read: one of
// their own (or /dev/null) named by the variable is ignored, and a machine file they may write
// counts as access checking on. Root can still make a file for the variable to name.
TEST(MachineSettings, OnlyAFileThatRootAloneMayChangeIsUsed) {
    QTemporaryDir dir;
    const QString own = dir.filePath(QStringLiteral("own.ini"));
    WriteFile(own, "[2G_Managers]\nAccess Levels=Off\n[Relko Communication Service]\n"
                   "TORVANEMGR=/opt/own\n");
    const bool root = ::geteuid() == 0;
    if (root) {
        // As made by a user.
        ASSERT_EQ(::chown(QFile::encodeName(own).constData(), 65534, 65534), 0);
    }
    const auto named = [](const QString& path) {
        qputenv(CMachineSettings::kPathVariable, path.toUtf8());
        CMachineSettings machine;
        qunsetenv(CMachineSettings::kPathVariable);
        return machine;
    };
    const auto level = [](const CMachineSettings& machine) {
        FixedGroups user(kNotAdmin);
        return CUserAccessControl(machine, user).AccessLevel();
    };
    const QString kDefault = QString::fromLatin1(CMachineSettings::kDefaultPath);
    const struct {
        QString path;
        const char* why;
    } ignored[] = {{own, "it is not owned by root"},
                   {QStringLiteral("/dev/null"), "it is not a regular file"},
                   {dir.filePath(QStringLiteral("none.ini")), "it does not exist"}};
    for (const auto& c : ignored) {
        const CMachineSettings machine = named(c.path);
        EXPECT_EQ(machine.Path(), kDefault) << c.path.toStdString();
        ASSERT_FALSE(machine.Notes().empty()) << c.path.toStdString();
        EXPECT_NE(machine.Notes().front().find(c.why), std::string::npos)
            << machine.Notes().front();
    }

    // Distrusted where it stands: checking is on whatever the file says, and nothing else in
    // it is used. Unchecked (the tests' seam) it is read as it is.
    const CMachineSettings distrusted(own, true);
    EXPECT_TRUE(distrusted.Distrusted());
    EXPECT_EQ(level(distrusted), 0);
    EXPECT_FALSE(distrusted.ToolsBaseDirectory().has_value());
    EXPECT_EQ(level(CMachineSettings(own)), 1);
    EXPECT_FALSE(CMachineSettings(dir.filePath(QStringLiteral("none.ini")), true).Distrusted());

    if (!root) {
        GTEST_SKIP() << "only root can make a file that root alone may change";
    }
    const QString policy = dir.filePath(QStringLiteral("policy.ini"));
    WriteFile(policy, "[2G_Managers]\nAccess Levels=On\n[Relko Communication Service]\n"
                      "TORVANEMGR=/opt/tv\n");
    ASSERT_TRUE(QFile::setPermissions(policy, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ReadOther));
    const CMachineSettings honoured = named(policy);
    EXPECT_EQ(honoured.Path(), policy);
    EXPECT_TRUE(honoured.Notes().empty());
    EXPECT_EQ(level(honoured), 0);
    EXPECT_EQ(ToolsBaseDirectory(honoured), QStringLiteral("/opt/tv"));
    ASSERT_TRUE(
        QFile::setPermissions(policy, QFile::permissions(policy) | QFileDevice::WriteGroup));
    EXPECT_EQ(named(policy).Path(), kDefault);
    EXPECT_TRUE(CMachineSettings(policy, true).Distrusted());
}
