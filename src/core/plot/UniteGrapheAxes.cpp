// Layout of a plot, its axes, graduations and labels.
#include "core/plot/UniteGraphe.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "core/plot/TableDixPuissances.h"
#include "core/plot/UniteGrapheInterne.h"

namespace zyv {

using namespace graphe;

namespace {

// Guards the label texts against absurd decimal counts read from a damaged file.
constexpr i64 DecimalesMax = 64;

void Texte(Surface& s, i64 x, i64 y, const std::string& t) {
    s.Texte(Bas32(x), Bas32(y), t);
}
void Deplace(Surface& s, i64 x, i64 y) {
    s.DeplaceVers(Bas32(x), Bas32(y));
}
void Trace(Surface& s, i64 x, i64 y) {
    s.TraceVers(Bas32(x), Bas32(y));
}

} // namespace

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

} // namespace zyv
