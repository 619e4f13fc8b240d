#include "ui/app/Sauvegarde.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "ui/app/Recuperation.h"

namespace zyv {

bool Sauvegarde::Avertissement() {
    if (etude_.Enregistre) return true;
    switch (services_.Confirmation(MessageFichierModifie)) {
    case Reponse::Non:
        return true;
    case Reponse::Annuler:
        return false;
    case Reponse::Oui:
        // A write that failed must not let the caller throw the study away.
        return EnregistrerSous();
    }
    return false;
}

bool Sauvegarde::Enregistrer() {
    if (etude_.NomFichier.empty()) return EnregistrerSous();
    if (!EcrireTravail(etude_, etude_.NomFichier, services_)) return false;
    AJour();
    return true;
}

bool Sauvegarde::EnregistrerSous() {
    if (!services_.Enregistrer(dialogue_)) return false;
    if (!EcrireTravail(etude_, dialogue_.NomFichier, services_)) return false;
    AJour();
    return true;
}

bool Sauvegarde::NouveauTravail() {
    if (!Avertissement()) return false;
    const std::int32_t type = etude_.Travail.TypeEtude;
    zyv::NouveauTravail(etude_);
    etude_.Travail.TypeEtude = type;
    dialogue_.NomFichier.clear();
    AJour();
    return true;
}

void Sauvegarde::Modifie() {
    if (recuperation_ != nullptr) recuperation_->Modifie();
}

void Sauvegarde::AJour() {
    if (recuperation_ != nullptr) recuperation_->Efface();
}

} // namespace zyv
