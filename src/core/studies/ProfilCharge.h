// Load profiles of a 60 s cycle: the kinds offered to the student, the half-second set-points
// each kind gives, the random generator of the random kind and the measures of the profile
// drawing.
#pragma once

#include "core/data/Travail.h"

#include <array>
#include <cstdint>

namespace zyv {

// Profile kinds (TypeCharge), in the order of the selector's list.
enum TypeChargeValeur : int {
    ChargeConstante = 0,
    ChargeCyclique25 = 1,
    ChargeCyclique50 = 2,
    ChargeCyclique75 = 3,
    ChargeTriangulaire = 4,
    ChargeTrapezoidale = 5,
    ChargeAleatoire = 6,
};
constexpr int NbTypesCharge = 7;

// The list's captions, UTF-8, leading blanks included.
inline constexpr std::array<const char*, NbTypesCharge> LibellesTypeCharge = {
    "   constante",    "   cylique 25%",  "   cylique 50%", "   cylique 75%",
    "   triangulaire", "   trapézoïdale", "   aléatoire"};

constexpr int DernierPasCycle = 120;              // set-points 0..120, one per half-second
constexpr int NbConsignesAleatoires = 130;        // thirteen 5 s blocks
constexpr std::int32_t NiveauChargeMaximal = 150; // %, top of the bars

// Level in % shown by a bar at a given position: the top of a bar is 150 %.
constexpr std::int32_t NiveauBarre(std::int32_t position) {
    return NiveauChargeMaximal - position;
}
constexpr std::int32_t PositionBarre(std::int32_t niveau) {
    return NiveauChargeMaximal - niveau;
}
// Max >= min always: a min left above a newly set Max comes down to it, and a Max left below a
// newly set min goes up to it.
constexpr std::int32_t MinApresMax(std::int32_t max, std::int32_t min) {
    return min > max ? max : min;
}
constexpr std::int32_t MaxApresMin(std::int32_t max, std::int32_t min) {
    return max < min ? min : max;
}

// The program's one random sequence: starts from state 0 and is never reseeded, so the same
// random profiles come back at each start. The application owns one and lends it out.
class TGenerateurAleatoire {
public:
    // An integer in 0..n-1 (0 when n <= 0).
    std::int32_t Tire(std::int32_t n);
    std::uint32_t Etat() const { return etat_; }

private:
    std::uint32_t etat_ = 0;
};

// Stores the kind and both levels in the trial and fills its set-points: 0..120, or 0..129 for
// the random kind, which draws from alea. Other set-points are left as they were. A kind
// outside 0..6 changes nothing.
void SetCharge(TEssai& essai, int type, std::int32_t max, std::int32_t min,
               TGenerateurAleatoire& alea);

// Pixel measures of the profile drawing in a box of the given right and bottom edges.
struct TMesuresTrace {
    std::int32_t X0 = 0, X1 = 0, Largeur = 0;
    std::int32_t YHaut = 0, YBas = 0, Hauteur = 0;
    std::int32_t Pas = 0; // spacing of the four ticks under the time axis

    // Abscissa of half-second step n: step 120 at X1.
    std::int32_t X(std::int32_t n) const;
    // Ordinate of a level in %: 150 % at YHaut.
    std::int32_t Y(std::int32_t niveau) const;
};
TMesuresTrace MesuresTrace(std::int32_t droite, std::int32_t bas);

} // namespace zyv
