// What the bench scenes share: full studies, and a study window's four frames laid out and shown.
#pragma once

#include "core/data/Operations.h"
#include "ui/plot/HoteEssai.h"
#include "ui/socle/ServicesEssai.h"

#include <QApplication>
#include <QWidget>

#include <array>
#include <memory>
#include <random>

namespace zyv::bench {

// Five trials of n points; mesure(reading, trial, point, noise in -10..10) fills each reading.
// Characteristics 1..4 are y[k - 1] against x.
template <class F>
std::unique_ptr<Etude> EtudePleine(int n, int x, std::array<int, 4> y, F mesure) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int k = 1; k <= 4; ++k)
        e->Travail.Caract[k] = {true, true, {}, x, 10, {}, y[k - 1], 10, {}, 1};
    std::mt19937 alea(2026);
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*e);
        for (int i = 0; i < n; ++i) {
            mesure(e->MesureCourante, t, i, static_cast<int>(alea() % 21) - 10);
            AjoutePoint(*e);
        }
    }
    return e;
}

// Five full trials (5 x 2001 points) of a slightly curved torque against a falling speed.
inline std::unique_ptr<Etude> EtudeCoupleVitesse() {
    return EtudePleine(NbPointsMax, GVitesse, {GCouple, GCouple, GCouple, GCouple},
                       [](TMesure& m, int t, int i, int) {
                           m[GVitesse] = 7500 - i * 3;
                           m[GCouple] = 100 * t + i / 3 - i * i / 20000 + i % 7;
                       });
}

// Frames C of characteristics 1..4, w x h each, in a window of the given columns; cubic curves on
// a navy background, as a student would set them.
template <class C> struct Cadres {
    std::unique_ptr<Etude> E;
    ServicesEssai Services;
    HoteEssai Hote;
    QWidget Fenetre;
    std::vector<C*> Liste;

    Cadres(std::unique_ptr<Etude> e, int colonnes, int w, int h) : E(std::move(e)) {
        E->Travail.Interpolation = 2;
        E->Config.Fond = 6;
        Fenetre.resize(colonnes * w, 4 / colonnes * h);
        for (int k = 0; k < 4; ++k) {
            Liste.push_back(new C(*E, Services, Hote, &Fenetre));
            Liste[k]->NumCaract = k + 1;
            Liste[k]->setGeometry(k % colonnes * w, k / colonnes * h, w, h);
        }
        Fenetre.show();
        for (int i = 0; i < 5; ++i) QApplication::processEvents();
        for (C* c : Liste) c->curseur(); // at the last point taken, as the window shows it
    }
};

} // namespace zyv::bench
