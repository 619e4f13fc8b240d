#include "ui/studies/TFormEtude.h"

#include "core/data/Cp1252.h"
#include "core/data/Operations.h"
#include "core/link/ConfigCom.h"
#include "core/plot/UniteGraphe.h"
#include "ui/plot/CadreTrace.h"
#include "ui/socle/Accessibilite.h"
#include "ui/socle/Modal.h"
#include "ui/socle/Services.h"
#include "ui/socle/TAboutBox.h"
#include "ui/socle/TFormBancSimule.h"
#include "ui/socle/TFormVisualisationPDF.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QTabBar>
#include <QToolButton>
#include <QValidator>

#include <algorithm>

namespace zyv {

namespace {

// The value column's read-outs, in the order of Controles::Valeurs, and their quantities.
constexpr const char* NomsValeurs[] = {"ValtensionMoteur",   "ValCourantMoteur", "ValPElecMoteur",
                                       "ValRendementMoteur", "ValVitesse",       "ValCouple",
                                       "ValPMeca",           "ValtensionGene",   "ValCourantGene",
                                       "ValPElecGene",       "ValRendementGene"};
constexpr int GrandeursValeurs[] = {
    GTensionMoteur, GCourantMoteur, GPuissanceMoteur, GRendementMoteur, GVitesse,      GCouple,
    GPuissanceMeca, GTensionGene,   GCourantGene,     GPuissanceGene,   GRendementGene};

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

// What the title edit admits when typed; a longer title read from a file is shown whole.
constexpr int TitreTape = 80;

// Typed or pasted text keeps no control character (tab, line ends, escape...): each becomes a
// space, so that a pasted line never splits a copied table or reaches a terminal.
class SansControle : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        for (QChar& c : texte)
            if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
        return Acceptable;
    }
};

} // namespace

TFormEtude::TFormEtude(Etude& e, ModuleZYV& module, Services& services, Fenetres& fenetres,
                       QWidget* parent)
    : QMainWindow(parent), etude_(e), module_(module), services_(services), fenetres_(fenetres) {}

TFormEtude::~TFormEtude() {
    qApp->removeEventFilter(this);
    // The dialogs shown over this window belong to the run, not to it.
    for (QDialog* d : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) d->setParent(nullptr);
}

void TFormEtude::Attache() {
    auto trouve = [this]<typename T>(T*& p, const char* nom) {
        p = findChild<T*>(QString::fromLatin1(nom));
    };
    trouve(c_.Fichier1, "Fichier1");
    trouve(c_.Edition1, "Edition1");
    trouve(c_.Configuration1, "Configuration1");
    trouve(c_.Aide1, "Aide1");
    trouve(c_.Modificationcaracteristique1, "Modificationcaracteristique1");
    trouve(c_.Suppressioncaracteristique1, "Suppressioncaracteristique1");
    trouve(c_.SuppressionEssai1, "SuppressionEssai1");
    trouve(c_.Copierlesvaleurs1, "Copierlesvaleurs1");
    trouve(c_.Interpolation1, "Interpolation1");
    trouve(c_.Couleurdesgraphes1, "Couleurdesgraphes1");
    trouve(c_.Modelisation1, "Modelisation1");
    trouve(c_.Enregistrer1, "Enregistrer1");
    trouve(c_.Enregistrersous1, "Enregistrersous1");
    trouve(c_.Nouveautravail1, "Nouveautravail1");
    trouve(c_.Configurationimprimante1, "Configurationimprimante1");
    trouve(c_.Imprimer1, "Imprimer1");
    trouve(c_.Quitter1, "Quitter1");
    trouve(c_.Nouvellecaracteristique1, "Nouvellecaracteristique1");
    trouve(c_.NouvelEssai1, "NouvelEssai1");
    trouve(c_.Copierlescaractristiques1, "Copierlescaractristiques1");
    trouve(c_.Copiertouteslesvaleurs1, "Copiertouteslesvaleurs1");
    trouve(c_.Copierlesvaleursessai1, "Copierlesvaleursessai1");
    trouve(c_.Configurationmatrielle1, "Configurationmatrielle1");
    trouve(c_.AideZYV1, "AideZYV1");
    trouve(c_.Apropos1, "Apropos1");
    trouve(c_.ButtonAffichage, "ButtonAffichage");
    trouve(c_.ButtonTitre, "ButtonTitre");
    trouve(c_.PanelTitre, "PanelTitre");
    trouve(c_.AffichageValeur, "AffichageValeur");
    trouve(c_.PanelBoutonsAcquisition, "PanelBoutonsAcquisition");
    trouve(c_.PanelTraceCourbes, "PanelTraceCourbes");
    trouve(c_.Imagefond, "Imagefond");
    trouve(c_.PanelValeursMoteur, "PanelValeursMoteur");
    trouve(c_.PanelValeusMeca, "PanelValeusMeca");
    trouve(c_.PanelValeursGene, "PanelValeursGene");
    trouve(c_.TabControlCourbes, "TabControlCourbes");
    trouve(c_.EditCommentaire, "EditCommentaire");
    trouve(c_.Edittitre, "Edittitre");
    for (int k = 1; k <= NbCaractMax; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        trouve(c_.MCar[i], qPrintable(QStringLiteral("MCar%1").arg(k)));
        trouve(c_.SCar[i], qPrintable(QStringLiteral("SCar%1").arg(k)));
        trouve(c_.ModCar[i], qPrintable(QStringLiteral("ModCar%1").arg(k)));
        trouve(c_.ButtonCar[i], qPrintable(QStringLiteral("ButtonCar%1").arg(k)));
    }
    for (int k = 1; k <= NbEssaisMax; ++k)
        trouve(c_.SupEssai[static_cast<std::size_t>(k - 1)],
               qPrintable(QStringLiteral("SupEssai%1").arg(k)));
    for (std::size_t i = 0; i < c_.Valeurs.size(); ++i) trouve(c_.Valeurs[i], NomsValeurs[i]);

    resize(minimumSize());
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
    QPalette creme = palette();
    creme.setColor(QPalette::Window, QColor(0xFF, 0xFB, 0xF0));
    setPalette(creme);
    c_.Imagefond->setPixmap(QPixmap(QStringLiteral(":/icones/fond.svg")));
    c_.PanelAcquisition->hide();
    for (QLineEdit* edit : {c_.EditCommentaire, c_.Edittitre})
        edit->setValidator(new SansControle(edit));
    c_.TabControlCourbes->setExpanding(false);
    c_.TabControlCourbes->setDrawBase(false);

    for (int k = 1; k <= NbCaractMax; ++k) {
        CadreTrace* cadre = CreeCadre(c_.PanelTraceCourbes);
        cadre->setObjectName(QStringLiteral("CaractMachine%1").arg(k));
        cadre->NumCaract = k;
        cadre->hide();
        CaractMachine[static_cast<std::size_t>(k - 1)] = cadre;
    }
    PrepareMenus();
    ConnecteCommandes();
    NommeControles(this);
}

void TFormEtude::PrepareMenus() {
    // Each tool button carries its menu command: same enabling, same action, and the submenu
    // dropped down for the commands that have one.
    struct Commande {
        const char* Bouton;
        QAction* Action;
        const char* Image;
    };
    auto menu = [](QMenu* m) { return m != nullptr ? m->menuAction() : nullptr; };
    const Commande commandes[] = {
        {"ButtonEnregistrer", c_.Enregistrer1, "enregistrer"},
        {"ButtonNouveauTravail", c_.Nouveautravail1, "nouveau"},
        {"ButtonImprimer", c_.Imprimer1, "imprimer"},
        {"ButtonNouvellecaracteristique", c_.Nouvellecaracteristique1, "caract-nouvelle"},
        {"ButtonModificationcaracteristique", menu(c_.Modificationcaracteristique1),
         "caract-modifier"},
        {"ButtonSuppressioncaracteristique", menu(c_.Suppressioncaracteristique1),
         "caract-supprimer"},
        {"ButtonNouvelEssai", c_.NouvelEssai1, "essai-nouveau"},
        {"ButtonSupprimeEssai", menu(c_.SuppressionEssai1), "essai-supprimer"},
        {"ToolButton6", menu(c_.Modelisation1), "modelisation"},
        {"ButtonCopierCar", c_.Copierlescaractristiques1, "copier-image"},
        {"ButtonCopierValeur", menu(c_.Copierlesvaleurs1), "copier-valeurs"},
        {"ButtonTrierlespoints", menu(findChild<QMenu*>(QStringLiteral("Trierlespoints1"))),
         "trier"},
        {"ButtonInterpolation", menu(c_.Interpolation1), "interpolation"},
        {"ButtonConfigMateriel", c_.Configurationmatrielle1, "connexion"},
    };
    for (const Commande& c : commandes) {
        auto* bouton = findChild<QToolButton*>(QString::fromLatin1(c.Bouton));
        if (bouton == nullptr || c.Action == nullptr) continue;
        const QString conseil = bouton->toolTip();
        c.Action->setIcon(QIcon(QStringLiteral(":/icones/%1.svg").arg(QLatin1String(c.Image))));
        // The button takes its hint again from the action at each enabling change.
        c.Action->setToolTip(conseil);
        bouton->setDefaultAction(c.Action);
        if (c.Action->menu() != nullptr) bouton->setPopupMode(QToolButton::InstantPopup);
    }
    c_.ButtonAffichage->setIcon(QIcon(QStringLiteral(":/icones/affichage.svg")));
    c_.ButtonTitre->setIcon(QIcon(QStringLiteral(":/icones/titre.svg")));
    c_.Enregistrer1->setShortcut(QKeySequence::Save);
    c_.Imprimer1->setShortcut(QKeySequence::Print);
    c_.Configurationimprimante1->setStatusTip(QStringLiteral("Configuration de l'imprimante"));
    c_.Imprimer1->setStatusTip(QStringLiteral("Impression des caractéristiques"));

    auto* interpolations = new QActionGroup(this);
    for (QAction* a : c_.Interpolation1->actions()) interpolations->addAction(a);
    static const char* const couleurs[] = {"Blanc",  "Bleu clair", "Jaune", "Gris",
                                           "Marron", "Vert",       "Bleu",  "Noir"};
    for (int f = 0; f < 8; ++f) {
        QAction* a = c_.Couleurdesgraphes1->actions().at(f);
        a->setIcon(Pastille(f));
        a->setToolTip(QString::fromUtf8(couleurs[f]));
        a->setIconVisibleInMenu(true);
    }
}

void TFormEtude::ConnecteCommandes() {
    connect(c_.Enregistrer1, &QAction::triggered, this, &TFormEtude::Enregistrer1Click);
    connect(c_.Enregistrersous1, &QAction::triggered, this, &TFormEtude::Enregistrersous1Click);
    connect(c_.Nouveautravail1, &QAction::triggered, this, &TFormEtude::Nouveautravail1Click);
    connect(c_.Configurationimprimante1, &QAction::triggered, this,
            &TFormEtude::Configurationimprimante1Click);
    connect(c_.Imprimer1, &QAction::triggered, this, &TFormEtude::Imprimer1Click);
    connect(c_.Quitter1, &QAction::triggered, this, &QWidget::close);
    connect(c_.Nouvellecaracteristique1, &QAction::triggered, this,
            &TFormEtude::Nouvellecaracteristique1Click);
    connect(c_.NouvelEssai1, &QAction::triggered, this, &TFormEtude::NouvelEssai1Click);
    connect(c_.Copierlescaractristiques1, &QAction::triggered, this,
            &TFormEtude::Copierlescaractristiques1Click);
    connect(c_.Copiertouteslesvaleurs1, &QAction::triggered, this, [this] { Copiervaleurs(-1); });
    connect(c_.Copierlesvaleursessai1, &QAction::triggered, this,
            [this] { Copiervaleurs(etude_.EssaiCourant); });
    connect(c_.Configurationmatrielle1, &QAction::triggered, this,
            &TFormEtude::Configurationmatrielle1Click);
    connect(c_.AideZYV1, &QAction::triggered, this, [this] {
        if (fenetres_.FormVisualisationPDF != nullptr) fenetres_.FormVisualisationPDF->Affiche();
    });
    connect(c_.Apropos1, &QAction::triggered, this, [this] {
        if (fenetres_.AboutBox != nullptr) ExecModal(*fenetres_.AboutBox, this);
    });
    for (int k = 1; k <= NbCaractMax; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        connect(c_.MCar[i], &QAction::triggered, this, [this, k] { ModifieCaract(k); });
        connect(c_.SCar[i], &QAction::triggered, this, [this, k] { SCarClick(k); });
        if (c_.ModCar[i] != nullptr)
            connect(c_.ModCar[i], &QAction::triggered, this, [this, k] { Modelisation(k); });
        connect(c_.ButtonCar[i], &QToolButton::clicked, this,
                [this, k](bool presse) { ButtonCarClick(k, presse); });
    }
    for (int k = 1; k <= NbEssaisMax; ++k)
        connect(c_.SupEssai[static_cast<std::size_t>(k - 1)], &QAction::triggered, this,
                [this, k] { SupEssai(k); });
    const int interpolations[] = {-1, 1, 2, 3, 4, 5};
    for (int i = 0; i < 6; ++i)
        connect(c_.Interpolation1->actions().at(i), &QAction::triggered, this,
                [this, v = interpolations[i]] { InterpolationClick(v); });
    for (int f = 0; f < 8; ++f)
        connect(c_.Couleurdesgraphes1->actions().at(f), &QAction::triggered, this,
                [this, f] { FondClick(f); });

    connect(c_.Fichier1, &QMenu::aboutToShow, this, &TFormEtude::MenuFichierPopup);
    connect(c_.Edition1, &QMenu::aboutToShow, this, &TFormEtude::MenuEditionPopup);
    for (QMenu* m :
         {c_.Modificationcaracteristique1, c_.Suppressioncaracteristique1, c_.Modelisation1})
        if (m != nullptr) connect(m, &QMenu::aboutToShow, this, &TFormEtude::SousMenusCaract);

    // The simulated bench's controls, brought back after being closed; offered only on it.
    QAction* banc = c_.Configuration1->addAction(QStringLiteral("Banc simulé"));
    banc->setObjectName(QStringLiteral("BancSimule1"));
    banc->setVisible(false);
    connect(banc, &QAction::triggered, this, [this] { fenetres_.FormBancSimule->Montre(); });
    connect(c_.Configuration1, &QMenu::aboutToShow, this, [this, banc] {
        banc->setVisible(fenetres_.FormBancSimule != nullptr &&
                         fenetres_.FormBancSimule->Disponible());
    });
    connect(c_.SuppressionEssai1, &QMenu::aboutToShow, this, &TFormEtude::SousMenuEssais);
    connect(c_.Interpolation1, &QMenu::aboutToShow, this, &TFormEtude::MenuInterpolationPopup);

    connect(c_.ButtonTitre, &QAbstractButton::clicked, this, &TFormEtude::ActionCar);
    connect(c_.ButtonAffichage, &QToolButton::clicked, this, &TFormEtude::ActionCar);
    connect(c_.TabControlCourbes, &QTabBar::currentChanged, this,
            &TFormEtude::TabControlCourbesChange);
    connect(c_.EditCommentaire, &QLineEdit::textEdited, this, &TFormEtude::EditCommentaireChange);
    connect(c_.Edittitre, &QLineEdit::textEdited, this, &TFormEtude::EdittitreChange);
}

// ---------------------------------------------------------------------------------------
// Refresh

bool TFormEtude::Acquisition() const {
    return c_.BoutonDepart->isChecked();
}

bool TFormEtude::Affichee(int k) const {
    const TCaract& c = etude_.Travail.Caract[static_cast<std::size_t>(k)];
    return c.Defini && c.Affiche;
}

int TFormEtude::NbAffichees() const {
    int n = 0;
    for (int k = 1; k <= NbCaractMax; ++k)
        if (Affichee(k)) ++n;
    return n;
}

QString TFormEtude::LibelleCaract(int k) const {
    return CaractMachine[static_cast<std::size_t>(k - 1)]->TexteCaract();
}

void TFormEtude::ActionCar() {
    QDir::setCurrent(Q(etude_.RepertoireProgramme));
    c_.PanelTitre->setVisible(c_.ButtonTitre->isChecked());
    c_.AffichageValeur->setVisible(c_.ButtonAffichage->isChecked());
    AvantSetmenu();
    Setmenu();
    RemplitOnglets();
    {
        const QSignalBlocker bloque(c_.EditCommentaire);
        const QString commentaire = Q(Cp1252VersUtf8(etude_.Courant().Commentaire.Texte()));
        if (c_.EditCommentaire->text() != commentaire) c_.EditCommentaire->setText(commentaire);
    }
    TraceTout();
    for (int k = 1; k <= NbCaractMax; ++k) {
        // A screen reader names the button by the caption it shows, not the one it started with.
        QToolButton* bouton = c_.ButtonCar[static_cast<std::size_t>(k - 1)];
        bouton->setText(LibelleCaract(k));
        bouton->setAccessibleName(bouton->text());
    }
    FinActionCar();
    AfficheTitre();
}

void TFormEtude::RemplitOnglets() {
    QTabBar* onglets = c_.TabControlCourbes;
    const QSignalBlocker bloque(onglets);
    while (onglets->count() > 0) onglets->removeTab(onglets->count() - 1);
    for (int t = 1; t <= etude_.Travail.NbEssais; ++t)
        onglets->addTab(QStringLiteral("Essai%1").arg(t));
    onglets->setCurrentIndex(etude_.EssaiCourant - 1);
}

void TFormEtude::Setmenu() {
    const bool inactif = !Acquisition();
    const bool caract = NbCaract(etude_) > 0;
    const bool points = etude_.Travail.Essai(1).DernierPoint >= 0;
    const bool tout = inactif && caract && points;

    for (QMenu* m : {c_.Fichier1, c_.Edition1, c_.Configuration1, c_.Aide1})
        m->menuAction()->setEnabled(inactif);
    c_.TabControlCourbes->setEnabled(inactif);
    c_.Nouvellecaracteristique1->setEnabled(inactif);
    c_.Modificationcaracteristique1->menuAction()->setEnabled(inactif && caract);
    c_.Suppressioncaracteristique1->menuAction()->setEnabled(inactif && caract);
    for (QAction* a :
         {c_.Enregistrer1, c_.Enregistrersous1, c_.Nouveautravail1, c_.Imprimer1,
          c_.Copierlescaractristiques1, c_.Copierlesvaleurs1->menuAction(),
          c_.Interpolation1->menuAction(), c_.NouvelEssai1, c_.SuppressionEssai1->menuAction()})
        a->setEnabled(tout);
    // The tool bar mirrors what the Edition menu would offer when opened.
    if (tout) MenuEditionPopup();
    for (int k = 1; k <= NbCaractMax; ++k) {
        const TCaract& c = etude_.Travail.Caract[static_cast<std::size_t>(k)];
        QToolButton* bouton = c_.ButtonCar[static_cast<std::size_t>(k - 1)];
        bouton->setVisible(c.Defini);
        bouton->setChecked(c.Affiche);
    }
    c_.PanelBoutonsAcquisition->setVisible(inactif && caract);
    c_.PanelAcquisition->setVisible(!inactif);
    SetmenuPropre(inactif, caract);
}

void TFormEtude::MenuFichierPopup() {
    const bool points = etude_.Travail.Essai(1).DernierPoint >= 0;
    for (QAction* a : {c_.Enregistrer1, c_.Nouveautravail1, c_.Imprimer1}) a->setEnabled(points);
}

void TFormEtude::MenuEditionPopup() {
    const int n = etude_.Travail.NbEssais;
    c_.NouvelEssai1->setEnabled(n < NbEssaisMax && etude_.Travail.Essai(n).DernierPoint >= 0);
    c_.SuppressionEssai1->menuAction()->setEnabled(n > 1);
}

void TFormEtude::SousMenusCaract() {
    for (int k = 1; k <= NbCaractMax; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        // The buttons' own visibility, whether or not the tool bar is on screen.
        const bool visible = etude_.Travail.Caract[static_cast<std::size_t>(k)].Defini;
        const QString nom = c_.ButtonCar[i]->text();
        c_.MCar[i]->setVisible(visible);
        c_.MCar[i]->setText(QStringLiteral("Modification de la caractéristique ") + nom);
        c_.SCar[i]->setVisible(visible);
        c_.SCar[i]->setText(QStringLiteral("Suppression de la caractéristique ") + nom);
        if (c_.ModCar[i] == nullptr) continue;
        c_.ModCar[i]->setVisible(visible);
        c_.ModCar[i]->setText(QStringLiteral("Modélisation de la caractéristique ") + nom);
    }
}

void TFormEtude::SousMenuEssais() {
    for (int k = 1; k <= NbEssaisMax; ++k) {
        QAction* item = c_.SupEssai[static_cast<std::size_t>(k - 1)];
        item->setVisible(k <= c_.TabControlCourbes->count());
        item->setText(QStringLiteral("Essai %1").arg(k));
    }
}

void TFormEtude::MenuInterpolationPopup() {
    const int valeurs[] = {-1, 1, 2, 3, 4, 5};
    const QList<QAction*> items = c_.Interpolation1->actions();
    for (int i = 0; i < 6; ++i) items.at(i)->setChecked(etude_.Travail.Interpolation == valeurs[i]);
}

void TFormEtude::TraceTout() {
    if (traceEnCours_) return;
    traceEnCours_ = true;
    {
        const QSignalBlocker bloque(c_.Edittitre);
        const QString titre = Q(Cp1252VersUtf8(etude_.Travail.Titre.Texte()));
        c_.Edittitre->setMaxLength(std::max(TitreTape, static_cast<int>(titre.size())));
        if (c_.Edittitre->text() != titre) c_.Edittitre->setText(titre);
    }
    // Visibility changes of the title strip or the value column move the picture first.
    centralWidget()->layout()->activate();
    c_.PanelTraceCourbes->layout()->activate();
    const QRect fond = c_.Imagefond->geometry();
    Positions = calculposition({fond.left(), fond.top(), fond.width(), fond.height()});
    std::size_t place = 0;
    for (int k = 1; k <= NbCaractMax; ++k) {
        CadreTrace* cadre = CaractMachine[static_cast<std::size_t>(k - 1)];
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

void TFormEtude::Curseur() {
    for (CadreTrace* cadre : CaractMachine) cadre->curseur();
    const bool aucun = etude_.MesureCourante[GNumero] < 0;
    for (std::size_t i = 0; i < c_.Valeurs.size(); ++i)
        c_.Valeurs[i]->setText(aucun ? QStringLiteral("----")
                                     : Q(FormatMesure(etude_, GrandeursValeurs[i])));
    CurseurPropre();
}

// ---------------------------------------------------------------------------------------
// Showing, closing, keys

void TFormEtude::showEvent(QShowEvent* ev) {
    QMainWindow::showEvent(ev);
    if (ev->spontaneous()) return;
    qApp->installEventFilter(this);
    // Once the window is on screen, so that the dialog opens over it.
    QTimer::singleShot(0, this, &TFormEtude::FormActivate);
}

void TFormEtude::FormShow(const char* titreMoteur, const char* titreGeneratrice) {
    for (int k = 1; k <= NbCaractMax; ++k)
        CaractMachine[static_cast<std::size_t>(k - 1)]->NumCaract = k;
    etude_.MesureCourante[GNumero] = -1;
    const int type = etude_.Travail.TypeEtude;
    const bool moteur = type != EtudeCaractGeneratrice && type != EtudeChargeGeneratrice;
    c_.PanelValeursMoteur->setVisible(moteur);
    c_.PanelValeursGene->setVisible(!moteur);
    c_.PanelValeusMeca->setVisible(true);
    legende_ = QString::fromUtf8(moteur ? titreMoteur : titreGeneratrice);
    ActionCar();
}

void TFormEtude::AfficheTitre() {
    if (legende_.isEmpty()) return; // not shown yet
    // The study's file, and Qt's mark while the study differs from it.
    const QString nom =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(etude_.NomFichier))).fileName();
    setWindowTitle(legende_ + (nom.isEmpty() ? QString() : QStringLiteral(" - ") + nom) +
                   QStringLiteral("[*]"));
    setWindowModified(!etude_.Enregistre);
}

void TFormEtude::FormActivate() {
    if (isVisible() && NbCaract(etude_) == 0) Nouvellecaracteristique1Click();
}

void TFormEtude::closeEvent(QCloseEvent* ev) {
    if (Acquisition()) ButtonStop1Click();
    qApp->removeEventFilter(this);
    ev->accept();
    if (fenetres_.ZYV2 != nullptr) fenetres_.ZYV2->show();
}

bool TFormEtude::eventFilter(QObject* objet, QEvent* ev) {
    // Installed on the application while shown: sees the background picture move and every key.
    // The picture is the layout area: once it has its new rectangle, the layout has moved and
    // the frames can follow (the plot area's own resize comes before its layout runs).
    // A change of both place and size sends a Move then a Resize for one new rectangle: it is
    // laid out once.
    if (objet == c_.Imagefond && (ev->type() == QEvent::Resize || ev->type() == QEvent::Move)) {
        if (isVisible() && c_.Imagefond->geometry() != zoneSuivie_) {
            zoneSuivie_ = c_.Imagefond->geometry();
            TraceTout();
        }
        return false;
    }
    if (ev->type() != QEvent::KeyPress) return false;
    // Keys go to the window before the control that has the focus, but never from a dialog.
    auto* w = qobject_cast<QWidget*>(objet);
    if (w == nullptr || w->window() != this) return false;
    const int touche = static_cast<QKeyEvent*>(ev)->key();
    // Text typed is never turned into points: a text field keeps its spaces, and Return hands
    // the keyboard back to the window.
    if (qobject_cast<QLineEdit*>(w) != nullptr) {
        if (touche == Qt::Key_Space) return false;
        if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
            setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return ToucheFenetre(touche);
}

void TFormEtude::DebutAcquisition() {
    c_.PanelBoutonsAcquisition->hide();
    c_.PanelAcquisition->show();
    etude_.ModeAcquisition = 1;
    lectureValide_ = false;
    Timer1.start();
}

void TFormEtude::FinAcquisition() {
    Timer1.stop();
    {
        const QSignalBlocker bloque(c_.BoutonDepart);
        c_.BoutonDepart->setChecked(false);
    }
    c_.PanelBoutonsAcquisition->show();
    c_.PanelAcquisition->hide();
    etude_.ModeAcquisition = 0;
    etude_.MesureCourante[GNumero] = -1;
    lectureValide_ = false;
    Setmenu();
    ActionCar();
}

bool TFormEtude::ToucheFenetre(int touche) {
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

QPrinter& TFormEtude::Imprimante() {
    if (!imprimante_) imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *imprimante_;
}

} // namespace zyv
