// The graph engine on arbitrary axis settings, rectangles, resolutions, curves, clicks and
// cursor positions: no crash, no undefined behaviour, no endless graduation loop.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "core/plot/SurfaceEnregistreuse.h"
#include "core/plot/UniteGraphe.h"

namespace {

struct Lecteur {
    const std::uint8_t* d;
    std::size_t n;
    std::int32_t Entier() {
        std::int32_t v = 0;
        const std::size_t k = n < 4 ? n : 4;
        std::memcpy(&v, d, k);
        d += k, n -= k;
        return v;
    }
    std::int32_t Petit(int lo, int hi) {
        const std::int64_t v = Entier(), m = hi - lo + 1;
        return static_cast<std::int32_t>(lo + (v % m + m) % m);
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyv;
    Lecteur l{data, size};
    SurfaceEnregistreuse s(l.Petit(1, 2400), l.Petit(0, 1) == 1);
    TGraphe g;
    g.Surface = &s;
    g.Cadre = {l.Entier(), l.Entier(), l.Entier(), l.Entier()};
    // Keep the rectangle's span within what a picture can be so that runs stay short.
    if (static_cast<std::int64_t>(g.Cadre.Right) - g.Cadre.Left > 100000)
        g.Cadre.Right = g.Cadre.Left + 100000;
    if (static_cast<std::int64_t>(g.Cadre.Bottom) - g.Cadre.Top > 100000)
        g.Cadre.Bottom = g.Cadre.Top + 100000;
    g.TaillePolice = l.Entier();
    g.Couleurs = SchemaCouleurs(l.Entier());
    g.ConfX = {l.Entier(), l.Entier(), l.Petit(-60, 60), l.Petit(-80, 80), "x", "u"};
    g.ConfY = {l.Entier(), l.Entier(), l.Petit(-60, 60), l.Petit(-80, 80), "y", ""};
    g.StyleCurseur = l.Petit(-2, 8);
    g.CouleurCurseur = l.Entier();
    CalculGraphe(g);
    TraceAxes(g);

    auto c = std::make_unique<TCourbe>();
    c->Dernier = l.Petit(-1, 40);
    c->Debut = l.Petit(-3, 45);
    c->Fin = l.Petit(-3, 45);
    c->Marqueur = l.Petit(-1, 7);
    c->Interpolation = l.Entier();
    c->Style = {l.Entier(), l.Entier(), l.Petit(-5, 50), l.Entier()};
    for (int i = 0; i < 41; ++i) {
        c->X[static_cast<std::size_t>(i)] = l.Entier();
        c->Y[static_cast<std::size_t>(i)] = l.Entier();
    }
    TraceCourbeGraphe(g, *c);
    TracePointCourbe(g, l.Petit(-2, 45), *c);
    TraceDroite(g, c->Style, l.Entier(), l.Entier(), l.Entier(), l.Entier());
    PointProche(g, l.Entier(), l.Entier(), *c);
    CurseurPlace(g, static_cast<std::int64_t>(l.Entier()) << l.Petit(0, 31), l.Entier());
    CurseurRafraichit(g);
    if (l.Petit(0, 1) == 1) CurseurOublie(g);
    CurseurCache(g);
    CurseurRaz(g);
    PixelVersValeurX(g, l.Entier());
    PixelVersValeurY(g, l.Entier());
    TexteValeur(l.Entier(), g.ConfX);
    TexteValeur(l.Entier(), g.ConfY);
    return 0;
}
