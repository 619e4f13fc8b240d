#include "ui/studies/TFormCaracteristique.h"

#include "core/data/Cp1252.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "core/plot/UniteGraphe.h"
#include "ui/app/Accessibilite.h"
#include "ui/app/Modal.h"
#include "ui/app/Services.h"
#include "ui/app/TAboutBox.h"
#include "ui/app/TFormVisualisationPDF.h"
#include "ui/app/TZYV2.h"
#include "ui/plot/TCaractMachine.h"

#include "ui_TFormCaracteristique.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>

namespace zyv {

namespace {

struct ValeurColonne {
    QLabel* Ui::TFormCaracteristique::*Champ;
    int Grandeur;
};

// The value column's read-outs and the quantity each one shows.
constexpr ValeurColonne Colonne[] = {
    {&Ui::TFormCaracteristique::ValtensionMoteur, GTensionMoteur},
    {&Ui::TFormCaracteristique::ValCourantMoteur, GCourantMoteur},
    {&Ui::TFormCaracteristique::ValPElecMoteur, GPuissanceMoteur},
    {&Ui::TFormCaracteristique::ValRendementMoteur, GRendementMoteur},
    {&Ui::TFormCaracteristique::ValVitesse, GVitesse},
    {&Ui::TFormCaracteristique::ValCouple, GCouple},
    {&Ui::TFormCaracteristique::ValPMeca, GPuissanceMeca},
    {&Ui::TFormCaracteristique::ValtensionGene, GTensionGene},
    {&Ui::TFormCaracteristique::ValCourantGene, GCourantGene},
    {&Ui::TFormCaracteristique::ValPElecGene, GPuissanceGene},
    {&Ui::TFormCaracteristique::ValRendementGene, GRendementGene},
};

// A swatch of one colour scheme: its background, axes and first trial's curve.
QIcon Pastille(int fond) {
    const TCouleurs& c = SchemaCouleurs(fond);
    auto qc = [](Couleur v) { return QColor::fromRgb(v); };
    QPixmap p(48, 18);
    p.fill(qc(c[0]));
    QPainter peintre(&p);
    peintre.setPen(QPen(qc(c[IndiceAxes]), 1));
    peintre.drawLine(4, 14, 44, 14);
    peintre.drawLine(6, 2, 6, 16);
    peintre.setPen(QPen(qc(c[IndiceAxes + 1]), 2));
    peintre.drawLine(8, 12, 42, 4);
    peintre.setPen(Qt::black);
    peintre.drawRect(0, 0, 47, 17);
    return QIcon(p);
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TFormCaracteristique::TFormCaracteristique(Etude& e, ModuleZYV& module, Services& services,
                                           Fenetres& fenetres, QWidget* parent)
    : QMainWindow(parent), etude_(e), module_(module), services_(services), fenetres_(fenetres),
      ui_(std::make_unique<Ui::TFormCaracteristique>()) {
    ui_->setupUi(this);
    resize(1024, 730);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    QPalette creme = palette();
    creme.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xF0));
    setPalette(creme);
    ui_->Imagefond->setPixmap(QPixmap(QStringLiteral(":/icones/fond.svg")));
    ui_->PanelManu->hide();
    // One flat tab of 80 pixels a trial, however wide the strip.
    ui_->TabControlCourbes->setExpanding(false);
    ui_->TabControlCourbes->setDrawBase(false);
    ui_->TabControlCourbes->setStyleSheet(QStringLiteral("QTabBar::tab { width: 80px; }"));

    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(200);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TFormCaracteristique::Timer1Timer);

    for (int k = 1; k <= NbCaractMax; ++k) {
        auto* cadre = new TCaractMachine(etude_, services_, *this, ui_->PanelTraceCourbes);
        cadre->setObjectName(QStringLiteral("CaractMachine%1").arg(k));
        cadre->NumCaract = k;
        cadre->hide();
        CaractMachine[static_cast<std::size_t>(k - 1)] = cadre;
    }

    PrepareMenus();
    ConnecteCommandes();
    NommeControles(this);
    fenetres_.FormCaracteristique = this;
}

TFormCaracteristique::~TFormCaracteristique() {
    qApp->removeEventFilter(this);
    // The dialogs shown over this window belong to the run, not to it.
    for (QDialog* d : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) d->setParent(nullptr);
}

void TFormCaracteristique::PrepareMenus() {
    Ui::TFormCaracteristique& u = *ui_;
    // Each tool button carries its menu command: same enabling, same action, and the submenu
    // dropped down for the commands that have one.
    const std::pair<QToolButton*, QAction*> commandes[] = {
        {u.ButtonEnregistrer, u.Enregistrer1},
        {u.ButtonNouveauTravail, u.Nouveautravail1},
        {u.ButtonImprimer, u.Imprimer1},
        {u.ButtonNouvellecaracteristique, u.Nouvellecaracteristique1},
        {u.ButtonModificationcaracteristique, u.Modificationcaracteristique1->menuAction()},
        {u.ButtonSuppressioncaracteristique, u.Suppressioncaracteristique1->menuAction()},
        {u.ButtonNouvelEssai, u.NouvelEssai1},
        {u.ButtonSupprimeEssai, u.SuppressionEssai1->menuAction()},
        {u.ToolButton6, u.Modelisation1->menuAction()},
        {u.ButtonCopierCar, u.Copierlescaractristiques1},
        {u.ButtonCopierValeur, u.Copierlesvaleurs1->menuAction()},
        {u.ButtonTrierlespoints, u.Trierlespoints1->menuAction()},
        {u.ButtonInterpolation, u.Interpolation1->menuAction()},
        {u.ButtonConfigMateriel, u.Configurationmatrielle1},
    };
    const char* images[] = {"enregistrer",     "nouveau",         "imprimer",
                            "caract-nouvelle", "caract-modifier", "caract-supprimer",
                            "essai-nouveau",   "essai-supprimer", "modelisation",
                            "copier-image",    "copier-valeurs",  "trier",
                            "interpolation",   "connexion"};
    int i = 0;
    for (const auto& [bouton, action] : commandes) {
        const QString conseil = bouton->toolTip();
        action->setIcon(QIcon(QStringLiteral(":/icones/%1.svg").arg(QLatin1String(images[i++]))));
        bouton->setDefaultAction(action);
        bouton->setToolTip(conseil);
        if (action->menu() != nullptr) bouton->setPopupMode(QToolButton::InstantPopup);
    }
    u.ButtonAffichage->setIcon(QIcon(QStringLiteral(":/icones/affichage.svg")));
    u.ButtonTitre->setIcon(QIcon(QStringLiteral(":/icones/titre.svg")));
    u.Enregistrer1->setShortcut(QKeySequence::Save);
    u.Imprimer1->setShortcut(QKeySequence::Print);
    u.Configurationimprimante1->setStatusTip(QStringLiteral("Configuration de l'imprimante"));
    u.Imprimer1->setStatusTip(QStringLiteral("Impression des caractéristiques"));

    auto* interpolations = new QActionGroup(this);
    for (QAction* a : u.Interpolation1->actions()) interpolations->addAction(a);
    for (int f = 0; f < 8; ++f) {
        QAction* a = u.Couleurdesgraphes1->actions().at(f);
        a->setIcon(Pastille(f));
        static const char* const noms[] = {"Blanc",  "Bleu clair", "Jaune", "Gris",
                                           "Marron", "Vert",       "Bleu",  "Noir"};
        a->setToolTip(QString::fromUtf8(noms[f]));
        a->setIconVisibleInMenu(true);
    }
}

void TFormCaracteristique::ConnecteCommandes() {
    Ui::TFormCaracteristique& u = *ui_;
    connect(u.Enregistrer1, &QAction::triggered, this, &TFormCaracteristique::Enregistrer1Click);
    connect(u.Enregistrersous1, &QAction::triggered, this,
            &TFormCaracteristique::Enregistrersous1Click);
    connect(u.Nouveautravail1, &QAction::triggered, this,
            &TFormCaracteristique::Nouveautravail1Click);
    connect(u.Configurationimprimante1, &QAction::triggered, this,
            &TFormCaracteristique::Configurationimprimante1Click);
    connect(u.Imprimer1, &QAction::triggered, this, &TFormCaracteristique::Imprimer1Click);
    connect(u.Quitter1, &QAction::triggered, this, &QWidget::close);
    connect(u.Nouvellecaracteristique1, &QAction::triggered, this,
            &TFormCaracteristique::Nouvellecaracteristique1Click);
    connect(u.NouvelEssai1, &QAction::triggered, this, &TFormCaracteristique::NouvelEssai1Click);
    connect(u.Copierlescaractristiques1, &QAction::triggered, this,
            &TFormCaracteristique::Copierlescaractristiques1Click);
    connect(u.Copiertouteslesvaleurs1, &QAction::triggered, this, [this] { Copiervaleurs(-1); });
    connect(u.Copierlesvaleursessai1, &QAction::triggered, this,
            [this] { Copiervaleurs(etude_.EssaiCourant); });
    connect(u.Trieressai1, &QAction::triggered, this, [this] { TrierPoints(false); });
    connect(u.Triertous1, &QAction::triggered, this, [this] { TrierPoints(true); });
    connect(u.Configurationmatrielle1, &QAction::triggered, this,
            &TFormCaracteristique::Configurationmatrielle1Click);
    connect(u.AideZYV1, &QAction::triggered, this, [this] {
        if (fenetres_.FormVisualisationPDF != nullptr) fenetres_.FormVisualisationPDF->Affiche();
    });
    connect(u.Apropos1, &QAction::triggered, this, [this] {
        if (fenetres_.AboutBox != nullptr) ExecModal(*fenetres_.AboutBox, this);
    });

    QAction* const mcar[] = {u.MCar1, u.MCar2, u.MCar3, u.MCar4};
    QAction* const scar[] = {u.SCar1, u.SCar2, u.SCar3, u.SCar4};
    QAction* const modcar[] = {u.ModCar1, u.ModCar2, u.ModCar3, u.ModCar4};
    QToolButton* const boutons[] = {u.ButtonCar1, u.ButtonCar2, u.ButtonCar3, u.ButtonCar4};
    for (int k = 1; k <= NbCaractMax; ++k) {
        connect(mcar[k - 1], &QAction::triggered, this, [this, k] { ModifieCaract(k); });
        connect(scar[k - 1], &QAction::triggered, this, [this, k] { SCarClick(k); });
        connect(modcar[k - 1], &QAction::triggered, this, [this, k] { Modelisation(k); });
        connect(boutons[k - 1], &QToolButton::clicked, this,
                [this, k](bool presse) { ButtonCarClick(k, presse); });
    }
    QAction* const supEssai[] = {u.SupEssai1, u.SupEssai2, u.SupEssai3, u.SupEssai4, u.SupEssai5};
    for (int k = 1; k <= NbEssaisMax; ++k)
        connect(supEssai[k - 1], &QAction::triggered, this, [this, k] { SupEssai(k); });
    const int interpolations[] = {-1, 1, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        connect(u.Interpolation1->actions().at(i), &QAction::triggered, this,
                [this, v = interpolations[i]] { InterpolationClick(v); });
    for (int f = 0; f < 8; ++f)
        connect(u.Couleurdesgraphes1->actions().at(f), &QAction::triggered, this,
                [this, f] { FondClick(f); });

    connect(u.Fichier1, &QMenu::aboutToShow, this, &TFormCaracteristique::MenuFichierPopup);
    connect(u.Edition1, &QMenu::aboutToShow, this, &TFormCaracteristique::MenuEditionPopup);
    for (QMenu* m :
         {u.Modificationcaracteristique1, u.Suppressioncaracteristique1, u.Modelisation1})
        connect(m, &QMenu::aboutToShow, this, &TFormCaracteristique::SousMenusCaract);
    connect(u.SuppressionEssai1, &QMenu::aboutToShow, this, &TFormCaracteristique::SousMenuEssais);
    connect(u.Interpolation1, &QMenu::aboutToShow, this,
            &TFormCaracteristique::MenuInterpolationPopup);

    connect(u.ButtonManu, &QPushButton::clicked, this, &TFormCaracteristique::ButtonManuClick);
    connect(u.ButtonAcquisitionManuelle, &QPushButton::clicked, this,
            &TFormCaracteristique::Acquerir_et_afficher);
    connect(u.ButtonStop1, &QPushButton::clicked, this, &TFormCaracteristique::ButtonStop1Click);
    connect(u.ButtonTitre, &QPushButton::clicked, this, &TFormCaracteristique::ActionCar);
    connect(u.ButtonAffichage, &QToolButton::clicked, this, &TFormCaracteristique::ActionCar);
    connect(u.TabControlCourbes, &QTabBar::currentChanged, this,
            &TFormCaracteristique::TabControlCourbesChange);
    connect(u.EditCommentaire, &QLineEdit::textEdited, this,
            &TFormCaracteristique::EditCommentaireChange);
    connect(u.Edittitre, &QLineEdit::textEdited, this, &TFormCaracteristique::EdittitreChange);
}

// ---------------------------------------------------------------------------------------
// Refresh

bool TFormCaracteristique::Acquisition() const {
    return ui_->ButtonManu->isChecked();
}

bool TFormCaracteristique::Affichee(int k) const {
    const TCaract& c = etude_.Travail.Caract[static_cast<std::size_t>(k)];
    return c.Defini && c.Affiche;
}

void TFormCaracteristique::ActionCar() {
    QDir::setCurrent(Q(etude_.RepertoireProgramme));
    ui_->PanelTitre->setVisible(ui_->ButtonTitre->isChecked());
    ui_->AffichageValeur->setVisible(ui_->ButtonAffichage->isChecked());
    ui_->ButtonManu->setEnabled(module_.Connecte());
    Setmenu();
    RemplitOnglets();
    {
        const QSignalBlocker bloque(ui_->EditCommentaire);
        const QString commentaire = Q(Cp1252VersUtf8(etude_.Courant().Commentaire.Texte()));
        if (ui_->EditCommentaire->text() != commentaire) ui_->EditCommentaire->setText(commentaire);
    }
    TraceTout();
    QToolButton* const boutons[] = {ui_->ButtonCar1, ui_->ButtonCar2, ui_->ButtonCar3,
                                    ui_->ButtonCar4};
    for (int k = 0; k < NbCaractMax; ++k)
        boutons[k]->setText(CaractMachine[static_cast<std::size_t>(k)]->TexteCaract());
}

void TFormCaracteristique::RemplitOnglets() {
    QTabBar* onglets = ui_->TabControlCourbes;
    const QSignalBlocker bloque(onglets);
    while (onglets->count() > 0) onglets->removeTab(onglets->count() - 1);
    for (int t = 1; t <= etude_.Travail.NbEssais; ++t)
        onglets->addTab(QStringLiteral("Essai%1").arg(t));
    onglets->setCurrentIndex(etude_.EssaiCourant - 1);
}

void TFormCaracteristique::Setmenu() {
    Ui::TFormCaracteristique& u = *ui_;
    const bool inactif = !Acquisition();
    const bool caract = NbCaract(etude_) > 0;
    const bool points = etude_.Travail.Essai(1).DernierPoint >= 0;
    const bool tout = inactif && caract && points;

    for (QMenu* m : {u.Fichier1, u.Edition1, u.Configuration1, u.Aide1})
        m->menuAction()->setEnabled(inactif);
    u.TabControlCourbes->setEnabled(inactif);
    u.Nouvellecaracteristique1->setEnabled(inactif);
    u.Modificationcaracteristique1->menuAction()->setEnabled(inactif && caract);
    u.Suppressioncaracteristique1->menuAction()->setEnabled(inactif && caract);
    for (QAction* a : {u.Enregistrer1, u.Enregistrersous1, u.Nouveautravail1, u.Imprimer1,
                       u.Copierlescaractristiques1, u.Copierlesvaleurs1->menuAction(),
                       u.Trierlespoints1->menuAction(), u.Interpolation1->menuAction(),
                       u.NouvelEssai1, u.SuppressionEssai1->menuAction()})
        a->setEnabled(tout);
    // The tool bar mirrors what the Edition menu would offer when opened.
    const int n = etude_.Travail.NbEssais;
    if (tout) {
        u.NouvelEssai1->setEnabled(n < NbEssaisMax && etude_.Travail.Essai(n).DernierPoint >= 0);
        u.SuppressionEssai1->menuAction()->setEnabled(n > 1);
    }
    u.Configurationmatrielle1->setEnabled(!module_.Connecte());
    u.Modelisation1->menuAction()->setEnabled(inactif);
    u.ButtonAffichage->setEnabled(true);

    QToolButton* const boutons[] = {u.ButtonCar1, u.ButtonCar2, u.ButtonCar3, u.ButtonCar4};
    for (int k = 1; k <= NbCaractMax; ++k) {
        const TCaract& c = etude_.Travail.Caract[static_cast<std::size_t>(k)];
        boutons[k - 1]->setVisible(c.Defini);
        boutons[k - 1]->setChecked(c.Affiche);
    }
    u.PanelBoutonsAcquisition->setVisible(inactif && caract);
    u.PanelManu->setVisible(!inactif);
}

void TFormCaracteristique::MenuFichierPopup() {
    const bool points = etude_.Travail.Essai(1).DernierPoint >= 0;
    for (QAction* a : {ui_->Enregistrer1, ui_->Nouveautravail1, ui_->Imprimer1})
        a->setEnabled(points);
}

void TFormCaracteristique::MenuEditionPopup() {
    const int n = etude_.Travail.NbEssais;
    ui_->NouvelEssai1->setEnabled(n < NbEssaisMax && etude_.Travail.Essai(n).DernierPoint >= 0);
    ui_->SuppressionEssai1->menuAction()->setEnabled(n > 1);
}

void TFormCaracteristique::SousMenusCaract() {
    Ui::TFormCaracteristique& u = *ui_;
    QToolButton* const boutons[] = {u.ButtonCar1, u.ButtonCar2, u.ButtonCar3, u.ButtonCar4};
    QAction* const mcar[] = {u.MCar1, u.MCar2, u.MCar3, u.MCar4};
    QAction* const scar[] = {u.SCar1, u.SCar2, u.SCar3, u.SCar4};
    QAction* const modcar[] = {u.ModCar1, u.ModCar2, u.ModCar3, u.ModCar4};
    for (int k = 0; k < NbCaractMax; ++k) {
        // The buttons' own visibility, whether or not the tool bar is on screen.
        const bool visible = etude_.Travail.Caract[static_cast<std::size_t>(k + 1)].Defini;
        const QString nom = boutons[k]->text();
        mcar[k]->setVisible(visible);
        mcar[k]->setText(QStringLiteral("Modification de la caractéristique ") + nom);
        scar[k]->setVisible(visible);
        scar[k]->setText(QStringLiteral("Suppression de la caractéristique ") + nom);
        modcar[k]->setVisible(visible);
        modcar[k]->setText(QStringLiteral("Modélisation de la caractéristique ") + nom);
    }
}

void TFormCaracteristique::SousMenuEssais() {
    const QList<QAction*> items = ui_->SuppressionEssai1->actions();
    for (int k = 1; k <= NbEssaisMax; ++k) {
        items.at(k - 1)->setVisible(k <= ui_->TabControlCourbes->count());
        items.at(k - 1)->setText(QStringLiteral("Essai %1").arg(k));
    }
}

void TFormCaracteristique::MenuInterpolationPopup() {
    const int valeurs[] = {-1, 1, 2, 3, 4, 5};
    const QList<QAction*> items = ui_->Interpolation1->actions();
    for (int i = 0; i < 6; ++i) items.at(i)->setChecked(etude_.Travail.Interpolation == valeurs[i]);
}

std::array<TRectDim, NbCaractMax> TFormCaracteristique::calculposition(const TRectDim& zone) const {
    int n = 0;
    for (int k = 1; k <= NbCaractMax; ++k)
        if (Affichee(k)) ++n;
    return DispositionCaract(zone, n);
}

void TFormCaracteristique::TraceTout() {
    if (traceEnCours_) return;
    traceEnCours_ = true;
    {
        const QSignalBlocker bloque(ui_->Edittitre);
        const QString titre = Q(Cp1252VersUtf8(etude_.Travail.Titre.Texte()));
        if (ui_->Edittitre->text() != titre) ui_->Edittitre->setText(titre);
    }
    // Visibility changes of the title strip or the value column move the picture first.
    ui_->PanelTraceCourbes->layout()->activate();
    const QRect fond = ui_->Imagefond->geometry();
    Positions = calculposition({fond.left(), fond.top(), fond.width(), fond.height()});
    std::size_t place = 0;
    for (int k = 1; k <= NbCaractMax; ++k) {
        TCaractMachine* cadre = CaractMachine[static_cast<std::size_t>(k - 1)];
        if (!Affichee(k)) {
            cadre->hide();
            continue;
        }
        const TRectDim& r = Positions[place++];
        cadre->setGeometry(r.Left, r.Top, r.Width, r.Height);
        cadre->show();
        cadre->raise();
        cadre->tracecaract();
    }
    traceEnCours_ = false;
    Curseur();
}

void TFormCaracteristique::Curseur() {
    for (TCaractMachine* cadre : CaractMachine) cadre->curseur();
    const bool aucun = etude_.MesureCourante[GNumero] < 0;
    for (const ValeurColonne& v : Colonne) {
        QLabel* champ = (*ui_).*v.Champ;
        champ->setText(aucun ? QStringLiteral("----") : Q(FormatMesure(etude_, v.Grandeur)));
    }
}

// ---------------------------------------------------------------------------------------
// Showing, closing, keys

void TFormCaracteristique::showEvent(QShowEvent* ev) {
    QMainWindow::showEvent(ev);
    if (ev->spontaneous()) return;
    qApp->installEventFilter(this);
    FormShow();
    // Once the window is on screen, so that the dialog opens over it.
    QTimer::singleShot(0, this, &TFormCaracteristique::FormActivate);
}

void TFormCaracteristique::FormShow() {
    for (int k = 1; k <= NbCaractMax; ++k)
        CaractMachine[static_cast<std::size_t>(k - 1)]->NumCaract = k;
    etude_.MesureCourante[GNumero] = -1;
    const bool moteur = etude_.Travail.TypeEtude != EtudeCaractGeneratrice;
    ui_->PanelValeursMoteur->setVisible(moteur);
    ui_->PanelValeursGene->setVisible(!moteur);
    ui_->PanelValeusMeca->setVisible(true);
    setWindowTitle(QString::fromUtf8(moteur ? TitreMoteur : TitreGeneratrice));
    ActionCar();
}

void TFormCaracteristique::FormActivate() {
    if (isVisible() && NbCaract(etude_) == 0) Nouvellecaracteristique1Click();
}

void TFormCaracteristique::closeEvent(QCloseEvent* ev) {
    if (Acquisition()) ButtonStop1Click();
    qApp->removeEventFilter(this);
    ev->accept();
    if (fenetres_.ZYV2 != nullptr) fenetres_.ZYV2->show();
}

bool TFormCaracteristique::eventFilter(QObject* objet, QEvent* ev) {
    // Installed on the application while shown: sees the plot area resize and every key.
    if (objet == ui_->PanelTraceCourbes && ev->type() == QEvent::Resize) {
        if (isVisible()) TraceTout();
        return false;
    }
    if (ev->type() != QEvent::KeyPress) return false;
    // Keys go to the window before the control that has the focus, but never from a dialog.
    auto* w = qobject_cast<QWidget*>(objet);
    if (w == nullptr || w->window() != this) return false;
    return ToucheFenetre(static_cast<QKeyEvent*>(ev)->key());
}

bool TFormCaracteristique::ToucheFenetre(int touche) {
    if (touche == Qt::Key_Escape) {
        if (Acquisition()) ButtonStop1Click();
        etude_.MesureCourante[GNumero] = -1;
        Curseur();
        return true;
    }
    if (touche == Qt::Key_Space && Acquisition()) {
        Acquerir_et_afficher();
        return true;
    }
    return false;
}

QPrinter& TFormCaracteristique::Imprimante() {
    if (!imprimante_) imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *imprimante_;
}

} // namespace zyv
