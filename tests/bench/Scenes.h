// What the bench scenes share: full studies, and a study window's four frames laid out and shown.
#pragma once

#include "core/data/Operations.h"
#include "core/plot/UniteGraphe.h"
#include "ui/plot/HoteEssai.h"
#include "ui/socle/ServicesEssai.h"

#include <QApplication>
#include <QWidget>

#include <array>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

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

// Scene S's curves (bench_plot.cpp), plot by plot: 4 x 5 curves of 2001 points, a smooth curve
// with +-2 % noise on X = 100..7100 and Y inside 0..4000, marker and colour t for trial t.
inline std::vector<std::unique_ptr<TCourbe>> CourbesSceneS() {
    std::vector<std::unique_ptr<TCourbe>> courbes;
    std::mt19937 alea(2026);
    for (int graphe = 0; graphe < 4; ++graphe) {
        for (int t = 1; t <= 5; ++t) {
            auto& c = *courbes.emplace_back(std::make_unique<TCourbe>());
            c.Dernier = c.Fin = 2000;
            c.Debut = 0;
            c.Marqueur = t;
            c.Interpolation = 5;
            c.Style = {t, 0, 0, 3};
            for (std::size_t i = 0; i <= 2000; ++i) {
                const double lisse =
                    2200 - 150 * t +
                    1200 * std::sin(6.283 * (i / 2000.0 + 0.15 * t + 0.1 * graphe));
                c.X[i] = 100 + static_cast<int>(i) * 35 / 10;
                c.Y[i] =
                    static_cast<int>(lisse) + static_cast<int>(alea() % 161) - 80; // 2 % of 4000
            }
        }
    }
    return courbes;
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
