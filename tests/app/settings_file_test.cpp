#include <gtest/gtest.h>

#include "app/settings/DocumentsFolder.h"
#include "app/settings/WindowsRegistry.h"
#include "platform/MemoryRegistry.h"
#include "platform/SettingsKeys.h"
#include "test_support.h"

#include <QDir>
#include <QTemporaryDir>

TEST(SettingsFile, ValuesSurviveAndLayerAsStored) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/Cabrion.ini"));
    {
        CWindowsRegistry r(path);
        EXPECT_EQ(r.GetIntOrDefault("ComPort"), 1);
        r.SetInt("ComPort", 3);
        r.SetString("Settings", "SCFPath", "/home/u/sites, old");
        r.SetString("Wizard", "ComboDir0", "@odd=value;x");
        r.SetInt("MainWnd", "x", -1);
        // Written through at once, before the store goes away.
        EXPECT_TRUE(ReadFile(path).contains("ComPort=3"));
    }
    CWindowsRegistry r(path);
    EXPECT_EQ(r.GetIntOrDefault("ComPort"), 3);
    EXPECT_EQ(r.GetString("Initialization", "ComPort", "x"), "3");
    EXPECT_EQ(r.GetString("Settings", "SCFPath", ""), "/home/u/sites, old");
    EXPECT_EQ(r.GetString("Wizard", "ComboDir0", ""), "@odd=value;x");
    EXPECT_EQ(settings::Read(r, settings::kMainX), -1);
    EXPECT_EQ(r.GetIntOrDefault("x"), 0);
}

TEST(SettingsFile, HandWrittenAndDamagedValuesReadSafely) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cabrion.ini"));
    WriteFile(path, "[Initialization]\nComPort = 12 \nMaxUARTSpeed=fast\nEnableBTS=99999999999\n"
                    "[Settings]\nSCFPath=/a,/b\n");
    CWindowsRegistry r(path);
    EXPECT_EQ(r.GetIntOrDefault("ComPort"), 12);
    EXPECT_EQ(r.GetIntOrDefault("MaxUARTSpeed"), 5);
    EXPECT_EQ(settings::Read(r, settings::kEnableBTS), 1);
    EXPECT_EQ(r.GetString("Settings", "SCFPath", ""), "/a,/b");
    EXPECT_TRUE(r.DamagedCopy().isEmpty());
}

TEST(SettingsFile, ADamagedFileIsKeptBeforeTheFirstWrite) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Cabrion.ini"));
    static const char kGarbage[] = "[Init\0ial\nfoo\n=bar\n[[[\n\xff\xfe=3\nComPort=abc\n";
    const QByteArray garbage(kGarbage, sizeof kGarbage - 1);
    WriteFile(path, garbage);

    CWindowsRegistry r(path);
    EXPECT_EQ(r.GetIntOrDefault("ComPort"), 1);
    EXPECT_EQ(r.GetStringOrDefault("UserName"), "<<Not defined>>");
    EXPECT_TRUE(r.DamagedCopy().isEmpty()); // reading alone changes nothing
    r.SetInt("ComPort", 4);
    EXPECT_EQ(r.GetIntOrDefault("ComPort"), 4);
    ASSERT_FALSE(r.DamagedCopy().isEmpty());
    EXPECT_EQ(ReadFile(r.DamagedCopy()), garbage);
    r.SetInt("ComPort", 5);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    EXPECT_EQ(CWindowsRegistry(path).GetIntOrDefault("ComPort"), 5);
}

TEST(SettingsFile, AnUnreadableFileGivesDefaultsAndAWorkingStore) {
    QTemporaryDir dir;
    // A folder where the file should be: neither readable nor writable as a file, even as root.
    const QString path = dir.filePath(QStringLiteral("Cabrion.ini"));
    ASSERT_TRUE(QDir().mkpath(path));
    CWindowsRegistry r(path);
    EXPECT_EQ(r.GetIntOrDefault("MaxUARTSpeed"), 5);
    EXPECT_EQ(r.GetString("Settings", "SCFPath", "dflt"), "dflt");
    r.SetInt("ComPort", 6);
    EXPECT_EQ(r.GetIntOrDefault("ComPort"), 6); // kept for this run
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST(SettingsFile, FolderKeysStartInTheDocumentsFolder) {
    CMemoryRegistry r;
    const std::string docs = DocumentsFolder();
    EXPECT_FALSE(docs.empty());
    EXPECT_EQ(settings::Read(r, settings::kHWInfoDir, docs), docs);
    r.SetString(settings::kSettings, "HWInfoDir", "/srv/hwi");
    EXPECT_EQ(settings::Read(r, settings::kHWInfoDir, docs), "/srv/hwi");
}
