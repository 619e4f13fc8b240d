// The desktop's message boxes, file dialogs and clipboard.
#pragma once

#include "ui/app/Services.h"

namespace zyv {

class ServicesQt : public Services {
public:
    void Avertissement(const std::string& texte) override;
    void Erreur(const std::string& texte) override;
    Reponse Confirmation(const std::string& texte) override;
    bool Ouvrir(DialogueFichier& d) override;
    bool Enregistrer(DialogueFichier& d) override;
    void CopieTexte(const std::string& texte) override;
};

} // namespace zyv
