// The save sheet on a file whose reading had problems: the "Parse Error" page comes up with the
// rejected lines before anything is saved, and goes when another file is chosen.
#include "app/DocumentTestSupport.h"
#include "support/Screenshot.h"
#include "ui/ParseSCFErrorPage.h"
#include "ui/SiteSheets.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <fstream>

TEST(SaveSheet, ShowsTheLinesARewriteWouldLeaveOut) {
    DocumentFixture f;
    const std::string bad = f.Path("bad.hwc");
    const std::string good = f.Path("good.hwc");
    for (const std::string& path : {bad, good}) {
        std::vector<std::unique_ptr<CSCFSite>> records;
        records.push_back(OrvikRecord("Harbour"));
        WriteConfigurations(path, std::move(records));
    }
    std::string text = Slurp(bad);
    text.insert(text.rfind("\\EOF"), "\\NO_SUCH_KEYWORD 1\r\n");
    std::ofstream(bad, std::ios::binary) << text;

    CSaveSCFSheetModel::SInputs in;
    in.path = bad;
    in.configurationName = "Harbour";
    in.settings = &f.settings;
    CSaveSCFSheetModel model(in, f.windows);
    CSaveSCFSheet sheet(model);
    ASSERT_NE(sheet.ProblemsPage(), nullptr);
    EXPECT_EQ(sheet.Tabs()->currentWidget(), sheet.ProblemsPage());
    EXPECT_EQ(sheet.Tabs()->tabText(1), QStringLiteral("Parse Error"));
    QTreeWidget* rows = sheet.ProblemsPage()->List();
    ASSERT_EQ(rows->topLevelItemCount(), 1);
    EXPECT_EQ(rows->topLevelItem(0)->text(2), QStringLiteral("\\NO_SUCH_KEYWORD"));
    sheet.show();
    QApplication::processEvents();
    testsupport::Shoot(sheet, QStringLiteral("ui"), QStringLiteral("save-sheet-parse-error"));

    // "Browse..." to a file read without problems takes the page away.
    f.windows.files.push_back(good);
    for (QPushButton* b : sheet.findChildren<QPushButton*>()) {
        if (b->text() == QStringLiteral("&Browse...")) {
            b->click();
        }
    }
    EXPECT_EQ(sheet.ProblemsPage(), nullptr);
    EXPECT_EQ(sheet.Tabs()->count(), 1);
}
