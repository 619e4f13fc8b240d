// What the user sees outside the windows: message boxes, file dialogs and the clipboard.
// The program uses ServicesQt; tests substitute a double that records and answers.
#pragma once

#include "core/data/Messages.h"

#include <string>

class QByteArray;
class QImage;
class QPrinter;
class QWidget;

namespace zyv {

// One file dialog of the program and what it remembers between runs of it.
struct DialogueFichier {
    std::string RepertoireInitial; // file-system bytes (QFile::encodeName)
    std::string NomFichier;        // the same; the last name chosen, cleared by "Nouveau travail"
    std::string ExtensionDefaut = "ZYV";
    std::string Filtre = "ZYV|*.ZYV"; // description|pattern
};

enum class Reponse { Oui, Non, Annuler };

// Makes chemin (UTF-8) the file the print dialog proposes for a PDF, leaving a printer that is
// chosen selected.
void ProposeFichierPdf(QPrinter& imprimante, const std::string& chemin);

class Services : public Messages {
public:
    // Error box titled "Erreur" with one "OK" button.
    virtual void Erreur(const std::string& texte) = 0;
    // Confirmation box titled "Confirmation" with "&Oui", "&Non" and "Annuler".
    virtual Reponse Confirmation(const std::string& texte) = 0;
    // Run the dialog; on confirmation d.NomFichier holds the chosen name and true is returned.
    virtual bool Ouvrir(DialogueFichier& d) = 0;
    virtual bool Enregistrer(DialogueFichier& d) = 0;
    // Question box titled "Confirmation" with "&Oui" and "&Non"; true on Oui.
    virtual bool Question(const std::string& texte) = 0;
    // Replaces the clipboard's content with plain text.
    virtual void CopieTexte(const std::string& texte) = 0;
    // Replaces the clipboard's content with one picture in two forms: office suites paste
    // whichever they read.
    virtual void CopieImage(const QByteArray& svg, const QImage& png) = 0;
    // The print dialog over parent; false when cancelled. On a machine without printer the
    // dialog still offers a PDF file.
    virtual bool DialogueImpression(QPrinter& imprimante, QWidget* parent) = 0;
    // The printer set-up dialog over parent.
    virtual void ConfigurationImprimante(QPrinter& imprimante, QWidget* parent) = 0;
    // A short sound for a refused command.
    virtual void Bip() = 0;
};

} // namespace zyv
