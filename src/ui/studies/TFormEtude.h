// What the two study windows share: the menus and the tool bar with their enabling, the trials,
// the characteristics, the points, the files, the keys, the refresh and the exports. Each window
// adds its plot frames, their layout and its own acquisition.
#pragma once

#include "core/data/Travail.h"
#include "core/plot/Disposition.h"
#include "ui/plot/HoteTrace.h"
#include "ui/socle/Fenetres.h"

#include <QMainWindow>
#include <QRect>
#include <QTimer>
#include <array>
#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QTabBar;
class QToolButton;

namespace zyv {

class CadreTrace;
class DialogueCaract;
class ModuleZYV;
class Services;

class TFormEtude : public QMainWindow, public HoteTrace {
    Q_OBJECT
public:
    ~TFormEtude() override;

    QTimer Timer1;
    // CaractMachine1..4, in characteristic order.
    std::array<CadreTrace*, NbCaractMax> CaractMachine{};
    // The slots of the last layout (left, top, width, height).
    std::array<TRectDim, NbCaractMax> Positions{};

    // Refresh, enabling, layout and read-outs.
    void ActionCar() override;
    void Setmenu();
    void TraceTout();
    virtual std::array<TRectDim, NbCaractMax> calculposition(const TRectDim& zone) const = 0;
    void Curseur() override;

    // Acquisition common to both windows.
    void Acquerir_et_afficher();
    virtual void ButtonStop1Click() = 0;

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
    void FormActivate();

protected:
    TFormEtude(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres,
               QWidget* parent);
    // Called by the window once its form is set up: finds the shared controls by their names,
    // creates the frames and connects the shared commands.
    void Attache();

    virtual CadreTrace* CreeCadre(QWidget* parent) = 0;
    // The characteristic dialog of this kind of study.
    virtual DialogueCaract* Dialogue() const = 0;
    // The window's own steps: before Setmenu, after the trial tabs, and after the rest of the
    // refresh; its part of the enabling.
    virtual void AvantSetmenu() {}
    virtual void FinActionCar() {}
    virtual void SetmenuPropre(bool inactif, bool caract) = 0;
    virtual QString LibelleCaract(int k) const;
    // The read-outs the window adds to the value column.
    virtual void CurseurPropre() {}
    // Whether a point can be taken from MesureCourante now.
    virtual bool LecturePrete() const = 0;
    // Shows the value groups and the caption of the study kind; then the shared show steps.
    void FormShow(const char* titreMoteur, const char* titreGeneratrice);

    // Every command that changes the study's content ends here, so that its recovery copy
    // follows.
    void Modifie();
    // The caption of the study kind, the study's file name and whether it is saved.
    void AfficheTitre();

    bool Acquisition() const;
    // What starting and stopping an acquisition do in both windows; each adds its own steps.
    void DebutAcquisition();
    void FinAcquisition();
    bool Affichee(int k) const;
    // Each shown characteristic's frame with its slot of zone's layout, in characteristic order.
    void PourChaqueAffichee(const TRectDim& zone,
                            const std::function<void(CadreTrace&, const TRectDim&)>& dessin);
    int NbAffichees() const;
    QPrinter& Imprimante();

    void showEvent(QShowEvent* ev) override;
    void closeEvent(QCloseEvent* ev) override;
    bool eventFilter(QObject* objet, QEvent* ev) override;

    Etude& etude_;
    ModuleZYV& module_;
    Services& services_;
    Fenetres& fenetres_;

    // The shared controls, found by their names in the window's form.
    struct Controles {
        QMenu *Fichier1, *Edition1, *Configuration1, *Aide1;
        QMenu *Modificationcaracteristique1, *Suppressioncaracteristique1, *SuppressionEssai1;
        QMenu *Copierlesvaleurs1, *Interpolation1, *Couleurdesgraphes1;
        QMenu* Modelisation1; // none in a load study
        QAction *Enregistrer1, *Enregistrersous1, *Nouveautravail1, *Configurationimprimante1;
        QAction *Imprimer1, *Quitter1, *Nouvellecaracteristique1, *NouvelEssai1;
        QAction *Copierlescaractristiques1, *Copiertouteslesvaleurs1, *Copierlesvaleursessai1;
        QAction *Configurationmatrielle1, *AideZYV1, *Apropos1;
        std::array<QAction*, NbCaractMax> MCar, SCar, ModCar;
        std::array<QAction*, NbEssaisMax> SupEssai;
        std::array<QToolButton*, NbCaractMax> ButtonCar;
        QToolButton* ButtonAffichage;
        QAbstractButton *ButtonTitre, *BoutonDepart; // "Connexion"
        QWidget *PanelTitre, *AffichageValeur, *PanelBoutonsAcquisition, *PanelAcquisition;
        QWidget* PanelTraceCourbes;
        QLabel* Imagefond;
        QWidget *PanelValeursMoteur, *PanelValeusMeca, *PanelValeursGene;
        QTabBar* TabControlCourbes;
        QLineEdit *EditCommentaire, *Edittitre;
        std::array<QLabel*, 11> Valeurs;
    };
    Controles c_{};
    // A point is taken only from a reading of the running acquisition, never from a value
    // left in MesureCourante by a picked point.
    bool lectureValide_ = false;

private:
    void PrepareMenus();
    void ConnecteCommandes();
    void MenuFichierPopup();
    void MenuEditionPopup();
    void SousMenusCaract();
    void SousMenuEssais();
    void MenuInterpolationPopup();
    bool ToucheFenetre(int touche);
    void RemplitOnglets();

    std::unique_ptr<QPrinter> imprimante_;
    QString legende_;
    bool traceEnCours_ = false;
    // The background picture's rectangle the frames last followed.
    QRect zoneSuivie_;
};

} // namespace zyv
