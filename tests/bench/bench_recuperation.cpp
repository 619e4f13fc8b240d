// The recovery copy of a study: what the interface thread pays (a plain copy of the document)
// and what the writing thread pays (encoding, writing, syncing and renaming the file), for a
// full load study and for five full characteristic trials. One copy per repetition, so that
// the median and the worst case are those of single writes.
#include <benchmark/benchmark.h>

#include "Scenes.h"
#include "core/data/Fichiers.h"

#include <QDir>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

namespace {

using namespace zyv;

// Five 60 s load cycles: a point every 300 ms.
std::unique_ptr<Etude> EtudeChargeComplete() {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    e->Travail.TypeEtude = EtudeChargeMoteur;
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*e);
        for (int i = 0; i <= 200; ++i) {
            e->MesureCourante[GTemps] = 30 * i;
            e->MesureCourante[GVitesse] = 3000 - 3 * i;
            AjoutePoint(*e);
        }
    }
    return e;
}

double Pire(const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end());
}

// range(0): 0 the load study, 1 five full trials; range(1): 0 the copy, 1 the write.
void BM_Recuperation(benchmark::State& etat) {
    const auto e = etat.range(0) == 0 ? EtudeChargeComplete() : bench::EtudeCoupleVitesse();
    QTemporaryDir dossier(QDir::home().filePath(QStringLiteral("zyv-bench-XXXXXX")));
    const std::string chemin = dossier.filePath(QStringLiteral("Recuperation.ZYV")).toStdString();
    for (auto _ : etat) {
        if (etat.range(1) == 0)
            benchmark::DoNotOptimize(std::make_unique<TTravail>(e->Travail).get());
        else
            benchmark::DoNotOptimize(EcritImageTravail(e->Travail, chemin));
    }
}
BENCHMARK(BM_Recuperation)
    ->ArgsProduct({{0, 1}, {0, 1}})
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(1)
    ->Repetitions(200)
    ->ComputeStatistics("max", Pire)
    ->ReportAggregatesOnly();

} // namespace
