// Scene S: a 1024 x 730 image split into four 512 x 365 plots, each with five curves of 2001
// points (a smooth curve with +-2 % noise, all inside the axes), cubic after the 7-point
// filter, markers on, colour scheme 0. One iteration lays out, draws the axes and the curves
// of all four plots, through the grouped drawing calls or one QPainter call each.
#include <benchmark/benchmark.h>

#include <QImage>

#include "Scenes.h"
#include "ui/plot/SurfacePeintre.h"

namespace {

using namespace zyv;

void BM_SceneS(benchmark::State& state) {
    const auto courbes = bench::CourbesSceneS();
    QImage image(1024, 730, QImage::Format_RGB32);
    for (auto _ : state) {
        SurfaceImage s(image, 96, state.range(0) != 0);
        for (int graphe = 0; graphe < 4; ++graphe) {
            TGraphe g;
            g.Surface = &s;
            const int x = (graphe % 2) * 512, y = (graphe / 2) * 365;
            g.Cadre = {x, y, x + 512, y + 365};
            g.Couleurs = SchemaCouleurs(0);
            g.ConfX = {0, 7300, -2, 2, "t", "s"};
            g.ConfY = {0, 4000, -2, 2, "PM", "W"};
            CalculGraphe(g);
            TraceAxes(g);
            for (int t = 0; t < 5; ++t) TraceCourbeGraphe(g, *courbes[graphe * 5 + t]);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    if (!qEnvironmentVariableIsEmpty("ZYV_BENCH_IMAGE"))
        image.save(qEnvironmentVariable("ZYV_BENCH_IMAGE"));
}
BENCHMARK(BM_SceneS)->ArgName("groupee")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
