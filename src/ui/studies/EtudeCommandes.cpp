// The study windows' shared commands: points taken, trials, characteristics, points deleted,
// display settings, files and the module.
#include "core/data/Cp1252.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "ui/analysis/TFormModelisation.h"
#include "ui/link/TFormConnection.h"
#include "ui/plot/CadreTrace.h"
#include "ui/socle/Modal.h"
#include "ui/socle/Sauvegarde.h"
#include "ui/socle/Services.h"
#include "ui/studies/DialogueCaract.h"
#include "ui/studies/TFormEtude.h"

namespace zyv {

namespace {

// A running load cycle is filling the current trial: its points and the trials stay as they are.
bool CycleRefuse(const HoteTrace& hote, Services& services) {
    if (!hote.CycleEnCours()) return false;
    services.Bip();
    return true;
}

} // namespace

// ---------------------------------------------------------------------------------------
// Points taken

void TFormEtude::Acquerir_et_afficher() {
    if (!Acquisition()) return;
    const int t = etude_.EssaiCourant;
    // No room left, or nothing read yet: the point would not be a measurement of the bench.
    if (!LecturePrete() || etude_.MesureCourante[GNumero] < 0 ||
        etude_.Courant().DernierPoint >= NbPointsMax - 1) {
        services_.Bip();
        return;
    }
    AjoutePoint(etude_);
    Modifie();
    const int i = etude_.Courant().DernierPoint;
    for (CadreTrace* cadre : CaractMachine) cadre->tracepoint(t, i);
}

// ---------------------------------------------------------------------------------------
// Trials

void TFormEtude::NouvelEssai1Click() {
    if (CycleRefuse(*this, services_)) return;
    NouvelEssai(etude_);
    Modifie();
    ActionCar();
}

void TFormEtude::SupEssai(int k) {
    if (CycleRefuse(*this, services_)) return;
    if (!services_.Question("Voulez-vous supprimer tous les points de l'essai " +
                            std::to_string(k)))
        return;
    SupprimeEssai(etude_, k);
    Modifie();
    etude_.MesureCourante[GNumero] = -1;
    ActionCar();
}

void TFormEtude::TabControlCourbesChange(int index) {
    if (index < 0 || index >= etude_.Travail.NbEssais) return;
    etude_.EssaiCourant = index + 1;
    etude_.MesureCourante[GNumero] = -1;
    ActionCar();
}

void TFormEtude::EditCommentaireChange(const QString& texte) {
    etude_.Courant().Commentaire.Affecte(Utf8VersCp1252(texte.left(20).toStdString()));
    // Typed text is the student's work too: leaving must offer to save it, or a normal exit
    // loses it with the recovery copy.
    etude_.Enregistre = false;
    Modifie();
}

// ---------------------------------------------------------------------------------------
// Characteristics

void TFormEtude::Nouvellecaracteristique1Click() {
    const int n = NbCaract(etude_);
    if (DialogueCaract* dialogue = Dialogue(); n < NbCaractMax && dialogue != nullptr) {
        dialogue->ModeCaract = 0;
        dialogue->NumCaract = n + 1;
        if (ExecModal(*dialogue, this) == QDialog::Accepted) Modifie();
    }
    ActionCar();
}

void TFormEtude::ModifieCaract(int k) {
    if (DialogueCaract* dialogue = Dialogue(); k >= 1 && k <= NbCaractMax && dialogue != nullptr) {
        dialogue->ModeCaract = 1;
        dialogue->NumCaract = k;
        if (ExecModal(*dialogue, this) == QDialog::Accepted) Modifie();
    }
    ActionCar();
}

void TFormEtude::SCarClick(int k) {
    if (!services_.Question("Voulez-vous supprimer la caractéristique :")) return;
    SupprimeCaract(etude_, k);
    Modifie();
    ActionCar();
}

void TFormEtude::ButtonCarClick(int k, bool presse) {
    if (k < 1 || k > NbCaractMax) return;
    etude_.Travail.Caract[static_cast<std::size_t>(k)].Affiche = presse;
    ActionCar();
}

void TFormEtude::Modelisation(int k) {
    if (k < 1 || k > NbCaractMax) return;
    etude_.Travail.Caract[0] = etude_.Travail.Caract[static_cast<std::size_t>(k)];
    if (fenetres_.FormModelisation != nullptr) ExecModal(*fenetres_.FormModelisation, this);
}

// ---------------------------------------------------------------------------------------
// Points

void TFormEtude::Supprimepoint() {
    if (CycleRefuse(*this, services_)) return;
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
    Modifie();
    etude_.MesureCourante[GNumero] = -1;
    TraceTout();
}

void TFormEtude::SupprimeTousPoints() {
    if (etude_.EssaiCourant <= 0 || CycleRefuse(*this, services_)) return;
    if (!services_.Question("Voulez-vous supprimer tous les points de l'essai " +
                            std::to_string(etude_.EssaiCourant)))
        return;
    etude_.Courant().DernierPoint = -1;
    etude_.MesureCourante[GNumero] = -1;
    etude_.Enregistre = false;
    Modifie();
    ActionCar();
}

// ---------------------------------------------------------------------------------------
// Title, interpolation, colours

void TFormEtude::EdittitreChange(const QString& texte) {
    etude_.Travail.Titre.Affecte(Utf8VersCp1252(texte.left(100).toStdString()));
    etude_.Enregistre = false; // as for the comment
    Modifie();
}

void TFormEtude::InterpolationClick(int interpolation) {
    etude_.Travail.Interpolation = interpolation;
    TraceTout();
}

void TFormEtude::FondClick(int fond) {
    etude_.Config.Fond = static_cast<std::uint8_t>(fond);
    ActionCar();
}

// ---------------------------------------------------------------------------------------
// Files and the module

void TFormEtude::Enregistrer1Click() {
    fenetres_.SauvegardeEtude->Enregistrer();
    AfficheTitre();
}

void TFormEtude::Enregistrersous1Click() {
    fenetres_.SauvegardeEtude->EnregistrerSous();
    AfficheTitre();
}

void TFormEtude::Nouveautravail1Click() {
    if (!fenetres_.SauvegardeEtude->NouveauTravail()) return;
    ActionCar();
}

void TFormEtude::Modifie() {
    if (fenetres_.SauvegardeEtude != nullptr) fenetres_.SauvegardeEtude->Modifie();
    AfficheTitre();
}

bool TFormEtude::Avertissement() {
    return fenetres_.SauvegardeEtude->Avertissement();
}

void TFormEtude::Configurationmatrielle1Click() {
    if (Acquisition()) ButtonStop1Click();
    fenetres_.FormConnection->Montre(this, [this] { ActionCar(); });
}

} // namespace zyv
