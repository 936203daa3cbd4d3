// Painting each view of the cabled twelve-transceiver sample into an image, and the hover over
// the picture (hit test and status text) that runs on every mouse move.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include "app/views/ViewPagesKODA.h"
#include "paint/CabinetPainter.h"
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
