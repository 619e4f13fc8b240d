// The modelling window: one model kind fitted to every trial of the working characteristic
// (slot 0, copied there by the study window), one equation per trial in physical units, the
// points and the models drawn, printed and copied.
#pragma once

#include "core/analysis/TexteModeles.h"
#include "core/data/Travail.h"

#include <QDialog>

#include <memory>

namespace Ui {
class TFormModelisation;
}

class QPrinter;
class QToolButton;

namespace zyv {

class HoteTrace;
class Services;
class TCaractModele;

class TFormModelisation : public QDialog {
    Q_OBJECT
public:
    TFormModelisation(Etude& e, Services& services, QWidget* parent = nullptr);
    ~TFormModelisation() override;

    TCaractModele* CaractAnalyse = nullptr;

    // The kind, coefficients and equation texts of the last fit, read by the plot.
    const TModeles& Modeles() const { return modeles_; }

    void FormShow();
    // Refits the kind of the button down (none when all are up), shows and draws it.
    void ActionMod();
    void Modelisation(int type);
    void Imprimer1Click();
    void ButtonCopieCaractClick();
    void ButtonCopieEquationClick();
    // Escape turns the plot's cursor off; true when the key is consumed.
    bool FormKeyPress(int touche);

protected:
    void showEvent(QShowEvent* ev) override;
    void keyPressEvent(QKeyEvent* ev) override;

private:
    // A click on a model button: at most one stays down, a second click releases it.
    void BoutonModele(QToolButton* bouton);
    QPrinter& Imprimante();

    Etude& etude_;
    Services& services_;
    std::unique_ptr<Ui::TFormModelisation> ui_;
    TModeles modeles_;
    std::unique_ptr<HoteTrace> hote_;
    std::unique_ptr<QPrinter> imprimante_;
};

} // namespace zyv
