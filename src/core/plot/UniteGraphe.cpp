#include "core/plot/UniteGraphe.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "core/plot/Entier128.h"
#include "core/plot/TableDixPuissances.h"

namespace zyv {

namespace {

using i64 = std::int64_t;

constexpr i64 LimitePixel = 1000000;
// Guards the label texts against absurd decimal counts read from a damaged file.
constexpr i64 DecimalesMax = 64;
constexpr i64 Min64 = std::numeric_limits<i64>::min(), Max64 = std::numeric_limits<i64>::max();

// plus + a * b div c, exact whenever the true result fits 64 bits, saturated otherwise; c must
// not be 0.
i64 MulDiv(i64 a, i64 b, i64 c, i64 plus = 0) {
    const U128 q = Quotient128(Produit128(Magnitude(a), Magnitude(b)), Magnitude(c));
    const bool negatif = ((a < 0) != (b < 0)) != (c < 0);
    return Borne128(Somme128(negatif ? Oppose128(q) : q, De64(plus)), Min64, Max64);
}

i64 Difference(i64 a, i64 b) {
    if (b < 0 && a > Max64 + b) return Max64;
    if (b > 0 && a < Min64 + b) return Min64;
    return a - b;
}

i64 Somme(i64 a, i64 b) {
    if (b > 0 && a > Max64 - b) return Max64;
    if (b < 0 && a < Min64 - b) return Min64;
    return a + b;
}

// The low 32 bits, as the pixel results of the conversions are stored.
std::int32_t Bas32(i64 v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

i64 PixelX64(const TGraphe& g, i64 v) {
    const TAxe& a = g.AxeX;
    if (a.ValPas == 0) return a.PixOrigine;
    return Somme(a.PixOrigine, MulDiv(Difference(v, a.ValOrigine), a.PixPas, a.ValPas));
}

i64 PixelY64(const TGraphe& g, i64 v) {
    const TAxe& a = g.AxeY;
    if (a.ValPas == 0) return a.PixOrigine;
    return Difference(a.PixOrigine, MulDiv(Difference(v, a.ValOrigine), a.PixPas, a.ValPas));
}

// Drawing positions saturate far outside any surface rather than wrap to 32 bits, which
// could bring a far-off point back onto the picture at a wrong place.
i64 Borne(i64 v) {
    return std::clamp(v, -LimitePixel, LimitePixel);
}
int PixelDessinX(const TGraphe& g, i64 v) {
    return static_cast<int>(Borne(PixelX64(g, v)));
}
int PixelDessinY(const TGraphe& g, i64 v) {
    return static_cast<int>(Borne(PixelY64(g, v)));
}

std::string Chiffres(i64 v) {
    std::uint64_t m = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    return std::to_string(m);
}

Couleur CouleurIndice(const TGraphe& g, int indice) {
    // An index beyond the trial colours (a damaged file) falls back to the axes colour.
    if (indice < 0 || indice >= static_cast<int>(g.Couleurs.size()) - IndiceAxes)
        return g.Couleurs[IndiceAxes];
    return g.Couleurs[static_cast<std::size_t>(IndiceAxes + indice)];
}

int Dpi(const Surface& s) {
    return s.Resolution();
}

// Device pixels for a length in tenths of a millimetre at the surface's resolution.
int Dixiemes(const Surface& s, int dixiemes) {
    return Dpi(s) * dixiemes / 254;
}

void Texte(Surface& s, i64 x, i64 y, const std::string& t) {
    s.Texte(Bas32(x), Bas32(y), t);
}
void Deplace(Surface& s, i64 x, i64 y) {
    s.DeplaceVers(Bas32(x), Bas32(y));
}
void Trace(Surface& s, i64 x, i64 y) {
    s.TraceVers(Bas32(x), Bas32(y));
}

bool AttacheA(const TCurseur& c, const Surface* s) {
    return s != nullptr && c.Surface == s && c.IdentiteSurface == s->Identite();
}

// A figure on another surface cannot be reached any more: that surface may be gone, and a
// new one may sit at its address.
void DetacheSiAutre(TCurseur& c, const Surface* s) {
    if (AttacheA(c, s)) return;
    c.Surface = nullptr;
    c.IdentiteSurface = 0;
    c.Dessine = false;
}

// Drawing the figure again takes it away only in XOR.
bool Effacable(const TCurseur& c) {
    return c.Style != 6 && c.Surface != nullptr && c.Surface->XorPossible();
}

} // namespace

const std::array<TCouleurs, 8> TableCouleurs = {{
    {0xFFFFFF, 0x000000, 0xFF0000, 0x000080, 0x008000, 0x800000, 0x808080},
    {0x00FFFF, 0x000000, 0xFF0000, 0x000080, 0x008000, 0x800000, 0x808080},
    {0xFFFF00, 0x000000, 0xFF0000, 0x000080, 0x008000, 0x800000, 0x808080},
    {0xC0C0C0, 0x000000, 0xFF0000, 0x000080, 0x008000, 0x800000, 0x808080},
    {0x800000, 0xFFFFFF, 0xFF0000, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xC0C0C0},
    {0x008000, 0xFFFFFF, 0xFF0000, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xC0C0C0},
    {0x000080, 0xFFFFFF, 0xFF0000, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xC0C0C0},
    {0x000000, 0xFFFFFF, 0xFF0000, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xC0C0C0},
}};

const TCouleurs& SchemaCouleurs(int fond) {
    if (fond < 0 || fond >= static_cast<int>(TableCouleurs.size())) return TableCouleurs[0];
    return TableCouleurs[static_cast<std::size_t>(fond)];
}

const std::array<const char*, 31> TablePrefixes = {
    "E-45 ", "E-42 ", "E-39 ", "E-36 ", "E-33 ", "E-30 ",  "E-27 ", "E-24 ",
    "E-21 ", "E-18 ", "E-15 ", "p",     "n",     "\u00B5", "m",     "",
    "k",     "M",     "G",     "T",     "E+15 ", "E+18 ",  "E+21 ", "E+24 ",
    "E+27 ", "E+30 ", "E+33 ", "E+36 ", "E+39 ", "E+42 ",  "E+45 "};

std::string Prefixe(i64 exposant) {
    const i64 i = exposant / 3 + 15;
    if (i >= 0 && i < static_cast<i64>(TablePrefixes.size()))
        return TablePrefixes[static_cast<std::size_t>(i)];
    return std::string("E") + (exposant < 0 ? "-" : "+") + Chiffres(exposant) + " ";
}

// ---------------------------------------------------------------------------------------
// Layout

void CalculGraduation(Axe axe, TAxe& a) {
    i64 r = Difference(a.ValMax, a.ValMin);
    // An axis not prepared by the layout may carry no extent: it is the range, at least 1.
    if (a.ValEtendue < 1)
        a.ValEtendue = r == std::numeric_limits<i64>::min() ? std::numeric_limits<i64>::max()
                                                            : std::max<i64>(1, std::abs(r));
    i64 n = static_cast<i64>(std::to_string(r).size());
    i64 e = a.Mode < 0 ? a.ExpLibelle : 0;
    const bool unChiffre = n == 1;
    if (unChiffre) {
        n = 2;
        r *= 10;
        e -= 1;
    }
    const i64 dix = TableDixPuissances[static_cast<int>(n - 2)];
    const i64 tete = r / dix;
    e += n - 2;
    i64 k = 0;
    while (e % 3 != 0) {
        --e;
        ++k;
    }
    i64 m = 1;
    if (tete >= 10 && tete <= 12)
        m = 1;
    else if (tete >= 13 && tete <= 24)
        m = 2;
    else if (tete >= 25 && tete <= 48)
        m = 4;
    else if (tete >= 49 && tete <= 64)
        m = 5;
    else if (tete >= 65 && tete <= 99)
        m = 10;
    a.ValPas = m * dix;

    if (a.Mode >= 0) {
        a.PasLibelle = m * TableDixPuissances[static_cast<int>(k + e)];
        a.DecLibelle = a.Mode;
        a.ExpLibelle = 0;
    } else {
        // A one-digit range was scaled tenfold to find its step, but the step stays m raw
        // units: one more power of ten brings the labels back to the graduation values.
        if (unChiffre && ++k == 3) {
            k = 0;
            e += 3;
        }
        switch (k) {
        case 0:
            a.PasLibelle = m;
            a.DecLibelle = 0;
            a.ExpLibelle = e;
            break;
        case 1:
            a.PasLibelle = 10 * m;
            a.DecLibelle = 0;
            a.ExpLibelle = e;
            break;
        default:
            a.PasLibelle = m;
            a.DecLibelle = 1;
            a.ExpLibelle = e + 3;
            break;
        }
    }
    if (a.ValPas < 1) a.ValPas = 1;

    if (a.ValMin <= 0 && 0 <= a.ValMax)
        a.ValOrigine = 0;
    else if (a.ValMin < 0)
        a.ValOrigine = (a.ValMax / a.ValPas - 1) * a.ValPas;
    else
        a.ValOrigine = (a.ValMin / a.ValPas + 1) * a.ValPas;

    a.PixPas = MulDiv(a.PixEtendue, a.ValPas, a.ValEtendue);
    const i64 decalage = MulDiv(a.PixEtendue, Difference(a.ValOrigine, a.ValMin), a.ValEtendue);
    a.PixOrigine = axe == Axe::X ? Somme(a.PixDebut, decalage) : Difference(a.PixFin, decalage);
}

namespace {

// Room for the widest Y label, in the surface's current font.
i64 LargeurLibellesY(Surface& s, const TaxeC& y) {
    if (y.Decimales > 0) return s.LargeurTexte("-00,00");
    const i64 etendue = std::abs(static_cast<i64>(y.Max) - y.Min);
    return s.LargeurTexte(Chiffres(std::max<i64>(etendue, 1)));
}

void PrepareAxe(TAxe& a, const TaxeC& c) {
    a.ValMin = c.Min;
    a.ValMax = c.Max;
    a.ValEtendue = a.ValMax > a.ValMin ? a.ValMax - a.ValMin : a.ValMin - a.ValMax;
    if (a.ValEtendue == 0) a.ValEtendue = 1;
    a.ExpLibelle = c.Exposant;
    a.Mode = c.Decimales;
}

} // namespace

void CalculGraphe(TGraphe& g) {
    g.Valide = false;
    DetacheSiAutre(g.CurseurGraphe, g.Surface);
    if (g.Surface == nullptr) return;
    const TRect& c = g.Cadre;
    if (static_cast<i64>(c.Right) - c.Left <= 100 || static_cast<i64>(c.Bottom) - c.Top <= 100)
        return;
    Surface& s = *g.Surface;

    if (g.TaillePolice <= 1)
        g.TaillePolice = static_cast<std::int32_t>(
            (c.Bottom > c.Top ? static_cast<i64>(c.Bottom) - c.Top : 0) / 100 + 5);
    Police police = s.PoliceCourante();
    police.Nom = g.Police;
    police.Taille = g.TaillePolice;
    s.ChoisitPolice(police);

    const i64 dpi = Dpi(s);
    const i64 marge = dpi * 15 / 254;

    PrepareAxe(g.AxeX, g.ConfX);
    PrepareAxe(g.AxeY, g.ConfY);

    i64 largeurY = LargeurLibellesY(s, g.ConfY);
    for (const TaxeC& y : g.AxesYAlignes) largeurY = std::max(largeurY, LargeurLibellesY(s, y));
    g.AxeX.PixDebut = c.Left + marge + largeurY;
    const i64 largeurX =
        std::max(s.LargeurTexte("(" + g.ConfX.Unite + ")"), s.LargeurTexte(g.ConfX.Nom));
    g.AxeX.PixFin = c.Right - marge - largeurX;
    g.AxeX.PixEtendue = std::abs(g.AxeX.PixFin - g.AxeX.PixDebut);

    const i64 h = static_cast<i64>(g.TaillePolice) * dpi / 72;
    g.AxeY.PixDebut = c.Top + 2 * (h + marge);
    g.AxeY.PixFin = c.Bottom - (h + marge);
    g.AxeY.PixEtendue = std::abs(g.AxeY.PixFin - g.AxeY.PixDebut);

    CalculGraduation(Axe::X, g.AxeX);
    CalculGraduation(Axe::Y, g.AxeY);
    CurseurStyle(g, g.StyleCurseur, g.CouleurCurseur);
    g.Valide = true;
}

void EffaceFond(TGraphe& g) {
    if (!g.Valide || g.Surface == nullptr) return;
    Surface& s = *g.Surface;
    const Couleur fond = g.Couleurs[0];
    s.ChoisitStylo({fond, StyleTrait::Plein, 1, ModeTrait::Copie});
    s.ChoisitRemplissage({fond, StyleRemplissage::Plein});
    s.ChoisitPolice({g.Police, g.TaillePolice, fond});
    s.Rectangle(g.Cadre);
}

namespace {

// "(" + prefix + unit + ")", the prefix only in automatic mode.
std::string TexteUnite(const TAxe& a, const std::string& unite) {
    std::string u = "(";
    if (a.Mode < 0) u += Prefixe(a.ExpLibelle);
    u += unite;
    u += ')';
    return u;
}

} // namespace

void TraceAxes(TGraphe& g) {
    if (!g.Valide || g.Surface == nullptr) return;
    Surface& s = *g.Surface;
    EffaceFond(g);

    const i64 t = Dixiemes(s, 5);
    const i64 T = 2 * t;
    const Couleur axes = g.Couleurs[IndiceAxes];
    const int stylo = std::max(1, Dixiemes(s, 3));
    // Labels clear the ticks' far ends, round caps included: at 96 dpi a one-pixel tick ends
    // right where its label begins, and a page keeps that look at its own resolution.
    const i64 ecart = std::max(t + 1, stylo > 1 ? T + stylo / 2 + 1 : T);
    s.ChoisitStylo({axes, StyleTrait::Plein, stylo, ModeTrait::Copie});
    s.ChoisitRemplissage({s.RemplissageCourant().Couleur, StyleRemplissage::Transparent});
    s.ChoisitPolice({g.Police, g.TaillePolice, axes});

    const TRect& c = g.Cadre;
    const TAxe& ax = g.AxeX;
    const TAxe& ay = g.AxeY;
    const i64 yo = ay.PixOrigine;
    const i64 xo = ax.PixOrigine;

    // X axis, arrow, name and unit.
    Deplace(s, c.Left + t, yo);
    Trace(s, c.Right - t, yo);
    Deplace(s, c.Right - T - t, yo - t);
    Trace(s, c.Right - t, yo);
    Trace(s, c.Right - T - t, yo + t);
    Texte(s, c.Right - t - s.LargeurTexte(g.ConfX.Nom), yo - t - s.HauteurTexte(g.ConfX.Nom),
          g.ConfX.Nom);
    if (!g.ConfX.Unite.empty()) {
        const std::string u = TexteUnite(ax, g.ConfX.Unite);
        Texte(s, c.Right - t - s.LargeurTexte(u), yo + t, u);
    }

    // X graduations; a zero step (a squeezed axis) has none. Walking away from the origin, a
    // label that would touch the one drawn before is left out; its tick stays.
    if (ax.PixPas > 0) {
        const i64 j0 = ax.ValOrigine / ax.ValPas;
        i64 borne = 0; // far edge of the last label drawn, plus the gap
        auto graduation = [&](i64 p, i64 j, bool droite) {
            const std::string l = TexteGraduation(MulDiv(j0 + j, ax.PasLibelle, 1), ax.DecLibelle);
            const i64 w = s.LargeurTexte(l);
            if (droite && p + w / 2 + t >= ax.PixFin) return;
            const i64 gauche = p - w / 2;
            if (j == 1 || j == -1 || (droite ? gauche >= borne : gauche + w <= borne)) {
                Texte(s, gauche, yo + ecart, l);
                borne = droite ? gauche + w + t : gauche - t;
            }
            Deplace(s, p, yo);
            Trace(s, p, yo + T);
        };
        for (i64 j = 1, p = xo + ax.PixPas; p < ax.PixFin; ++j, p += ax.PixPas)
            graduation(p, j, true);
        for (i64 j = 1, p = xo - ax.PixPas; p > ax.PixDebut; ++j, p -= ax.PixPas)
            graduation(p, -j, false);
    }

    // Y axis, arrow, name and unit.
    Deplace(s, xo, c.Bottom - t);
    Trace(s, xo, c.Top + t);
    Deplace(s, xo - t, c.Top + t + T);
    Trace(s, xo, c.Top + t);
    Trace(s, xo + t, c.Top + t + T);
    Texte(s, xo + t, c.Top + t, g.ConfY.Nom);
    if (!g.ConfY.Unite.empty()) {
        const std::string u = TexteUnite(ay, g.ConfY.Unite);
        Texte(s, xo + t, c.Top + T + s.HauteurTexte(g.ConfY.Nom), u);
    }

    if (ay.PixPas > 0) {
        const i64 j0 = ay.ValOrigine / ay.ValPas;
        i64 borne = 0; // as for X, from the origin up, then from the origin down
        auto graduation = [&](i64 q, i64 j) {
            const std::string l = TexteGraduation(MulDiv(j0 + j, ay.PasLibelle, 1), ay.DecLibelle);
            const i64 h = s.HauteurTexte(l);
            const i64 haut = q - h / 2;
            const bool monte = j > 0;
            if (j == 1 || j == -1 || (monte ? haut + h <= borne : haut >= borne)) {
                Texte(s, xo - s.LargeurTexte(l) - ecart, haut, l);
                borne = monte ? haut - t : haut + h + t;
            }
            Deplace(s, xo, q);
            Trace(s, xo - T, q);
        };
        for (i64 j = 1, q = yo - ay.PixPas; q > ay.PixDebut; ++j, q -= ay.PixPas) graduation(q, j);
        for (i64 j = 1, q = yo + ay.PixPas; q < ay.PixFin; ++j, q += ay.PixPas) graduation(q, -j);
    }
}

std::string TexteGraduation(i64 valeur, i64 decimales) {
    std::string s = Chiffres(valeur);
    const i64 d = std::min(decimales, DecimalesMax);
    if (d > 0) {
        if (static_cast<i64>(s.size()) <= d)
            s.insert(0, static_cast<std::size_t>(d + 1) - s.size(), '0');
        s.insert(s.size() - static_cast<std::size_t>(d), 1, ',');
    }
    if (valeur < 0) s.insert(0, 1, '-');
    return s;
}

std::string TexteValeur(i64 valeur, const TaxeC& conf) {
    if (conf.Decimales >= 0) return TexteGraduation(valeur, conf.Decimales) + " " + conf.Unite;

    // Engineering form: 1 to 3 integer digits and the prefix of a multiple of 3. The value is
    // 0.<digits> x 10^e; digits are truncated to 5, never rounded, and padded with zeros when
    // fewer than the integer part needs.
    std::string s = Chiffres(valeur);
    const i64 e = static_cast<i64>(s.size()) + conf.Exposant;
    if (s.size() > 5) s.resize(5);
    const i64 reste = ((e - 1) % 3 + 3) % 3;
    const std::size_t entiers = static_cast<std::size_t>(reste + 1);
    const i64 exposant = e - static_cast<i64>(entiers);
    if (s.size() < entiers)
        s.append(entiers - s.size(), '0');
    else if (s.size() > entiers)
        s.insert(entiers, 1, ',');
    if (valeur < 0) s.insert(0, 1, '-');
    return s + " " + Prefixe(exposant) + conf.Unite;
}

std::int32_t ValeurVersPixelX(const TGraphe& g, i64 v) {
    return Bas32(PixelX64(g, v));
}
std::int32_t ValeurVersPixelY(const TGraphe& g, i64 v) {
    return Bas32(PixelY64(g, v));
}

i64 PixelVersValeurX(const TGraphe& g, std::int32_t p) {
    const TAxe& a = g.AxeX;
    if (a.PixPas == 0) return a.ValOrigine;
    return Somme(MulDiv(Difference(p, a.PixOrigine), a.ValPas, a.PixPas), a.ValOrigine);
}

i64 PixelVersValeurY(const TGraphe& g, std::int32_t p) {
    const TAxe& a = g.AxeY;
    if (a.PixPas == 0) return a.ValOrigine;
    return Somme(MulDiv(Difference(a.PixOrigine, p), a.ValPas, a.PixPas), a.ValOrigine);
}

// ---------------------------------------------------------------------------------------
// Curves

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
inline i64 DivPuissance2(i64 s, int decalage) {
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

template <std::size_t N>
void Parabole(Surface& s, std::span<const i64> px, std::span<const i64> py, std::size_t i0,
              const std::array<Rangee3, N>& rangees) {
    const i64 x0 = px[i0], x1 = px[i0 + 1], x2 = px[i0 + 2];
    const i64 y0 = py[i0], y1 = py[i0 + 1], y2 = py[i0 + 2];
    for (const Rangee3& r : rangees) {
        s.TraceVers(static_cast<int>(DivPuissance2(r.a * x0 + r.b * x1 + r.c * x2, r.decalage)),
                    static_cast<int>(DivPuissance2(r.a * y0 + r.b * y1 + r.c * y2, r.decalage)));
    }
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
    s.DeplaceVers(static_cast<int>(px[d]), static_cast<int>(py[d]));
    if (dernier < 2) {
        // Two points carry no curvature: a straight segment.
        for (std::size_t i = d + 1; i <= static_cast<std::size_t>(fin); ++i)
            s.TraceVers(static_cast<int>(px[i]), static_cast<int>(py[i]));
        return;
    }
    int premier = debut;
    if (debut == 0) {
        Parabole(s, px, py, 0, ParaboleDebut);
        premier = 1;
    }
    for (int i = premier; i <= fin - 2; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const i64 x0 = px[k - 1], x1 = px[k], x2 = px[k + 1], x3 = px[k + 2];
        const i64 y0 = py[k - 1], y1 = py[k], y2 = py[k + 1], y3 = py[k + 2];
        for (const Rangee4& r : CatmullRom) {
            s.TraceVers(static_cast<int>(
                            DivPuissance2(r.a * x0 + r.b * x1 + r.c * x2 + r.d * x3, r.decalage)),
                        static_cast<int>(
                            DivPuissance2(r.a * y0 + r.b * y1 + r.c * y2 + r.d * y3, r.decalage)));
        }
    }
    if (fin == dernier) Parabole(s, px, py, static_cast<std::size_t>(dernier - 2), ParaboleFin);
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

    if (c.Marqueur >= 0) {
        for (int i = debut; i <= fin; ++i) {
            const auto k = static_cast<std::size_t>(i);
            TraceMarqueur(g, c.Marqueur, static_cast<int>(px[k]), static_cast<int>(py[k]));
        }
    }
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
        if (debut <= fin) {
            s.DeplaceVers(static_cast<int>(px[static_cast<std::size_t>(debut)]),
                          static_cast<int>(py[static_cast<std::size_t>(debut)]));
            for (int i = debut + 1; i <= fin; ++i)
                s.TraceVers(static_cast<int>(px[static_cast<std::size_t>(i)]),
                            static_cast<int>(py[static_cast<std::size_t>(i)]));
        }
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

// ---------------------------------------------------------------------------------------
// Cursor

void CurseurInit(TCurseur& c, int style, const TRect& cadre, Surface* surface, Couleur fond,
                 Couleur couleur) {
    DetacheSiAutre(c, surface);
    CurseurEfface(c);
    c.Surface = surface;
    c.IdentiteSurface = surface != nullptr ? surface->Identite() : 0;
    c.CouleurXor = couleur ^ fond;
    c.CouleurUnie = couleur;
    c.Style = style;
    c.Cadre = cadre;
    c.X = 0;
    c.Y = 0;
    c.Dessine = false;
    switch (style) {
    case 1:
    case 4:
    case 5:
        c.TypeTrait = StyleTrait::Pointilles;
        break;
    case 6:
        c.TypeTrait = StyleTrait::TiretPoint;
        break;
    default:
        c.TypeTrait = StyleTrait::Plein;
        break;
    }
}

void CurseurDessine(TCurseur& c) {
    if (!c.Actif || c.Style < 0 || c.Style > 6 || c.Surface == nullptr) return;
    Surface& s = *c.Surface;
    if (Effacable(c))
        s.ChoisitStylo({c.CouleurXor, c.TypeTrait, 1, ModeTrait::Xor});
    else
        s.ChoisitStylo({c.CouleurUnie, c.TypeTrait, 1, ModeTrait::Copie});
    s.ChoisitRemplissage({s.RemplissageCourant().Couleur, StyleRemplissage::Transparent});
    const int x = c.X, y = c.Y;
    const TRect& k = c.Cadre;
    auto horizontale = [&](int h) {
        s.DeplaceVers(k.Left, h);
        s.TraceVers(k.Right, h);
    };
    auto verticale = [&](int v) {
        s.DeplaceVers(v, k.Top);
        s.TraceVers(v, k.Bottom);
    };
    switch (c.Style) {
    case 0: {
        Stylo gros = s.StyloCourant();
        gros.Largeur = 5;
        s.ChoisitStylo(gros);
        s.DeplaceVers(x, y);
        s.TraceVers(x, y);
        break;
    }
    case 1:
        horizontale(y);
        verticale(x);
        break;
    case 2:
        s.DeplaceVers(x - 20, y);
        s.TraceVers(x + 20, y);
        s.DeplaceVers(x, y - 20);
        s.TraceVers(x, y + 20);
        break;
    case 3:
        s.DeplaceVers(x - 20, y - 20);
        s.TraceVers(x + 20, y + 20);
        // The rising stroke from its lower-left end, as for the cross marker.
        s.DeplaceVers(x - 19, y + 19);
        s.TraceVers(x + 21, y - 21);
        break;
    case 4:
        s.Rectangle({std::min(c.Ancre.X, x), std::min(c.Ancre.Y, y), std::max(c.Ancre.X, x),
                     std::max(c.Ancre.Y, y)});
        break;
    case 5:
        horizontale(c.Ancre.Y);
        verticale(c.Ancre.X);
        if (y != c.Ancre.Y) horizontale(y);
        if (x != c.Ancre.X) verticale(x);
        break;
    case 6:
        s.ChoisitStylo(
            {0x000000, StyleTrait::TiretPoint, std::max(1, Dixiemes(s, 2)), ModeTrait::Copie});
        horizontale(y);
        verticale(x);
        break;
    default:
        break;
    }
}

void CurseurDeplace(TCurseur& c, int x, int y) {
    if (!c.Actif) return;
    if (c.Dessine) {
        if (Effacable(c))
            CurseurDessine(c);
        else if (x == c.X && y == c.Y)
            return; // already there, once
    }
    c.X = x;
    c.Y = y;
    CurseurDessine(c);
    c.Dessine = true;
}

void CurseurEfface(TCurseur& c) {
    if (c.Actif && c.Dessine && Effacable(c)) CurseurDessine(c);
    c.Dessine = false;
}

void CurseurStyle(TGraphe& g, int style, int indiceCouleur) {
    CurseurInit(g.CurseurGraphe, style, g.Cadre, g.Surface, g.Couleurs[0],
                CouleurIndice(g, indiceCouleur));
}

void CurseurPlace(TGraphe& g, i64 x, i64 y) {
    DetacheSiAutre(g.CurseurGraphe, g.Surface);
    g.CurseurGraphe.Actif = true;
    g.CurseurX = x;
    g.CurseurY = y;
    if (g.Valide) CurseurDeplace(g.CurseurGraphe, PixelDessinX(g, x), PixelDessinY(g, y));
}

void CurseurRafraichit(TGraphe& g) {
    DetacheSiAutre(g.CurseurGraphe, g.Surface);
    if (g.Valide)
        CurseurDeplace(g.CurseurGraphe, PixelDessinX(g, g.CurseurX), PixelDessinY(g, g.CurseurY));
}

void CurseurCache(TGraphe& g) {
    DetacheSiAutre(g.CurseurGraphe, g.Surface);
    CurseurEfface(g.CurseurGraphe);
}

void CurseurRaz(TGraphe& g) {
    CurseurCache(g);
    g.CurseurX = 0;
    g.CurseurY = 0;
    g.CurseurGraphe.Actif = false;
}

void CurseurOublie(TGraphe& g) {
    DetacheSiAutre(g.CurseurGraphe, nullptr);
}

} // namespace zyv
