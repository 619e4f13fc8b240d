#include "ui/plot/SurfaceImage.h"

#include "ui/plot/OutilsPeintre.h"

#include <algorithm>
#include <cstdlib>

namespace zyv {

using detail::Decompose;
using detail::Hachure;
using detail::LigneQt;

namespace {

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

bool SurfaceImage::Interieur(int x, int y, int marge) const {
    return x - marge >= 0 && y - marge >= 0 && x + marge < image_.width() &&
           y + marge < image_.height();
}

void SurfaceImage::TraceLot(const std::vector<QPoint>& points) {
    const QRect zone = ZoneEcriture();
    const std::uint32_t c = Opaque(StyloCourant().Couleur);
    const int l = image_.width(), h = image_.height();
    auto dedans = [&](const QPoint& p) {
        return p.x() >= 0 && p.y() >= 0 && p.x() < l && p.y() < h;
    };
    const int zx0 = zone.left(), zx1 = zone.right(), zy0 = zone.top(), zy1 = zone.bottom();
    auto ecrit = [&](int x, int y) {
        if (x >= zx0 && x <= zx1 && y >= zy0 && y <= zy1) pixels_[y * parLigne_ + x] = c;
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPoint a = points[i - 1], b = points[i];
        const LigneQt q = Decompose(a.x(), a.y(), b.x(), b.y());
        if (!dedans(QPoint(q.X0, q.Y0)) || !dedans(QPoint(q.X1, q.Y1))) {
            LigneSimple(a.x(), a.y(), b.x(), b.y());
            continue;
        }
        PixelsLigneQt(q.X0, q.Y0, q.X1, q.Y1, ecrit);
        if (q.PlusDebut) ecrit(a.x(), a.y());
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
          static_cast<std::size_t>(c.Phase), static_cast<std::size_t>(c.Stylo),
          static_cast<std::size_t>(c.Remplissage), static_cast<std::size_t>(c.Style)})
        h = h * 1000003u ^ v;
    return h;
}

// Shared by the surfaces of the thread, since a screen redraw may build a new surface each
// time; the generation tells surfaces that their shortcuts into it are stale.
std::unordered_map<SurfaceImage::Cle, SurfaceImage::Tampon, SurfaceImage::HachageCle>&
SurfaceImage::Tampons() {
    thread_local std::unordered_map<Cle, Tampon, HachageCle> tampons;
    return tampons;
}

unsigned& SurfaceImage::Generation() {
    thread_local unsigned generation = 0;
    return generation;
}

const SurfaceImage::Tampon& SurfaceImage::TamponPour(const Cle& cle) {
    auto& tampons = Tampons();
    auto it = tampons.find(cle);
    if (it != tampons.end()) return it->second;
    if (tampons.size() > 4096) {
        tampons.clear();
        ++Generation();
    }

    // Drawn once the plain way, on a transparent image, at the same position modulo 8 so
    // that hatch patterns (8 x 8, aligned on the device) fall on the same pixels.
    const int demi = ((cle.R + cle.Largeur + 8) / 8 + 1) * 8;
    const int cote = 2 * demi + 8;
    const int px = cle.Phase & 7, py = cle.Phase >> 3;
    QImage essai(cote, cote, QImage::Format_ARGB32_Premultiplied);
    essai.fill(Qt::transparent);
    {
        SurfaceImage plain(essai, Resolution(), false);
        plain.ChoisitStylo(StyloCourant());
        plain.ChoisitRemplissage(RemplissageCourant());
        plain.Surface::Marqueur(cle.Forme, demi + px, demi + py, cle.R);
    }
    Tampon t;
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
    return tampons.emplace(cle, std::move(t)).first->second;
}

void SurfaceImage::Marqueur(int forme, int x, int y, int r) {
    const Stylo& s = StyloCourant();
    const Remplissage& f = RemplissageCourant();
    if (!rapide_ || !direct_ || forme < 1 || forme > 5 || s.Mode != ModeTrait::Copie ||
        s.Style != StyleTrait::Plein) {
        Vide();
        Surface::Marqueur(forme, x, y, r);
        return;
    }
    const int phase = Hachure(f.Style) ? ((x & 7) | (y & 7) << 3) : 0;
    // Consecutive markers of a curve share all but the hatch phase: keep their stamps at hand.
    const Cle cle{forme, r, s.Largeur, 0, s.Couleur, f.Couleur, f.Style};
    if (!(cle == cleRecente_) || generation_ != Generation()) {
        cleRecente_ = cle;
        generation_ = Generation();
        recents_.fill(nullptr);
    }
    const Tampon*& recent = recents_[static_cast<std::size_t>(phase)];
    if (recent == nullptr) {
        Cle complete = cle;
        complete.Phase = phase;
        recent = &TamponPour(complete);
    }
    const Tampon& t = *recent;
    Vide();
    if (!Interieur(x, y, t.Rayon + 2)) {
        Surface::Marqueur(forme, x, y, r);
        return;
    }
    const QRect zone = ZoneEcriture();
    const std::size_t n = t.Decalages.size();
    if (x - t.Rayon >= zone.left() && x + t.Rayon <= zone.right() && y - t.Rayon >= zone.top() &&
        y + t.Rayon <= zone.bottom()) {
        std::uint32_t* centre = pixels_ + y * parLigne_ + x;
        for (std::size_t i = 0; i < n; ++i)
            centre[t.Decalages[i][1] * parLigne_ + t.Decalages[i][0]] = t.Couleurs[i];
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        const int px = x + t.Decalages[i][0], py = y + t.Decalages[i][1];
        if (zone.contains(px, py)) pixels_[py * parLigne_ + px] = t.Couleurs[i];
    }
}

} // namespace zyv
