// The Search way inside the wizard sheet: the folder page hands its folder to the result page,
// the search runs while the sheet stays live, the chosen configuration becomes the candidate
// and the document's configuration, so that Save writes it back into the file it came from.
#include "app/WizardTestSupport.h"
#include "app/wizard/WizardFlow.h"
#include "files/SiteConfigFile.h"
#include "files/SiteRecords.h"
#include "model/DataBaseKODA.h"
#include "support/FrameDocument.h"
#include "support/SearchBts.h"
#include "ui/MainFrame.h"
#include "wizard/WizardFlowWidgets.h"
#include "wizard/WizardPageDirectory.h"
#include "wizard/WizardSearchValidConfig.h"
#include "wizard/WizardSheet.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <unistd.h>

using namespace searchtest;
using namespace wizard;
namespace fs = std::filesystem;

TEST(WizardSearchWay, FoundConfigurationBecomesTheDocumentsAndSavesBackIntoItsFile) {
    CBtsConfiguration::Drop();
    const fs::path folder =
        fs::path(::testing::TempDir()) / ("wizard_search_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    WriteFile((folder / "a.hwc").string(),
              FileText({{"Too small", {1, 2}}, {"Fits", {1, 2, 3, 4}}}));
    WriteFile((folder / "notes.hwc").string(), "not a configuration file at all");

    // The BTS has detected transceivers 1-4.
    ASSERT_TRUE(SetBtsDetecting({1, 2, 3, 4}));

    WizardLink link;
    link.kind = 1;
    CMemoryRegistry settings;
    settings.SetInt("Wizard", "DefaultSearch", 1);
    settings.SetString("Wizard", "ComboDir0", folder.string());
    CMainFrame frame;
    auto doc = testsupport::AttachNewDocument(frame, link, settings);
    doc->New(false);
    {
        CWizardSheet sheet(*doc, frame, settings, false, &frame);
        sheet.show();
        QApplication::processEvents();
        auto* way = dynamic_cast<CWizardPageWizardWay*>(sheet.Page(kPageWizardWay));
        ASSERT_NE(way, nullptr);
        ASSERT_EQ(sheet.currentId(), kPageWizardWay);
        sheet.next();
        ASSERT_EQ(sheet.currentId(), kPageDirectory);
        CWizardPageDirectory* directory = sheet.DirectoryPage();
        ASSERT_NE(directory, nullptr);
        EXPECT_TRUE(directory->CustomChoice()->isChecked());
        EXPECT_EQ(directory->Folders()->currentText(), QString::fromStdString(folder.string()));

        sheet.next();
        ASSERT_EQ(sheet.currentId(), kPageSearchResult);
        CWizardSearchValidConfig* result = sheet.SearchResultPage();
        ASSERT_NE(result, nullptr);
        // The window keeps working while the search runs.
        for (int i = 0; i < 500 && result->Model().Searching(); ++i) {
            QTest::qWait(10);
        }
        ASSERT_FALSE(result->Model().Searching());
        ASSERT_EQ(result->Results()->count(), 1);
        EXPECT_EQ(result->Results()->item(0)->text(), QStringLiteral("Fits"));
        EXPECT_EQ(result->Model().Skipped().size(), 1u);
        const QString shots =
            QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots");
        QDir().mkpath(shots);
        sheet.grab().save(shots + QStringLiteral("/wizard-search-result.png"));

        // Shown but not yet taken: a Cancel now gives back the earlier candidate through the
        // undo step, and the document must not then stand for the archive's configuration.
        EXPECT_EQ(doc->PathName(), "");
        EXPECT_EQ(settings.GetInt("Wizard", "DefaultSearch", 0), 1);
        sheet.next();
        EXPECT_TRUE(doc->ConfigurationChanged());
        // Next makes the chosen configuration the document's: Save writes it back under its name.
        EXPECT_EQ(doc->PathName(), (folder / "a.hwc").string());
        EXPECT_EQ(doc->ConfigurationName(), "Fits");
        ASSERT_NE(doc->SiteRecord(), nullptr);
        EXPECT_EQ(doc->SiteRecord()->name, "Fits");
    }
    frame.AttachDocument(nullptr);
    doc.reset();
    CBtsConfiguration::Drop();
    fs::remove_all(folder);
}
