// The cabinet picture as painted: cable pixels in the colours of the table, white for a group
// without colour, pictures of every view written for looking at, and the export formats.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSet>

#include "app/views/ViewPagesKODA.h"
#include "model/CabinetKODA.h"
#include "paint/CabinetPainter.h"
#include "paint/CabinetPictureCache.h"
#include "paint/CablePainting.h"
#include "paint/CableRouting.h"
#include "paint/PictureExport.h"
#include "paint/PrintPage.h"
#include "paint/ViewIcons.h"
#include "support/ViewTestHost.h"

using testsupport::SSampleViews;

namespace {

// The colour under the middle of a cable drawn alone, at a ratio where the pen covers many
// device pixels.
QColor MiddleOfCable(const SCabinetScene& full, const SSceneCable& cable) {
    SCabinetScene scene = full;
    scene.units.clear();
    scene.marks.clear();
    scene.lines.clear();
    scene.cables = {cable};
    const qreal dpr = 4;
    const QImage image = CCabinetPainter::Render(scene, dpr);
    const QPointF mid = paint::CablePath(cable.from, cable.to).pointAtPercent(0.5) -
                        QPointF(scene.bounds.left, scene.bounds.top);
    return image.pixelColor((mid * dpr).toPoint());
}

// Empty when the two images are the same pixel for pixel; otherwise how many pixels differ and
// where the first one is.
std::string PixelDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) {
        return "sizes differ";
    }
    int count = 0;
    QPoint first;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y) && count++ == 0) {
                first = QPoint(x, y);
            }
        }
    }
    if (count == 0) {
        return {};
    }
    return std::to_string(count) + " pixels differ, the first at " + std::to_string(first.x()) +
           "," + std::to_string(first.y());
}

QString OutputFolder(const QString& sub) {
    const QString dir =
        QString::fromUtf8(CABRION_BINARY_DIR) + QStringLiteral("/screenshots/") + sub;
    QDir().mkpath(dir);
    return dir;
}

QString FileName(const CViewPageBase& view) {
    QString name = QString::fromStdString(view.Name()).toLower();
    name.replace(QLatin1Char(' '), QLatin1Char('-'));
    return QStringLiteral("%1-%2.png").arg(view.Type(), 2, 10, QLatin1Char('0')).arg(name);
}

// A manager with the Orvik views but no colour table: every cable group lacks an entry.
class CUncolouredViews : public CViewBase {
public:
    explicit CUncolouredViews(IViewHost& host) : CViewBase(host) {
        AddView(std::make_unique<CViewTXCabling>(*this));
        ActivateView(kViewTxCabling);
    }
};

} // namespace

TEST(Picture, CablePixelsHaveTheColoursOfTheTable) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    s.manager->SetViewSettings(1);
    s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 5));
    const SCabinetScene scene = s.manager->BuildScene();
    const auto unselected = std::find_if(scene.cables.begin(), scene.cables.end(),
                                         [](const SSceneCable& c) { return !c.selected; });
    const auto selected = std::find_if(scene.cables.begin(), scene.cables.end(),
                                       [](const SSceneCable& c) { return c.selected; });
    ASSERT_NE(unselected, scene.cables.end());
    ASSERT_NE(selected, scene.cables.end());
    EXPECT_EQ(MiddleOfCable(scene, *unselected), QColor(0, 128, 0));
    EXPECT_EQ(MiddleOfCable(scene, *selected), QColor(0, 255, 0));

    s.manager->SetColour(1, 0xAA3366);
    const SCabinetScene recoloured = s.manager->BuildScene();
    const auto again = std::find_if(recoloured.cables.begin(), recoloured.cables.end(),
                                    [](const SSceneCable& c) { return c.selected; });
    EXPECT_EQ(MiddleOfCable(recoloured, *again), QColor(0xAA, 0x33, 0x66));
}

TEST(Picture, CableGroupWithoutColourIsDrawnWhite) {
    SSampleViews s;
    CUncolouredViews plain(s.host);
    const SCabinetScene scene = plain.BuildScene();
    ASSERT_FALSE(scene.cables.empty());
    for (const SSceneCable& c : scene.cables) {
        EXPECT_EQ(MiddleOfCable(scene, c), QColor(Qt::white));
    }
}

TEST(Picture, SelectedUnitIsFramedAndHiddenUnitsOnlyFillTheirPlace) {
    SSampleViews s;
    s.manager->ActivateView(kViewBB2);
    CUnit* trx = s.Candidate().FindUnit(kUnitKindTrx, 7);
    const SRect r = s.Candidate().Cabinet(0)->UnitRect(*trx, 0);
    const QImage before = CCabinetPainter::Render(s.manager->BuildScene(), 2);
    s.manager->SelectUnit(trx);
    const QImage after = CCabinetPainter::Render(s.manager->BuildScene(), 2);
    const QPoint corner((r.left + 1) * 2, (r.top + 1) * 2);
    EXPECT_NE(before.pixelColor(corner), after.pixelColor(corner));
    EXPECT_EQ(after.pixelColor(corner), QColor(0xff, 0x9d, 0x00));
}

TEST(Picture, CablesKeepClearOfTheFrontsOfOtherUnits) {
    SSampleViews s;
    s.manager->SetViewSettings(1);
    for (int view : {kViewTxCabling, kViewRxMainCabling, kViewRxDivCabling, kViewAllCabling}) {
        s.manager->ActivateView(view);
        const SCabinetScene scene = s.manager->BuildScene();
        const std::vector<QRectF> fronts = paint::UnitFronts(scene);
        int runOver = 0;
        int overBefore = 0;
        for (const SSceneCable& cable : scene.cables) {
            const QPointF from(cable.from.x, cable.from.y);
            const QPointF to(cable.to.x, cable.to.y);
            const auto overOthers = [&](const QPainterPath& path) {
                for (int i = 1; i < 60; ++i) {
                    const QPointF at = path.pointAtPercent(i / 60.0);
                    for (const QRectF& f : fronts) {
                        if (!f.contains(from) && !f.contains(to) &&
                            f.adjusted(2, 2, -2, -2).contains(at)) {
                            return true;
                        }
                    }
                }
                return false;
            };
            overBefore += overOthers(paint::CablePath(cable.from, cable.to)) ? 1 : 0;
            const QPainterPath route = paint::CableRoute(cable, fronts);
            runOver += overOthers(route) ? 1 : 0;
            // Whatever way it runs, it still plugs into its two connectors.
            EXPECT_EQ(route.pointAtPercent(0), from);
            EXPECT_EQ(route.pointAtPercent(1), to);
        }
        EXPECT_EQ(runOver, 0) << "view " << view;
        if (view == kViewAllCabling) {
            // The sample's multicouplers and combiners stand on either side of the
            // transceivers: straight curves would cross them, which is what this guards.
            EXPECT_GT(overBefore, 0);
        }
    }
}

TEST(Picture, EveryViewOfTheSampleIsWrittenForLooking) {
    SSampleViews s(true);
    s.host.connected = true;
    const auto writeAll = [&](const QString& sub) {
        const QString dir = OutputFolder(sub);
        for (const auto& view : s.manager->Views()) {
            s.manager->ActivateView(view->Type());
            s.manager->SelectUnit(s.manager->Shown()->FindUnit(kUnitKindTrx, 3));
            const SCabinetScene scene = s.manager->BuildScene();
            ASSERT_TRUE(scene.valid);
            const QImage image = CCabinetPainter::Render(scene, 2);
            ASSERT_FALSE(image.isNull());
            EXPECT_EQ(image.size(), CCabinetPainter::PictureSize(scene) * 2);
            EXPECT_TRUE(image.save(dir + QLatin1Char('/') + FileName(*view)));
        }
    };
    s.manager->SetViewSettings(1);
    writeAll(QStringLiteral("candidate"));
    s.ShowBts(true);
    writeAll(QStringLiteral("bts"));
}

TEST(Picture, EveryCabinetClassHasItsPicture) {
    SSampleViews s;
    s.manager->ActivateView(kViewCabinetUnits);
    const QString dir = OutputFolder(QStringLiteral("cabinets"));
    QSet<QByteArray> seen;
    for (int type :
         {kCabinetIndoor, kCabinetOutdoor, kCabinetMidi, kCabinetMidiOutdoor, kCabinetMini}) {
        s.host.site->SetCabinet(1, 0, 0, 0, type, 0, kSelectCandidate);
        for (int variant : {1, 2}) {
            s.manager->SetViewSettings(variant == 1 ? 2 : 0);
            const SCabinetScene scene = s.manager->BuildScene();
            ASSERT_TRUE(scene.valid);
            EXPECT_EQ(scene.cabinetType, type);
            const QImage image = CCabinetPainter::Render(scene, 2);
            EXPECT_TRUE(image.save(
                QStringLiteral("%1/type%2-variant%3.png").arg(dir).arg(type).arg(variant)));
            seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                                   static_cast<int>(image.sizeInBytes())));
        }
    }
    EXPECT_EQ(seen.size(), 10);
}

// The window's picture: a kept cabinet layer with cables and hover drawn on it must look
// exactly like the picture painted whole, at every scale and pixel ratio the window uses, and
// the layer is kept while only hover moves but drawn anew for another selection.
TEST(PictureCache, KeptCabinetLayerGivesThePictureAsPaintedWhole) {
    SSampleViews s(true);
    s.host.connected = true;
    s.manager->SetViewSettings(1);
    const QColor underlay(0xfa, 0xfb, 0xfc);
    const auto centre = [&](int trx) {
        const SSceneUnit* u =
            s.manager->BuildScene().Find(s.Candidate().FindUnit(kUnitKindTrx, trx));
        return u == nullptr ? SPoint{0, 0}
                            : SPoint{(u->rect.left + u->rect.right) / 2, u->rect.top + 3};
    };
    const auto paint = [&](CCabinetPictureCache* cache, qreal scale, qreal dpr) {
        const SCabinetScene scene = s.manager->BuildScene();
        QImage image((CCabinetPainter::PictureSize(scene) * scale + QSize(9, 14)) * dpr,
                     QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(dpr);
        image.fill(underlay);
        QPainter p(&image);
        p.translate(4, 7);
        p.scale(scale, scale);
        SPaintOptions options;
        options.focus = true;
        if (cache != nullptr) {
            cache->Paint(p, scene, options, underlay);
        } else {
            CCabinetPainter::Paint(p, scene, options);
        }
        return image;
    };
    for (const auto& view : s.manager->Views()) {
        s.manager->ActivateView(view->Type());
        for (const auto& [scale, dpr] : {std::pair{1.0, 1.0}, {1.37, 1.0}, {1.6, 2.0}}) {
            const std::string where =
                view->Name() + " x" + std::to_string(scale) + " dpr " + std::to_string(dpr);
            CCabinetPictureCache cache;
            s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 3));
            s.manager->Hover(centre(5));
            EXPECT_EQ(PixelDifference(paint(&cache, scale, dpr), paint(nullptr, scale, dpr)), "")
                << where;
            if (view->Type() == kViewCabinetUnits && dpr == 1.0 && scale > 1) {
                // The pointer's veil over a front, for looking at.
                paint(&cache, scale, dpr)
                    .save(OutputFolder(QStringLiteral("hover")) + QStringLiteral("/units.png"));
            }
            s.manager->Hover(centre(8));
            EXPECT_EQ(PixelDifference(paint(&cache, scale, dpr), paint(nullptr, scale, dpr)), "")
                << where;
            EXPECT_EQ(cache.LayerBuilds(), 1) << where;
            s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 6));
            EXPECT_EQ(PixelDifference(paint(&cache, scale, dpr), paint(nullptr, scale, dpr)), "")
                << where;
            const bool selectionShown =
                view->IsUnitShown(*s.Candidate().FindUnit(kUnitKindTrx, 3)) ||
                view->IsUnitShown(*s.Candidate().FindUnit(kUnitKindTrx, 6));
            EXPECT_EQ(cache.LayerBuilds(), selectionShown ? 2 : 1) << where;
        }
    }
}

TEST(PictureExport, WritesPngSvgAndPdf) {
    SSampleViews s;
    s.manager->ActivateView(kViewAllCabling);
    const SCabinetScene scene = s.manager->BuildScene();
    const QString dir = OutputFolder(QStringLiteral("export"));
    const struct {
        const char* name;
        QByteArray magic;
    } files[] = {{"all.png", QByteArray("\x89PNG", 4)}, {"all.svg", "<?xml"}, {"all.pdf", "%PDF"}};
    for (const auto& f : files) {
        const QString path = dir + QLatin1Char('/') + QLatin1String(f.name);
        QString error;
        ASSERT_TRUE(paint::ExportPicture(scene, path, 1.5, &error)) << error.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().startsWith(f.magic)) << f.name;
    }
    QImage png(dir + QStringLiteral("/all.png"));
    EXPECT_EQ(png.size(), CCabinetPainter::PictureSize(scene) * 1.5);
}

TEST(PictureExport, RefusesWhatItCannotWrite) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    const SCabinetScene scene = s.manager->BuildScene();
    const QString dir = OutputFolder(QStringLiteral("export"));
    QString error;
    EXPECT_FALSE(paint::ExportPicture(scene, dir + QStringLiteral("/x.bmp"), 1, &error));
    EXPECT_TRUE(error.contains(QStringLiteral(".png, .svg or .pdf")));
    EXPECT_FALSE(paint::ExportPicture(scene, dir + QStringLiteral("/x.png"), 0, &error));
    EXPECT_FALSE(paint::ExportPicture(SCabinetScene{}, dir + QStringLiteral("/x.png"), 1, &error));
    // A folder that is a file.
    QFile blocker(dir + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(paint::ExportPicture(scene, dir + QStringLiteral("/blocker/x.png"), 1, &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Cannot write"))) << error.toStdString();
}

TEST(ViewIcons, EachViewHasItsOwnPicture) {
    QSet<QByteArray> seen;
    for (int type : {1, 2, 3, 4, 5, 6, 7, 8, 10, 11}) {
        const QIcon icon = paint::ViewIcon(type);
        const QImage image = icon.pixmap(32, 32).toImage();
        ASSERT_FALSE(image.isNull());
        seen.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()),
                               static_cast<int>(image.sizeInBytes())));
    }
    EXPECT_EQ(seen.size(), 10);
}

TEST(PrintPage, PictureAndListOnOnePageAndTheRestCounted) {
    SSampleViews s;
    s.manager->ActivateView(kViewCabinetUnits);
    const SCabinetScene scene = s.manager->BuildScene();
    SListContent list = s.manager->ListContent();
    QImage page(595, 842, QImage::Format_ARGB32);
    page.fill(Qt::white);
    QPainter p(&page);
    const paint::SPrintHeading heading{QStringLiteral("Cabinet Units"), QStringLiteral("Pier")};
    EXPECT_EQ(paint::PaintViewPage(p, QRectF(20, 20, 555, 802), heading, scene, list),
              static_cast<int>(list.rows.size()));
    p.end();
    const QString dir = OutputFolder(QStringLiteral("print"));
    EXPECT_TRUE(page.save(dir + QStringLiteral("/cabinet-units.png")));
    // Nothing is drawn into the margins.
    for (int x = 0; x < 595; x += 5) {
        EXPECT_EQ(page.pixelColor(x, 5), QColor(Qt::white));
        EXPECT_EQ(page.pixelColor(x, 836), QColor(Qt::white));
    }
    // A list longer than the page stops in time.
    for (int i = 0; i < 200; ++i) {
        list.rows.push_back(list.rows.front());
    }
    page.fill(Qt::white);
    QPainter again(&page);
    const int printed = paint::PaintViewPage(again, QRectF(20, 20, 555, 802), heading, scene, list);
    again.end();
    EXPECT_GT(printed, 5);
    EXPECT_LT(printed, static_cast<int>(list.rows.size()));
    for (int x = 0; x < 595; x += 5) {
        EXPECT_EQ(page.pixelColor(x, 836), QColor(Qt::white));
    }
}
