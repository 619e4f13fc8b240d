// The few exact 128-bit intermediates of the graph engine and of the model evaluation, in 64-bit
// halves so that any C++20 compiler builds them.
#pragma once

#include <compare>
#include <cstdint>
#include <limits>

namespace zyv {

// A 128-bit value: a magnitude, or a signed value in two's complement, as each use says.
struct U128 {
    std::uint64_t Haut = 0, Bas = 0;
    friend constexpr auto operator<=>(const U128&, const U128&) = default;
};

constexpr std::uint64_t Magnitude(std::int64_t v) {
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

// Wraps modulo 2^128.
constexpr U128 Somme128(U128 a, U128 b) {
    const std::uint64_t bas = a.Bas + b.Bas;
    return {a.Haut + b.Haut + (bas < a.Bas ? 1 : 0), bas};
}

constexpr U128 Oppose128(U128 a) {
    return Somme128({~a.Haut, ~a.Bas}, {0, 1});
}

constexpr U128 De64(std::int64_t v) {
    return {v < 0 ? ~std::uint64_t{0} : 0, static_cast<std::uint64_t>(v)};
}

constexpr U128 Produit128(std::uint64_t a, std::uint64_t b) {
    constexpr std::uint64_t m = 0xFFFFFFFFu;
    const std::uint64_t a0 = a & m, a1 = a >> 32, b0 = b & m, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0;
    const std::uint64_t milieu = (p00 >> 32) + (p01 & m) + (p10 & m);
    return {a1 * b1 + (p01 >> 32) + (p10 >> 32) + (milieu >> 32), (milieu << 32) | (p00 & m)};
}

// a x b into r; false when the product needs more than 128 bits.
constexpr bool Produit128(U128 a, std::uint64_t b, U128& r) {
    const U128 bas = Produit128(a.Bas, b), haut = Produit128(a.Haut, b);
    const std::uint64_t h = bas.Haut + haut.Bas;
    if (haut.Haut != 0 || h < bas.Haut) return false;
    r = {h, bas.Bas};
    return true;
}

// a div d, truncated; d must not be 0.
constexpr U128 Quotient128(U128 a, std::uint64_t d) {
    if (a.Haut == 0) return {0, a.Bas / d};
    U128 q;
    std::uint64_t reste = 0;
    for (int i = 127; i >= 0; --i) {
        const bool retenue = (reste >> 63) != 0;
        const std::uint64_t moitie = i >= 64 ? a.Haut : a.Bas;
        reste = (reste << 1) | ((moitie >> (i % 64)) & 1);
        if (retenue || reste >= d) {
            reste -= d;
            (i >= 64 ? q.Haut : q.Bas) |= std::uint64_t{1} << (i % 64);
        }
    }
    return q;
}

// The signed value of a magnitude, clamped to [min, max] (min < 0 < max).
constexpr std::int64_t Borne128(bool negatif, U128 m, std::int64_t min, std::int64_t max) {
    if (negatif) {
        if (m.Haut != 0 || m.Bas > Magnitude(min)) return min;
        return m.Bas == Magnitude(min) ? min : -static_cast<std::int64_t>(m.Bas);
    }
    if (m.Haut != 0 || m.Bas > static_cast<std::uint64_t>(max)) return max;
    return static_cast<std::int64_t>(m.Bas);
}

// A two's complement value clamped to [min, max].
constexpr std::int64_t Borne128(U128 v, std::int64_t min, std::int64_t max) {
    const bool negatif = (v.Haut >> 63) != 0;
    return Borne128(negatif, negatif ? Oppose128(v) : v, min, max);
}

} // namespace zyv
