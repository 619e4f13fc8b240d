// Powers of ten shared by the graph engine and the numeric routines.
#pragma once

#include <array>
#include <cstdint>

namespace zyv {

// 10^k for k = -2..9 as 32-bit integers; the negative exponents read 1 so that a step
// computed for a one-digit range stays a whole number of raw units.
struct TTableDixPuissances {
    static constexpr int ExposantMin = -2;
    static constexpr int ExposantMax = 9;
    std::array<std::int32_t, 12> Valeurs;

    // Exponents outside the table saturate to its ends.
    constexpr std::int32_t operator[](int k) const {
        if (k < ExposantMin) k = ExposantMin;
        if (k > ExposantMax) k = ExposantMax;
        return Valeurs[static_cast<std::size_t>(k - ExposantMin)];
    }
};

inline constexpr TTableDixPuissances TableDixPuissances{
    {1, 1, 1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000}};

} // namespace zyv
