#include "ui/app/Sauvegarde.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

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
    return EcrireTravail(etude_, etude_.NomFichier, services_);
}

bool Sauvegarde::EnregistrerSous() {
    if (!services_.Enregistrer(dialogue_)) return false;
    return EcrireTravail(etude_, dialogue_.NomFichier, services_);
}

bool Sauvegarde::NouveauTravail() {
    if (!Avertissement()) return false;
    const std::int32_t type = etude_.Travail.TypeEtude;
    zyv::NouveauTravail(etude_);
    etude_.Travail.TypeEtude = type;
    dialogue_.NomFichier.clear();
    return true;
}

} // namespace zyv
