// Scene F: the characteristic window's four plot frames of about 452 x 365 pixels (a 1024 x 730
// window less its value column), a full study of 5 trials x 2001 points, cubic interpolation,
// markers, navy background. Redraw of the four frames; the cursor moved in every frame; one
// point taken and drawn in every frame.
// Scene G: the load window's four time-trace frames stacked in a 1024 x 730 area less its
// 104-pixel value column and the load selector's 121-pixel strip (each frame 920 x 152), 5
// trials x 200 points (a 60 s cycle), the same interpolation and background. Full redraw as the
// window lays them out, mean / energy / RMS included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>

#include <memory>
#include <random>

#include "Scenes.h"
#include "core/data/Operations.h"
#include "ui/plot/HoteTrace.h"
#include "ui/plot/TCaractMachine.h"
#include "ui/plot/TTemporelMachine.h"

namespace {

using namespace zyv;
using bench::ServicesMuets;

struct SceneF : HoteTrace {
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    ServicesMuets Services;
    QWidget Fenetre;
    std::vector<TCaractMachine*> Cadres;

    SceneF() {
        NouveauTravail(*E);
        E->Travail.Interpolation = 2;
        E->Config.Fond = 6;
        const int y[4] = {GVitesse, GCourantMoteur, GPuissanceMeca, GRendementMoteur};
        for (int k = 1; k <= 4; ++k)
            E->Travail.Caract[k] = {true, true, {}, GCouple, 10, {}, y[k - 1], 10, {}, 1};
        std::mt19937 alea(2026);
        for (int t = 1; t <= NbEssaisMax; ++t) {
            if (t > 1) NouvelEssai(*E);
            for (int i = 0; i < NbPointsMax; ++i) {
                TMesure& m = E->MesureCourante;
                const int bruit = static_cast<int>(alea() % 21) - 10;
                m[GCouple] = 20 + i * 500 / 2000 + bruit / 4;
                m[GVitesse] = 5800 - 500 * t - i / 2 + bruit;
                m[GCourantMoteur] = 100 + t * 50 + i * 8 / 10 + bruit;
                m[GPuissanceMeca] = m[GVitesse] * m[GCouple] / 1000;
                m[GRendementMoteur] = 300 + i * 5 / 20 + 20 * t + bruit;
                AjoutePoint(*E);
            }
        }
        Fenetre.resize(904, 730);
        for (int k = 0; k < 4; ++k) {
            auto* c = new TCaractMachine(*E, Services, *this, &Fenetre);
            c->NumCaract = k + 1;
            c->setGeometry((k % 2) * 452, (k / 2) * 365, 452, 365);
            Cadres.push_back(c);
        }
        Fenetre.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    void ActionCar() override {}
    void Curseur() override {
        for (TCaractMachine* c : Cadres) c->curseur();
    }
    void Supprimepoint() override {}
    void SupprimeTousPoints() override {}
    void NouvelEssai1Click() override {}
    void Modelisation(int) override {}
    void ModifieCaract(int) override {}
};

void BM_CadresRetrace(benchmark::State& state) {
    SceneF scene;
    for (auto _ : state)
        for (TCaractMachine* c : scene.Cadres) c->tracegraphe();
}
BENCHMARK(BM_CadresRetrace)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_CadresCurseur(benchmark::State& state) {
    SceneF scene;
    for (TCaractMachine* c : scene.Cadres) c->tracegraphe();
    int i = 0;
    for (auto _ : state) {
        i = (i + 731) % NbPointsMax;
        SelectionnePoint(*scene.E, i);
        scene.Curseur();
    }
}
BENCHMARK(BM_CadresCurseur)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

void BM_CadresPointPris(benchmark::State& state) {
    SceneF scene;
    for (TCaractMachine* c : scene.Cadres) c->tracegraphe();
    TEssai& essai = scene.E->Courant();
    for (auto _ : state) {
        if (essai.DernierPoint >= NbPointsMax - 1) essai.DernierPoint = NbPointsMax - 2;
        AjoutePoint(*scene.E);
        for (TCaractMachine* c : scene.Cadres)
            c->tracepoint(scene.E->EssaiCourant, essai.DernierPoint);
    }
}
BENCHMARK(BM_CadresPointPris)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

struct SceneG : HoteTrace {
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    ServicesMuets Services;
    QWidget Fenetre;
    std::vector<TTemporelMachine*> Cadres;

    SceneG() {
        NouveauTravail(*E);
        E->Travail.TypeEtude = EtudeChargeMoteur;
        E->Travail.Interpolation = 2;
        E->Config.Fond = 6;
        const int y[4] = {GVitesse, GCourantMoteur, GPuissanceMeca, GTensionMoteur};
        for (int k = 1; k <= 4; ++k)
            E->Travail.Caract[k] = {true, true, {}, GTemps, 10, {}, y[k - 1], 10, {}, 1};
        std::mt19937 alea(2026);
        for (int t = 1; t <= NbEssaisMax; ++t) {
            if (t > 1) NouvelEssai(*E);
            for (int i = 0; i < 200; ++i) {
                TMesure& m = E->MesureCourante;
                const int bruit = static_cast<int>(alea() % 21) - 10;
                const int charge = (i % 67) < 33 ? 100 : 25; // two levels, three periods
                m[GTemps] = 30 * i + static_cast<int>(alea() % 3);
                m[GCourantMoteur] = 200 + charge * 8 + t * 20 + bruit;
                m[GVitesse] = 3400 - charge * 4 - 100 * t + bruit;
                m[GTensionMoteur] = 2400 + bruit;
                m[GPuissanceMeca] = m[GVitesse] * m[GCourantMoteur] / 3000;
                AjoutePoint(*E);
            }
        }
        Fenetre.resize(920, 609);
        for (int k = 0; k < 4; ++k) {
            auto* c = new TTemporelMachine(*E, Services, *this, &Fenetre);
            c->NumCaract = k + 1;
            c->setGeometry(0, k * 152, 920, 152);
            Cadres.push_back(c);
        }
        Fenetre.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
    }

    void ActionCar() override {}
    void Curseur() override {
        for (TTemporelMachine* c : Cadres) c->curseur();
    }
    void Supprimepoint() override {}
    void SupprimeTousPoints() override {}
    void NouvelEssai1Click() override {}
    void Modelisation(int) override {}
    void ModifieCaract(int) override {}
};

void BM_CadresTemporelsRetrace(benchmark::State& state) {
    SceneG scene;
    for (auto _ : state)
        for (TTemporelMachine* c : scene.Cadres) c->tracecaract();
}
BENCHMARK(BM_CadresTemporelsRetrace)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
