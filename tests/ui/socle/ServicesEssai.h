// Records what the program would show and answers its questions from a script.
#pragma once

#include "ui/socle/Services.h"

#include <QByteArray>
#include <QImage>
#include <QPrinter>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zyv {

class ServicesEssai : public Services {
public:
    std::vector<std::string> Avertissements, Erreurs, Confirmations;
    std::deque<Reponse> Reponses; // answers to Confirmation, Annuler when exhausted
    // File names chosen in the next dialogs; nullopt cancels. Cancel when exhausted.
    std::deque<std::optional<std::string>> Choix;
    int DialoguesOuverture = 0;
    int DialoguesEnregistrement = 0;
    std::string PressePapiers;
    std::deque<bool> ReponsesQuestion; // answers to Question, Non when exhausted
    std::vector<std::string> Questions;
    QByteArray ImageSvg;
    QImage ImagePng;
    // Where the print dialog sends the page; empty cancels it.
    QString FichierPdf;
    QString FichierPropose; // the file the last print dialog offered
    int Bips = 0;

    void Avertissement(const std::string& t) override { Avertissements.push_back(t); }
    void Erreur(const std::string& t) override { Erreurs.push_back(t); }
    Reponse Confirmation(const std::string& t) override {
        Confirmations.push_back(t);
        const Reponse r = Reponses.empty() ? Reponse::Annuler : Reponses.front();
        if (!Reponses.empty()) Reponses.pop_front();
        return r;
    }
    bool Ouvrir(DialogueFichier& d) override { return Choisit(d, DialoguesOuverture); }
    bool Enregistrer(DialogueFichier& d) override { return Choisit(d, DialoguesEnregistrement); }
    bool Question(const std::string& t) override {
        Questions.push_back(t);
        const bool r = !ReponsesQuestion.empty() && ReponsesQuestion.front();
        if (!ReponsesQuestion.empty()) ReponsesQuestion.pop_front();
        return r;
    }
    void CopieTexte(const std::string& t) override { PressePapiers = t; }
    void CopieImage(const QByteArray& svg, const QImage& png) override {
        ImageSvg = svg;
        ImagePng = png;
    }
    bool DialogueImpression(QPrinter& p, QWidget*) override {
        FichierPropose = p.outputFileName();
        if (FichierPdf.isEmpty()) return false;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(FichierPdf);
        return true;
    }
    void ConfigurationImprimante(QPrinter&, QWidget*) override {}
    void Bip() override { ++Bips; }

private:
    bool Choisit(DialogueFichier& d, int& compte) {
        ++compte;
        const std::optional<std::string> nom = Choix.empty() ? std::nullopt : Choix.front();
        if (!Choix.empty()) Choix.pop_front();
        if (nom) d.NomFichier = *nom;
        return nom.has_value();
    }
};

} // namespace zyv
