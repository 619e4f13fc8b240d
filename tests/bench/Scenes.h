// What several bench scenes share: services nobody answers, and a full study to fit.
#pragma once

#include "core/data/Operations.h"
#include "ui/app/Services.h"

#include <memory>

namespace zyv::bench {

// The scenes draw; nothing is shown and every question is refused.
struct ServicesMuets : Services {
    void Avertissement(const std::string&) override {}
    void Erreur(const std::string&) override {}
    Reponse Confirmation(const std::string&) override { return Reponse::Annuler; }
    bool Ouvrir(DialogueFichier&) override { return false; }
    bool Enregistrer(DialogueFichier&) override { return false; }
    bool Question(const std::string&) override { return false; }
    void CopieTexte(const std::string&) override {}
    void CopieImage(const QByteArray&, const QImage&) override {}
    bool DialogueImpression(QPrinter&, QWidget*) override { return false; }
    void ConfigurationImprimante(QPrinter&, QWidget*) override {}
    void Bip() override {}
};

// Five full trials (5 x 2001 points) of a slightly curved torque against a falling speed.
inline std::unique_ptr<Etude> EtudeCoupleVitesse() {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*e);
        for (int i = 0; i < NbPointsMax; ++i) {
            e->MesureCourante[GVitesse] = 7500 - i * 3;
            e->MesureCourante[GCouple] = 100 * t + i / 3 - i * i / 20000 + i % 7;
            AjoutePoint(*e);
        }
    }
    return e;
}

} // namespace zyv::bench
