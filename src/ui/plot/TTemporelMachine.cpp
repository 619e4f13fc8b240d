#include "ui/plot/TTemporelMachine.h"

#include "ui/plot/HoteTrace.h"

#include "ui_TTemporelMachine.h"

namespace zyv {

TTemporelMachine::TTemporelMachine(Etude& e, Services& services, HoteTrace& hote, QWidget* parent)
    : CadreTrace(e, services, hote, parent), ui_(std::make_unique<Ui::TTemporelMachine>()) {
    ui_->setupUi(this);
    PopupMenu1 = AttacheUi(*ui_);
    AjouteEchelleAutomatique(PopupMenu1);
}

TTemporelMachine::~TTemporelMachine() = default;

void TTemporelMachine::AfficheLibelle(const QString& libelle) {
    ui_->ButtonCar->setText(libelle);
}

void TTemporelMachine::tracecaract() {
    ui_->TextValCalcul1->setText(QString::fromUtf8(LibelleMoyenne));
    if (const TCaract* k = Caract()) {
        switch (SecondeLignePour(k->GrandeurY)) {
        case SecondeLigne::Energie:
            ui_->TextValCalcul2->setText(QString::fromUtf8(LibelleEnergie));
            ui_->PanelValCalcul2->show();
            break;
        case SecondeLigne::ValeurEfficace:
            ui_->TextValCalcul2->setText(QString::fromUtf8(LibelleValeurEfficace));
            ui_->PanelValCalcul2->show();
            break;
        case SecondeLigne::Cachee:
            ui_->PanelValCalcul2->hide();
            break;
        case SecondeLigne::Inchangee:
            break;
        }
    }
    CalculMoyenne();
    tracegraphe();
}

void TTemporelMachine::CalculMoyenne() {
    Resultats = {};
    const TCaract* k = Caract();
    const TEssai* essai = EssaiCourant();
    if (k != nullptr && essai != nullptr)
        Resultats = zyv::CalculMoyenne(*essai, k->GrandeurX, k->GrandeurY);
}

void TTemporelMachine::curseur() {
    CadreTrace::curseur();
    const TCaract* k = Caract();
    if (!isVisible() || k == nullptr) return;
    // Points arrive between two layouts while a cycle runs: the results follow each reading.
    CalculMoyenne();
    const TEssai* essai = EssaiCourant();
    const bool vide = essai == nullptr || essai->DernierPoint < 0;
    const QString aucun = QStringLiteral("----");
    ui_->TextVal1->setText(
        vide ? aucun : QString::fromStdString(TexteValeur(Resultats.Moyenne, GrapheEcran.ConfY)));
    if (const auto texte = TexteSecondeValeur(Resultats, k->GrandeurY))
        ui_->TextVal2->setText(vide ? aucun : QString::fromStdString(*texte));
}

std::vector<std::string> TTemporelMachine::LecturesImprimees() const {
    const TCaract* k = Caract();
    TaxeC x, y;
    if (k == nullptr || !Axes(x, y)) return {};
    const TEssai* essai = EssaiCourant();
    const TResultatsMoyenne r = essai != nullptr
                                    ? zyv::CalculMoyenne(*essai, k->GrandeurX, k->GrandeurY)
                                    : TResultatsMoyenne{};
    std::vector<std::string> l{LibelleMoyenne, TexteValeur(r.Moyenne, y)};
    const SecondeLigne seconde = SecondeLignePour(k->GrandeurY);
    const auto texte = TexteSecondeValeur(r, k->GrandeurY);
    if (texte && (seconde == SecondeLigne::Energie || seconde == SecondeLigne::ValeurEfficace)) {
        l.emplace_back(seconde == SecondeLigne::Energie ? LibelleEnergie : LibelleValeurEfficace);
        l.push_back(*texte);
    }
    return l;
}

void TTemporelMachine::PopupMenu1Popup() {
    const EtatMenu m = EtatEntrees();
    const bool libre = !hote_.CycleEnCours();
    ui_->Suppressiondupoint1->setEnabled(libre && m.PointChoisi);
    ui_->Suppressiondetouslespoints1->setEnabled(libre && m.CourantPlein);
    ui_->Nouvelessai1->setEnabled(libre && m.CourantPlein);
    ui_->Modificationdelacaracteristique1->setEnabled(m.UnPoint);
    ui_->Copierlacaracteristique1->setEnabled(true);
    ui_->Copierlesvaleurs1->setEnabled(true);
}

} // namespace zyv
