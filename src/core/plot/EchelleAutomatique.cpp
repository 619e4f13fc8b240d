#include "core/plot/EchelleAutomatique.h"

#include "core/plot/TableZoom.h"

#include <algorithm>

namespace zyv {

namespace {

std::int64_t Ampleur(std::int32_t v) {
    return v < 0 ? -std::int64_t{v} : v;
}

// The largest magnitude of quantity q among the trials' points and the reading.
std::int64_t Maximum(const TTravail& w, int q, const TMesure* lecture) {
    std::int64_t m = lecture != nullptr ? Ampleur((*lecture)[static_cast<std::size_t>(q)]) : 0;
    for (int t = 1; t <= std::min(w.NbEssais, NbEssaisMax); ++t) {
        const TEssai& essai = w.Essai(t);
        for (int i = 0; i <= std::min(essai.DernierPoint, NbPointsMax - 1); ++i)
            m = std::max(m, Ampleur(essai.Valeur(q, i)));
    }
    return m;
}

} // namespace

std::optional<int> ZoomAjuste(std::int32_t pleineEchelle, std::int64_t maximum) {
    if (maximum <= 0 || pleineEchelle <= 0) return std::nullopt;
    const std::int64_t voulu = maximum + maximum / 50;
    for (int z = ZoomMax; z > 0; --z)
        if (EtendueZoom(pleineEchelle, z) >= voulu) return z;
    return 0;
}

ZoomsAjustes EchelleAutomatique(const TTravail& w, const TCaract& k, const TMesure* lecture) {
    const auto zoom = [&](int q) -> std::optional<int> {
        if (q < 0 || q >= NbGrandeurs) return std::nullopt;
        return ZoomAjuste(w.Grandeurs[static_cast<std::size_t>(q)].PleineEchelle,
                          Maximum(w, q, lecture));
    };
    return {zoom(k.GrandeurX), zoom(k.GrandeurY)};
}

} // namespace zyv
