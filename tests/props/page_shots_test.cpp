// Pictures of every page of the sheet, for a person to look at.
#include "SheetFixture.h"
#include "model/DataBaseKODA.h"

#include "ui/props/AntennaPage.h"
#include "ui/props/InfoPages.h"

TEST(PropertySheetShots, EveryPage) {
    SheetFixture f;
    ASSERT_TRUE(f.opened);
    f.ShowView(1);
    CViewPropSheet& sheet = f.Open();
    sheet.resize(560, 480);
    f.SelectInViews(1, 3);
    std::vector<int> types;
    for (const auto& view : f.Views().Views()) {
        types.push_back(view->Type());
    }
    for (int view : types) {
        f.ShowView(view);
        // A unit of the view chosen in the picture, as an engineer would before editing.
        f.SelectInViews(1, 3);
        if (view == 8) {
            auto& antenna = f.Current<CPageAntenna>();
            Choose(antenna.AntennaBox(), 2);
            Choose(antenna.ConnectionBox(), antenna.ConnectionBox()->itemData(1).toInt());
            Choose(antenna.MhaBox(), 3);
        }
        for (int tab = 0; tab < sheet.Tabs()->count(); ++tab) {
            sheet.Tabs()->setCurrentIndex(tab);
            QApplication::processEvents();
            Shoot(sheet, QStringLiteral("view%1-%2").arg(view, 2, 10, QLatin1Char('0')).arg(tab));
        }
    }
    // The BTS tab is there only with a configuration from the BTS; one as fetched.
    auto fetched = std::make_unique<CDataBaseKODA>();
    fetched->CopyFrom(*f.doc->SiteKODA()->GetKODA(kSelectCandidate));
    CBtsConfiguration::Set(std::move(fetched));
    // The tab commands need the tab row, which the BTS connection brings.
    f.doc->ViewManager()->SetBtsConnectionEnabled(true);
    f.doc->OnCommand(cmd::kBtsTab);
    QApplication::processEvents();
    Shoot(sheet, QStringLiteral("bts-tab"));
    EXPECT_EQ(sheet.windowTitle(), QStringLiteral("BTS Properties"));

    // The Orvik views have no logical TRX view; its page is shown on its own.
    CPageLogicalTRX logical(*f.doc->SiteKODA(), *f.doc);
    logical.resize(520, 200);
    logical.Refresh();
    Shoot(logical, QStringLiteral("logical-trx"));
    EXPECT_EQ(logical.TrxBox()->count(), 13);
}
