// Helpers shared by the QPainter surfaces.
#pragma once

#include <cstdlib>

#include "core/plot/Surface.h"

namespace zyv::detail {

inline bool Hachure(StyleRemplissage s) {
    return s != StyleRemplissage::Transparent && s != StyleRemplissage::Plein;
}

// A one-pixel line A -> B as Qt lines. Qt leaves out one end: the right one when the line is
// mostly horizontal (or diagonal), the lower one when mostly vertical. When that end is A, a
// horizontal, vertical or diagonal line is shifted one pixel toward A (then exactly A..B minus
// B is coloured); any other slope keeps its pixels and gets A added.
struct LigneQt {
    int X0, Y0, X1, Y1;
    bool PlusDebut;
};

inline LigneQt Decompose(int x0, int y0, int x1, int y1) {
    const int dx = x1 - x0, dy = y1 - y0;
    const bool debutOmis = std::abs(dx) < std::abs(dy) ? y0 > y1 : x0 > x1;
    if (!debutOmis) return {x0, y0, x1, y1, false};
    if (dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy)) {
        const int sx = (x0 > x1) - (x0 < x1), sy = (y0 > y1) - (y0 < y1);
        return {x1 + sx, y1 + sy, x0 + sx, y0 + sy, false};
    }
    return {x0, y0, x1, y1, true};
}

} // namespace zyv::detail
