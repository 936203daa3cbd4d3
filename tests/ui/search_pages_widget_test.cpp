// The search pages and the folder chooser as windows: what they show while the search runs and
// after it, keyboard access, and the chooser's refusals. Screenshots go to the build folder.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWizard>

#include <filesystem>

#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/BtsConfiguration.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "platform/MemoryRegistry.h"
#include "support/SearchBts.h"
#include "ui/DirDialog.h"
#include "wizard/WizardPageDirectory.h"
#include "wizard/WizardSearchValidConfig.h"

using namespace searchtest;
namespace fs = std::filesystem;

namespace {

void Shoot(QWidget& w, const char* name) {
    const QString dir = QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots");
    QDir().mkpath(dir);
    w.grab().save(dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
}

class CHost : public ISearchResultHost {
public:
    CSiteKODA* Site() override { return &site; }
    void ActivateView(int type) override { lastView = type; }
    CSiteKODA site;
    int lastView = 0;
};

class SearchWidgets : public ::testing::Test {
protected:
    void SetUp() override {
        CBtsConfiguration::Drop();
        folder = ::testing::TempDir() + "searchwidgets_" + std::to_string(::getpid());
        fs::create_directories(folder);
        ASSERT_TRUE(SetBtsDetecting({1, 2, 3, 4}));
    }
    void TearDown() override {
        CBtsConfiguration::Drop();
        fs::remove_all(folder);
    }
    std::string folder;
};

} // namespace

TEST_F(SearchWidgets, ResultPageSearchesWithoutFreezingAndListsTheFit) {
    WriteFile(folder + "/a.hwc",
              FileText({{"Harbour North", {1, 2, 3, 4, 5, 6}}, {"Small", {1, 2}}}));
    WriteFile(folder + "/b.hwc", FileText({{"Harbour South", {1, 2, 3, 4}}}));
    WriteFile(folder + "/bad.hwc", "not ours");
    CHost host;
    QWizard wizard;
    auto* page = new CWizardSearchValidConfig(host);
    wizard.addPage(page);
    // Building the page switches no view: the wizard builds every page when it opens.
    EXPECT_EQ(host.lastView, 0);
    page->Model().SetSearchDirectory(folder);
    wizard.resize(640, 480);
    wizard.show();
    // The search runs while the event loop turns; Next waits for it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->isComplete(); }, 10000));
    EXPECT_EQ(host.lastView, 2);
    ASSERT_EQ(page->Results()->count(), 2);
    EXPECT_EQ(page->Results()->item(0)->text(), QStringLiteral("Harbour North"));
    EXPECT_EQ(page->Results()->item(1)->toolTip(), QString::fromStdString(folder + "/b.hwc"));
    EXPECT_EQ(page->Results()->currentRow(), 0);
    EXPECT_TRUE(page->Results()->isEnabled());
    EXPECT_TRUE(page->ProgressBar()->isHidden());
    EXPECT_TRUE(page->Status()->text().contains(QStringLiteral("bad.hwc")));
    Shoot(wizard, "wizard_search_result");

    // Choosing the other entry loads it; the check box re-applies it.
    page->Results()->setCurrentRow(1);
    EXPECT_EQ(page->Model().Selected(), 1);
    QTest::keyClick(page->OnlyAutodetected(), Qt::Key_Space);
    EXPECT_FALSE(page->Model().OnlyAutodetected());
}

TEST_F(SearchWidgets, ResultPageCancelShowsWhatWasFound) {
    for (int i = 0; i < 400; ++i) {
        WriteFile(folder + "/f" + std::to_string(1000 + i) + ".hwc",
                  FileText({{"C" + std::to_string(i), {1, 2, 3, 4}}}));
    }
    CHost host;
    QWizard wizard;
    auto* page = new CWizardSearchValidConfig(host);
    wizard.addPage(page);
    page->Model().SetSearchDirectory(folder);
    wizard.show();
    if (!page->isComplete()) {
        EXPECT_FALSE(page->CancelButton()->isHidden());
        Shoot(wizard, "wizard_search_running");
        QTest::mouseClick(page->CancelButton(), Qt::LeftButton);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return page->isComplete(); }, 10000));
    EXPECT_GE(page->Results()->count(), 1);
    EXPECT_TRUE(page->CancelButton()->isHidden());
}

TEST_F(SearchWidgets, DirectoryPageFallsBackHomeWhenBrowseGivesNothing) {
    CMemoryRegistry store;
    CWizardPageDirectory page(store, "/home/eng");
    int browsed = 0;
    page.browse = [&](const QString& start) -> std::optional<QString> {
        ++browsed;
        EXPECT_EQ(start, QStringLiteral("/home/eng/Cabrion/"));
        return std::nullopt;
    };
    page.show();
    EXPECT_FALSE(page.Folders()->isEnabled());
    page.CustomChoice()->click();
    EXPECT_EQ(browsed, 1);
    EXPECT_TRUE(page.HomeChoice()->isChecked());

    page.browse = [&](const QString&) -> std::optional<QString> { return QStringLiteral("/data"); };
    page.CustomChoice()->click();
    EXPECT_TRUE(page.CustomChoice()->isChecked());
    EXPECT_TRUE(page.BrowseButton()->isEnabled());
    EXPECT_EQ(page.Folders()->currentText(), QStringLiteral("/data"));
    std::string handed;
    page.onNext = [&](const std::string& f) { handed = f; };
    EXPECT_TRUE(page.validatePage());
    EXPECT_EQ(handed, "/data");
    EXPECT_EQ(store.GetString("Wizard", "ComboDir0", ""), "/data");
    page.resize(520, 260);
    Shoot(page, "wizard_select_directory");
}

TEST_F(SearchWidgets, FolderChooserRefusesAFileAndCreatesAMissingFolderWhenAsked) {
    WriteFile(folder + "/plain.txt", "x");
    fs::create_directories(folder + "/Archive 2024");
    CDirDialog dialog(QString::fromStdString(folder));
    QStringList shown;
    QStringList asked;
    bool answer = false;
    dialog.showMessage = [&](const QString& t) { shown << t; };
    dialog.askYesNo = [&](const QString& t) {
        asked << t;
        return answer;
    };
    dialog.show();
    // The folder list fills from the disk in the background.
    const QAbstractItemModel* listed = dialog.FolderList()->model();
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return listed->rowCount(dialog.FolderList()->rootIndex()) > 0; }, 5000));
    Shoot(dialog, "folder_chooser");
    dialog.FolderEdit()->setText(QString::fromStdString(folder + "/plain.txt"));
    QTest::keyClick(dialog.FolderEdit(), Qt::Key_Return);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].endsWith(QStringLiteral("\nThis is a file not a directory.")));
    EXPECT_TRUE(dialog.isVisible());

    const QString fresh = QString::fromStdString(folder + "/new/deeper/");
    dialog.FolderEdit()->setText(fresh);
    dialog.Open();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_TRUE(dialog.isVisible()); // No keeps the chooser open
    answer = true;
    dialog.Open();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Folder(), QString::fromStdString(folder + "/new/deeper"));
    EXPECT_TRUE(fs::is_directory(folder + "/new/deeper"));
}
