// Colour schemes, unit prefixes and the value to pixel conversions.
#include "core/plot/UniteGraphe.h"

#include "core/plot/UniteGrapheInterne.h"

namespace zyv {

using namespace graphe;

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

} // namespace zyv
