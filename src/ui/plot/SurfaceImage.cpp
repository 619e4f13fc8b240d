#include "ui/plot/SurfaceImage.h"

#include "ui/plot/OutilsPeintre.h"

#include <algorithm>
#include <cstdlib>

namespace zyv {

using detail::Decompose;
using detail::Hachure;
using detail::LigneQt;

namespace {

int X(const QPoint& p) {
    return p.x();
}
int Y(const QPoint& p) {
    return p.y();
}
int X(const PointPixel& p) {
    return p.X;
}
int Y(const PointPixel& p) {
    return p.Y;
}

std::uint32_t Opaque(Couleur c) {
    return 0xFF000000u | (c & 0xFFFFFFu);
}

// The pixels of QPainter::drawLine for a one-pixel cosmetic pen without antialiasing, for a
// line whose ends lie inside the device (so that Qt does not clip it first): 16.16 fixed
// point stepping along the major axis from the left (or upper) end, the other end excluded.
template <typename Ecrit> void PixelsLigneQt(int x1, int y1, int x2, int y2, Ecrit&& ecrit) {
    const int dx = std::abs(x2 - x1), dy = std::abs(y2 - y1);
    if (dx < dy) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int xinc = static_cast<int>((static_cast<std::int64_t>(x2 - x1) << 16) / (y2 - y1));
        int x = x1 << 16;
        x += ((xinc > 0 ? 32 : 0) * xinc) >> 6;
        for (int y = y1; y < y2; ++y, x += xinc) ecrit(x >> 16, y);
    } else {
        if (dx == 0) return;
        if (x1 > x2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const int yinc = static_cast<int>((static_cast<std::int64_t>(y2 - y1) << 16) / (x2 - x1));
        int y = y1 << 16;
        y += ((yinc > 0 ? 32 : 0) * yinc) >> 6;
        for (int x = x1; x < x2; ++x, y += yinc) ecrit(x, y >> 16);
    }
}

} // namespace

SurfaceImage::SurfaceImage(QImage& image, int dpi, bool rapide)
    : SurfacePeintre(PeintreDetenu, dpi), image_(image), rapide_(rapide) {
    PeintreDetenu.begin(&image_);
    direct_ = image_.format() == QImage::Format_RGB32 ||
              image_.format() == QImage::Format_ARGB32_Premultiplied;
    if (direct_) {
        pixels_ = reinterpret_cast<std::uint32_t*>(image_.bits());
        parLigne_ = image_.bytesPerLine() / 4;
    }
}

SurfaceImage::~SurfaceImage() {
    Vide();
    PeintreDetenu.end();
}

bool SurfaceImage::Groupable() const {
    const Stylo& s = StyloCourant();
    return rapide_ && direct_ && s.Mode == ModeTrait::Copie && s.Style == StyleTrait::Plein &&
           s.Largeur <= 1;
}

QRect SurfaceImage::ZoneEcriture() const {
    const QRect tout = image_.rect();
    return decoupe_ ? tout & *decoupe_ : tout;
}

void SurfaceImage::Ligne(int x0, int y0, int x1, int y1) {
    if (!LigneXor(x0, y0, x1, y1)) SurfacePeintre::Ligne(x0, y0, x1, y1);
}

// Qt's pixels for such a line drawn left to right or downwards from a point inside the clip:
// from that point every pixel, or every third when dotted, up to the end or the clip's edge.
// Qt would hand the spans of a long line to its thread pool, which costs more than the line.
bool SurfaceImage::LigneXor(int x0, int y0, int x1, int y1) {
    const Stylo& s = StyloCourant();
    if (s.Mode != ModeTrait::Xor || !rapide_ || image_.format() != QImage::Format_RGB32 ||
        s.Largeur > 1 || (s.Style != StyleTrait::Plein && s.Style != StyleTrait::Pointilles) ||
        (x0 != x1 && y0 != y1) || x0 > x1 || y0 > y1 || (x0 == x1 && y0 == y1))
        return false;
    const QRect zone = ZoneEcriture();
    if (!zone.contains(x0, y0)) return false;
    Vide();
    const std::uint32_t c = s.Couleur & 0xFFFFFFu;
    const int pas = s.Style == StyleTrait::Pointilles ? 3 : 1;
    if (y0 == y1) {
        std::uint32_t* ligne = pixels_ + y0 * parLigne_;
        for (int x = x0, fin = std::min(x1, zone.right() + 1); x < fin; x += pas) ligne[x] ^= c;
    } else {
        for (int y = y0, fin = std::min(y1, zone.bottom() + 1); y < fin; y += pas)
            pixels_[y * parLigne_ + x0] ^= c;
    }
    return true;
}

void SurfaceImage::TraceLot(const std::vector<QPoint>& points) {
    Trace(std::span<const QPoint>(points));
}

void SurfaceImage::Polyligne(std::span<const PointPixel> sommets) {
    if (sommets.size() < 2 || !Groupable()) {
        SurfacePeintre::Polyligne(sommets);
        return;
    }
    Vide(); // each line drawn on its own: a held line need not be joined
    Trace(sommets);
    DeplaceVers(sommets.back().X, sommets.back().Y);
}

template <class P> void SurfaceImage::Trace(std::span<const P> points) {
    // Trailing repeats of the last point draw nothing; any other repeat is coloured by the
    // line leaving it.
    std::size_t n = points.size();
    while (n >= 2 && X(points[n - 2]) == X(points[n - 1]) && Y(points[n - 2]) == Y(points[n - 1]))
        --n;
    const QRect zone = ZoneEcriture();
    const std::uint32_t c = Opaque(StyloCourant().Couleur);
    const int l = image_.width(), h = image_.height();
    std::uint32_t* const pixels = pixels_;
    const qsizetype parLigne = parLigne_;
    // Inside the clip and a pixel clear of the image's edges (the ends Qt is given may lie
    // one pixel beyond the line's): lines between such points need no test per pixel.
    const int sx0 = std::max(zone.left(), 1), sx1 = std::min(zone.right(), l - 2);
    const int sy0 = std::max(zone.top(), 1), sy1 = std::min(zone.bottom(), h - 2);
    auto sur = [&](int x, int y) { return x >= sx0 && x <= sx1 && y >= sy0 && y <= sy1; };
    auto ecrit = [&](int x, int y) { pixels[y * parLigne + x] = c; };
    const int zx0 = zone.left(), zx1 = zone.right(), zy0 = zone.top(), zy1 = zone.bottom();
    auto ecritDecoupe = [&](int x, int y) {
        if (x >= zx0 && x <= zx1 && y >= zy0 && y <= zy1) pixels[y * parLigne + x] = c;
    };
    auto dedans = [&](int x, int y) { return x >= 0 && y >= 0 && x < l && y < h; };
    int ax = X(points[0]), ay = Y(points[0]);
    bool aSur = sur(ax, ay);
    for (std::size_t i = 1; i < n; ++i) {
        const int bx = X(points[i]), by = Y(points[i]);
        const bool bSur = sur(bx, by);
        const int dx = bx - ax, dy = by - ay;
        if (aSur && bSur) {
            if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1) {
                ecrit(ax, ay); // a step to a neighbour colours its start only
            } else {
                const LigneQt q = Decompose(ax, ay, bx, by);
                PixelsLigneQt(q.X0, q.Y0, q.X1, q.Y1, ecrit);
                if (q.PlusDebut) ecrit(ax, ay);
            }
        } else if (dx != 0 || dy != 0) {
            const LigneQt q = Decompose(ax, ay, bx, by);
            if (!dedans(q.X0, q.Y0) || !dedans(q.X1, q.Y1)) {
                LigneSimple(ax, ay, bx, by);
            } else {
                PixelsLigneQt(q.X0, q.Y0, q.X1, q.Y1, ecritDecoupe);
                if (q.PlusDebut) ecritDecoupe(ax, ay);
            }
        }
        ax = bx;
        ay = by;
        aSur = bSur;
    }
}

void SurfaceImage::Pixel(int x, int y, Couleur c) {
    if (!rapide_ || !direct_) {
        SurfacePeintre::Pixel(x, y, c);
        return;
    }
    Vide();
    if (ZoneEcriture().contains(x, y)) pixels_[y * parLigne_ + x] = Opaque(c);
}

std::size_t SurfaceImage::HachageCle::operator()(const Cle& c) const {
    std::size_t h = static_cast<std::size_t>(c.Forme);
    for (std::size_t v :
         {static_cast<std::size_t>(c.R), static_cast<std::size_t>(c.Largeur),
          static_cast<std::size_t>(c.Stylo), static_cast<std::size_t>(c.Remplissage),
          static_cast<std::size_t>(c.Style)})
        h = h * 1000003u ^ v;
    return h;
}

// Shared by the surfaces of the thread, since a screen redraw may build a new surface each
// time; the generation tells surfaces that their shortcut into it is stale.
std::unordered_map<SurfaceImage::Cle, SurfaceImage::Jeu, SurfaceImage::HachageCle>&
SurfaceImage::Tampons() {
    thread_local std::unordered_map<Cle, Jeu, HachageCle> tampons;
    return tampons;
}

unsigned& SurfaceImage::Generation() {
    thread_local unsigned generation = 0;
    return generation;
}

SurfaceImage::Jeu& SurfaceImage::JeuPour(const Cle& cle) {
    if (jeuRecent_ != nullptr && cle == cleRecente_ && generation_ == Generation())
        return *jeuRecent_;
    auto& tampons = Tampons();
    auto it = tampons.find(cle);
    if (it == tampons.end()) {
        if (tampons.size() >= 64) {
            tampons.clear();
            ++Generation();
        }
        it = tampons.try_emplace(cle).first;
    }
    cleRecente_ = cle;
    generation_ = Generation();
    jeuRecent_ = &it->second;
    return it->second;
}

void SurfaceImage::PrepareTampon(Tampon& t, const Cle& cle, int phase) {
    // Drawn once the plain way, on a transparent image, at the same position modulo 8 so
    // that hatch patterns (8 x 8, aligned on the device) fall on the same pixels.
    const int demi = ((cle.R + cle.Largeur + 8) / 8 + 1) * 8;
    const int cote = 2 * demi + 8;
    const int px = phase & 7, py = phase >> 3;
    QImage essai(cote, cote, QImage::Format_ARGB32_Premultiplied);
    essai.fill(Qt::transparent);
    {
        SurfaceImage plain(essai, Resolution(), false);
        plain.ChoisitStylo(StyloCourant());
        plain.ChoisitRemplissage(RemplissageCourant());
        plain.Surface::Marqueur(cle.Forme, demi + px, demi + py, cle.R);
    }
    for (int y = 0; y < cote; ++y) {
        const auto* ligne = reinterpret_cast<const std::uint32_t*>(essai.constScanLine(y));
        for (int x = 0; x < cote; ++x) {
            if ((ligne[x] >> 24) == 0) continue;
            const int dx = x - demi - px, dy = y - demi - py;
            t.Decalages.push_back({dx, dy});
            t.Couleurs.push_back(ligne[x] | 0xFF000000u);
            t.Rayon = std::max({t.Rayon, std::abs(dx), std::abs(dy)});
        }
    }
    t.Pret = true;
}

void SurfaceImage::Marqueur(int forme, int x, int y, int r) {
    const PointPixel centre{x, y};
    Marqueurs(forme, {&centre, 1}, r);
}

void SurfaceImage::Marqueurs(int forme, std::span<const PointPixel> centres, int r) {
    const Stylo& s = StyloCourant();
    const Remplissage& f = RemplissageCourant();
    if (!rapide_ || !direct_ || forme < 1 || forme > 5 || s.Mode != ModeTrait::Copie ||
        s.Style != StyleTrait::Plein) {
        for (const PointPixel& c : centres) {
            Vide();
            Surface::Marqueur(forme, c.X, c.Y, r);
        }
        return;
    }
    Vide();
    const Cle cle{forme, r, s.Largeur, s.Couleur, f.Couleur, f.Style};
    Jeu& jeu = JeuPour(cle);
    const bool hachure = Hachure(f.Style);
    const QRect zone = ZoneEcriture();
    const int l = image_.width(), h = image_.height();
    const int zx0 = zone.left(), zx1 = zone.right(), zy0 = zone.top(), zy1 = zone.bottom();
    std::uint32_t* const pixels = pixels_;
    const qsizetype parLigne = parLigne_;
    for (const PointPixel& c : centres) {
        const int x = c.X, y = c.Y;
        const int phase = hachure ? ((x & 7) | (y & 7) << 3) : 0;
        Tampon& t = jeu[static_cast<std::size_t>(phase)];
        if (!t.Pret) PrepareTampon(t, cle, phase);
        const int m = t.Rayon + 2;
        // Qt would clip the figure at the image's edge: drawn the plain way.
        if (x - m < 0 || y - m < 0 || x + m >= l || y + m >= h) {
            Surface::Marqueur(forme, x, y, r);
            Vide();
            continue;
        }
        const std::size_t n = t.Decalages.size();
        const std::array<int, 2>* d = t.Decalages.data();
        const std::uint32_t* couleurs = t.Couleurs.data();
        if (x - t.Rayon >= zx0 && x + t.Rayon <= zx1 && y - t.Rayon >= zy0 && y + t.Rayon <= zy1) {
            std::uint32_t* centre = pixels + y * parLigne + x;
            for (std::size_t i = 0; i < n; ++i) centre[d[i][1] * parLigne + d[i][0]] = couleurs[i];
            continue;
        }
        for (std::size_t i = 0; i < n; ++i) {
            const int px = x + d[i][0], py = y + d[i][1];
            if (px >= zx0 && px <= zx1 && py >= zy0 && py <= zy1)
                pixels[py * parLigne + px] = couleurs[i];
        }
    }
}

} // namespace zyv
