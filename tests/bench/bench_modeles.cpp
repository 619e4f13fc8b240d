#include "Scenes.h"
#include "core/analysis/TexteModeles.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The three model kinds fitted to torque against speed on five full trials (5 x 2001 points),
// equations included: what the modelling window does for one click on each model button.
void BM_ModelesEtudeComplete(benchmark::State& state) {
    using namespace zyv;
    const auto e = bench::EtudeCoupleVitesse();
    for (auto _ : state) {
        for (int type : {ModeleAX, ModeleAXB, ModeleAX2BXC}) {
            const TModeles m = Modelisation(e->Travail, type, GVitesse, GCouple);
            benchmark::DoNotOptimize(m.C1[5]);
        }
    }
}
BENCHMARK(BM_ModelesEtudeComplete)->Unit(benchmark::kMicrosecond);

} // namespace
