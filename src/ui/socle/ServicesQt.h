// The desktop's message boxes, file dialogs, clipboard and printer dialogs.
#pragma once

#include "ui/socle/Services.h"

namespace zyv {

class ServicesQt : public Services {
public:
    void Avertissement(const std::string& texte) override;
    void Erreur(const std::string& texte) override;
    Reponse Confirmation(const std::string& texte) override;
    bool Ouvrir(DialogueFichier& d) override;
    bool Enregistrer(DialogueFichier& d) override;
    bool Question(const std::string& texte) override;
    void CopieTexte(const std::string& texte) override;
    void CopieImage(const QByteArray& svg, const QImage& png) override;
    bool DialogueImpression(QPrinter& imprimante, QWidget* parent) override;
    void ConfigurationImprimante(QPrinter& imprimante, QWidget* parent) override;
    void Bip() override;
};

} // namespace zyv
