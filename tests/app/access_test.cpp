#include <gtest/gtest.h>

#include "app/MachineSettings.h"
#include "app/UserAccessControl.h"
#include "test_support.h"

#include <QTemporaryDir>

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
