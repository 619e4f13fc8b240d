// The characteristic study window's commands: acquisition, trials, characteristics, points,
// sorting, display settings and files.
#include "core/data/Cp1252.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "ui/analysis/TFormModelisation.h"
#include "ui/app/Modal.h"
#include "ui/app/Services.h"
#include "ui/app/TZYV2.h"
#include "ui/link/TFormConnection.h"
#include "ui/plot/TCaractMachine.h"
#include "ui/studies/TFormCaracteristique.h"
#include "ui/studies/TFormTrierPoints.h"
#include "ui/studies/TNouvelCaract.h"

#include "ui_TFormCaracteristique.h"

namespace zyv {

// ---------------------------------------------------------------------------------------
// Acquisition

void TFormCaracteristique::ButtonManuClick(bool presse) {
    if (presse && module_.Connecte()) {
        ui_->PanelBoutonsAcquisition->hide();
        ui_->PanelManu->show();
        etude_.ModeAcquisition = 1;
        lectureValide_ = false;
        Timer1.start();
    } else {
        ButtonStop1Click();
        return;
    }
    ActionCar();
}

void TFormCaracteristique::Timer1Timer() {
    module_.LectureValeur();
    if (etude_.MesureCourante[GNumero] < 0) {
        ButtonStop1Click();
        return;
    }
    lectureValide_ = true;
    Curseur();
}

void TFormCaracteristique::Acquerir_et_afficher() {
    if (!Acquisition()) return;
    const int t = etude_.EssaiCourant;
    // No room left, or nothing read yet: the point would not be a measurement of the bench.
    if (!lectureValide_ || etude_.MesureCourante[GNumero] < 0 ||
        etude_.Courant().DernierPoint >= NbPointsMax - 1) {
        services_.Bip();
        return;
    }
    AjoutePoint(etude_);
    const int i = etude_.Courant().DernierPoint;
    for (TCaractMachine* cadre : CaractMachine) cadre->tracepoint(t, i);
}

void TFormCaracteristique::ButtonStop1Click() {
    Timer1.stop();
    {
        const QSignalBlocker bloque(ui_->ButtonManu);
        ui_->ButtonManu->setChecked(false);
    }
    ui_->PanelBoutonsAcquisition->show();
    ui_->PanelManu->hide();
    etude_.ModeAcquisition = 0;
    etude_.MesureCourante[GNumero] = -1;
    lectureValide_ = false;
    Setmenu();
    ActionCar();
}

// ---------------------------------------------------------------------------------------
// Trials

void TFormCaracteristique::NouvelEssai1Click() {
    NouvelEssai(etude_);
    ActionCar();
}

void TFormCaracteristique::SupEssai(int k) {
    if (!services_.Question("Voulez-vous supprimer tous les points de l'essai " +
                            std::to_string(k)))
        return;
    SupprimeEssai(etude_, k);
    etude_.MesureCourante[GNumero] = -1;
    ActionCar();
}

void TFormCaracteristique::TabControlCourbesChange(int index) {
    if (index < 0 || index >= etude_.Travail.NbEssais) return;
    etude_.EssaiCourant = index + 1;
    etude_.MesureCourante[GNumero] = -1;
    ActionCar();
}

void TFormCaracteristique::EditCommentaireChange(const QString& texte) {
    etude_.Courant().Commentaire.Affecte(Utf8VersCp1252(texte.left(20).toStdString()));
}

// ---------------------------------------------------------------------------------------
// Characteristics

void TFormCaracteristique::Nouvellecaracteristique1Click() {
    const int n = NbCaract(etude_);
    if (n < NbCaractMax && fenetres_.NouvelCaract != nullptr) {
        TNouvelCaract& dialogue = *fenetres_.NouvelCaract;
        dialogue.ModeCaract = 0;
        dialogue.NumCaract = n + 1;
        ExecModal(dialogue, this);
    }
    ActionCar();
}

void TFormCaracteristique::ModifieCaract(int k) {
    if (k >= 1 && k <= NbCaractMax && fenetres_.NouvelCaract != nullptr) {
        TNouvelCaract& dialogue = *fenetres_.NouvelCaract;
        dialogue.ModeCaract = 1;
        dialogue.NumCaract = k;
        ExecModal(dialogue, this);
    }
    ActionCar();
}

void TFormCaracteristique::SCarClick(int k) {
    if (!services_.Question("Voulez-vous supprimer la caractéristique :")) return;
    SupprimeCaract(etude_, k);
    ActionCar();
}

void TFormCaracteristique::ButtonCarClick(int k, bool presse) {
    if (k < 1 || k > NbCaractMax) return;
    etude_.Travail.Caract[static_cast<std::size_t>(k)].Affiche = presse;
    ActionCar();
}

void TFormCaracteristique::Modelisation(int k) {
    if (k < 1 || k > NbCaractMax) return;
    etude_.Travail.Caract[0] = etude_.Travail.Caract[static_cast<std::size_t>(k)];
    if (fenetres_.FormModelisation != nullptr) ExecModal(*fenetres_.FormModelisation, this);
}

// ---------------------------------------------------------------------------------------
// Points

void TFormCaracteristique::Supprimepoint() {
    const TEssai& essai = etude_.Courant();
    int numero = -1;
    if (etude_.ModeAcquisition != 0) {
        numero = essai.DernierPoint;
    } else {
        const int i = etude_.MesureCourante[GNumero];
        if (i >= 0 && i <= essai.DernierPoint) numero = essai.Valeur(GNumero, i);
    }
    if (numero < 0) return;
    SupprimePointEssai(etude_, numero, etude_.EssaiCourant);
    etude_.MesureCourante[GNumero] = -1;
    TraceTout();
}

void TFormCaracteristique::SupprimeTousPoints() {
    if (etude_.EssaiCourant <= 0) return;
    if (!services_.Question("Voulez-vous supprimer tous les points de l'essai " +
                            std::to_string(etude_.EssaiCourant)))
        return;
    etude_.Courant().DernierPoint = -1;
    etude_.MesureCourante[GNumero] = -1;
    etude_.Enregistre = false;
    ActionCar();
}

void TFormCaracteristique::TrierPoints(bool tous) {
    if (fenetres_.FormTrierPoints == nullptr) return;
    TFormTrierPoints& dialogue = *fenetres_.FormTrierPoints;
    if (ExecModal(dialogue, this) != QDialog::Accepted) return;
    const int premier = tous ? 1 : etude_.EssaiCourant;
    const int dernier = tous ? NbEssaisMax : etude_.EssaiCourant;
    for (int t = premier; t <= dernier; ++t) {
        etude_.Travail.Essai(t).TriGrandeur = dialogue.Grandeur();
        etude_.Travail.Essai(t).TriOrdre = dialogue.Ordre();
    }
    TrieEssais(etude_);
    // The sorted order is what a picked index refers to: the old pick is gone.
    etude_.MesureCourante[GNumero] = -1;
    ActionCar();
}

// ---------------------------------------------------------------------------------------
// Title, interpolation, colours

void TFormCaracteristique::EdittitreChange(const QString& texte) {
    etude_.Travail.Titre.Affecte(Utf8VersCp1252(texte.left(100).toStdString()));
}

void TFormCaracteristique::InterpolationClick(int interpolation) {
    etude_.Travail.Interpolation = interpolation;
    TraceTout();
}

void TFormCaracteristique::FondClick(int fond) {
    etude_.Config.Fond = static_cast<std::uint8_t>(fond);
    ActionCar();
}

// ---------------------------------------------------------------------------------------
// Files and the module

void TFormCaracteristique::Enregistrer1Click() {
    fenetres_.ZYV2->SauvegardeEtude.Enregistrer();
}

void TFormCaracteristique::Enregistrersous1Click() {
    fenetres_.ZYV2->SauvegardeEtude.EnregistrerSous();
}

void TFormCaracteristique::Nouveautravail1Click() {
    if (!fenetres_.ZYV2->SauvegardeEtude.NouveauTravail()) return;
    ActionCar();
}

bool TFormCaracteristique::Avertissement() {
    return fenetres_.ZYV2->SauvegardeEtude.Avertissement();
}

void TFormCaracteristique::Configurationmatrielle1Click() {
    if (Acquisition()) ButtonStop1Click();
    fenetres_.FormConnection->Montre(this, [this] { ActionCar(); });
}

} // namespace zyv
