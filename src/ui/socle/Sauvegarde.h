// Saving the study from any window: "Enregistrer", "Enregistrer sous", "Nouveau travail" and the
// prompt run before the study is replaced or the program closes.
#pragma once

#include "core/data/Travail.h"
#include "ui/socle/Services.h"

#include <string>

namespace zyv {

class Recuperation;

inline constexpr const char* MessageFichierModifie = "Fichier modifié. Voulez-vous l'enregistrer?";
// NOM: the chosen file's name as the dialog shows it, with its extension.
std::string MessageRemplacer(const std::string& nom);

class Sauvegarde {
public:
    // dialogue is the program's one save dialog, kept by the main window.
    Sauvegarde(Etude& e, Services& s, DialogueFichier& dialogue)
        : etude_(e), services_(s), dialogue_(dialogue) {}

    // True when the caller may go on replacing or leaving the study.
    bool Avertissement();
    // Return true when the study was written. "Enregistrer sous" proposes the study's own name
    // and asks before replacing any other existing file.
    bool Enregistrer();
    bool EnregistrerSous();
    // Empties the study but keeps its kind; false when the prompt stopped it.
    bool NouveauTravail();

    // The run's recovery copy, kept in step with the study from here on; null for none.
    void Suit(Recuperation* r) { recuperation_ = r; }
    Recuperation* Copie() const { return recuperation_; }
    // The study has changed: the copy follows.
    void Modifie();
    // The study matches a file or is new: no copy to keep.
    void AJour();

private:
    Etude& etude_;
    Services& services_;
    DialogueFichier& dialogue_;
    Recuperation* recuperation_ = nullptr;
};

} // namespace zyv
