// Scene F: the characteristic window's four plot frames of about 452 x 365 pixels (a 1024 x 730
// window less its value column), a full study of 5 trials x 2001 points. Redraw of the four
// frames; the cursor moved in every frame; one point taken and drawn in every frame.
// Scene G: the load window's four time-trace frames stacked in a 1024 x 730 area less its
// 104-pixel value column and the load selector's 121-pixel strip (each frame 920 x 152), 5
// trials x 200 points (a 60 s cycle). Full redraw as the window lays them out, mean / energy /
// RMS included.
// Scene M: the modelling window (900 x 680) on 5 trials x 2001 points of torque against speed.
// One iteration clicks through the three model kinds: each fits every trial, builds the
// equations and redraws the model plot with its points and models.
#include <benchmark/benchmark.h>

#include <QToolButton>

#include "Scenes.h"
#include "ui/analysis/TFormModelisation.h"
#include "ui/plot/TCaractMachine.h"
#include "ui/plot/TTemporelMachine.h"

namespace {

using namespace zyv;

void CinqFois(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
}

struct SceneF : bench::Cadres<TCaractMachine> {
    SceneF()
        : Cadres(bench::EtudePleine(NbPointsMax, GCouple,
                                    {GVitesse, GCourantMoteur, GPuissanceMeca, GRendementMoteur},
                                    [](TMesure& m, int t, int i, int bruit) {
                                        m[GCouple] = 20 + i * 500 / 2000 + bruit / 4;
                                        m[GVitesse] = 5800 - 500 * t - i / 2 + bruit;
                                        m[GCourantMoteur] = 100 + t * 50 + i * 8 / 10 + bruit;
                                        m[GPuissanceMeca] = m[GVitesse] * m[GCouple] / 1000;
                                        m[GRendementMoteur] = 300 + i * 5 / 20 + 20 * t + bruit;
                                    }),
                 2, 452, 365) {
        for (TCaractMachine* c : Liste) c->tracegraphe();
    }
};

void BM_CadresRetrace(benchmark::State& state) {
    SceneF scene;
    for (auto _ : state)
        for (TCaractMachine* c : scene.Liste) c->tracegraphe();
}
BENCHMARK(BM_CadresRetrace)->Apply(CinqFois);

void BM_CadresCurseur(benchmark::State& state) {
    SceneF scene;
    int i = 0;
    for (auto _ : state) {
        i = (i + 731) % NbPointsMax;
        SelectionnePoint(*scene.E, i);
        for (TCaractMachine* c : scene.Liste) c->curseur();
    }
}
BENCHMARK(BM_CadresCurseur)->Apply(CinqFois);

void BM_CadresPointPris(benchmark::State& state) {
    SceneF scene;
    TEssai& essai = scene.E->Courant();
    for (auto _ : state) {
        if (essai.DernierPoint >= NbPointsMax - 1) essai.DernierPoint = NbPointsMax - 2;
        AjoutePoint(*scene.E);
        for (TCaractMachine* c : scene.Liste)
            c->tracepoint(scene.E->EssaiCourant, essai.DernierPoint);
    }
}
BENCHMARK(BM_CadresPointPris)->Apply(CinqFois);

void BM_CadresTemporelsRetrace(benchmark::State& state) {
    auto e =
        bench::EtudePleine(200, GTemps, {GVitesse, GCourantMoteur, GPuissanceMeca, GTensionMoteur},
                           [](TMesure& m, int t, int i, int bruit) {
                               const int charge = (i % 67) < 33 ? 100 : 25; // three periods
                               m[GTemps] = 30 * i + (bruit + 10) % 3;
                               m[GCourantMoteur] = 200 + charge * 8 + t * 20 + bruit;
                               m[GVitesse] = 3400 - charge * 4 - 100 * t + bruit;
                               m[GTensionMoteur] = 2400 + bruit;
                               m[GPuissanceMeca] = m[GVitesse] * m[GCourantMoteur] / 3000;
                           });
    e->Travail.TypeEtude = EtudeChargeMoteur;
    bench::Cadres<TTemporelMachine> scene(std::move(e), 1, 920, 152);
    for (auto _ : state)
        for (TTemporelMachine* c : scene.Liste) c->tracecaract();
}
BENCHMARK(BM_CadresTemporelsRetrace)->Apply(CinqFois);

void BM_ModelisationTroisModeles(benchmark::State& state) {
    const auto e = bench::EtudeCoupleVitesse();
    ServicesEssai services;
    e->Travail.Caract[0] = {true, true, {}, GVitesse, 10, {}, GCouple, 0, {}, 1};
    TFormModelisation fenetre(*e, services);
    fenetre.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    QList<QToolButton*> boutons;
    for (const char* nom : {"ButtonAX", "ButtonAXB", "ButtonAX2BXC"})
        boutons << fenetre.findChild<QToolButton*>(nom);
    for (auto _ : state)
        for (QToolButton* b : boutons) b->click(); // the others go up, the models are redone
}
BENCHMARK(BM_ModelisationTroisModeles)->Apply(CinqFois);

} // namespace
