// Where the plots of a study go: a rectangle divided into one slot per shown plot.
#pragma once

#include <array>
#include <cstdint>

#include "core/plot/Surface.h"

namespace zyv {

// Left, top, width, height.
struct TRectDim {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool operator==(const TRectDim&) const = default;
    TRect Cadre() const { return {Left, Top, Left + Width, Top + Height}; }
};

// The characteristic windows' layout for n = 1..4 plots: side by side, then in a grid, the
// third of three taking the whole right half. Slots past n are empty.
inline std::array<TRectDim, 4> DispositionCaract(const TRectDim& z, int n) {
    const std::int32_t w = z.Width / 2, h = z.Height / 2;
    const std::int32_t l = z.Left, t = z.Top;
    switch (n) {
    case 1:
        return {z, {}, {}, {}};
    case 2:
        return {TRectDim{l, t, w, z.Height}, TRectDim{l + w, t, w, z.Height}, {}, {}};
    case 3:
        return {
            TRectDim{l, t, w, h}, TRectDim{l, t + h, w, h}, TRectDim{l + w, t, w, z.Height}, {}};
    case 4:
        return {TRectDim{l, t, w, h}, TRectDim{l, t + h, w, h}, TRectDim{l + w, t, w, h},
                TRectDim{l + w, t + h, w, h}};
    default:
        return {};
    }
}

// The load windows' layout: n = 1..4 plots stacked, each the full width (no plot shown counts
// as one).
inline std::array<TRectDim, 4> DispositionCharge(const TRectDim& z, int n) {
    const std::int32_t h = z.Height / (n < 1 ? 1 : n);
    std::array<TRectDim, 4> r{};
    for (int k = 0; k < 4; ++k)
        r[static_cast<std::size_t>(k)] = {z.Left, z.Top + k * h, z.Width, h};
    return r;
}

} // namespace zyv
