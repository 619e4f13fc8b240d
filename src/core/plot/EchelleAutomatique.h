// "Echelle automatique": the zoom positions that fit a characteristic's axes to its points.
#pragma once

#include "core/data/Travail.h"

#include <cstdint>
#include <optional>

namespace zyv {

// The largest zoom position whose extent holds the magnitude `maximum` (raw units) with a
// fiftieth to spare, so the marker of the largest value is not cut by the frame; 0 when even
// the widest view is too narrow. Nothing when there is nothing to show or no full scale.
std::optional<int> ZoomAjuste(std::int32_t pleineEchelle, std::int64_t maximum);

struct ZoomsAjustes {
    std::optional<int> X, Y; // nothing: leave that axis as it is
};

// The zooms of characteristic k that show every point of every trial of w, and the reading
// when one is given.
ZoomsAjustes EchelleAutomatique(const TTravail& w, const TCaract& k, const TMesure* lecture);

} // namespace zyv
