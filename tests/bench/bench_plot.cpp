// Scene S: a 1024 x 730 image split into four 512 x 365 plots, each with five curves of 2001
// points (a smooth curve with +-2 % noise, all inside the axes), cubic after the 7-point
// filter, markers on, colour scheme 0. One iteration lays out, draws the axes and the curves
// of all four plots.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include <cmath>
#include <memory>
#include <random>

#include "core/plot/UniteGraphe.h"
#include "ui/plot/SurfacePeintre.h"

namespace {

using namespace zyv;

struct SceneS {
    std::vector<std::unique_ptr<TCourbe>> Courbes; // 4 plots x 5 trials
    QImage Image{1024, 730, QImage::Format_RGB32};

    SceneS() {
        std::mt19937 alea(2026);
        for (int graphe = 0; graphe < 4; ++graphe) {
            for (int t = 1; t <= 5; ++t) {
                auto c = std::make_unique<TCourbe>();
                c->Dernier = 2000;
                c->Debut = 0;
                c->Fin = 2000;
                c->Marqueur = t;
                c->Interpolation = 5;
                c->Style = {t, 0, 0, 3};
                for (int i = 0; i <= 2000; ++i) {
                    const double u = i / 2000.0;
                    const double lisse =
                        2200 + 1200 * std::sin(6.283 * (u + 0.15 * t + 0.1 * graphe)) - 150 * t;
                    const int bruit = static_cast<int>(alea() % 161) - 80; // 2 % of 4000
                    c->X[static_cast<std::size_t>(i)] = 100 + i * 35 / 10;
                    c->Y[static_cast<std::size_t>(i)] = static_cast<int>(lisse) + bruit;
                }
                Courbes.push_back(std::move(c));
            }
        }
    }

    void Trace(bool rapide) {
        SurfaceImage s(Image, 96, rapide);
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
            for (int t = 0; t < 5; ++t)
                TraceCourbeGraphe(g, *Courbes[static_cast<std::size_t>(graphe * 5 + t)]);
        }
    }
};

QGuiApplication& Application() {
    static int argc = 1;
    static char nom[] = "zyv-bench";
    static char* argv[] = {nom, nullptr};
    static QGuiApplication app(argc, argv);
    return app;
}

void BM_SceneS_Groupee(benchmark::State& state) {
    Application();
    SceneS scene;
    for (auto _ : state) {
        scene.Trace(true);
        benchmark::DoNotOptimize(scene.Image.constBits());
    }
}
BENCHMARK(BM_SceneS_Groupee)->Unit(benchmark::kMillisecond);

void BM_SceneS_AppelsQPainter(benchmark::State& state) {
    Application();
    SceneS scene;
    for (auto _ : state) {
        scene.Trace(false);
        benchmark::DoNotOptimize(scene.Image.constBits());
    }
}
BENCHMARK(BM_SceneS_AppelsQPainter)->Unit(benchmark::kMillisecond);

} // namespace
