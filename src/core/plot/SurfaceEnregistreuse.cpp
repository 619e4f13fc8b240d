#include "core/plot/SurfaceEnregistreuse.h"

#include <algorithm>
#include <cstdint>

namespace zyv {

int SurfaceEnregistreuse::HauteurPolice() const {
    const std::int64_t h = static_cast<std::int64_t>(PoliceCourante().Taille) * dpi_ / 72;
    return static_cast<int>(std::clamp<std::int64_t>(h, 0, 1 << 20));
}

int SurfaceEnregistreuse::LargeurTexte(std::string_view texte) {
    int n = 0;
    for (unsigned char c : texte)
        if ((c & 0xC0) != 0x80) ++n;
    return static_cast<int>(std::min<std::int64_t>(std::int64_t{n} * HauteurPolice() / 2, 1 << 30));
}

int SurfaceEnregistreuse::HauteurTexte(std::string_view) {
    return HauteurPolice();
}

Trace SurfaceEnregistreuse::Nouvelle(Trace::Genre g) const {
    Trace t;
    t.Type = g;
    t.StyloActif = StyloCourant();
    t.RemplissageActif = RemplissageCourant();
    t.PoliceActive = PoliceCourante();
    return t;
}

void SurfaceEnregistreuse::Ligne(int x0, int y0, int x1, int y1) {
    Trace t = Nouvelle(Trace::Genre::Ligne);
    t.Points = {{x0, y0}, {x1, y1}};
    Traces.push_back(std::move(t));
}

void SurfaceEnregistreuse::Rectangle(const TRect& r) {
    Trace t = Nouvelle(Trace::Genre::Rectangle);
    t.Points = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    Traces.push_back(std::move(t));
}

void SurfaceEnregistreuse::Polygone(std::span<const PointPixel> sommets) {
    Trace t = Nouvelle(Trace::Genre::Polygone);
    t.Points.assign(sommets.begin(), sommets.end());
    Traces.push_back(std::move(t));
}

void SurfaceEnregistreuse::Pixel(int x, int y, Couleur c) {
    Trace t = Nouvelle(Trace::Genre::Pixel);
    t.Points = {{x, y}};
    t.CouleurPixel = c;
    Traces.push_back(std::move(t));
}

void SurfaceEnregistreuse::Texte(int x, int y, std::string_view texte) {
    Trace t = Nouvelle(Trace::Genre::Texte);
    t.Points = {{x, y}};
    t.Texte = std::string(texte);
    Traces.push_back(std::move(t));
}

void SurfaceEnregistreuse::Decoupe(const TRect& r) {
    Trace t = Nouvelle(Trace::Genre::Decoupe);
    t.Points = {{r.Left, r.Top}, {r.Right, r.Bottom}};
    Traces.push_back(std::move(t));
}

std::vector<std::array<int, 4>> SurfaceEnregistreuse::Lignes() const {
    std::vector<std::array<int, 4>> l;
    for (const Trace& t : Traces)
        if (t.Type == Trace::Genre::Ligne)
            l.push_back({t.Points[0].X, t.Points[0].Y, t.Points[1].X, t.Points[1].Y});
    return l;
}

std::vector<const Trace*> SurfaceEnregistreuse::DeGenre(Trace::Genre g) const {
    std::vector<const Trace*> v;
    for (const Trace& t : Traces)
        if (t.Type == g) v.push_back(&t);
    return v;
}

} // namespace zyv
