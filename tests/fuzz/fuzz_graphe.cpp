// The graph engine on arbitrary axis settings, rectangles, resolutions, curves, clicks and
// cursor positions: no crash, no undefined behaviour, no endless graduation loop.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "core/plot/SurfaceEnregistreuse.h"
#include "core/plot/UniteGraphe.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyv;
    FuzzedDataProvider octets(data, size);
    const auto entier = [&] { return octets.ConsumeIntegral<std::int32_t>(); };
    const auto petit = [&](int lo, int hi) { return octets.ConsumeIntegralInRange(lo, hi); };
    SurfaceEnregistreuse s(petit(1, 2400), petit(0, 1) == 1);
    TGraphe g;
    g.Surface = &s;
    g.Cadre = {entier(), entier(), entier(), entier()};
    // Keep the rectangle's span within what a picture can be so that runs stay short.
    if (static_cast<std::int64_t>(g.Cadre.Right) - g.Cadre.Left > 100000)
        g.Cadre.Right = g.Cadre.Left + 100000;
    if (static_cast<std::int64_t>(g.Cadre.Bottom) - g.Cadre.Top > 100000)
        g.Cadre.Bottom = g.Cadre.Top + 100000;
    g.TaillePolice = entier();
    g.Couleurs = SchemaCouleurs(entier());
    g.ConfX = {entier(), entier(), petit(-60, 60), petit(-80, 80), "x", "u"};
    g.ConfY = {entier(), entier(), petit(-60, 60), petit(-80, 80), "y", ""};
    g.StyleCurseur = petit(-2, 8);
    g.CouleurCurseur = entier();
    CalculGraphe(g);
    TraceAxes(g);

    auto c = std::make_unique<TCourbe>();
    c->Dernier = petit(-1, 40);
    c->Debut = petit(-3, 45);
    c->Fin = petit(-3, 45);
    c->Marqueur = petit(-1, 7);
    c->Interpolation = entier();
    c->Style = {entier(), entier(), petit(-5, 50), entier()};
    for (int i = 0; i < 41; ++i) {
        c->X[static_cast<std::size_t>(i)] = entier();
        c->Y[static_cast<std::size_t>(i)] = entier();
    }
    TraceCourbeGraphe(g, *c);
    TracePointCourbe(g, petit(-2, 45), *c);
    TraceDroite(g, c->Style, entier(), entier(), entier(), entier());
    PointProche(g, entier(), entier(), *c);
    CurseurPlace(g, static_cast<std::int64_t>(entier()) << petit(0, 31), entier());
    CurseurRafraichit(g);
    if (petit(0, 1) == 1) CurseurOublie(g);
    CurseurCache(g);
    CurseurRaz(g);
    PixelVersValeurX(g, entier());
    PixelVersValeurY(g, entier());
    TexteValeur(entier(), g.ConfX);
    TexteValeur(entier(), g.ConfY);
    return 0;
}
