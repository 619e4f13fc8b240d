#include "ui/plot/SurfacePeintre.h"

#include "ui/plot/OutilsPeintre.h"

#include <QPagedPaintDevice>
#include <QPaintEngine>

#include <algorithm>
#include <array>
#include <cmath>

namespace zyv {

using detail::Decompose;
using detail::LigneQt;

namespace {

QColor Qc(Couleur c) {
    return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
}

Qt::PenStyle StyleQt(StyleTrait s) {
    switch (s) {
    case StyleTrait::Tirets:
        return Qt::DashLine;
    case StyleTrait::Pointilles:
        return Qt::DotLine;
    case StyleTrait::TiretPoint:
        return Qt::DashDotLine;
    case StyleTrait::TiretPointPoint:
        return Qt::DashDotDotLine;
    default:
        return Qt::SolidLine;
    }
}

Qt::BrushStyle StyleQt(StyleRemplissage s) {
    switch (s) {
    case StyleRemplissage::Plein:
        return Qt::SolidPattern;
    case StyleRemplissage::DiagonaleMontante:
        return Qt::BDiagPattern;
    case StyleRemplissage::DiagonaleDescendante:
        return Qt::FDiagPattern;
    case StyleRemplissage::Horizontal:
        return Qt::HorPattern;
    case StyleRemplissage::Vertical:
        return Qt::VerPattern;
    case StyleRemplissage::Croix:
        return Qt::CrossPattern;
    case StyleRemplissage::CroixDiagonale:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

QString Qs(std::string_view t) {
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// The hatch lines inside a polygon, 8 pixels apart on the device grid like Qt's patterns: each
// family of lines n.(x, y) = 8k is cut by the polygon's edges, the cuts paired along the line.
QList<QLineF> LignesHachure(const QPolygon& p, StyleRemplissage style) {
    using N = std::array<int, 2>;
    std::vector<N> normales;
    if (style == StyleRemplissage::Horizontal || style == StyleRemplissage::Croix)
        normales.push_back({0, 1});
    if (style == StyleRemplissage::Vertical || style == StyleRemplissage::Croix)
        normales.push_back({1, 0});
    if (style == StyleRemplissage::DiagonaleMontante || style == StyleRemplissage::CroixDiagonale)
        normales.push_back({1, 1});
    if (style == StyleRemplissage::DiagonaleDescendante ||
        style == StyleRemplissage::CroixDiagonale)
        normales.push_back({1, -1});
    QList<QLineF> lignes;
    for (const N& n : normales) {
        auto projete = [&](const QPointF& q) { return n[0] * q.x() + n[1] * q.y(); };
        double bas = projete(p.first()), haut = bas;
        for (const QPoint& q : p) {
            bas = std::min(bas, projete(q));
            haut = std::max(haut, projete(q));
        }
        for (double c = std::ceil(bas / 8) * 8; c <= haut; c += 8) {
            std::vector<QPointF> coupes;
            for (qsizetype i = 0; i < p.size(); ++i) {
                const QPointF a = p[i], b = p[(i + 1) % p.size()];
                const double fa = projete(a) - c, fb = projete(b) - c;
                if ((fa < 0) != (fb < 0)) coupes.push_back(a + (b - a) * (fa / (fa - fb)));
            }
            std::sort(coupes.begin(), coupes.end(), [&](const QPointF& u, const QPointF& v) {
                return n[0] * u.y() - n[1] * u.x() < n[0] * v.y() - n[1] * v.x();
            });
            for (std::size_t i = 0; i + 1 < coupes.size(); i += 2)
                lignes.append(QLineF(coupes[i], coupes[i + 1]));
        }
    }
    return lignes;
}

} // namespace

// ---------------------------------------------------------------------------------------

SurfacePeintre::SurfacePeintre(QPainter& peintre, int dpi)
    : peintre_(peintre), dpi_(dpi > 0 ? dpi : 96) {}

SurfacePeintre::~SurfacePeintre() {
    Vide();
}

void SurfacePeintre::EtatModifie() {
    Vide();
    etatApplique_ = false;
    groupable_ = -1;
}

void SurfacePeintre::Prepare() {
    if (etatApplique_) return;
    const Stylo& s = StyloCourant();
    QPen pen(Qc(s.Couleur));
    if (s.Largeur <= 1) {
        pen.setWidth(1);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::FlatCap);
    } else {
        pen.setWidth(s.Largeur);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    pen.setStyle(StyleQt(s.Style));
    peintre_.setPen(pen);
    const Remplissage& r = RemplissageCourant();
    // Vector devices get their hatches as lines (Hachures).
    if (detail::Hachure(r.Style) && !XorPossible())
        peintre_.setBrush(Qt::NoBrush);
    else
        peintre_.setBrush(QBrush(Qc(r.Couleur), StyleQt(r.Style)));
    peintre_.setCompositionMode(s.Mode == ModeTrait::Xor ? QPainter::RasterOp_SourceXorDestination
                                                         : QPainter::CompositionMode_SourceOver);
    etatApplique_ = true;
}

bool SurfacePeintre::Groupable() const {
    return StyloCourant().Mode == ModeTrait::Copie && StyloCourant().Style == StyleTrait::Plein;
}

void SurfacePeintre::Ligne(int x0, int y0, int x1, int y1) {
    const bool nulle = x0 == x1 && y0 == y1;
    if (nulle && StyloCourant().Largeur <= 1) return;
    if (groupable_ < 0) groupable_ = Groupable() ? 1 : 0;
    if (!nulle && groupable_ == 1) {
        if (!lot_.empty() && lot_.back() == QPoint(x0, y0)) {
            lot_.emplace_back(x1, y1);
        } else {
            Vide();
            lot_.emplace_back(x0, y0);
            lot_.emplace_back(x1, y1);
        }
        return;
    }
    Vide();
    LigneSimple(x0, y0, x1, y1);
}

void SurfacePeintre::Polyligne(std::span<const PointPixel> sommets) {
    if (groupable_ < 0) groupable_ = Groupable() ? 1 : 0;
    if (sommets.size() < 2 || groupable_ != 1 || StyloCourant().Largeur > 1) {
        Surface::Polyligne(sommets);
        return;
    }
    // A one-pixel pen: steps of zero length colour nothing, the rest joins the held polyline.
    const QPoint debut(sommets[0].X, sommets[0].Y);
    if (lot_.empty() || lot_.back() != debut) {
        Vide();
        lot_.push_back(debut);
    }
    for (const PointPixel& p : sommets.subspan(1))
        if (p.X != lot_.back().x() || p.Y != lot_.back().y()) lot_.emplace_back(p.X, p.Y);
    DeplaceVers(sommets.back().X, sommets.back().Y);
}

void SurfacePeintre::LigneSimple(int x0, int y0, int x1, int y1) {
    Prepare();
    if (x0 == x1 && y0 == y1) {
        if (StyloCourant().Largeur > 1) peintre_.drawPoint(x0, y0);
        return;
    }
    if (StyloCourant().Largeur > 1) {
        peintre_.drawLine(x0, y0, x1, y1);
        return;
    }
    const LigneQt l = Decompose(x0, y0, x1, y1);
    peintre_.drawLine(l.X0, l.Y0, l.X1, l.Y1);
    if (l.PlusDebut) peintre_.drawPoint(x0, y0);
}

void SurfacePeintre::TraceLot(const std::vector<QPoint>& points) {
    Prepare();
    peintre_.drawPolyline(points.data(), static_cast<int>(points.size()));
}

void SurfacePeintre::Vide() {
    if (lot_.size() >= 2) TraceLot(lot_);
    lot_.clear();
    if (contours_.empty()) return;
    // The held hatched figures: all their hatches, then all their outlines.
    QPen trait(Qc(RemplissageCourant().Couleur), 1);
    trait.setCosmetic(true);
    trait.setCapStyle(Qt::FlatCap);
    peintre_.setPen(trait);
    peintre_.drawLines(hachures_);
    etatApplique_ = false;
    Prepare();
    for (const QPolygon& c : contours_) peintre_.drawPolygon(c);
    hachures_.clear();
    contours_.clear();
}

bool SurfacePeintre::Differe(const QPolygon& contour) {
    const StyleRemplissage style = RemplissageCourant().Style;
    if (XorPossible() || !detail::Hachure(style)) return false;
    if (!lot_.empty()) Vide(); // never held together with figures
    hachures_.append(LignesHachure(contour, style));
    contours_.push_back(contour);
    return true;
}

void SurfacePeintre::Rectangle(const TRect& r) {
    const int l = r.Right - r.Left, h = r.Bottom - r.Top;
    if (l > 1 && h > 1 &&
        Differe(QPolygon({{r.Left, r.Top},
                          {r.Right - 1, r.Top},
                          {r.Right - 1, r.Bottom - 1},
                          {r.Left, r.Bottom - 1}})))
        return;
    Vide();
    if (r.Right <= r.Left || r.Bottom <= r.Top) return;
    Prepare();
    if (l == 1 || h == 1) {
        // One pixel thick: the pen's line covers it, each pixel once (XOR counts).
        if (l != 1 || h != 1) peintre_.drawLine(r.Left, r.Top, r.Right - 1, r.Bottom - 1);
        peintre_.drawPoint(r.Right - 1, r.Bottom - 1);
        return;
    }
    peintre_.drawRect(QRect(r.Left, r.Top, l - 1, h - 1));
}

void SurfacePeintre::Polygone(std::span<const PointPixel> sommets) {
    QPolygon p;
    p.reserve(static_cast<qsizetype>(sommets.size()));
    for (const PointPixel& s : sommets) p.append(QPoint(s.X, s.Y));
    if (!p.empty() && Differe(p)) return;
    Vide();
    if (p.empty()) return;
    Prepare();
    peintre_.drawPolygon(p);
}

bool SurfacePeintre::XorPossible() const {
    const QPaintEngine* moteur = peintre_.paintEngine();
    return moteur != nullptr && moteur->type() == QPaintEngine::Raster;
}

void SurfacePeintre::Pixel(int x, int y, Couleur c) {
    Vide();
    QPen pen(Qc(c));
    pen.setWidth(1);
    pen.setCosmetic(true);
    peintre_.setPen(pen);
    peintre_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    peintre_.drawPoint(x, y);
    etatApplique_ = false;
}

const QFontMetrics& SurfacePeintre::Metriques() {
    const Police& p = PoliceCourante();
    if (!font_ || p.Nom != policeMetriques_.Nom || p.Taille != policeMetriques_.Taille) {
        QFont f(QString::fromStdString(p.Nom));
        f.setPixelSize(
            std::max(1, static_cast<int>(static_cast<std::int64_t>(p.Taille) * dpi_ / 72)));
        font_ = f;
        metriques_.emplace(f, peintre_.device());
        policeMetriques_ = p;
    }
    return *metriques_;
}

int SurfacePeintre::LargeurTexte(std::string_view texte) {
    return Metriques().horizontalAdvance(Qs(texte));
}

int SurfacePeintre::HauteurTexte(std::string_view) {
    return Metriques().height();
}

void SurfacePeintre::Texte(int x, int y, std::string_view texte) {
    Vide();
    const QFontMetrics& m = Metriques();
    peintre_.setFont(*font_);
    peintre_.setPen(Qc(PoliceCourante().Couleur));
    peintre_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    peintre_.drawText(QPoint(x, y + m.ascent()), Qs(texte));
    etatApplique_ = false;
}

void SurfacePeintre::Decoupe(const TRect& r) {
    Vide();
    const QRect q(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
    peintre_.setClipRect(q);
    decoupe_ = q;
}

// ---------------------------------------------------------------------------------------

detail::AppareilSvg::AppareilSvg(int largeur, int hauteur, int dpi) {
    Tampon.open(QIODevice::WriteOnly);
    Generateur.setOutputDevice(&Tampon);
    Generateur.setResolution(dpi > 0 ? dpi : 96);
    Generateur.setSize(QSize(largeur, hauteur));
    Generateur.setViewBox(QRect(0, 0, largeur, hauteur));
    PeintreSvg.begin(&Generateur);
}

SurfaceVectorielle::SurfaceVectorielle(int largeur, int hauteur, int dpi)
    : AppareilSvg(largeur, hauteur, dpi), SurfacePeintre(PeintreSvg, dpi) {}

SurfaceVectorielle::~SurfaceVectorielle() {
    Termine();
}

QByteArray SurfaceVectorielle::Termine() {
    if (PeintreSvg.isActive()) {
        Vide();
        PeintreSvg.end();
    }
    return Tampon.data();
}

detail::PeintrePage::PeintrePage(QPagedPaintDevice& page) : PeintreDePage(&page) {}

SurfacePage::SurfacePage(QPagedPaintDevice& page)
    : PeintrePage(page), SurfacePeintre(PeintreDePage, page.logicalDpiX()) {}

SurfacePage::~SurfacePage() {
    Vide();
}

} // namespace zyv
