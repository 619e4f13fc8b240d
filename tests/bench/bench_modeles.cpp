#include "core/analysis/TexteModeles.h"
#include "core/data/Operations.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The three model kinds fitted to torque against speed on five full trials (5 x 2001 points),
// equations included: what the modelling window does for one click on each model button.
void BM_ModelesEtudeComplete(benchmark::State& state) {
    using namespace zyv;
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*e);
        for (int i = 0; i < NbPointsMax; ++i) {
            e->MesureCourante[GVitesse] = 7500 - i * 3;
            e->MesureCourante[GCouple] = 100 * t + i / 3 - i * i / 20000 + i % 7;
            AjoutePoint(*e);
        }
    }
    for (auto _ : state) {
        for (int type : {ModeleAX, ModeleAXB, ModeleAX2BXC}) {
            const TModeles m = Modelisation(e->Travail, type, GVitesse, GCouple);
            benchmark::DoNotOptimize(m.C1[5]);
        }
    }
}
BENCHMARK(BM_ModelesEtudeComplete)->Unit(benchmark::kMicrosecond);

} // namespace
