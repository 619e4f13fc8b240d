#include "core/plot/Surface.h"

#include <array>
#include <atomic>

namespace zyv {

Surface::Surface() {
    static std::atomic<std::uint64_t> compteur{0};
    identite_ = ++compteur;
}

void Surface::ChoisitStylo(const Stylo& s) {
    if (s == stylo_) return;
    EtatModifie();
    stylo_ = s;
}

void Surface::ChoisitRemplissage(const Remplissage& r) {
    if (r == remplissage_) return;
    EtatModifie();
    remplissage_ = r;
}

void Surface::ChoisitPolice(const Police& p) {
    if (p == police_) return;
    EtatModifie();
    police_ = p;
}

void Surface::TraceVers(int x, int y) {
    Ligne(position_.X, position_.Y, x, y);
    position_ = {x, y};
}

void Surface::Marqueur(int forme, int x, int y, int r) {
    const int r1 = r + 1;
    switch (forme) {
    case 0:
        Pixel(x, y, StyloCourant().Couleur);
        break;
    case 1:
        DeplaceVers(x - r, y);
        TraceVers(x + r1, y);
        DeplaceVers(x, y - r);
        TraceVers(x, y + r1);
        break;
    case 2:
        // The rising stroke is drawn from its lower-left end: same pixels under the
        // "A, not B" rule, and rasterisers that order ends left to right agree with it.
        DeplaceVers(x - r, y - r);
        TraceVers(x + r1, y + r1);
        DeplaceVers(x - r, y + r);
        TraceVers(x + r1, y - r1);
        break;
    case 3:
        Rectangle({x - r, y - r, x + r1, y + r1});
        break;
    case 4: {
        const std::array<PointPixel, 4> p{{{x - r1, y}, {x, y - r1}, {x + r1, y}, {x, y + r1}}};
        Polygone(p);
        break;
    }
    case 5: {
        const std::array<PointPixel, 3> p{{{x - r1, y - r1}, {x + r1, y - r1}, {x, y + r1}}};
        Polygone(p);
        break;
    }
    default:
        break;
    }
}

void Surface::Marqueurs(int forme, std::span<const PointPixel> centres, int r) {
    for (const PointPixel& c : centres) Marqueur(forme, c.X, c.Y, r);
}

void Surface::Polyligne(std::span<const PointPixel> sommets) {
    if (sommets.empty()) return;
    DeplaceVers(sommets[0].X, sommets[0].Y);
    for (const PointPixel& p : sommets.subspan(1)) TraceVers(p.X, p.Y);
}

} // namespace zyv
