// Scene M: the modelling window (900 x 680) on a full study of 5 trials x 2001 points of torque
// against speed. One iteration clicks through the three model kinds: each fits every trial,
// builds the equations and redraws the model plot with its points and models.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QToolButton>

#include <memory>

#include "Scenes.h"
#include "ui/analysis/TFormModelisation.h"

namespace {

using namespace zyv;

void BM_ModelisationTroisModeles(benchmark::State& state) {
    const auto e = bench::EtudeCoupleVitesse();
    bench::ServicesMuets services;
    e->Travail.Caract[0] = {true, true, {}, GVitesse, 10, {}, GCouple, 0, {}, 1};
    TFormModelisation fenetre(*e, services);
    fenetre.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    QToolButton* boutons[3];
    const char* noms[] = {"ButtonAX", "ButtonAXB", "ButtonAX2BXC"};
    for (int k = 0; k < 3; ++k) boutons[k] = fenetre.findChild<QToolButton*>(noms[k]);
    for (auto _ : state) {
        for (int k = 0; k < 3; ++k) {
            for (int j = 0; j < 3; ++j) boutons[j]->setChecked(j == k);
            fenetre.ActionMod();
        }
        benchmark::DoNotOptimize(fenetre.Modeles().C1[5]);
    }
}
BENCHMARK(BM_ModelisationTroisModeles)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
