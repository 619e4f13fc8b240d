// Zoom of the plot views: a track bar position picks a divisor, and an axis then shows
// PleineEchelle * 20 / divisor (position 0 twice the full scale, 50 a fiftieth of it).
#pragma once

#include <array>
#include <cstdint>

namespace zyv {

constexpr int ZoomMax = 50;

inline constexpr std::array<std::int32_t, ZoomMax + 1> TableZoom = {
    10,  11,  12,  13,  14,  15,  16,  18,  20,  22,  24,  26,  28,  30,  34,  38,  42,
    46,  50,  55,  60,  68,  75,  82,  90,  100, 110, 120, 130, 140, 150, 160, 180, 200,
    220, 240, 260, 280, 300, 340, 380, 420, 460, 500, 550, 600, 680, 750, 820, 900, 1000};

// Axis extent at a zoom position; positions outside 0..50 saturate to the table's ends, and
// so does an extent a damaged full scale would push past 32 bits.
constexpr std::int32_t EtendueZoom(std::int32_t pleineEchelle, int position) {
    const int p = position < 0 ? 0 : (position > ZoomMax ? ZoomMax : position);
    const std::int64_t e =
        std::int64_t{pleineEchelle} * 20 / TableZoom[static_cast<std::size_t>(p)];
    constexpr std::int64_t borne = 2147483647;
    return static_cast<std::int32_t>(e > borne ? borne : (e < -borne ? -borne : e));
}

} // namespace zyv
