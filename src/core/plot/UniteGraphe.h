// The plotting engine: layout, graduations and labels of a two-axis plot of raw integer data,
// curves with interpolation and filters, point markers, picking and the XOR measuring cursor.
// Integer arithmetic only: 64-bit, every division truncating toward zero.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/plot/Surface.h"

namespace zyv {

// Background, axes, trial 1..5.
using TCouleurs = std::array<Couleur, 7>;
constexpr int IndiceAxes = 1; // curve and cursor colour indices count from the axes entry

extern const std::array<TCouleurs, 8> TableCouleurs;
// The scheme of a configuration's background choice; an unknown value gives scheme 0.
const TCouleurs& SchemaCouleurs(int fond);

extern const std::array<const char*, 31> TablePrefixes;
// Prefix of a multiple of 3 exponent; beyond the table, the same "E+48 " form.
std::string Prefixe(std::int64_t exposant);

struct TaxeC {
    std::int32_t Min = 0;
    std::int32_t Max = 0;
    std::int32_t Exposant = 0;
    std::int32_t Decimales = 0; // < 0: automatic labelling with a unit prefix
    std::string Nom;
    std::string Unite;
};

struct TAxe {
    std::int64_t PixDebut = 0;
    std::int64_t PixFin = 0;
    std::int64_t PixOrigine = 0;
    std::int64_t PixPas = 0;
    std::int64_t PixEtendue = 0;
    std::int64_t ValMin = 0;
    std::int64_t ValMax = 0;
    std::int64_t ValOrigine = 0;
    std::int64_t ValPas = 1;
    std::int64_t ValEtendue = 1;
    std::int64_t PasLibelle = 1;
    std::int64_t DecLibelle = 0;
    std::int64_t ExpLibelle = 0;
    std::int32_t Mode = 0;
};

struct TCurseur {
    zyv::Surface* Surface = nullptr;
    std::uint64_t IdentiteSurface = 0; // Surface->Identite() when attached
    bool Dessine = false;
    bool Actif = false;
    std::int32_t Style = -1;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    PointPixel Ancre;
    TRect Cadre;
    Couleur CouleurXor = 0;
    Couleur CouleurUnie = 0; // the figure's colour where it cannot be drawn in XOR
    StyleTrait TypeTrait = StyleTrait::Plein;
};

struct TGraphe {
    TAxe AxeX;
    TAxe AxeY;
    bool Valide = false;
    TCurseur CurseurGraphe;
    std::int64_t CurseurX = 0;
    std::int64_t CurseurY = 0;
    std::int32_t TaillePolice = 0; // <= 1: computed from the rectangle
    // Borrowed, valid during each call. Replacing it detaches the cursor from the old one.
    zyv::Surface* Surface = nullptr;
    TRect Cadre;
    TaxeC ConfX;
    TaxeC ConfY;
    std::string Police = "arial";
    TCouleurs Couleurs = {};
    std::int32_t StyleCurseur = 1;
    std::int32_t CouleurCurseur = 0;
    // Borrowed: the Y axes of plots stacked with this one. The layout leaves room for the
    // widest of their labels too, so that the same X value falls on the same pixel column in
    // every plot of the stack.
    std::span<const TaxeC> AxesYAlignes;
};

struct TStyleCourbe {
    std::int32_t IndiceCouleur = 0;
    std::int32_t TypeTrait = 0;
    std::int32_t Epaisseur = 0;
    std::int32_t Remplissage = 0;
};

constexpr int NbPointsCourbe = 2001;

struct TCourbe {
    std::int32_t Dernier = -1;
    std::int32_t Debut = 0;
    std::int32_t Fin = -1;
    std::int32_t Marqueur = -1;
    std::int32_t Interpolation = -1;
    TStyleCourbe Style;
    std::array<std::int32_t, NbPointsCourbe> X{};
    std::array<std::int32_t, NbPointsCourbe> Y{};
};

enum class Axe { X, Y };

// Layout and axes.
void CalculGraphe(TGraphe& g);
void CalculGraduation(Axe axe, TAxe& a);
void EffaceFond(TGraphe& g);
void TraceAxes(TGraphe& g);
std::string TexteGraduation(std::int64_t valeur, std::int64_t decimales);
std::string TexteValeur(std::int64_t valeur, const TaxeC& conf);

std::int32_t ValeurVersPixelX(const TGraphe& g, std::int64_t v);
std::int32_t ValeurVersPixelY(const TGraphe& g, std::int64_t v);
std::int64_t PixelVersValeurX(const TGraphe& g, std::int32_t p);
std::int64_t PixelVersValeurY(const TGraphe& g, std::int32_t p);

// Curves and markers.
void StyloCourbe(TGraphe& g, const TStyleCourbe& style);
void TraceMarqueur(TGraphe& g, int forme, int x, int y);
void TracePointCourbe(TGraphe& g, int i, const TCourbe& c);
void TraceCourbeGraphe(TGraphe& g, const TCourbe& c);
void TraceDroite(TGraphe& g, const TStyleCourbe& style, std::int32_t x1, std::int32_t y1,
                 std::int32_t x2, std::int32_t y2);
int PointProche(const TGraphe& g, int x, int y, const TCourbe& c);

// Effective line kind of a curve: the request capped by its number of points.
int InterpolationEffective(int demandee, int dernier);

// Smoothing over 3, 5 or 7 points of p[0..n] into o[0..n] (both of n + 1 entries).
void Lissage3(std::span<const std::int64_t> p, std::span<std::int64_t> o);
void Lissage5(std::span<const std::int64_t> p, std::span<std::int64_t> o);
void Lissage7(std::span<const std::int64_t> p, std::span<std::int64_t> o);

// Cubic line through px, py from point debut to point fin, points 0..dernier; the pen is
// first moved to point debut.
void TraceCubique(Surface& s, std::span<const std::int64_t> px, std::span<const std::int64_t> py,
                  int debut, int fin);

// Cursor.
void CurseurStyle(TGraphe& g, int style, int indiceCouleur);
void CurseurPlace(TGraphe& g, std::int64_t x, std::int64_t y);
void CurseurRafraichit(TGraphe& g);
void CurseurCache(TGraphe& g);
void CurseurRaz(TGraphe& g);
// Lets go of the figure without drawing it: a style-6 figure (which cannot be erased) or one
// on a surface about to be destroyed. The cursor stays active and shows again after the next
// layout.
void CurseurOublie(TGraphe& g);

// Erases the figure first only when it was drawn on this very surface.
void CurseurInit(TCurseur& c, int style, const TRect& cadre, Surface* surface, Couleur fond,
                 Couleur couleur);
// The figure in XOR, or once in copy mode (style 6, surfaces without XOR): erasing then only
// forgets it.
void CurseurDessine(TCurseur& c);
void CurseurDeplace(TCurseur& c, int x, int y);
void CurseurEfface(TCurseur& c);

} // namespace zyv
