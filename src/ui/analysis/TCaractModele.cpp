#include "ui/analysis/TCaractModele.h"

#include "ui/plot/ImageCopiee.h"
#include "ui/plot/ZoneTrace.h"
#include "ui/socle/Services.h"

#include "ui_TCaractModele.h"

#include <QLabel>
#include <QMenu>

#include <algorithm>
#include <limits>

namespace zyv {

namespace {

std::int32_t Borne32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

TCaractModele::TCaractModele(Etude& e, Services& services, HoteTrace& hote, const TModeles& modeles,
                             QWidget* parent)
    : CadreTrace(e, services, hote, parent), ui_(std::make_unique<Ui::TCaractModele>()),
      modeles_(modeles) {
    ui_->setupUi(this);
    NumCaract = 0;
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(ui_->Copierlacaracteristique1);
    PopupMenu1->addAction(ui_->Copierlesvaleurs1);
    // A press turns the cursor on before the position is read; a drag only moves it.
    connect(ui_->PaintBox1, &ZoneTrace::Appui, this, [this] {
        if (GrapheEcran.Valide) CurseurLibre = true;
    });
    Attache({ui_->PaintBox1, ui_->ZoomX, ui_->ZoomY, ui_->TextVariableX, ui_->TextVariableY,
             ui_->TextValeurX, ui_->TextValeurY, PopupMenu1});
    connect(ui_->Copierlacaracteristique1, &QAction::triggered, this, &TCaractModele::CopierImage);
    connect(ui_->Copierlesvaleurs1, &QAction::triggered, this, &TCaractModele::CopierValeurs);
    AjouteEchelleAutomatique(PopupMenu1);
}

TCaractModele::~TCaractModele() = default;

void TCaractModele::AfficheLibelle(const QString& libelle) {
    ui_->TextCaract->setText(libelle);
}

TGraphe& TCaractModele::Graphe(int cible) {
    return cible == Image ? GrapheImage : cible == Page ? GraphePage : GrapheEcran;
}

void TCaractModele::setCb(int t) {
    CadreTrace::setCb(t);
    Courbe.Interpolation = -1;
}

void TCaractModele::tracegraphe() {
    CadreTrace::tracegraphe();
    TraceModele(Ecran);
    c_.PaintBox1->Montre();
}

void TCaractModele::tracecourbe() {
    if (!isVisible()) return;
    CadreTrace::tracecourbe();
    CurseurStyle(GrapheEcran, 1, 0);
}

void TCaractModele::curseur() {
    if (!isVisible()) return;
    if (CurseurLibre && Caract() != nullptr) {
        CurseurPlace(GrapheEcran, CurseurLibreX, CurseurLibreY);
        c_.TextValeurY->setText(
            QString::fromStdString(TexteValeur(CurseurLibreY, GrapheEcran.ConfY)));
        c_.TextValeurX->setText(
            QString::fromStdString(TexteValeur(CurseurLibreX, GrapheEcran.ConfX)));
    } else {
        CurseurRaz(GrapheEcran);
        c_.TextValeurY->setText(QStringLiteral("--"));
        c_.TextValeurX->setText(QStringLiteral("--"));
    }
    c_.PaintBox1->Montre();
}

void TCaractModele::Pointe(int x, int y) {
    if (!GrapheEcran.Valide) return;
    CurseurLibreX = Borne32(PixelVersValeurX(GrapheEcran, x));
    CurseurLibreY = Borne32(PixelVersValeurY(GrapheEcran, y));
    curseur();
}

void TCaractModele::Droite(int t, int cible, std::int32_t x1, std::int32_t y1, std::int32_t x2,
                           std::int32_t y2) {
    setCb(t);
    TraceDroite(Graphe(cible), Courbe.Style, x1, y1, x2, y2);
}

void TCaractModele::TraceModele(int cible) {
    const TCaract* k = Caract();
    TGraphe& g = Graphe(cible);
    if (modeles_.Type == AucunModele || k == nullptr || !g.Valide) return;
    const int nbEssais = std::min(etude_.Travail.NbEssais, NbEssaisMax);
    for (int t = 1; t <= nbEssais; ++t) {
        const TEssai& essai = etude_.Travail.Essai(t);
        if (essai.DernierPoint < 0) continue;
        const auto& colonneX = essai.Valeurs[static_cast<std::size_t>(k->GrandeurX)];
        const std::int32_t xmax = MaxValeur(colonneX, 0, essai.DernierPoint);
        const TNombreDec c2 = modeles_.C2[t], c1 = modeles_.C1[t], c0 = modeles_.C0[t];
        switch (modeles_.Type) {
        case ModeleAX:
            Droite(t, cible, 0, 0, xmax, ValeurModele({}, c1, {}, xmax));
            break;
        case ModeleAXB:
            Droite(t, cible, 0, c0.Mantisse, xmax, ValeurModele({}, c1, c0, xmax));
            break;
        case ModeleAX2BXC: {
            const int dernier =
                EchantillonModele(0, xmax, c2, c1, c0, echantillonX_, echantillonY_);
            CourbeModele.Dernier = CourbeModele.Fin = dernier;
            CourbeModele.Debut = 0;
            CourbeModele.Marqueur = 0;
            CourbeModele.Interpolation = 1;
            CourbeModele.Style = {t, 0, 1, 0};
            std::copy_n(echantillonX_.begin() + 1, dernier + 1, CourbeModele.X.begin());
            std::copy_n(echantillonY_.begin() + 1, dernier + 1, CourbeModele.Y.begin());
            TraceCourbeGraphe(g, CourbeModele);
            break;
        }
        default:
            break;
        }
    }
}

void TCaractModele::Dessine(TGraphe& g) {
    CurseurRaz(g);
    CadreTrace::Dessine(g);
    if (!g.Valide) return;
    const bool page = &g == &GraphePage;
    TraceModele(page ? Page : Image);
    if (!CurseurLibre) return;
    CurseurStyle(g, page ? 6 : 1, 0);
    CurseurPlace(g, CurseurLibreX, CurseurLibreY);
    // The figure belongs to the finished picture or page, whose surface goes away with it.
    g.CurseurGraphe.Surface = nullptr;
    g.CurseurGraphe.Dessine = false;
}

void TCaractModele::EcritLectures(Surface& s, int y, int largeur) {
    const auto lecture = [](const QLabel* nom, const QLabel* valeur) {
        return (NomEntier(nom) + QStringLiteral(" : ") + valeur->text()).toStdString();
    };
    const std::string ly = lecture(c_.TextVariableY, c_.TextValeurY);
    const std::string lx = lecture(c_.TextVariableX, c_.TextValeurX);
    s.Texte(largeur / 10, y, ly);
    s.Texte(largeur * 9 / 10 - s.LargeurTexte(lx), y, lx);
}

void TCaractModele::CopierImage() {
    if (Caract() == nullptr) return;
    const int dpi = c_.PaintBox1->Resolution();
    const TailleImage taille = TailleImagePressePapiers(dpi);
    CopieImage(services_, dpi, [&](Surface& s) {
        GrapheImage.Surface = &s;
        GrapheImage.Cadre = {0, taille.Hauteur / 20, taille.Largeur, taille.Hauteur};
        GrapheImage.Couleurs = TableCouleurs[0];
        GrapheImage.Police = "arial";
        GrapheImage.TaillePolice = 0;
        Copiercaract();
        if (!CurseurLibre) return;
        s.ChoisitPolice({"arial", 12, 0});
        EcritLectures(s, 0, taille.Largeur);
        s.ChoisitPolice({"arial", 9, 0});
    });
    GrapheImage.Surface = nullptr;
}

void TCaractModele::CopierValeurs() {
    if (modeles_.Type != AucunModele)
        services_.CopieTexte(TexteEquations(modeles_, etude_.Travail.NbEssais));
}

void TCaractModele::PopupMenu1Popup() {
    ui_->Copierlacaracteristique1->setEnabled(true);
    ui_->Copierlesvaleurs1->setEnabled(modeles_.Type != AucunModele);
}

} // namespace zyv
