#include "ui/analysis/TFormModelisation.h"

#include "core/data/Fichiers.h"
#include "ui/analysis/TCaractModele.h"
#include "ui/plot/HoteTrace.h"
#include "ui/plot/SurfacePeintre.h"
#include "ui/socle/Accessibilite.h"
#include "ui/socle/Services.h"

#include "ui_TFormModelisation.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QScreen>

#include <algorithm>

namespace zyv {

namespace {

constexpr int HauteurLigne = 24;

// The plot of this window asks its host only for the cursor display after a deferred redraw.
class HoteModele : public HoteTrace {
public:
    explicit HoteModele(TCaractModele*& cadre) : cadre_(cadre) {}
    void ActionCar() override {}
    void Curseur() override {
        if (cadre_ != nullptr) cadre_->curseur();
    }
    void Supprimepoint() override {}
    void SupprimeTousPoints() override {}
    void NouvelEssai1Click() override {}
    void Modelisation(int) override {}
    void ModifieCaract(int) override {}

private:
    TCaractModele*& cadre_;
};

} // namespace

TFormModelisation::TFormModelisation(Etude& e, Services& services, QWidget* parent)
    : QDialog(parent), etude_(e), services_(services),
      ui_(std::make_unique<Ui::TFormModelisation>()),
      hote_(std::make_unique<HoteModele>(CaractAnalyse)) {
    ui_->setupUi(this);
    resize(900, 680);
    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());

    CaractAnalyse = new TCaractModele(etude_, services_, *hote_, modeles_, this);
    CaractAnalyse->setObjectName(QStringLiteral("CaractAnalyse"));
    ui_->LayoutModelisation->addWidget(CaractAnalyse, 1);

    Ui::TFormModelisation& u = *ui_;
    connect(u.ButtonImpression, &QToolButton::clicked, this, &TFormModelisation::Imprimer1Click);
    connect(u.ButtonCopieCaract, &QToolButton::clicked, this,
            &TFormModelisation::ButtonCopieCaractClick);
    connect(u.ButtonCopieEquation, &QToolButton::clicked, this,
            &TFormModelisation::ButtonCopieEquationClick);
    for (QToolButton* b : {u.ButtonAX, u.ButtonAXB, u.ButtonAX2BXC})
        connect(b, &QToolButton::clicked, this, [this, b] { BoutonModele(b); });
    connect(u.ToolButton7, &QToolButton::clicked, this, &QDialog::close);
    NommeControles(this);
}

TFormModelisation::~TFormModelisation() {
    // The plot goes with the window's children; the host must not reach it meanwhile.
    delete CaractAnalyse;
    CaractAnalyse = nullptr;
}

void TFormModelisation::showEvent(QShowEvent* ev) {
    QDialog::showEvent(ev);
    FormShow();
}

void TFormModelisation::FormShow() {
    CaractAnalyse->CurseurLibre = false;
    ActionMod();
}

void TFormModelisation::BoutonModele(QToolButton* bouton) {
    for (QToolButton* b : {ui_->ButtonAX, ui_->ButtonAXB, ui_->ButtonAX2BXC})
        if (b != bouton) b->setChecked(false);
    ActionMod();
}

void TFormModelisation::ActionMod() {
    Ui::TFormModelisation& u = *ui_;
    const int nbEssais = std::clamp(etude_.Travail.NbEssais, 1, NbEssaisMax);
    u.PanelEditionEquation->setFixedHeight(nbEssais * HauteurLigne);
    QWidget* const lignes[] = {u.PanelEquation1, u.PanelEquation2, u.PanelEquation3,
                               u.PanelEquation4, u.PanelEquation5};
    for (int t = 1; t <= NbEssaisMax; ++t) lignes[t - 1]->setVisible(t <= nbEssais);

    modeles_ = TModeles{};
    if (u.ButtonAX->isChecked())
        Modelisation(ModeleAX);
    else if (u.ButtonAXB->isChecked())
        Modelisation(ModeleAXB);
    else if (u.ButtonAX2BXC->isChecked())
        Modelisation(ModeleAX2BXC);
    u.ButtonCopieEquation->setEnabled(modeles_.Type >= ModeleAX);
    QLineEdit* const edits[] = {u.EditEquation1, u.EditEquation2, u.EditEquation3, u.EditEquation4,
                                u.EditEquation5};
    for (int t = 1; t <= NbEssaisMax; ++t) {
        edits[t - 1]->setText(QString::fromStdString(modeles_.Equations[t]));
        edits[t - 1]->setCursorPosition(0);
    }

    CaractAnalyse->CurseurLibre = false;
    CaractAnalyse->tracegraphe();
    CaractAnalyse->curseur();
}

void TFormModelisation::Modelisation(int type) {
    const TCaract& k = etude_.Travail.Caract[0];
    modeles_ = zyv::Modelisation(etude_.Travail, type, k.GrandeurX, k.GrandeurY);
}

void TFormModelisation::ButtonCopieCaractClick() {
    CaractAnalyse->CopierImage();
}

void TFormModelisation::ButtonCopieEquationClick() {
    CaractAnalyse->CopierValeurs();
}

bool TFormModelisation::FormKeyPress(int touche) {
    if (touche != Qt::Key_Escape) return false;
    CaractAnalyse->CurseurLibre = false;
    CaractAnalyse->curseur();
    return true;
}

void TFormModelisation::keyPressEvent(QKeyEvent* ev) {
    // Escape hides the cursor instead of closing the window.
    if (FormKeyPress(ev->key()))
        ev->accept();
    else
        QDialog::keyPressEvent(ev);
}

QPrinter& TFormModelisation::Imprimante() {
    if (!imprimante_) imprimante_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *imprimante_;
}

void TFormModelisation::Imprimer1Click() {
    QPrinter& imprimante = Imprimante();
    ProposeFichierPdf(imprimante, FichierPdfPropose(etude_));
    if (!services_.DialogueImpression(imprimante, this)) return;
    SurfacePage page(imprimante);
    const auto [w, l, h] = MiseEnPageImpression(imprimante.width(), imprimante.height());
    page.Decoupe({l, h / 20, w, h * 17 / 20});
    TGraphe& g = CaractAnalyse->GraphePage;
    g.Surface = &page;
    g.Cadre = {l, h * 2 / 20, w, h * 17 / 20};
    g.Couleurs = TableCouleurs[0];
    g.Police = "arial";
    g.TaillePolice = 8;
    CaractAnalyse->Imprimercaract();
    if (CaractAnalyse->CurseurLibre) {
        page.ChoisitPolice({"arial", 12, 0});
        CaractAnalyse->EcritLectures(page, h / 20, w);
        page.ChoisitPolice({"arial", 9, 0});
    }
    // Under the plot, the equations as "Copier les équations" gives them, each in its trial's
    // colour.
    page.Decoupe({0, 0, imprimante.width(), imprimante.height()});
    if (modeles_.Type != AucunModele) {
        const std::string texte = TexteEquations(modeles_, etude_.Travail.NbEssais);
        int y = h * 17 / 20 + h / 40, t = 1;
        for (std::size_t debut = 0, fin; (fin = texte.find("\r\n", debut)) != std::string::npos;
             debut = fin + 2, ++t) {
            const auto couleur =
                TableCouleurs[0]
                             [static_cast<std::size_t>(IndiceAxes + std::clamp(t, 1, NbEssaisMax))];
            page.ChoisitPolice({"arial", 9, couleur});
            const std::string ligne = texte.substr(debut, fin - debut);
            page.Texte(l, y, ligne);
            y += page.HauteurTexte(ligne) * 3 / 2;
        }
    }
    page.Vide();
    g.Surface = nullptr;
}

} // namespace zyv
