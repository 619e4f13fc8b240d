#include "core/studies/MoyenneCharge.h"

#include "core/data/Cp1252.h"
#include "core/data/Operations.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zyv {

namespace {

// Truncating division; its one overflowing case, the lowest value by -1, wraps.
std::int64_t Divise(std::int64_t a, std::int64_t b) {
    if (b == -1) return static_cast<std::int64_t>(0 - static_cast<std::uint64_t>(a));
    return a / b;
}

std::string Texte(std::int32_t v, const TGrandeur& g) {
    return FormatEntier(v, g.Decimales) + " " + ChampEcrit(Cp1252VersUtf8(g.Unite.Texte()), false);
}

} // namespace

TResultatsMoyenne CalculMoyenne(std::span<const std::int32_t> x, std::span<const std::int32_t> y) {
    TResultatsMoyenne r;
    const std::size_t nb = std::min(x.size(), y.size());
    if (nb < 2) return r;
    // Unsigned sums wrap as two's complement instead of overflowing.
    std::uint64_t s1 = 0, s2 = 0;
    for (std::size_t k = 1; k < nb; ++k) {
        const auto dt = static_cast<std::uint64_t>(std::int64_t{x[k]} - x[k - 1]);
        const std::int64_t v = y[k];
        s1 += dt * static_cast<std::uint64_t>(v);
        s2 += static_cast<std::uint64_t>(v * v) * dt;
    }
    const auto somme1 = static_cast<std::int64_t>(s1);
    const auto somme2 = static_cast<std::int64_t>(s2);
    r.Energie = static_cast<std::int32_t>(somme1 / 1000);
    const std::int64_t duree = x[nb - 1];
    if (duree == 0) return r;
    r.Moyenne = static_cast<std::int32_t>(Divise(somme1, duree));
    const std::int64_t carre = Divise(somme2, duree);
    if (carre > 0) {
        const auto racine = static_cast<std::int64_t>(std::sqrt(static_cast<double>(carre)));
        r.ValeurEfficace = static_cast<std::int32_t>(
            std::min<std::int64_t>(racine, std::numeric_limits<std::int32_t>::max()));
    }
    return r;
}

TResultatsMoyenne CalculMoyenne(const TEssai& essai, int grandeurX, int grandeurY) {
    if (grandeurX < 0 || grandeurX >= NbGrandeurs || grandeurY < 0 || grandeurY >= NbGrandeurs)
        return {};
    const auto nb = static_cast<std::size_t>(std::clamp(essai.NbPoints(), 0, NbPointsMax));
    return CalculMoyenne(std::span(essai.Valeurs[grandeurX]).subspan(1, nb),
                         std::span(essai.Valeurs[grandeurY]).subspan(1, nb));
}

SecondeLigne SecondeLignePour(int grandeurY) {
    switch (grandeurY) {
    case GPuissanceMeca:
    case GPuissanceMoteur:
    case GPuissanceGene:
        return SecondeLigne::Energie;
    case GCourantMoteur:
    case GCourantGene:
        return SecondeLigne::ValeurEfficace;
    case GNumero:
    case GTemps:
        return SecondeLigne::Inchangee;
    default:
        return SecondeLigne::Cachee;
    }
}

std::optional<std::string> TexteSecondeValeur(const TResultatsMoyenne& r, int grandeurY) {
    switch (SecondeLignePour(grandeurY)) {
    case SecondeLigne::Energie:
        return Texte(r.Energie, GrandeurEnergie());
    case SecondeLigne::ValeurEfficace:
        return Texte(r.ValeurEfficace, GrandeurCourant());
    default:
        return std::nullopt;
    }
}

} // namespace zyv
