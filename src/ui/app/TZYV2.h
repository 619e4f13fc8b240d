// The main window: live values, connection, study files and the four kinds of study.
#pragma once

#include "core/data/Travail.h"
#include "ui/socle/Fenetres.h"
#include "ui/socle/Sauvegarde.h"
#include "ui/socle/Services.h"

#include <QTimer>
#include <QWidget>
#include <memory>

namespace Ui {
class TZYV2;
}

namespace zyv {

class ModuleZYV;

class TZYV2 : public QWidget {
    Q_OBJECT
public:
    TZYV2(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres,
          QWidget* parent = nullptr);
    ~TZYV2() override;

    // The program's file dialogs; the study windows use them too.
    DialogueFichier OpenDialogZYV2;
    DialogueFichier SaveDialogZYV2;
    // The save commands and the save prompt shared by every window.
    Sauvegarde SauvegardeEtude;
    QTimer Timer1;

    void setbuttonConnecter();
    void Affiche();
    void Copiervaleurs();
    // The text "Copier les valeurs" puts on the clipboard.
    std::string TexteValeurs() const;
    // What the four study buttons share: kind check, save prompt, new study, window.
    void OuvreEtude(int typeEtude);
    // At start, once the link is settled: a study left unsaved by a run that did not end
    // normally is offered back, in its window.
    void ProposeRecuperation();

    void FormCreate();
    void FormShow();
    void ButtonConnecterClick();
    void Timer1Timer();
    void ButtonCaractMoteurClick() { OuvreEtude(EtudeCaractMoteur); }
    void ButtonChargeMoteurClick() { OuvreEtude(EtudeChargeMoteur); }
    void ButtonCaractGeneClick() { OuvreEtude(EtudeCaractGeneratrice); }
    void ButtonChargeGeneClick() { OuvreEtude(EtudeChargeGeneratrice); }
    void ButtonOuvrirClick();
    void ButtonCopierValeursClick() { Copiervaleurs(); }
    void SpeedButtonAideClick();
    void ButtonQuitterClick() { close(); }
    // True when the window may close; closes the port and writes the configuration then.
    bool FormClose();

signals:
    // The main window has closed: the run ends.
    void Fermee();

protected:
    void showEvent(QShowEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;

private:
    Etude& etude_;
    ModuleZYV& module_;
    Services& services_;
    Fenetres& fenetres_;
    std::unique_ptr<Ui::TZYV2> ui_;
    bool premierAffichage_ = true;
};

} // namespace zyv
