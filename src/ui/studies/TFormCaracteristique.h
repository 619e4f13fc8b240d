// The characteristic study window: points taken one at a time from the live module into up to
// five trials, plotted in up to four frames, edited, sorted, saved, copied and printed.
#pragma once

#include "core/data/Travail.h"
#include "core/plot/Disposition.h"
#include "ui/app/Fenetres.h"
#include "ui/plot/HoteTrace.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>

namespace Ui {
class TFormCaracteristique;
}

class QAction;
class QMenu;
class QPrinter;
class QToolButton;

namespace zyv {

class ModuleZYV;
class Services;
class TCaractMachine;

inline constexpr const char* TitreMoteur = "Etude des caracteristiques du moteur à courant continu";
inline constexpr const char* TitreGeneratrice =
    "Etude des caracteristiques de la génératrice à courant continu";

class TFormCaracteristique : public QMainWindow, public HoteTrace {
    Q_OBJECT
public:
    TFormCaracteristique(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres,
                         QWidget* parent = nullptr);
    ~TFormCaracteristique() override;

    QTimer Timer1;
    std::array<TCaractMachine*, NbCaractMax> CaractMachine{};
    // The slots of the last layout (left, top, width, height).
    std::array<TRectDim, NbCaractMax> Positions{};

    // Refresh, enabling, layout and read-outs.
    void ActionCar() override;
    void Setmenu();
    void TraceTout();
    std::array<TRectDim, NbCaractMax> calculposition(const TRectDim& zone) const;
    void Curseur() override;

    // Acquisition.
    void ButtonManuClick(bool presse);
    void Timer1Timer();
    void Acquerir_et_afficher();
    void ButtonStop1Click();

    // Trials.
    void NouvelEssai1Click() override;
    void SupEssai(int k);
    void TabControlCourbesChange(int index);
    void EditCommentaireChange(const QString& texte);

    // Characteristics.
    void Nouvellecaracteristique1Click();
    void ModifieCaract(int k) override;
    void SCarClick(int k);
    void ButtonCarClick(int k, bool presse);
    void Modelisation(int k) override;

    // Points.
    void Supprimepoint() override;
    void SupprimeTousPoints() override;
    void TrierPoints(bool tous);

    // Title, interpolation, colours.
    void EdittitreChange(const QString& texte);
    void InterpolationClick(int interpolation);
    void FondClick(int fond);

    // Files.
    void Enregistrer1Click();
    void Enregistrersous1Click();
    void Nouveautravail1Click();
    bool Avertissement();

    // Exports.
    void Copiervaleurs(int essai);
    void Copierlescaractristiques1Click();
    void Configurationimprimante1Click();
    void Imprimer1Click();

    void Configurationmatrielle1Click();
    void FormShow();
    void FormActivate();

protected:
    void showEvent(QShowEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* objet, QEvent* ev) override;

private:
    void ConnecteCommandes();
    void PrepareMenus();
    void MenuFichierPopup();
    void MenuEditionPopup();
    void SousMenusCaract();
    void SousMenuEssais();
    void MenuInterpolationPopup();
    bool ToucheFenetre(int touche);
    void RemplitOnglets();
    bool Acquisition() const;
    bool Affichee(int k) const;
    QPrinter& Imprimante();

    Etude& etude_;
    ModuleZYV& module_;
    Services& services_;
    Fenetres& fenetres_;
    std::unique_ptr<Ui::TFormCaracteristique> ui_;
    std::unique_ptr<QPrinter> imprimante_;
    // A point is taken only from a reading of the running acquisition, never from a value
    // left in MesureCourante by a picked point.
    bool lectureValide_ = false;
    bool traceEnCours_ = false;
};

} // namespace zyv
