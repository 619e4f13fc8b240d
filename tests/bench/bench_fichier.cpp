#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <memory>

namespace {

struct SansMessages : zyv::Messages {
    void Avertissement(const std::string&) override {}
};

// Save then reopen a study of five full trials (5 x 2001 points, 525 584 bytes on disk).
void BM_EcrireLireTravailComplet(benchmark::State& state) {
    using namespace zyv;
    QTemporaryDir dossier;
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*e);
        for (int i = 0; i < NbPointsMax; ++i) {
            for (int q = 1; q < NbGrandeurs; ++q) e->MesureCourante[q] = i * q - t;
            AjoutePoint(*e);
        }
    }
    auto lu = std::make_unique<Etude>();
    const std::string nom = dossier.filePath("complet.ZYV").toStdString();
    SansMessages m;
    for (auto _ : state) {
        if (!EcrireTravail(*e, nom, m) || !LireTravail(*lu, nom, m)) {
            state.SkipWithError("file transfer failed");
            break;
        }
        benchmark::DoNotOptimize(lu->Travail.Essai(5).DernierPoint);
    }
    state.SetBytesProcessed(state.iterations() * 2 * 525584);
}
BENCHMARK(BM_EcrireLireTravailComplet)->Unit(benchmark::kMillisecond);

} // namespace
