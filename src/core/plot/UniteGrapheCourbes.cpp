// Curves, their interpolations and filters, point markers and picking.
#include "core/plot/UniteGraphe.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/plot/UniteGrapheInterne.h"

namespace zyv {

using namespace graphe;

void StyloCourbe(TGraphe& g, const TStyleCourbe& style) {
    if (g.Surface == nullptr) return;
    Surface& s = *g.Surface;
    static constexpr std::array<StyleRemplissage, 8> remplissages = {
        StyleRemplissage::Transparent,
        StyleRemplissage::Plein,
        StyleRemplissage::DiagonaleMontante,
        StyleRemplissage::DiagonaleDescendante,
        StyleRemplissage::Horizontal,
        StyleRemplissage::Vertical,
        StyleRemplissage::Croix,
        StyleRemplissage::CroixDiagonale};
    StyleRemplissage r = StyleRemplissage::Transparent;
    if (style.Remplissage >= 0 && style.Remplissage < 8)
        r = remplissages[static_cast<std::size_t>(style.Remplissage)];
    s.ChoisitRemplissage({s.RemplissageCourant().Couleur, r});

    StyleTrait trait = StyleTrait::Plein;
    switch (style.TypeTrait) {
    case 1:
        trait = StyleTrait::Tirets;
        break;
    case 2:
        trait = StyleTrait::Pointilles;
        break;
    case 3:
        trait = StyleTrait::TiretPoint;
        break;
    case 4:
        trait = StyleTrait::TiretPointPoint;
        break;
    default:
        break;
    }
    // A width beyond a few millimetres is a damaged style, not a request.
    const i64 largeur =
        std::clamp<i64>(static_cast<i64>(Dpi(s)) * 3 * style.Epaisseur / 254, 1, 255);
    s.ChoisitStylo({CouleurIndice(g, style.IndiceCouleur), trait,
                    static_cast<std::int32_t>(largeur), ModeTrait::Copie});
}

void TraceMarqueur(TGraphe& g, int forme, int x, int y) {
    if (!g.Valide || g.Surface == nullptr) return;
    Surface& s = *g.Surface;
    Stylo stylo = s.StyloCourant();
    stylo.Style = StyleTrait::Plein;
    s.ChoisitStylo(stylo);
    s.Marqueur(forme, x, y, Dixiemes(s, 3));
}

void TracePointCourbe(TGraphe& g, int i, const TCourbe& c) {
    if (!g.Valide || g.Surface == nullptr || i < 0 || i >= NbPointsCourbe) return;
    StyloCourbe(g, c.Style);
    const auto k = static_cast<std::size_t>(i);
    TraceMarqueur(g, c.Marqueur, PixelDessinX(g, c.X[k]), PixelDessinY(g, c.Y[k]));
}

int InterpolationEffective(int demandee, int dernier) {
    int plafond;
    if (dernier <= 0)
        plafond = -1;
    else if (dernier <= 3)
        plafond = 2;
    else if (dernier == 4)
        plafond = 3;
    else if (dernier <= 6)
        plafond = 4;
    else
        plafond = 5;
    return std::min(demandee, plafond);
}

namespace {

// Weighted sums over 3, 5 and 7 neighbours; the weights of each rule sum to its divisor.
i64 Filtre(std::span<const i64> p, std::size_t i, int rayon) {
    switch (rayon) {
    case 1:
        return (p[i - 1] + 2 * p[i] + p[i + 1]) / 4;
    case 2:
        return (p[i - 2] + 4 * p[i - 1] + 6 * p[i] + 4 * p[i + 1] + p[i + 2]) / 16;
    case 3:
        return (p[i - 3] + 8 * p[i - 2] + 12 * p[i - 1] + 22 * p[i] + 12 * p[i + 1] + 8 * p[i + 2] +
                p[i + 3]) /
               64;
    default:
        return p[i];
    }
}

// Each point takes the widest rule (up to rayonMax) that fits between it and both ends.
void Lissage(std::span<const i64> p, std::span<i64> o, int rayonMax) {
    const std::size_t n1 = std::min(p.size(), o.size());
    if (n1 == 0) return;
    const std::size_t n = n1 - 1;
    for (std::size_t i = 0; i <= n; ++i) {
        const std::size_t rayon = std::min({i, n - i, static_cast<std::size_t>(rayonMax)});
        o[i] = Filtre(p, i, static_cast<int>(rayon));
    }
}

// Truncating division by 2^decalage.
constexpr i64 DivPuissance2(i64 s, int decalage) {
    return (s + ((s >> 63) & ((i64{1} << decalage) - 1))) >> decalage;
}

struct Rangee3 {
    i64 a, b, c;
    int decalage;
};
struct Rangee4 {
    i64 a, b, c, d;
    int decalage;
};

// Three-point parabola through points 0, 1, 2 over the first interval, t = 1/8 .. 8/8.
constexpr std::array<Rangee3, 8> ParaboleDebut = {{{105, 30, -7, 7},
                                                   {21, 14, -3, 5},
                                                   {65, 78, -15, 7},
                                                   {12, 24, -4, 5},
                                                   {33, 110, -15, 7},
                                                   {5, 30, -3, 5},
                                                   {9, 126, -7, 7},
                                                   {0, 1, 0, 0}}};
// Catmull-Rom through i-1, i, i+1, i+2 over interval i -> i+1, t = 0 .. 7/8.
constexpr std::array<Rangee4, 8> CatmullRom = {{{0, 1, 0, 0, 0},
                                                {-49, 987, 93, -7, 10},
                                                {-9, 111, 29, -3, 7},
                                                {-75, 745, 399, -45, 10},
                                                {-1, 9, 9, -1, 4},
                                                {-45, 399, 745, -75, 10},
                                                {-3, 29, 111, -9, 7},
                                                {-7, 93, 987, -49, 10}}};
// Parabola through n-2, n-1, n over the last interval, t = 0 .. 8/8.
constexpr std::array<Rangee3, 9> ParaboleFin = {{{0, 1, 0, 0},
                                                 {-7, 126, 9, 7},
                                                 {-3, 30, 5, 5},
                                                 {-15, 110, 33, 7},
                                                 {-4, 24, 12, 5},
                                                 {-15, 78, 65, 7},
                                                 {-3, 14, 21, 5},
                                                 {-7, 30, 105, 7},
                                                 {0, 0, 1, 0}}};

// The eight vertices of interval 1 -> 2, the table unrolled so that its weights and shifts
// are constants.
template <std::size_t... J>
void Intervalle(PointPixel* o, const i64 (&x)[4], const i64 (&y)[4], std::index_sequence<J...>) {
    constexpr auto point = [](const Rangee4& r, const i64(&p)[4]) {
        return static_cast<int>(
            DivPuissance2(r.a * p[0] + r.b * p[1] + r.c * p[2] + r.d * p[3], r.decalage));
    };
    ((o[J] = {point(CatmullRom[J], x), point(CatmullRom[J], y)}), ...);
}

template <std::size_t N>
void Parabole(std::vector<PointPixel>& v, std::span<const i64> px, std::span<const i64> py,
              std::size_t i0, const std::array<Rangee3, N>& rangees) {
    const i64 x0 = px[i0], x1 = px[i0 + 1], x2 = px[i0 + 2];
    const i64 y0 = py[i0], y1 = py[i0 + 1], y2 = py[i0 + 2];
    for (const Rangee3& r : rangees) {
        v.push_back({static_cast<int>(DivPuissance2(r.a * x0 + r.b * x1 + r.c * x2, r.decalage)),
                     static_cast<int>(DivPuissance2(r.a * y0 + r.b * y1 + r.c * y2, r.decalage))});
    }
}

// A curve's vertices or marker centres, handed to the surface in one call; kept from one
// curve to the next.
std::vector<PointPixel>& Sommets() {
    thread_local std::vector<PointPixel> v;
    return v;
}

void TraceMarqueurs(TGraphe& g, int forme, std::span<const PointPixel> centres) {
    Surface& s = *g.Surface;
    Stylo stylo = s.StyloCourant();
    stylo.Style = StyleTrait::Plein;
    s.ChoisitStylo(stylo);
    s.Marqueurs(forme, centres, Dixiemes(s, 3));
}

} // namespace

void Lissage3(std::span<const i64> p, std::span<i64> o) {
    Lissage(p, o, 1);
}
void Lissage5(std::span<const i64> p, std::span<i64> o) {
    Lissage(p, o, 2);
}
void Lissage7(std::span<const i64> p, std::span<i64> o) {
    Lissage(p, o, 3);
}

void TraceCubique(Surface& s, std::span<const i64> px, std::span<const i64> py, int debut,
                  int fin) {
    const int dernier = static_cast<int>(std::min(px.size(), py.size())) - 1;
    debut = std::max(debut, 0);
    fin = std::min(fin, dernier);
    if (debut > fin) return;
    const auto d = static_cast<std::size_t>(debut);
    std::vector<PointPixel>& v = Sommets();
    v.clear();
    v.reserve(8 * static_cast<std::size_t>(fin - debut) + 17);
    v.push_back({static_cast<int>(px[d]), static_cast<int>(py[d])});
    if (dernier < 2) {
        // Two points carry no curvature: a straight segment.
        for (std::size_t i = d + 1; i <= static_cast<std::size_t>(fin); ++i)
            v.push_back({static_cast<int>(px[i]), static_cast<int>(py[i])});
        s.Polyligne(v);
        return;
    }
    int premier = debut;
    if (debut == 0) {
        Parabole(v, px, py, 0, ParaboleDebut);
        premier = 1;
    }
    if (premier <= fin - 2) {
        const std::size_t deja = v.size();
        v.resize(deja + 8 * static_cast<std::size_t>(fin - 1 - premier));
        PointPixel* o = v.data() + deja;
        for (int i = premier; i <= fin - 2; ++i, o += 8) {
            const auto k = static_cast<std::size_t>(i);
            const i64 x[4] = {px[k - 1], px[k], px[k + 1], px[k + 2]};
            const i64 y[4] = {py[k - 1], py[k], py[k + 1], py[k + 2]};
            Intervalle(o, x, y, std::make_index_sequence<8>());
        }
    }
    if (fin == dernier) Parabole(v, px, py, static_cast<std::size_t>(dernier - 2), ParaboleFin);
    s.Polyligne(v);
}

void TraceCourbeGraphe(TGraphe& g, const TCourbe& c) {
    if (c.Dernier < 0 || !g.Valide || g.Surface == nullptr) return;
    Surface& s = *g.Surface;
    const int dernier = std::min(c.Dernier, NbPointsCourbe - 1);
    const auto n1 = static_cast<std::size_t>(dernier) + 1;
    // Out-of-range bounds from a caller are brought back onto the existing points.
    const int debut = std::max(c.Debut, 0);
    const int fin = std::min(c.Fin, dernier);

    CurseurCache(g);
    StyloCourbe(g, c.Style);

    std::array<i64, NbPointsCourbe> px, py;
    for (std::size_t i = 0; i < n1; ++i) {
        px[i] = Borne(PixelX64(g, c.X[i]));
        py[i] = Borne(PixelY64(g, c.Y[i]));
    }

    std::vector<PointPixel>& v = Sommets(); // the points themselves, until a cubic takes it
    v.clear();
    for (int i = debut; i <= fin; ++i) {
        const auto k = static_cast<std::size_t>(i);
        v.push_back({static_cast<int>(px[k]), static_cast<int>(py[k])});
    }
    if (c.Marqueur >= 0 && !v.empty()) TraceMarqueurs(g, c.Marqueur, v);
    StyloCourbe(g, c.Style);

    const std::span<const i64> sx(px.data(), n1), sy(py.data(), n1);
    const int genre = InterpolationEffective(c.Interpolation, dernier);
    switch (genre) {
    case 0: {
        const int z = PixelDessinY(g, 0);
        for (int i = debut; i <= fin; ++i) {
            const auto k = static_cast<std::size_t>(i);
            if (py[k] == z) continue;
            s.DeplaceVers(static_cast<int>(px[k]), z);
            s.TraceVers(static_cast<int>(px[k]), static_cast<int>(py[k]));
        }
        break;
    }
    case 1:
        s.Polyligne(v);
        break;
    case 2:
        TraceCubique(s, sx, sy, debut, fin);
        break;
    case 3:
    case 4:
    case 5: {
        std::array<i64, NbPointsCourbe> fx, fy;
        const std::span<i64> ox(fx.data(), n1), oy(fy.data(), n1);
        if (genre == 3) {
            Lissage3(sx, ox);
            Lissage3(sy, oy);
        } else if (genre == 4) {
            Lissage5(sx, ox);
            Lissage5(sy, oy);
        } else {
            Lissage7(sx, ox);
            Lissage7(sy, oy);
        }
        TraceCubique(s, ox, oy, debut, fin);
        break;
    }
    default:
        break;
    }

    s.DeplaceVers(0, 0);
    CurseurRafraichit(g);
}

namespace {

int CodeZone(i64 x, i64 y) {
    return (x < -LimitePixel ? 1 : 0) | (x > LimitePixel ? 2 : 0) | (y < -LimitePixel ? 4 : 0) |
           (y > LimitePixel ? 8 : 0);
}

// Cuts the segment to the square of +-LimitePixel (Cohen-Sutherland, integer intersections);
// false when nothing of it lies inside.
bool Rogne(i64& x1, i64& y1, i64& x2, i64& y2) {
    // Bounds the products below (beyond 2^60 pixels the direction is of no concern).
    constexpr i64 Loin = i64{1} << 60;
    for (i64* v : {&x1, &y1, &x2, &y2}) *v = std::clamp(*v, -Loin, Loin);
    for (int tour = 0; tour < 8; ++tour) {
        const int c1 = CodeZone(x1, y1), c2 = CodeZone(x2, y2);
        if ((c1 | c2) == 0) return true;
        if ((c1 & c2) != 0) return false;
        const bool premier = c1 != 0;
        const int c = premier ? c1 : c2;
        i64& x = premier ? x1 : x2;
        i64& y = premier ? y1 : y2;
        const i64 dx = x2 - x1, dy = y2 - y1;
        if (c & 3) {
            const i64 bord = (c & 1) ? -LimitePixel : LimitePixel;
            y = MulDiv(dy, bord - x1, dx, y1);
            x = bord;
        } else {
            const i64 bord = (c & 4) ? -LimitePixel : LimitePixel;
            x = MulDiv(dx, bord - y1, dy, x1);
            y = bord;
        }
    }
    return CodeZone(x1, y1) == 0 && CodeZone(x2, y2) == 0;
}

} // namespace

void TraceDroite(TGraphe& g, const TStyleCourbe& style, std::int32_t x1, std::int32_t y1,
                 std::int32_t x2, std::int32_t y2) {
    if (!g.Valide || g.Surface == nullptr) return;
    StyloCourbe(g, style);
    // A segment reaching far outside the picture keeps its direction: it is cut, not clamped.
    i64 px1 = PixelX64(g, x1), py1 = PixelY64(g, y1), px2 = PixelX64(g, x2), py2 = PixelY64(g, y2);
    if (!Rogne(px1, py1, px2, py2)) return;
    g.Surface->DeplaceVers(static_cast<int>(px1), static_cast<int>(py1));
    g.Surface->TraceVers(static_cast<int>(px2), static_cast<int>(py2));
}

int PointProche(const TGraphe& g, int x, int y, const TCourbe& c) {
    if (c.Fin < 0 || !g.Valide) return -1;
    const int debut = std::max(c.Debut, 0);
    const int fin = std::min({c.Fin, c.Dernier, NbPointsCourbe - 1});
    int meilleur = -1;
    U128 dMin;
    // Distances between 64-bit positions and the pointer, squared exactly.
    const auto ecart = [](i64 p, int q) {
        return p >= q ? static_cast<std::uint64_t>(p) - static_cast<std::uint64_t>(q)
                      : static_cast<std::uint64_t>(q) - static_cast<std::uint64_t>(p);
    };
    for (int i = debut; i <= fin; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::uint64_t dx = ecart(PixelX64(g, c.X[k]), x), dy = ecart(PixelY64(g, c.Y[k]), y);
        const U128 d = Somme128(Produit128(dx, dx), Produit128(dy, dy));
        if (meilleur < 0 || d < dMin) {
            meilleur = i;
            dMin = d;
        }
    }
    return meilleur;
}

} // namespace zyv
