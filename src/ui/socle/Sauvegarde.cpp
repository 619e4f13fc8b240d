#include "ui/socle/Sauvegarde.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "ui/socle/Recuperation.h"

#include <QByteArray>
#include <QFile>
#include <filesystem>

namespace zyv {

namespace {

// Where the core reads and writes a name: relative ones from the start-up folder.
std::filesystem::path Absolu(const Etude& e, const std::filesystem::path& p) {
    return p.is_absolute() || e.RepertoireProgramme.empty()
               ? p
               : std::filesystem::path(e.RepertoireProgramme) / p;
}

} // namespace

std::string MessageRemplacer(const std::string& nom) {
    return "Le fichier « " + nom + " » existe déjà. Voulez-vous le remplacer ?";
}

bool Sauvegarde::Avertissement() {
    if (etude_.Enregistre) return true;
    switch (services_.Confirmation(MessageFichierModifie)) {
    case Reponse::Non:
        return true;
    case Reponse::Annuler:
        return false;
    case Reponse::Oui: {
        // A write that failed must not let the caller throw the study away. A study that has
        // a file goes back to it; a name left by a failed save is no file.
        std::error_code ec;
        const bool aUnFichier =
            !etude_.NomFichier.empty() &&
            std::filesystem::is_regular_file(Absolu(etude_, etude_.NomFichier), ec);
        return aUnFichier ? Enregistrer() : EnregistrerSous();
    }
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
    dialogue_.NomFichier = etude_.NomFichier;
    if (!services_.Enregistrer(dialogue_)) return false;
    std::filesystem::path choisi(dialogue_.NomFichier);
    // As the dialog does: a name typed without extension gets the study's.
    if (!choisi.filename().empty() && !choisi.has_extension() && !dialogue_.ExtensionDefaut.empty())
        choisi += "." + dialogue_.ExtensionDefaut;
    dialogue_.NomFichier = choisi.string();
    // Groups share the Fichiers folder: another group's study or a sample is never replaced
    // unasked. The study's own file is, as "Enregistrer" does.
    std::error_code ec;
    if (std::filesystem::exists(Absolu(etude_, choisi), ec) &&
        !std::filesystem::equivalent(Absolu(etude_, choisi), Absolu(etude_, etude_.NomFichier),
                                     ec) &&
        !services_.Question(MessageRemplacer(
            QFile::decodeName(QByteArray::fromStdString(choisi.filename().string()))
                .toStdString())))
        return false;
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
