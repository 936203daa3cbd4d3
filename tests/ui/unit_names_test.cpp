// Unit names: on every picture of every sample, on both tabs and on the candidate copied from
// the BTS, each name stays on its own front, so none writes over another at any scale; a unit
// keeps its name on both tabs, and the BTS tab says beside it what type the BTS detected.
#include "app/commands/CommandIds.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewPageBase.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"
#include "model/Unit.h"
#include "paint/PaintStyle.h"
#include "paint/UnitFront.h"
#include "support/Screenshot.h"
#include "support/SimWindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct SNamedBox {
    std::string name;
    QRectF box;
};

// What went wrong on one picture, one line a fault.
std::string LabelFaults(const SCabinetScene& scene) {
    std::string faults;
    std::vector<SNamedBox> boxes;
    for (const SSceneUnit& u : scene.units) {
        if (!u.shown) {
            continue;
        }
        const paint::SUnitLabel l = paint::UnitLabel(u);
        if (l.text.isEmpty()) {
            continue;
        }
        const QRectF front = paint::ToRectF(u.rect).adjusted(-1, -1, 1, 1);
        if (!front.contains(l.box)) {
            faults += "'" + l.text.toStdString() + "' runs over its front\n";
        }
        for (const SNamedBox& other : boxes) {
            const QRectF both = other.box.intersected(l.box);
            if (both.width() > 0.01 && both.height() > 0.01) {
                faults += "'" + l.text.toStdString() + "' over '" + other.name + "'\n";
            }
        }
        boxes.push_back({l.text.toStdString(), l.box});
    }
    return faults;
}

// Every view of the manager with every display option.
void ExpectNamesApart(CViewBase& views, const std::string& where) {
    for (const auto& view : views.Views()) {
        for (int options = 0; options < 8; ++options) {
            views.SetViewSettings(options);
            views.ActivateView(view->Type());
            const SCabinetScene scene = views.BuildScene();
            EXPECT_EQ(LabelFaults(scene), "")
                << where << ", " << view->Name() << ", options " << options;
            // Names longer than any the catalogue has still keep to their fronts.
            SCabinetScene longer = scene;
            for (SSceneUnit& u : longer.units) {
                u.label = (u.label.empty() ? u.unit->DisplayName() : u.label) + "-18 WIDE";
            }
            EXPECT_EQ(LabelFaults(longer), "")
                << where << ", " << view->Name() << ", options " << options << ", long names";
        }
    }
    views.SetViewSettings(5);
}

} // namespace

TEST(UnitNames, OneNameAUnitOnBothTabsAndNoneWritesOverAnotherOnAnyPicture) {
    for (const char* sample : {"harbour-4x3.hwc", "chapel-2x3.hwc", "selmo-4trx.hwc"}) {
        testsupport::SimWindow w("cabrion-unit-names");
        ASSERT_TRUE(w.doc->OpenPath(testsupport::SamplePath(QString::fromLatin1(sample)), true));
        ExpectNamesApart(*w.doc->AnyViewManager(), std::string(sample) + " candidate");
        auto* views = dynamic_cast<CViewBaseKODA*>(w.doc->AnyViewManager());
        if (views == nullptr) {
            continue;
        }
        // The cabling lists name a port by its unit's catalogue name too, whatever the BTS
        // reported for the unit.
        CDataBaseKODA& candidate = *w.doc->SiteKODA()->GetKODA(kSelectCandidate);
        for (const auto& unit : candidate.Units()) {
            if (unit->Kind() == kUnitKindDdu) {
                unit->SetReportedTypeText("DDUA");
            }
        }
        views->ActivateView(kViewAllCabling);
        int ports = 0;
        for (const SListRow& row : views->ListContent().rows) {
            for (std::size_t c = 1; c < row.cells.size(); ++c) {
                EXPECT_EQ(row.cells[c].find("DDUA"), std::string::npos) << row.cells[c];
                ports += row.cells[c].starts_with("HYDx") ? 1 : 0;
            }
        }
        EXPECT_GT(ports, 0) << sample;
        for (const auto& unit : candidate.Units()) {
            unit->SetReportedTypeText("");
        }
        w.doc->OnIdle();
        w.doc->ConnectSimulator();
        ASSERT_TRUE(w.PumpUntil([&] { return views->BtsConfigurationComplete(); }, true));
        w.doc->OnCommand(cmd::kBtsTab);
        ExpectNamesApart(*views, std::string(sample) + " BTS tab");
        // The types the BTS detects, as its identity replies give them: the views keep the
        // catalogue's names, the candidate's, and say beside them what was detected.
        for (const auto& unit : CBtsConfiguration::Get()->Units()) {
            if (unit->Kind() == kUnitKindTrx || unit->Kind() == kUnitKindDdu) {
                unit->SetReportedTypeText(unit->Kind() == kUnitKindTrx ? "TRXA" : "DDUA");
            }
        }
        w.frame.show();
        for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
            w.frame.resize(size);
            QApplication::processEvents();
            w.frame.Action(cmd::ViewCommandOfType(kViewCabinetUnits))->trigger();
            QApplication::processEvents();
            testsupport::Shoot(
                w.frame, QStringLiteral("names"),
                QStringLiteral("%1-bts-detected-%2").arg(QLatin1String(sample)).arg(size.width()));
        }
        const SListContent bts = views->ListContent();
        const SCabinetScene btsPicture = views->BuildScene();
        ExpectNamesApart(*views, std::string(sample) + " BTS tab, detected types");
        w.doc->OnCommand(cmd::kCopyBtsConfiguration);
        ASSERT_TRUE(w.doc->CandidateTabSelected());
        ExpectNamesApart(*views, std::string(sample) + " copied from the BTS");
        views->ActivateView(kViewCabinetUnits);
        const SListContent copied = views->ListContent();
        for (const SListRow& row : copied.rows) {
            if (row.unitKind != kUnitKindTrx && row.unitKind != kUnitKindDdu) {
                continue;
            }
            const auto same =
                std::find_if(bts.rows.begin(), bts.rows.end(), [&](const SListRow& b) {
                    return b.unitKind == row.unitKind && b.unitNumber == row.unitNumber;
                });
            ASSERT_NE(same, bts.rows.end()) << row.cells[0];
            EXPECT_EQ(same->cells[0],
                      row.cells[0] +
                          (row.unitKind == kUnitKindTrx ? " (detected TRXA)" : " (detected DDUA)"));
            const auto front = std::find_if(
                btsPicture.units.begin(), btsPicture.units.end(), [&](const SSceneUnit& u) {
                    return u.unit->Kind() == row.unitKind && u.unit->Number() == row.unitNumber;
                });
            ASSERT_NE(front, btsPicture.units.end());
            EXPECT_EQ(paint::UnitLabel(*front).text.toStdString(), row.cells[0]);
        }
    }
}
