// Mean, energy and RMS value of one quantity recorded against time in a load study.
#pragma once

#include "core/data/Travail.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zyv {

struct TResultatsMoyenne {
    std::int32_t Moyenne = 0;        // raw Y units
    std::int32_t Energie = 0;        // tenths of joule for a power against time
    std::int32_t ValeurEfficace = 0; // raw Y units
    bool operator==(const TResultatsMoyenne&) const = default;
};

// Point k at index k of x (time) and y; the shorter span sets the count. Fewer than two points
// give zeros; a last time of 0 gives a mean and an RMS value of 0, and so does a negative
// quotient under the root for the RMS value.
TResultatsMoyenne CalculMoyenne(std::span<const std::int32_t> x, std::span<const std::int32_t> y);
// The same over a trial's points, X and Y being quantity indices; zeros when one is invalid.
TResultatsMoyenne CalculMoyenne(const TEssai& essai, int grandeurX, int grandeurY);

// Captions of the read-out rows.
inline constexpr const char* LibelleMoyenne = "Valeur moyenne";
inline constexpr const char* LibelleEnergie = "Energie";
inline constexpr const char* LibelleValeurEfficace = "Valeur efficace";

// The second read-out row for a Y quantity: energy for a power, RMS value for a current,
// hidden for the others; left as it was for the point number and the time.
enum class SecondeLigne { Inchangee, Cachee, Energie, ValeurEfficace };
SecondeLigne SecondeLignePour(int grandeurY);
// The second row's value text ("25,0 J", "1,360 A"); none when the row shows no value.
std::optional<std::string> TexteSecondeValeur(const TResultatsMoyenne& r, int grandeurY);

} // namespace zyv
