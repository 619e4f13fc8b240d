#include "ui/plot/CadreTrace.h"

#include "core/plot/EchelleAutomatique.h"
#include "core/plot/TableZoom.h"

#include "core/data/Cp1252.h"
#include "core/data/Operations.h"
#include "ui/plot/HoteTrace.h"
#include "ui/plot/ImageCopiee.h"
#include "ui/plot/ZoneTrace.h"
#include "ui/socle/Services.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <utility>

namespace zyv {

namespace {

// Signs of X Min, X Max, Y Min, Y Max for each Quadrants value.
constexpr int Quadrants[9][4] = {
    {-1, 1, -1, 1}, {0, 1, 0, 1},   {0, 1, -1, 1}, {0, 1, -1, 0}, {-1, 1, -1, 0},
    {-1, 0, -1, 0}, {-1, 0, -1, 1}, {-1, 0, 0, 1}, {-1, 1, 0, 1},
};

QString Texte(const auto& chaine) {
    return QString::fromStdString(ChampEcrit(Cp1252VersUtf8(chaine.Texte()), false));
}

bool GrandeurValide(int q) {
    return q >= 0 && q < NbGrandeurs;
}

// A trial's last index as far as the value columns go.
int Dernier(const TEssai& e) {
    return std::min(e.DernierPoint, NbPointsMax - 1);
}

constexpr const char* ProprieteNom = "zyvNomEntier";

// A quantity's name in its fixed-width box, whole: the box's font shrinks a half point at a
// time down to 6 points, on one line or, where the box is tall enough, on two; a name still
// too long is cut with an ellipsis and shown whole in the tooltip, in place of the hint.
void AfficheNom(QLabel* l, const QString& nom) {
    l->setProperty(ProprieteNom, nom);
    static const char* const base = "zyvPoliceBase";
    static const char* const bulle = "zyvBulleBase";
    if (!l->property(base).isValid()) {
        l->setProperty(base, l->font());
        l->setProperty(bulle, l->toolTip());
    }
    QFont f = l->property(base).value<QFont>();
    const int largeur = std::min(l->width(), l->maximumWidth()) - 2 * l->margin() - 2;
    const int hauteur = l->height() - 2 * l->margin();
    l->setToolTip(l->property(bulle).toString());
    for (qreal taille = f.pointSizeF(); taille >= 6; taille -= 0.5) {
        f.setPointSizeF(taille);
        const QFontMetrics m(f);
        const bool uneLigne = m.horizontalAdvance(nom) <= largeur;
        const QRect deux =
            m.boundingRect(QRect(0, 0, largeur, 4 * hauteur + 100), Qt::TextWordWrap, nom);
        if (uneLigne || (deux.width() <= largeur && deux.height() <= hauteur &&
                         deux.height() <= 2 * m.lineSpacing())) {
            l->setFont(f);
            l->setWordWrap(!uneLigne);
            l->setText(nom);
            return;
        }
    }
    l->setFont(f);
    l->setWordWrap(false);
    l->setText(QFontMetrics(f).elidedText(nom, Qt::ElideRight, largeur));
    l->setToolTip(nom);
}

// The cursor lets go of a surface that has been replaced.
void Detache(TGraphe& g) {
    g.CurseurGraphe.Surface = nullptr;
    g.CurseurGraphe.Dessine = false;
}

} // namespace

CadreTrace::CadreTrace(Etude& e, Services& services, HoteTrace& hote, QWidget* parent)
    : QFrame(parent), etude_(e), services_(services), hote_(hote) {}

CadreTrace::~CadreTrace() = default;

void CadreTrace::Attache(const Controles& c) {
    c_ = c;
    connect(c_.ZoomX, &QSlider::valueChanged, this, &CadreTrace::ZoomXChange);
    connect(c_.ZoomY, &QSlider::valueChanged, this, &CadreTrace::ZoomYChange);
    connect(c_.PaintBox1, &ZoneTrace::Appui, this, &CadreTrace::Pointe);
    connect(c_.PaintBox1, &ZoneTrace::Glisse, this, &CadreTrace::Pointe);
    connect(c_.PaintBox1, &ZoneTrace::Redimensionnee, this, &CadreTrace::PrevoitRetrace);
    connect(c_.PaintBox1, &ZoneTrace::MenuDemande, this, [this](const QPoint& ou) {
        PopupMenu1Popup();
        c_.PopupMenu1->popup(ou);
    });
}

QMenu* CadreTrace::MenuEntrees(const Entrees& e) {
    auto* menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("PopupMenu1"));
    menu->addAction(e.Suppressiondupoint1);
    menu->addAction(e.Suppressiondetouslespoints1);
    menu->addSeparator();
    menu->addAction(e.Nouvelessai1);
    menu->addSeparator();
    menu->addAction(e.Modificationdelacaracteristique1);
    menu->addSeparator();
    menu->addAction(e.Copierlacaracteristique1);
    menu->addAction(e.Copierlesvaleurs1);
    connect(e.Suppressiondupoint1, &QAction::triggered, this, [this] { hote_.Supprimepoint(); });
    connect(e.Suppressiondetouslespoints1, &QAction::triggered, this,
            [this] { hote_.SupprimeTousPoints(); });
    connect(e.Nouvelessai1, &QAction::triggered, this, [this] { hote_.NouvelEssai1Click(); });
    connect(e.Modificationdelacaracteristique1, &QAction::triggered, this,
            &CadreTrace::ButtonCarClick);
    connect(e.Copierlacaracteristique1, &QAction::triggered, this, &CadreTrace::CopierImage);
    connect(e.Copierlesvaleurs1, &QAction::triggered, this, &CadreTrace::CopierValeurs);
    return menu;
}

CadreTrace::EtatMenu CadreTrace::EtatEntrees() const {
    EtatMenu m;
    m.PointChoisi = etude_.MesureCourante[0] >= 0;
    const TEssai* courant = EssaiCourant();
    m.CourantPlein = courant != nullptr && courant->DernierPoint >= 0;
    for (int t = 1; t <= NbEssaisMax; ++t) m.UnPoint |= etude_.Travail.Essai(t).DernierPoint >= 0;
    return m;
}

void CadreTrace::AjouteEchelleAutomatique(QMenu* menu) {
    auto* a = new QAction(QStringLiteral("Echelle automatique"), menu);
    a->setObjectName(QStringLiteral("Echelleautomatique1"));
    a->setToolTip(QStringLiteral("Echelle qui montre tous les points"));
    menu->addSeparator();
    menu->addAction(a);
    connect(a, &QAction::triggered, this, &CadreTrace::EchelleAutomatique);
}

void CadreTrace::EchelleAutomatique() {
    if (Caract() == nullptr) return;
    TCaract& k = etude_.Travail.Caract[static_cast<std::size_t>(NumCaract)];
    const bool lecture = etude_.ModeAcquisition != 0 && etude_.MesureCourante[0] >= 0;
    const ZoomsAjustes z =
        zyv::EchelleAutomatique(etude_.Travail, k, lecture ? &etude_.MesureCourante : nullptr);
    // The load study's hidden time bar keeps its stacked frames on one time axis.
    if (z.X && c_.ZoomX->isVisibleTo(this)) k.ZoomX = *z.X;
    if (z.Y) k.ZoomY = *z.Y;
    tracegraphe();
    curseur();
}

void CadreTrace::ButtonCarClick() {
    hote_.ModifieCaract(NumCaract);
}

QString CadreTrace::NomEntier(const QLabel* l) {
    const QVariant v = l->property(ProprieteNom);
    return v.isValid() ? v.toString() : l->text();
}

const TCaract* CadreTrace::Caract() const {
    if (NumCaract < 0 || NumCaract > NbCaractMax) return nullptr;
    const TCaract& k = etude_.Travail.Caract[static_cast<std::size_t>(NumCaract)];
    if (!GrandeurValide(k.GrandeurX) || !GrandeurValide(k.GrandeurY)) return nullptr;
    return &k;
}

const TEssai* CadreTrace::EssaiCourant() const {
    const int t = etude_.EssaiCourant;
    if (t < 1 || t > NbEssaisMax || t > etude_.Travail.NbEssais) return nullptr;
    return &etude_.Travail.Essai(t);
}

QString CadreTrace::TexteCaract() const {
    const TCaract* k = Caract();
    if (k == nullptr) return {};
    return Texte(Grandeur(k->GrandeurY).Symbole) + "(" + Texte(Grandeur(k->GrandeurX).Symbole) +
           ")";
}

void CadreTrace::cfgaxe(TGraphe& g) {
    const TCaract* k = Caract();
    if (k == nullptr) return;
    {
        const QSignalBlocker bx(c_.ZoomX), by(c_.ZoomY);
        c_.ZoomX->setValue(std::clamp(k->ZoomX, 0, ZoomMax));
        c_.ZoomY->setValue(ZoomMax - std::clamp(k->ZoomY, 0, ZoomMax));
    }
    Axes(g.ConfX, g.ConfY);
}

bool CadreTrace::Axes(TaxeC& x, TaxeC& y) const {
    const TCaract* k = Caract();
    if (k == nullptr) return false;
    const int zx = std::clamp(k->ZoomX, 0, ZoomMax), zy = std::clamp(k->ZoomY, 0, ZoomMax);
    const auto configure = [](TaxeC& c, const TGrandeur& q) {
        c.Nom = ChampEcrit(Cp1252VersUtf8(q.Symbole.Texte()), false);
        c.Unite = ChampEcrit(Cp1252VersUtf8(q.Unite.Texte()), false);
        c.Exposant = q.Exposant;
        c.Decimales = q.Decimales;
    };
    const TGrandeur& gx = Grandeur(k->GrandeurX);
    const TGrandeur& gy = Grandeur(k->GrandeurY);
    configure(x, gx);
    configure(y, gy);
    if (k->Quadrants < 0 || k->Quadrants > 8) return true;
    const int* s = Quadrants[k->Quadrants];
    const std::int32_t ex = EtendueZoom(gx.PleineEchelle, zx),
                       ey = EtendueZoom(gy.PleineEchelle, zy);
    x.Min = s[0] * ex;
    x.Max = s[1] * ex;
    y.Min = s[2] * ey;
    y.Max = s[3] * ey;
    return true;
}

void CadreTrace::Aligne(TGraphe& g) {
    axesAlignes_.clear();
    for (const CadreTrace* f : hote_.CadresAlignes()) {
        TaxeC x, y;
        if (f != nullptr && f != this && f->Axes(x, y)) axesAlignes_.push_back(std::move(y));
    }
    g.AxesYAlignes = axesAlignes_;
}

void CadreTrace::setCb(int t) {
    Courbe.Dernier = -1;
    Courbe.Debut = 0;
    Courbe.Fin = -1;
    Courbe.Marqueur = t;
    const int interpolation = etude_.Travail.Interpolation;
    Courbe.Interpolation =
        etude_.ModeAcquisition != 0 || interpolation < -1 || interpolation > 5 ? -1 : interpolation;
    Courbe.Style = {t, 0, 0, 3};
    const TCaract* k = Caract();
    if (k == nullptr || t < 1 || t > NbEssaisMax) return;
    const TEssai& essai = etude_.Travail.Essai(t);
    const int n = Dernier(essai);
    if (n < 0) return;
    Courbe.Dernier = Courbe.Fin = n;
    const auto& vx = essai.Valeurs[static_cast<std::size_t>(k->GrandeurX)];
    const auto& vy = essai.Valeurs[static_cast<std::size_t>(k->GrandeurY)];
    std::copy_n(vx.begin() + 1, n + 1, Courbe.X.begin());
    std::copy_n(vy.begin() + 1, n + 1, Courbe.Y.begin());
}

void CadreTrace::Dessine(TGraphe& g) {
    cfgaxe(g);
    Aligne(g);
    CalculGraphe(g);
    TraceAxes(g);
    if (!g.Valide) return;
    for (int t = 1; t <= NbEssaisMax; ++t) {
        setCb(t);
        if (Courbe.Dernier >= 0) TraceCourbeGraphe(g, Courbe);
    }
}

void CadreTrace::tracecaract() {
    tracegraphe();
}

void CadreTrace::tracegraphe() {
    const TCaract* k = Caract();
    AfficheNom(c_.TextVariableY, k ? Texte(Grandeur(k->GrandeurY).Nom) : QString());
    AfficheNom(c_.TextVariableX, k ? Texte(Grandeur(k->GrandeurX).Nom) : QString());
    AfficheLibelle(TexteCaract());

    bool remplacee = false;
    Surface& s = c_.PaintBox1->Ecran(&remplacee);
    if (remplacee) Detache(GrapheEcran);
    GrapheEcran.Surface = &s;
    GrapheEcran.Cadre = c_.PaintBox1->Rectangle();
    GrapheEcran.Couleurs = SchemaCouleurs(etude_.Config.Fond);
    GrapheEcran.Police = "arial";
    GrapheEcran.TaillePolice = 0;
    c_.PaintBox1->ChoisitFond(GrapheEcran.Couleurs[0]);
    if (k != nullptr) {
        cfgaxe(GrapheEcran);
        Aligne(GrapheEcran);
        CalculGraphe(GrapheEcran);
    } else {
        GrapheEcran.Valide = false;
    }
    if (GrapheEcran.Valide) {
        TraceAxes(GrapheEcran);
    } else {
        // Nothing to lay out: a plain background rather than the previous picture.
        CurseurCache(GrapheEcran);
        const Couleur fond = GrapheEcran.Couleurs[0];
        s.ChoisitStylo({fond, StyleTrait::Plein, 1, ModeTrait::Copie});
        s.ChoisitRemplissage({fond, StyleRemplissage::Plein});
        s.Rectangle(GrapheEcran.Cadre);
    }
    tracecourbe();
    aRetracer_ = !isVisible();
    c_.PaintBox1->Montre();
}

void CadreTrace::tracecourbe() {
    if (!isVisible()) return;
    if (GrapheEcran.Valide) {
        // The cursor stays hidden across the trials instead of showing after each one.
        CurseurCache(GrapheEcran);
        const bool actif = std::exchange(GrapheEcran.CurseurGraphe.Actif, false);
        for (int t = 1; t <= NbEssaisMax; ++t) {
            setCb(t);
            if (Courbe.Dernier >= 0) TraceCourbeGraphe(GrapheEcran, Courbe);
        }
        GrapheEcran.CurseurGraphe.Actif = actif;
    }
    CurseurStyle(GrapheEcran, etude_.ModeAcquisition != 0 ? 0 : 1, etude_.EssaiCourant);
    c_.TextValeurY->setText(QStringLiteral("----"));
    c_.TextValeurX->setText(QStringLiteral("----"));
}

void CadreTrace::tracepoint(int t, int i) {
    if (!isVisible() || !GrapheEcran.Valide || t < 1 || t > NbEssaisMax) return;
    if (i < 0 || i > Dernier(etude_.Travail.Essai(t))) return;
    CurseurCache(GrapheEcran);
    setCb(t);
    TracePointCourbe(GrapheEcran, i, Courbe);
    CurseurRafraichit(GrapheEcran);
    c_.PaintBox1->Montre();
}

void CadreTrace::curseur() {
    if (!isVisible()) return;
    const TCaract* k = Caract();
    if (etude_.MesureCourante[0] < 0 || k == nullptr) {
        CurseurRaz(GrapheEcran);
        c_.TextValeurY->setText(QStringLiteral("--"));
        c_.TextValeurX->setText(QStringLiteral("--"));
    } else {
        const std::int32_t x = etude_.MesureCourante[static_cast<std::size_t>(k->GrandeurX)];
        const std::int32_t y = etude_.MesureCourante[static_cast<std::size_t>(k->GrandeurY)];
        CurseurPlace(GrapheEcran, x, y);
        c_.TextValeurY->setText(QString::fromStdString(TexteValeur(y, GrapheEcran.ConfY)));
        c_.TextValeurX->setText(QString::fromStdString(TexteValeur(x, GrapheEcran.ConfX)));
    }
    c_.PaintBox1->Montre();
}

void CadreTrace::Pointe(int x, int y) {
    // During an acquisition MesureCourante is the live reading that the next point takes:
    // a picked point in its place would be stored again as a new measurement.
    if (etude_.ModeAcquisition != 0 || !GrapheEcran.Valide) return;
    setCb(EssaiCourant() != nullptr ? etude_.EssaiCourant : 0);
    SelectionnePoint(etude_, PointProche(GrapheEcran, x, y, Courbe));
    hote_.Curseur();
}

void CadreTrace::ZoomXChange(int position) {
    if (Caract() == nullptr) return;
    etude_.Travail.Caract[static_cast<std::size_t>(NumCaract)].ZoomX = position;
    tracegraphe();
    curseur();
}

void CadreTrace::ZoomYChange(int position) {
    if (Caract() == nullptr) return;
    etude_.Travail.Caract[static_cast<std::size_t>(NumCaract)].ZoomY = ZoomMax - position;
    tracegraphe();
    curseur();
}

void CadreTrace::Copiercaract() {
    if (Caract() != nullptr) Dessine(GrapheImage);
}

void CadreTrace::Imprimercaract() {
    if (Caract() != nullptr) Dessine(GraphePage);
}

void CadreTrace::CopierImage() {
    const int dpi = c_.PaintBox1->Resolution();
    const TailleImage taille = TailleImagePressePapiers(dpi);
    CopieImage(services_, dpi, [&](Surface& s) {
        GrapheImage.Surface = &s;
        GrapheImage.Cadre = {0, 0, taille.Largeur, taille.Hauteur};
        GrapheImage.Couleurs = TableCouleurs[0];
        GrapheImage.Police = "arial";
        GrapheImage.TaillePolice = 0;
        Copiercaract();
    });
    GrapheImage.Surface = nullptr;
    Detache(GrapheImage);
}

std::string CadreTrace::TexteValeurs() const {
    const TCaract* k = Caract();
    if (k == nullptr) return {};
    const TGrandeur& gx = Grandeur(k->GrandeurX);
    const TGrandeur& gy = Grandeur(k->GrandeurY);
    const std::string ux = ChampEcrit(Cp1252VersUtf8(gx.Unite.Texte()));
    const std::string uy = ChampEcrit(Cp1252VersUtf8(gy.Unite.Texte()));
    std::string t = ChampEcrit(Cp1252VersUtf8(gx.Symbole.Texte())) + "\t" +
                    ChampEcrit(Cp1252VersUtf8(gy.Symbole.Texte())) + "\r\n";
    t += ux.empty() ? "\t" : "(" + ux + ")\t";
    t += uy.empty() ? "\r\n" : "(" + uy + ")\r\n";
    const TEssai* essai = EssaiCourant();
    if (essai == nullptr) return t;
    for (int i = 0; i <= Dernier(*essai); ++i) {
        t += FormatEntier(essai->Valeur(k->GrandeurX, i), gx.Decimales);
        t += '\t';
        t += FormatEntier(essai->Valeur(k->GrandeurY, i), gy.Decimales);
        t += "\r\n";
    }
    return t;
}

void CadreTrace::CopierValeurs() {
    if (Caract() != nullptr) services_.CopieTexte(TexteValeurs());
}

void CadreTrace::showEvent(QShowEvent* ev) {
    QFrame::showEvent(ev);
    if (aRetracer_) PrevoitRetrace();
}

void CadreTrace::PrevoitRetrace() {
    aRetracer_ = true;
    if (retracePrevu_) return;
    retracePrevu_ = true;
    QTimer::singleShot(0, this, [this] {
        retracePrevu_ = false;
        if (!aRetracer_ || !isVisible()) return;
        tracegraphe();
        hote_.Curseur();
    });
}

} // namespace zyv
