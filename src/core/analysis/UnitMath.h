// Least-squares models of a characteristic, their sampling for drawing and the text of decimal
// numbers in the equations.
#pragma once

#include "core/data/Travail.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zyv {

// mantissa x 10^exponent
struct TNombreDec {
    std::int32_t Mantisse = 0;
    std::int32_t Exposant = 0;
    bool operator==(const TNombreDec&) const = default;
};

// One value column: slot 0 is a header, point i sits in slot i + 1 (the layout of TEssai::Valeurs).
using TTabValeurs = std::array<std::int32_t, NbSlotsValeurs>;

// Model kinds, named after the modelling window's buttons.
enum TypeModele : int {
    AucunModele = 0,
    ModeleAX = 1,     // Y = a.X         (c1)
    ModeleAXB = 2,    // Y = a.X + b     (c1, c0)
    ModeleAX2BXC = 4, // Y = a.X² + b.X + c (c2, c1, c0)
};

// Normal equations of up to degree 4, solved in place.
struct TSystemeLineaire {
    std::array<std::array<double, 5>, 5> Matrice{};
    std::array<double, 5> SecondMembre{};
    std::array<double, 5> Solution{};
};

// The largest value of points lo..hi; the value at lo when lo >= hi.
std::int32_t MaxValeur(const TTabValeurs& t, int lo, int hi);

// The text of v x echelle with exactly -(exponents) decimals and a decimal comma, after a sign
// prefix "  " or " -"; a zero mantissa gives "0".
std::string NombreEnTexte(TNombreDec v, TNombreDec echelle);
// The same with the prefix "+ " or "- "; a zero mantissa gives "+0".
std::string NombreEnTexteSigne(TNombreDec v, TNombreDec echelle);

// Straight line over indices i1..i2 of two real arrays; false (outputs untouched) when fewer than
// two distinct X make the determinant vanish.
bool MoindresCarres(int i1, int i2, std::span<const double> x, std::span<const double> y,
                    double& ordonnee, double& pente);

// The fits read points lo..hi of the integer columns and truncate toward zero. A result that a
// 64-bit integer cannot hold fails the fit.
// a = slope x 100000; false when sum(x²) <= 1.
bool ModeleProportionnel(int lo, int hi, const TTabValeurs& y, const TTabValeurs& x,
                         std::int64_t& a);
// slope x 100000 and intercept; both 0 on failure (fewer than two distinct X).
bool ModeleAffine(int lo, int hi, const TTabValeurs& y, const TTabValeurs& x, std::int64_t& pente,
                  std::int64_t& ordonnee);
// Polynomial of degree d (0..4), solution[k] multiplying X^k; all zero on failure (fewer than
// d + 1 distinct X, or a pivot lost to rounding). Points far from zero are fitted about their
// mean X, where the sums of powers keep their digits.
bool ModeleParabole(int d, int lo, int hi, const TTabValeurs& y, const TTabValeurs& x,
                    std::array<double, 5>& solution);
// Gauss elimination with partial pivoting on equations 0..n; the first of equal pivots wins.
// Fails, with an all-zero solution, on a zero pivot or one whose row cancelled to rounding noise.
bool ResolutionGauss(int n, TSystemeLineaire& s);

// The fit of kind type over points min(i1,i2)..max(i1,i2): c2 and c1 carry exponent -5, c0
// exponent 0. Failure leaves all three zero: no points, too few distinct X, or a coefficient
// beyond a 32-bit mantissa.
bool CalculModele(int type, int i1, int i2, const TTabValeurs& y, const TTabValeurs& x,
                  TNombreDec& c2, TNombreDec& c1, TNombreDec& c0);

// c2.x² + c1.x + c0 in raw units, each term truncated on its own; saturates at the 32-bit limits
// so a steep model leaves the plot instead of wrapping back into it.
std::int32_t ValeurModele(TNombreDec c2, TNombreDec c1, TNombreDec c0, std::int64_t x);

// Model points from x1 to x2 into point slots of x and y: 100 equal integer steps then x2 again
// (102 points); a range shorter than 100 uses steps of one unit. x[0] holds the last index in use,
// which is returned.
int EchantillonModele(std::int32_t x1, std::int32_t x2, TNombreDec c2, TNombreDec c1, TNombreDec c0,
                      TTabValeurs& x, TTabValeurs& y);

} // namespace zyv
