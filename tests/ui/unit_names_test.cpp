// Unit names as the pictures write them: on every picture of every sample, on both tabs and on
// the candidate copied from the BTS, each name stays on its own front, so none writes over
// another, whatever scale the picture is drawn at and however long the BTS reports a type.
#include "app/CommandIds.h"
#include "app/views/ViewBase.h"
#include "app/views/ViewPageBase.h"
#include "model/DataBase.h"
#include "model/Unit.h"
#include "paint/CabinetPainter.h"
#include "paint/PaintStyle.h"
#include "paint/UnitFront.h"
#include "support/SimWindow.h"

#include <gtest/gtest.h>

#include <QDir>

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
            const std::string faults = LabelFaults(views.BuildScene());
            EXPECT_EQ(faults, "") << where << ", " << view->Name() << ", options " << options;
        }
    }
    views.SetViewSettings(5);
}

} // namespace

TEST(UnitNames, NoNameRunsOverItsFrontOrAnotherOnAnyPictureOfTheSamples) {
    for (const char* sample : {"harbour-4x3.hwc", "chapel-2x3.hwc", "selmo-4trx.hwc"}) {
        testsupport::SimWindow w("cabrion-unit-names");
        ASSERT_TRUE(w.doc->OpenPath(testsupport::SamplePath(QString::fromLatin1(sample)), true));
        ExpectNamesApart(*w.doc->AnyViewManager(), std::string(sample) + " candidate");
        auto* views = dynamic_cast<CViewBaseKODA*>(w.doc->AnyViewManager());
        if (views == nullptr) {
            continue;
        }
        w.doc->OnIdle();
        w.doc->ConnectSimulator();
        ASSERT_TRUE(w.PumpUntil([&] { return views->BtsConfigurationComplete(); }, true));
        w.doc->OnCommand(cmd::kBtsTab);
        ExpectNamesApart(*views, std::string(sample) + " BTS tab");
        // A BTS may report type texts longer than the catalogue's codes: its names must still
        // keep to their fronts.
        for (const auto& unit : CBtsConfiguration::Get()->Units()) {
            unit->SetReportedTypeText(unit->TypeCodeText() + "-18 WIDE");
        }
        ExpectNamesApart(*views, std::string(sample) + " BTS tab, long type texts");
        views->ActivateView(kViewCabinetUnits);
        const QString shots =
            QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots/names");
        QDir().mkpath(shots);
        CCabinetPainter::Render(views->BuildScene(), 2)
            .save(shots + QStringLiteral("/%1-long-types.png").arg(QLatin1String(sample)));
        w.doc->OnCommand(cmd::kCopyBtsConfiguration);
        ASSERT_TRUE(w.doc->CandidateTabSelected());
        ExpectNamesApart(*views, std::string(sample) + " copied from the BTS");
    }
}
