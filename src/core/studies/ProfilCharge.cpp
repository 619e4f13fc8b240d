#include "core/studies/ProfilCharge.h"

namespace zyv {

namespace {

constexpr int PasPeriode = 40; // 20 s

// Set-point of step n for the kinds computed from the two levels; 64-bit so that levels read
// from a file cannot overflow.
std::int32_t Consigne(int type, std::int64_t max, std::int64_t min, int n) {
    const std::int64_t k = n % PasPeriode;
    const std::int64_t ecart = max - min;
    switch (type) {
    case ChargeCyclique25:
    case ChargeCyclique50:
    case ChargeCyclique75: {
        const int haut = 10 * type; // steps at Max at the start of each period
        return static_cast<std::int32_t>((n == 0 || (k >= 1 && k <= haut)) ? max : min);
    }
    case ChargeTriangulaire:
        return static_cast<std::int32_t>(k <= 20 ? min + ecart * k / 20
                                                 : max - (k - 20) * ecart / 20);
    case ChargeTrapezoidale:
        if (k <= 10) return static_cast<std::int32_t>(min + ecart * k / 10);
        if (k <= 20) return static_cast<std::int32_t>(max);
        if (k <= 30) return static_cast<std::int32_t>(max - (k - 20) * ecart / 10);
        return static_cast<std::int32_t>(min);
    default:
        return static_cast<std::int32_t>(max);
    }
}

} // namespace

std::int32_t TGenerateurAleatoire::Tire(std::int32_t n) {
    etat_ = etat_ * 134775813u + 1u;
    if (n <= 0) return 0;
    return static_cast<std::int32_t>((std::uint64_t{etat_} * static_cast<std::uint64_t>(n)) >> 32);
}

void SetCharge(TEssai& essai, int type, std::int32_t max, std::int32_t min,
               TGenerateurAleatoire& alea) {
    if (type < 0 || type >= NbTypesCharge) return;
    essai.TypeCharge = type;
    essai.ChargeMax = max;
    essai.ChargeMin = min;
    if (type == ChargeAleatoire) {
        for (int bloc = 0; bloc < NbConsignesAleatoires; bloc += 10) {
            const std::int32_t r = alea.Tire(NiveauChargeMaximal);
            for (int n = bloc; n < bloc + 10; ++n) essai.Consignes[n] = r;
        }
        return;
    }
    for (int n = 0; n <= DernierPasCycle; ++n) essai.Consignes[n] = Consigne(type, max, min, n);
}

std::int32_t TMesuresTrace::X(std::int32_t n) const {
    return static_cast<std::int32_t>(X0 + std::int64_t{Largeur} * n / DernierPasCycle);
}

std::int32_t TMesuresTrace::Y(std::int32_t niveau) const {
    return static_cast<std::int32_t>(YBas - std::int64_t{Hauteur} * niveau / NiveauChargeMaximal);
}

TMesuresTrace MesuresTrace(std::int32_t droite, std::int32_t bas) {
    TMesuresTrace m;
    m.X0 = 5;
    m.X1 = droite - 5;
    m.Largeur = m.X1 - m.X0;
    m.YHaut = 5;
    m.YBas = bas - 5;
    m.Hauteur = m.YBas - m.YHaut;
    m.Pas = (m.X1 - 10) / 4;
    return m;
}

} // namespace zyv
