#include "core/analysis/UnitMath.h"

#include "core/plot/Entier128.h"
#include "core/plot/TableDixPuissances.h"

#include <algorithm>
#include <cmath>

namespace zyv {

namespace {

using i64 = std::int64_t;

// Beyond this many decimals or trailing zeros a number text is meaningless; a file's decimals
// must not ask for gigabytes of zeros.
constexpr i64 ChiffresMax = 60;

// A pivot that kept less than this share of the largest magnitude met in its row during the
// elimination is rounding noise, not data.
constexpr double BruitPivot = 1e-11;

bool Tronque(double v, i64& r) {
    if (!(v > -9.223372036854775808e18 && v < 9.223372036854775808e18)) return false;
    r = static_cast<i64>(v);
    return true;
}

bool PlageValide(int lo, int hi) {
    return lo >= 0 && lo <= hi && hi < NbPointsMax;
}

// Whether points lo..hi hold at least k (<= 5) distinct X values.
bool AuMoinsDistincts(const TTabValeurs& x, int lo, int hi, int k) {
    std::array<std::int32_t, 5> vus{};
    int n = 0;
    for (int i = lo; i <= hi && n < k; ++i) {
        const std::int32_t v = x[i + 1];
        if (std::find(vus.begin(), vus.begin() + n, v) == vus.begin() + n) vus[n++] = v;
    }
    return n >= k;
}

std::string Texte(TNombreDec v, TNombreDec echelle, const char* zero, const char* positif,
                  const char* negatif) {
    if (v.Mantisse == 0) return zero;
    std::string d = std::to_string(std::abs(i64{v.Mantisse} * echelle.Mantisse));
    const int n =
        static_cast<int>(std::clamp(i64{v.Exposant} + echelle.Exposant, -ChiffresMax, ChiffresMax));
    const int longueur = static_cast<int>(d.size());
    if (n > 0) d.append(n, '0');
    if (longueur + n <= 0) d.insert(0, 1 - n - longueur, '0');
    if (n < 0) d.insert(d.size() - (-n), 1, ',');
    return (v.Mantisse < 0 ? negatif : positif) + d;
}

// m x^k div 10^(-exposant) exactly, in two's complement; a product beyond 128 bits saturates
// far above anything the other terms can cancel.
U128 Terme(std::int32_t m, i64 x, int k, std::int32_t exposant) {
    const bool negatif = (m < 0) != (x < 0 && k % 2 == 1);
    constexpr U128 sature{std::uint64_t{1} << 62, 0};
    U128 p{0, Magnitude(m)};
    for (int i = 0; i < k; ++i)
        if (!Produit128(p, Magnitude(x), p) || (p.Haut >> 63) != 0)
            return negatif ? Oppose128(sature) : sature;
    const int puissance = static_cast<int>(std::clamp<i64>(-i64{exposant}, -2, 9));
    p = Quotient128(p, static_cast<std::uint64_t>(TableDixPuissances[puissance]));
    return negatif ? Oppose128(p) : p;
}

} // namespace

std::int32_t MaxValeur(const TTabValeurs& t, int lo, int hi) {
    lo = std::clamp(lo, 0, NbPointsMax - 1);
    hi = std::clamp(hi, 0, NbPointsMax - 1);
    std::int32_t m = t[lo + 1];
    for (int i = lo + 1; i <= hi; ++i) m = std::max(m, t[i + 1]);
    return m;
}

std::string NombreEnTexte(TNombreDec v, TNombreDec echelle) {
    return Texte(v, echelle, "0", "  ", " -");
}

std::string NombreEnTexteSigne(TNombreDec v, TNombreDec echelle) {
    return Texte(v, echelle, "+0", "+ ", "- ");
}

bool MoindresCarres(int i1, int i2, std::span<const double> x, std::span<const double> y,
                    double& ordonnee, double& pente) {
    if (i1 < 0 || i1 > i2 || static_cast<std::size_t>(i2) >= std::min(x.size(), y.size()))
        return false;
    const double n = i2 - i1 + 1;
    double sx = 0.0, sy = 0.0, sxx = 0.0, sxy = 0.0;
    for (int i = i1; i <= i2; ++i) {
        const double xi = x[i], yi = y[i];
        sx += xi;
        sy += yi;
        sxx += xi * xi;
        sxy += xi * yi;
    }
    const double d = n * sxx - sx * sx;
    if (!(d > 0.0)) return false;
    ordonnee = (sxx * sy - sx * sxy) / d;
    pente = (n * sxy - sx * sy) / d;
    return true;
}

bool ModeleProportionnel(int lo, int hi, const TTabValeurs& y, const TTabValeurs& x,
                         std::int64_t& a) {
    a = 0;
    if (!PlageValide(lo, hi)) return false;
    double sxx = 0.0, sxy = 0.0;
    for (int i = lo; i <= hi; ++i) {
        const double xi = x[i + 1], yi = y[i + 1];
        sxx += xi * xi;
        sxy += xi * yi;
    }
    i64 r = 0;
    if (!(sxx > 1.0) || !Tronque(100000.0 * sxy / sxx, r)) return false;
    a = r;
    return true;
}

bool ModeleAffine(int lo, int hi, const TTabValeurs& y, const TTabValeurs& x, std::int64_t& pente,
                  std::int64_t& ordonnee) {
    pente = 0;
    ordonnee = 0;
    if (!PlageValide(lo, hi) || !AuMoinsDistincts(x, lo, hi, 2)) return false;
    std::array<double, NbPointsMax> rx, ry;
    for (int i = lo; i <= hi; ++i) {
        rx[i] = x[i + 1];
        ry[i] = y[i + 1];
    }
    double b = 0.0, a = 0.0;
    i64 p = 0, o = 0;
    if (!MoindresCarres(lo, hi, rx, ry, b, a) || !Tronque(100000.0 * a, p) || !Tronque(b, o))
        return false;
    pente = p;
    ordonnee = o;
    return true;
}

namespace {

// Below this share kept by its worst pivot, the normal equations in raw X have lost too many
// digits to cancellation: points far from zero, where the powers of X share their leading digits.
constexpr double PivotSur = 1e-6;

// Gauss elimination; pire receives the smallest share of its row's magnitude a pivot kept.
bool Gauss(int n, TSystemeLineaire& s, double& pire) {
    s.Solution = {};
    pire = 1.0;
    if (n < 0 || n > 4) return false;
    auto& m = s.Matrice;
    auto& b = s.SecondMembre;
    // Largest magnitude each entry met, to tell a true pivot from what cancellation left.
    std::array<std::array<double, 5>, 5> ampleur{};
    for (int i = 0; i <= n; ++i)
        for (int j = 0; j <= n; ++j) ampleur[i][j] = std::fabs(m[i][j]);

    for (int k = 0; k <= n; ++k) {
        int p = k;
        for (int i = k + 1; i <= n; ++i)
            if (std::fabs(m[i][k]) > std::fabs(m[p][k])) p = i;
        const double pivot = std::fabs(m[p][k]);
        if (pivot == 0.0 || pivot <= BruitPivot * ampleur[p][k]) return false;
        pire = std::min(pire, pivot / ampleur[p][k]);
        if (p != k) {
            std::swap(m[p], m[k]);
            std::swap(ampleur[p], ampleur[k]);
            std::swap(b[p], b[k]);
        }
        for (int i = k + 1; i <= n; ++i) {
            const double f = m[i][k] / m[k][k];
            for (int j = 0; j <= n; ++j) {
                const double retire = f * m[k][j];
                m[i][j] -= retire;
                ampleur[i][j] = std::max({ampleur[i][j], std::fabs(retire), std::fabs(m[i][j])});
            }
            b[i] -= f * b[k];
        }
    }
    if (m[n][n] == 0.0) return false;
    auto& x = s.Solution;
    x[n] = b[n] / m[n][n];
    for (int i = n - 1; i >= 0; --i) {
        double somme = 0.0;
        for (int j = i + 1; j <= n; ++j) somme += m[i][j] * x[j];
        x[i] = (b[i] - somme) / m[i][i];
    }
    return true;
}

// The normal equations of degree d in powers of X - decalage, solved.
bool Normales(int d, int lo, int hi, const TTabValeurs& y, const TTabValeurs& x, i64 decalage,
              TSystemeLineaire& s, double& pire) {
    std::array<double, 9> sp{}, tq{};
    sp[0] = hi - lo + 1;
    for (int i = lo; i <= hi; ++i) {
        const auto xi = static_cast<double>(x[i + 1] - decalage);
        double p = 1.0, q = y[i + 1];
        tq[0] += q;
        for (int j = 1; j <= 2 * d; ++j) {
            p = p * xi;
            q = q * xi;
            sp[j] += p;
            tq[j] += q;
        }
    }
    for (int i = 0; i <= d; ++i) {
        s.SecondMembre[i] = tq[i];
        for (int j = 0; j <= d; ++j) s.Matrice[i][j] = sp[i + j];
    }
    return Gauss(d, s, pire);
}

} // namespace

bool ModeleParabole(int d, int lo, int hi, const TTabValeurs& y, const TTabValeurs& x,
                    std::array<double, 5>& solution) {
    TSystemeLineaire s;
    solution = s.Solution;
    if (d < 0 || d > 4 || !PlageValide(lo, hi) || !AuMoinsDistincts(x, lo, hi, d + 1)) return false;
    double pire = 0.0;
    if (Normales(d, lo, hi, y, x, 0, s, pire) && pire >= PivotSur) {
        solution = s.Solution;
        return true;
    }
    // The same fit about the mean X, whose sums keep their digits, then expanded back.
    i64 somme = 0;
    for (int i = lo; i <= hi; ++i) somme += x[i + 1];
    const i64 moyenne = somme / (hi - lo + 1);
    if (!Normales(d, lo, hi, y, x, moyenne, s, pire)) return false;
    auto& c = s.Solution;
    const auto m = static_cast<double>(moyenne);
    for (int i = 0; i < d; ++i)
        for (int j = d - 1; j >= i; --j) c[j] -= m * c[j + 1];
    solution = c;
    return true;
}

bool ResolutionGauss(int n, TSystemeLineaire& s) {
    double pire = 0.0;
    return Gauss(n, s, pire);
}

bool CalculModele(int type, int i1, int i2, const TTabValeurs& y, const TTabValeurs& x,
                  TNombreDec& c2, TNombreDec& c1, TNombreDec& c0) {
    c2 = c1 = c0 = TNombreDec{};
    const int lo = std::min(i1, i2), hi = std::max(i1, i2);
    i64 m2 = 0, m1 = 0, m0 = 0;
    bool ok = false;
    switch (type) {
    case ModeleAX:
        ok = ModeleProportionnel(lo, hi, y, x, m1);
        break;
    case ModeleAXB:
        ok = ModeleAffine(lo, hi, y, x, m1, m0);
        break;
    case ModeleAX2BXC: {
        std::array<double, 5> s{};
        ok = ModeleParabole(2, lo, hi, y, x, s) && Tronque(100000.0 * s[2], m2) &&
             Tronque(100000.0 * s[1], m1) && Tronque(s[0], m0);
        break;
    }
    default:
        return false;
    }
    // A mantissa that would wrap shows the fit as failed rather than as a wrong equation.
    const auto tient = [](i64 v) { return v >= INT32_MIN && v <= INT32_MAX; };
    if (!ok || !tient(m2) || !tient(m1) || !tient(m0)) return false;
    if (type == ModeleAX2BXC) c2 = {static_cast<std::int32_t>(m2), -5};
    c1 = {static_cast<std::int32_t>(m1), -5};
    if (type != ModeleAX) c0 = {static_cast<std::int32_t>(m0), 0};
    return true;
}

std::int32_t ValeurModele(TNombreDec c2, TNombreDec c1, TNombreDec c0, std::int64_t x) {
    const U128 y = Somme128(
        Somme128(Terme(c2.Mantisse, x, 2, c2.Exposant), Terme(c1.Mantisse, x, 1, c1.Exposant)),
        Terme(c0.Mantisse, x, 0, c0.Exposant));
    return static_cast<std::int32_t>(Borne128(y, INT32_MIN, INT32_MAX));
}

int EchantillonModele(std::int32_t x1, std::int32_t x2, TNombreDec c2, TNombreDec c1, TNombreDec c0,
                      TTabValeurs& x, TTabValeurs& y) {
    const i64 ecart = i64{x2} - x1;
    const int n = std::abs(ecart) < 100 ? static_cast<int>(std::abs(ecart)) : 100;
    const i64 pas = n < 100 ? (ecart < 0 ? -1 : 1) : ecart / 100;
    x[0] = n + 1;
    for (int k = 0; k <= n; ++k) {
        x[k + 1] = static_cast<std::int32_t>(x1 + k * pas);
        y[k + 1] = ValeurModele(c2, c1, c0, x[k + 1]);
    }
    x[n + 2] = x2;
    y[n + 2] = ValeurModele(c2, c1, c0, x2);
    return n + 1;
}

} // namespace zyv
