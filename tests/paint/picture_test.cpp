// The cabinet picture as painted: cable pixels in the colours of the table, white for a group
// without colour, pictures of every view written for looking at, the export formats, the
// printed view and the exported sheet.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSet>
#include <QtMath>

#include "app/dossier/DossierContent.h"
#include "app/views/ViewPagesKODA.h"
#include "model/CabinetKODA.h"
#include "paint/CabinetPainter.h"
#include "paint/CabinetPictureCache.h"
#include "paint/CablePainting.h"
#include "paint/CableRouting.h"
#include "paint/PictureExport.h"
#include "paint/PrintPage.h"
#include "paint/ViewIcons.h"
#include "support/PdfText.h"
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

// The window's picture: a kept cabinet layer and the kept picture over it, with the front under
// the pointer put together anew, must look exactly like the picture painted whole, at every
// scale and pixel ratio the window uses; both are kept while only hover moves, and the picture
// is drawn anew when only what lies over the layer changed.
TEST(PictureCache, KeptCabinetLayerGivesThePictureAsPaintedWhole) {
    SSampleViews s(true);
    s.host.connected = true;
    s.manager->SetViewSettings(1);
    const QColor underlay(0xfa, 0xfb, 0xfc);
    const auto centre = [&](int trx) {
        const SCabinetScene scene = s.manager->BuildScene();
        const SSceneUnit* u = scene.Find(s.Candidate().FindUnit(kUnitKindTrx, trx));
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
            EXPECT_EQ(cache.PictureBuilds(), 1) << where;
            s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 6));
            EXPECT_EQ(PixelDifference(paint(&cache, scale, dpr), paint(nullptr, scale, dpr)), "")
                << where;
            const bool selectionShown =
                view->IsUnitShown(*s.Candidate().FindUnit(kUnitKindTrx, 3)) ||
                view->IsUnitShown(*s.Candidate().FindUnit(kUnitKindTrx, 6));
            EXPECT_EQ(cache.LayerBuilds(), selectionShown ? 2 : 1) << where;
        }
    }
    // The cables gone while the fronts stay as they were: the layer holds, the picture not.
    s.manager->ActivateView(kViewAllCabling);
    CCabinetPictureCache cache;
    paint(&cache, 2, 1);
    s.Candidate().ClearCables();
    EXPECT_EQ(PixelDifference(paint(&cache, 2, 1), paint(nullptr, 2, 1)), "");
    EXPECT_EQ(cache.LayerBuilds(), 1);
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

const SPageFrame kFrame{"Harbour 4+4+4",   "Configuration Candidate",
                        "harbour-4x3.hwc", "2026-12-10 07:30",
                        "KS7 MP1.0",       "9.8.7"};

// Every text of the band, as a reader of the PDF finds it on `page`.
void ExpectBand(const std::string& page, const std::string& shows) {
    for (const std::string& part :
         {kFrame.site, kFrame.configuration, kFrame.file, kFrame.date, kFrame.swLevel, shows}) {
        EXPECT_NE(page.find(part), std::string::npos) << part << " missing from\n" << page;
    }
}

std::vector<std::string> PdfPages(const QString& pdf) {
    std::vector<std::string> pages;
    std::string text = testsupport::PdfText(pdf.toStdString());
    for (std::size_t at = 0; (at = text.find('\f')) != std::string::npos; text.erase(0, at + 1)) {
        pages.push_back(text.substr(0, at));
    }
    return pages;
}

TEST(PrintPage, PictureFitsThePageAndTheListGoesOnWithTheBandOnEveryPage) {
    SSampleViews s;
    s.manager->ActivateView(kViewCabinetUnits);
    SDossierView view = ActiveViewPage(*s.manager, "Configuration Candidate");
    const std::size_t own = view.list.rows.size();
    for (int i = 0; i < 70; ++i) {
        SListRow row = view.list.rows[i % own];
        row.cells[0] = "Row " + std::to_string(i + 1);
        view.list.rows.push_back(row);
    }
    const QString pdf =
        OutputFolder(QStringLiteral("print")) + QStringLiteral("/cabinet-units.pdf");
    QPdfWriter writer(pdf);
    writer.setResolution(600);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    paint::SPrintedView layout;
    const int pages = paint::PrintView(writer, kFrame, view, &layout);
    ASSERT_GE(pages, 3);
    // Fitted: the picture takes the whole width or the whole height of the body, not a corner.
    EXPECT_TRUE(layout.body.contains(layout.picture.adjusted(1, 1, -1, -1)));
    EXPECT_TRUE(std::abs(layout.picture.width() - layout.body.width()) < 2 ||
                std::abs(layout.picture.bottom() - layout.body.bottom()) < 2);
    EXPECT_GT(layout.picture.height(), layout.body.height() * 0.8);

    const std::vector<std::string> text = PdfPages(pdf);
    ASSERT_EQ(static_cast<int>(text.size()), pages) << "pdftotext (poppler-utils) is needed";
    for (int i = 0; i < pages; ++i) {
        ExpectBand(text[i], view.title);
        EXPECT_NE(text[i].find("Page " + std::to_string(i + 1) + " / " + std::to_string(pages)),
                  std::string::npos);
    }
    // Every row printed, none cut off.
    for (const char* row : {"Row 1\n", "Row 35\n", "Row 70\n"}) {
        int found = 0;
        for (const std::string& page : text) {
            found += page.find(row) != std::string::npos ? 1 : 0;
        }
        EXPECT_EQ(found, 1) << row;
    }
}

TEST(PictureExport, SheetHasThePrintResolutionAndTheBandAboveThePicture) {
    SSampleViews s;
    s.manager->ActivateView(kViewTxCabling);
    const SDossierView view = ActiveViewPage(*s.manager, "Configuration Candidate");
    const QSize picture = CCabinetPainter::PictureSize(view.scene);
    const paint::SViewSheet sheet = paint::ViewSheetLayout(picture);
    const QString dir = OutputFolder(QStringLiteral("export"));
    QString error;
    ASSERT_TRUE(
        paint::ExportViewSheet(view, kFrame, dir + QStringLiteral("/sheet.png"), 300, &error))
        << error.toStdString();
    const QImage png(dir + QStringLiteral("/sheet.png"));
    EXPECT_EQ(png.size(),
              QSize(qCeil(sheet.size.width() * 300 / 72), qCeil(sheet.size.height() * 300 / 72)));
    // Four times the pixels the screen's double-size picture had, at the least.
    EXPECT_GE(png.width(), picture.width() * 6);
    // Ink in the band and in the foot; the picture whole between them.
    const auto inked = [&](const QRectF& points) {
        const QRect r(QPointF(points.topLeft() * 300 / 72).toPoint(),
                      QPointF(points.bottomRight() * 300 / 72).toPoint());
        int dark = 0;
        for (int y = r.top(); y < r.bottom(); y += 2) {
            for (int x = r.left(); x < r.right(); x += 2) {
                dark += qGray(png.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        return dark;
    };
    EXPECT_GT(inked(sheet.band), 200);
    EXPECT_GT(inked(sheet.foot), 50);
    EXPECT_LE(sheet.band.bottom(), sheet.picture.top());
    EXPECT_LE(sheet.picture.bottom(), sheet.foot.top());
    EXPECT_DOUBLE_EQ(sheet.picture.width() / picture.width(),
                     sheet.picture.height() / picture.height());

    ASSERT_TRUE(
        paint::ExportViewSheet(view, kFrame, dir + QStringLiteral("/sheet.pdf"), 300, &error));
    const std::vector<std::string> text = PdfPages(dir + QStringLiteral("/sheet.pdf"));
    ASSERT_EQ(text.size(), 1u);
    ExpectBand(text[0], view.title);
    EXPECT_NE(text[0].find("Cabrion 9.8.7"), std::string::npos);
    // A resolution no printer has is refused and the sheet already there stays.
    EXPECT_FALSE(
        paint::ExportViewSheet(view, kFrame, dir + QStringLiteral("/sheet.png"), 5000, &error));
    EXPECT_EQ(QImage(dir + QStringLiteral("/sheet.png")).size(), png.size());
}
