// What the user sees outside the windows: message boxes, file dialogs and the clipboard.
// The program uses ServicesQt; tests substitute a double that records and answers.
#pragma once

#include "core/data/Messages.h"

#include <string>

namespace zyv {

// One file dialog of the program and what it remembers between runs of it.
struct DialogueFichier {
    std::string RepertoireInitial; // UTF-8
    std::string NomFichier;        // UTF-8; the last name chosen, cleared by "Nouveau travail"
    std::string ExtensionDefaut = "ZYV";
    std::string Filtre = "ZYV|*.ZYV"; // description|pattern
};

enum class Reponse { Oui, Non, Annuler };

class Services : public Messages {
public:
    // Error box titled "Erreur" with one "OK" button.
    virtual void Erreur(const std::string& texte) = 0;
    // Confirmation box titled "Confirmation" with "&Oui", "&Non" and "Annuler".
    virtual Reponse Confirmation(const std::string& texte) = 0;
    // Run the dialog; on confirmation d.NomFichier holds the chosen name and true is returned.
    virtual bool Ouvrir(DialogueFichier& d) = 0;
    virtual bool Enregistrer(DialogueFichier& d) = 0;
    // Replaces the clipboard's content with plain text.
    virtual void CopieTexte(const std::string& texte) = 0;
};

} // namespace zyv
