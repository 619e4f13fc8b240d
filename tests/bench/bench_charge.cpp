// One mean / energy / RMS computation over a full trial: 2001 points, a point every 0,30 s,
// a noisy power.
#include <benchmark/benchmark.h>

#include "core/studies/MoyenneCharge.h"

#include <memory>
#include <random>

namespace {

using namespace zyv;

void BM_CalculMoyenne2001(benchmark::State& etat) {
    auto essai = std::make_unique<TEssai>();
    std::mt19937 alea(2026);
    for (int i = 0; i < NbPointsMax; ++i) {
        essai->Valeur(GTemps, i) = 30 * i;
        essai->Valeur(GPuissanceMeca, i) = 2000 + static_cast<std::int32_t>(alea() % 401) - 200;
    }
    essai->DernierPoint = NbPointsMax - 1;
    for (auto _ : etat) {
        benchmark::DoNotOptimize(essai.get());
        benchmark::DoNotOptimize(CalculMoyenne(*essai, GTemps, GPuissanceMeca));
    }
}
BENCHMARK(BM_CalculMoyenne2001)->Unit(benchmark::kMicrosecond);

} // namespace
