// Painting each view of the cabled twelve-transceiver sample into an image, whole and the
// window's way (cabinet layer kept), at the scales the window uses, and the hover over the
// picture (hit test and status text) that runs on every mouse move.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include "app/views/ViewPagesKODA.h"
#include "paint/CabinetPainter.h"
#include "paint/CabinetPictureCache.h"
#include "paint/CableRouting.h"
#include "support/ViewTestHost.h"

namespace {

QGuiApplication& App() {
    static int argc = 1;
    static char name[] = "bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

void PaintView(benchmark::State& state) {
    App();
    testsupport::SSampleViews s;
    s.manager->SetViewSettings(1);
    s.manager->ActivateView(static_cast<int>(state.range(0)));
    if (s.manager->ActiveView()->IsUnitShown(*s.Candidate().FindUnit(kUnitKindTrx, 3))) {
        s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 3));
    }
    QImage image(CCabinetPainter::PictureSize(s.manager->BuildScene()),
                 QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        // What a repaint does: the scene from the model, then the picture.
        const SCabinetScene scene = s.manager->BuildScene();
        QPainter p(&image);
        CCabinetPainter::Paint(p, scene);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(s.manager->ActiveView()->Name());
}
BENCHMARK(PaintView)->DenseRange(1, 8)->Arg(10)->Arg(11)->Unit(benchmark::kMillisecond);

// The window draws the picture scaled to fill its pane: twice the size is a tall pane on a
// full-HD screen, and the busiest picture is the one with every cable.
void PaintAllCablingScaled(benchmark::State& state) {
    App();
    testsupport::SSampleViews s;
    s.manager->SetViewSettings(1);
    s.manager->ActivateView(kViewAllCabling);
    s.manager->SelectUnit(s.Candidate().FindUnit(kUnitKindTrx, 3));
    const qreal scale = 2.0;
    QImage image(CCabinetPainter::PictureSize(s.manager->BuildScene()) * scale,
                 QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const SCabinetScene scene = s.manager->BuildScene();
        QPainter p(&image);
        p.scale(scale, scale);
        CCabinetPainter::Paint(p, scene);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(PaintAllCablingScaled)->Unit(benchmark::kMillisecond);

const int kViews[] = {1, 2, 3, 4, 5, 6, 7, 8, 10, 11};

// Every view scaled as the window scales it (1 to 4 times), painted the window's way: the
// cabinet layer and the picture over it kept between repaints, the pointer moving between two
// units so that hover and status change every time, which is what makes the window build the
// scene again.
void RepaintViewScaled(benchmark::State& state) {
    App();
    testsupport::SSampleViews s;
    s.manager->SetViewSettings(1);
    s.manager->ActivateView(static_cast<int>(state.range(0)));
    const qreal scale = static_cast<qreal>(state.range(1)) / 100;
    CDataBaseKODA& site = s.Candidate();
    if (s.manager->ActiveView()->IsUnitShown(*site.FindUnit(kUnitKindTrx, 3))) {
        s.manager->SelectUnit(site.FindUnit(kUnitKindTrx, 3));
    }
    std::vector<SPoint> over;
    for (int n : {1, 6}) {
        const CUnit* trx = site.FindUnit(kUnitKindTrx, n);
        const SSceneUnit* u = s.manager->BuildScene().Find(trx);
        over.push_back(u != nullptr ? SPoint{(u->rect.left + u->rect.right) / 2,
                                             (u->rect.top + u->rect.bottom) / 2}
                                    : SPoint{0, 0});
    }
    const QSize size = CCabinetPainter::PictureSize(s.manager->BuildScene()) * scale;
    QImage image(size + QSize(20, 30), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    CCabinetPictureCache cache;
    std::size_t i = 0;
    for (auto _ : state) {
        s.manager->Hover(over[i++ % over.size()]);
        const SCabinetScene scene = s.manager->BuildScene();
        QPainter p(&image);
        p.translate(10, 15);
        p.scale(scale, scale);
        cache.Paint(p, scene, {}, Qt::white);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(s.manager->ActiveView()->Name() + " x" + std::to_string(scale).substr(0, 4) +
                   ", layer drawn " + std::to_string(cache.LayerBuilds()) + " times, picture " +
                   std::to_string(cache.PictureBuilds()));
}
void ViewsAndScales(benchmark::internal::Benchmark* b) {
    for (int view : kViews) {
        for (int percent : {100, 137, 200, 400}) {
            b->Args({view, percent});
        }
    }
}
// Qt's raster engine hands part of a large copy or fill to its thread pool, and the machine
// is shared: the process's CPU time is what a repaint costs, not the main thread's or the clock's.
BENCHMARK(RepaintViewScaled)
    ->Apply(ViewsAndScales)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The same pictures painted whole every time, for comparison.
void PaintViewScaled(benchmark::State& state) {
    App();
    testsupport::SSampleViews s;
    s.manager->SetViewSettings(1);
    s.manager->ActivateView(static_cast<int>(state.range(0)));
    const qreal scale = static_cast<qreal>(state.range(1)) / 100;
    const QSize size = CCabinetPainter::PictureSize(s.manager->BuildScene()) * scale;
    QImage image(size + QSize(20, 30), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        const SCabinetScene scene = s.manager->BuildScene();
        QPainter p(&image);
        p.translate(10, 15);
        p.scale(scale, scale);
        CCabinetPainter::Paint(p, scene);
        p.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(s.manager->ActiveView()->Name());
}
BENCHMARK(PaintViewScaled)
    ->Apply(ViewsAndScales)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

// The part of a repaint that leads the cables round the fronts.
void RouteAllCabling(benchmark::State& state) {
    App();
    testsupport::SSampleViews s;
    s.manager->SetViewSettings(1);
    s.manager->ActivateView(kViewAllCabling);
    const SCabinetScene scene = s.manager->BuildScene();
    for (auto _ : state) {
        const std::vector<QRectF> fronts = paint::UnitFronts(scene);
        for (const SSceneCable& c : scene.cables) {
            benchmark::DoNotOptimize(paint::CableRoute(c, fronts));
        }
    }
    state.SetLabel(std::to_string(scene.cables.size()) + " cables");
}
BENCHMARK(RouteAllCabling)->Unit(benchmark::kMicrosecond);

void Hover(benchmark::State& state) {
    testsupport::SSampleViews s;
    s.manager->ActivateView(kViewAllCabling);
    // A sweep across the picture: over units, connector rows and the empty cabinet.
    std::vector<SPoint> points;
    for (int y = 0; y < 424; y += 7) {
        points.push_back({(y * 37) % 314, y});
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(s.manager->Hover(points[i++ % points.size()]));
    }
}
BENCHMARK(Hover)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
