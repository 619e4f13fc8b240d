// What the plotting engine's units share: saturating 64-bit arithmetic and the value to
// pixel conversions.
#pragma once

#include <algorithm>
#include <limits>
#include <string>

#include "core/plot/Entier128.h"
#include "core/plot/UniteGraphe.h"

namespace zyv::graphe {

using i64 = std::int64_t;

constexpr i64 LimitePixel = 1000000;
constexpr i64 Min64 = std::numeric_limits<i64>::min(), Max64 = std::numeric_limits<i64>::max();

inline i64 Difference(i64 a, i64 b) {
    if (b < 0 && a > Max64 + b) return Max64;
    if (b > 0 && a < Min64 + b) return Min64;
    return a - b;
}

inline i64 Somme(i64 a, i64 b) {
    if (b > 0 && a > Max64 - b) return Max64;
    if (b < 0 && a < Min64 - b) return Min64;
    return a + b;
}

// plus + a * b div c, exact whenever the true result fits 64 bits, saturated otherwise; c must
// not be 0.
inline i64 MulDiv(i64 a, i64 b, i64 c, i64 plus = 0) {
    // Factors below 2^31: the product fits 64 bits, and the division truncates alike.
    constexpr i64 Petit = i64{1} << 31;
    if (a > -Petit && a < Petit && b > -Petit && b < Petit) return Somme(a * b / c, plus);
    const U128 q = Quotient128(Produit128(Magnitude(a), Magnitude(b)), Magnitude(c));
    const bool negatif = ((a < 0) != (b < 0)) != (c < 0);
    return Borne128(Somme128(negatif ? Oppose128(q) : q, De64(plus)), Min64, Max64);
}

// The low 32 bits, as the pixel results of the conversions are stored.
inline std::int32_t Bas32(i64 v) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
}

inline i64 PixelX64(const TGraphe& g, i64 v) {
    const TAxe& a = g.AxeX;
    if (a.ValPas == 0) return a.PixOrigine;
    return Somme(a.PixOrigine, MulDiv(Difference(v, a.ValOrigine), a.PixPas, a.ValPas));
}

inline i64 PixelY64(const TGraphe& g, i64 v) {
    const TAxe& a = g.AxeY;
    if (a.ValPas == 0) return a.PixOrigine;
    return Difference(a.PixOrigine, MulDiv(Difference(v, a.ValOrigine), a.PixPas, a.ValPas));
}

// Drawing positions saturate far outside any surface rather than wrap to 32 bits, which
// could bring a far-off point back onto the picture at a wrong place.
inline i64 Borne(i64 v) {
    return std::clamp(v, -LimitePixel, LimitePixel);
}
inline int PixelDessinX(const TGraphe& g, i64 v) {
    return static_cast<int>(Borne(PixelX64(g, v)));
}
inline int PixelDessinY(const TGraphe& g, i64 v) {
    return static_cast<int>(Borne(PixelY64(g, v)));
}

inline std::string Chiffres(i64 v) {
    std::uint64_t m = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    return std::to_string(m);
}

inline Couleur CouleurIndice(const TGraphe& g, int indice) {
    // An index beyond the trial colours (a damaged file) falls back to the axes colour.
    if (indice < 0 || indice >= static_cast<int>(g.Couleurs.size()) - IndiceAxes)
        return g.Couleurs[IndiceAxes];
    return g.Couleurs[static_cast<std::size_t>(IndiceAxes + indice)];
}

inline int Dpi(const Surface& s) {
    return s.Resolution();
}

// Device pixels for a length in tenths of a millimetre at the surface's resolution.
inline int Dixiemes(const Surface& s, int dixiemes) {
    return Dpi(s) * dixiemes / 254;
}

// A figure on another surface cannot be reached any more: that surface may be gone, and a
// new one may sit at its address.
void DetacheSiAutre(TCurseur& c, const Surface* s);

} // namespace zyv::graphe
