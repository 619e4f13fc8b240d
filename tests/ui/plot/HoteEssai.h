// The study window as a plot frame sees it, reduced to a record of what the frame asks, and a
// frame under it on a study of its own.
#pragma once

#include "core/data/Operations.h"
#include "ui/plot/CadreTrace.h"
#include "ui/plot/HoteTrace.h"
#include "ui/socle/ServicesEssai.h"

#include <QLabel>
#include <QMenu>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

namespace zyv {

struct HoteEssai : HoteTrace {
    std::vector<std::string> Appels;
    CadreTrace* Cadre = nullptr; // its read-outs follow the window's cursor

    void ActionCar() override { Appels.push_back("ActionCar"); }
    void Curseur() override {
        Appels.push_back("Curseur");
        if (Cadre != nullptr) Cadre->curseur();
    }
    void Supprimepoint() override { Appels.push_back("Supprimepoint"); }
    void SupprimeTousPoints() override { Appels.push_back("SupprimeTousPoints"); }
    void NouvelEssai1Click() override { Appels.push_back("NouvelEssai1Click"); }
    void Modelisation(int k) override { Appels.push_back("Modelisation " + std::to_string(k)); }
    void ModifieCaract(int k) override { Appels.push_back("ModifieCaract " + std::to_string(k)); }
};

// A frame C of characteristic 1, y against x, on a study of the given kind: trial 1, current,
// holds the points, trial 2 is empty, no point is picked. Shown, laid out, the host's cursor
// called.
template <class C> struct PosteCadre {
    std::unique_ptr<Etude> E = std::make_unique<Etude>();
    ServicesEssai Services;
    HoteEssai H;
    C Cadre{*E, Services, H};

    PosteCadre(int type, int x, int y, const std::vector<std::pair<int, int>>& points) {
        NouveauTravail(*E);
        E->Travail.TypeEtude = type;
        E->Travail.Caract[1] = {true, true, {}, x, 10, {}, y, 10, {}, 1};
        for (auto [vx, vy] : points) Point(vx, vy);
        NouvelEssai(*E);
        E->EssaiCourant = 1;
        E->MesureCourante[0] = -1;
        H.Cadre = &Cadre;
        Cadre.resize(591, 417);
        Cadre.show();
        QVERIFY(QTest::qWaitForWindowExposed(&Cadre));
        QTRY_VERIFY(!H.Appels.empty());
    }
    void Point(int vx, int vy) {
        E->MesureCourante[E->Travail.Caract[1].GrandeurX] = vx;
        E->MesureCourante[E->Travail.Caract[1].GrandeurY] = vy;
        AjoutePoint(*E);
    }
    QString Texte(const char* nom) { return Cadre.template findChild<QLabel*>(nom)->text(); }
    QString Lectures() { return Texte("TextValeurY") + " | " + Texte("TextValeurX"); }
    // Enabling of the pop-up entries in menu order, e.g. "1100011"; "Echelle automatique", always
    // offered, aside.
    QString Entrees() {
        Cadre.PopupMenu1Popup();
        QString s;
        for (QAction* a : Cadre.PopupMenu1->actions())
            if (!a->isSeparator() && a->objectName() != "Echelleautomatique1")
                s += a->isEnabled() ? '1' : '0';
        return s;
    }
};

} // namespace zyv
