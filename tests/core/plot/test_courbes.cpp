// Curves, filters, markers, picking and the cursor, observed on the recording surface.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "core/plot/SurfaceEnregistreuse.h"
#include "core/plot/UniteGraphe.h"

namespace zyv {
namespace {

using Lignes = std::vector<std::array<int, 4>>;
using Points = std::vector<PointPixel>;
using V = std::vector<std::int64_t>;

TEST(Interpolation, CapByNumberOfPoints) {
    // dernier: 0 -> none; 1..3 -> cubic; 4 -> 3-point; 5, 6 -> 5-point; 7+ -> 7-point
    const int plafonds[] = {-1, 2, 2, 2, 3, 4, 4, 5, 5};
    for (int dernier = 0; dernier < 9; ++dernier) {
        EXPECT_EQ(InterpolationEffective(5, dernier), plafonds[dernier]) << dernier;
        EXPECT_EQ(InterpolationEffective(1, dernier), std::min(1, plafonds[dernier]));
    }
}

TEST(Filtres, KnownArrays) {
    using F = void (*)(std::span<const std::int64_t>, std::span<std::int64_t>);
    const std::tuple<F, V, V> cas[] = {
        {Lissage3, {0, 4, 8, 0, 4}, {0, 4, 5, 3, 4}},
        {Lissage3, {-1, -2, 0}, {-1, -1, 0}}, // -5/4 truncates to -1
        {Lissage5, {0, 0, 0, 64, 0, 0, 0}, {0, 0, 16, 24, 16, 0, 0}},
        {Lissage7, {0, 0, 0, 0, 64, 0, 0, 0, 0}, {0, 0, 4, 12, 22, 12, 4, 0, 0}}, // 1 8 12 22
        {Lissage7, {0, 0, 0, 64, 0, 0, 0}, {0, 0, 16, 22, 16, 0, 0}},
        {Lissage7, {5, 9}, {5, 9}}}; // short arrays stay in bounds
    for (const auto& [f, entree, attendu] : cas) {
        V sortie(entree.size(), 12345);
        f(entree, sortie);
        EXPECT_EQ(sortie, attendu);
    }
}

TEST(Cubique, RowsAtEighthsOnAKnownPolyline) {
    // x is linear (64 px per point) so every row lands on x = 8k; y exercises the truncation.
    SurfaceEnregistreuse s;
    TraceCubique(s, V{0, 64, 128, 192}, V{0, 100, -50, 30}, 0, 3);
    const std::vector<int> ys{26,  48,  66,  81,  91,  98,  101, 100,      // parabola 0,1,2
                              100, 91,  74,  51,  26,  0,   -22, -40,      // Catmull-Rom 1 -> 2
                              -50, -52, -51, -46, -38, -26, -11, 7,   30}; // parabola 1,2,3
    const Lignes l = s.Lignes();
    ASSERT_EQ(l.size(), ys.size());
    for (std::size_t k = 0, x0 = 0; k < l.size(); x0 = 8 * (k < 8 ? k + 1 : k), ++k) {
        const int x = 8 * static_cast<int>(k < 8 ? k + 1 : k), y0 = k ? ys[k - 1] : 0;
        EXPECT_EQ(l[k], (std::array{static_cast<int>(x0), y0, x, ys[k]})) << "piece " << k;
    }
}

struct Courbes : ::testing::Test {
    SurfaceEnregistreuse surface{96};
    TGraphe g;
    TCourbe c;
    void SetUp() override {
        g.Surface = &surface;
        g.Cadre = {0, 0, 600, 400};
        g.Couleurs = TableCouleurs[0];
        g.ConfX = g.ConfY = {-1000, 1000, 0, 0, "x", ""};
        CalculGraphe(g);
        surface.Efface();
        c.Style = {2, 0, 0, 3};
    }
    Lignes Trace(int interpolation, std::vector<std::pair<int, int>> p) {
        c.Dernier = c.Fin = static_cast<int>(p.size()) - 1;
        for (std::size_t i = 0; i < p.size(); ++i) std::tie(c.X[i], c.Y[i]) = p[i];
        surface.Efface();
        c.Interpolation = interpolation;
        TraceCourbeGraphe(g, c);
        return surface.Lignes();
    }
    int Px(int v) const { return ValeurVersPixelX(g, v); }
    int Py(int v) const { return ValeurVersPixelY(g, v); }
    // The figure of a cursor of this style placed at the raw origin, on a fresh layout.
    Lignes Figure(int style, Surface& s) {
        g.Surface = &s;
        CalculGraphe(g);
        CurseurRaz(g);
        CurseurStyle(g, style, 1);
        surface.Efface();
        CurseurPlace(g, 0, 0);
        return surface.Lignes();
    }
};

TEST_F(Courbes, EmptySingleAndTwoPointCurves) {
    c.Marqueur = 3;
    EXPECT_TRUE(Trace(5, {}).empty() && surface.Traces.empty());
    EXPECT_TRUE(Trace(5, {{100, 200}}).empty()) << "the marker only";
    const int r = 96 * 3 / 254, x = Px(100), y = Py(200);
    ASSERT_EQ(surface.Traces.size(), 1u);
    EXPECT_EQ(surface.Traces[0].Points, (Points{{x - r, y - r}, {x + r + 1, y + r + 1}}));
    c.Marqueur = -1;
    for (int genre = 1; genre <= 5; ++genre)
        EXPECT_EQ(Trace(genre, {{-500, 300}, {500, -200}}),
                  (Lignes{{Px(-500), Py(300), Px(500), Py(-200)}}))
            << genre;
}

TEST_F(Courbes, FivePointsUseTheThreePointFilterOnPixels) {
    const std::vector<std::pair<int, int>> p{
        {-800, 0}, {-400, 500}, {0, -300}, {400, 700}, {800, 1}};
    V px, py, fx(5), fy(5);
    for (auto [x, y] : p) px.push_back(Px(x)), py.push_back(Py(y));
    Lissage3(px, fx);
    Lissage3(py, fy);
    SurfaceEnregistreuse attendu;
    TraceCubique(attendu, fx, fy, 0, 4);
    EXPECT_EQ(Trace(5, p), attendu.Lignes());
}

TEST_F(Courbes, SegmentsBarsOutOfRangeBoundsAndNearestPoint) {
    const std::vector<std::pair<int, int>> p{{-500, 300}, {0, 0}, {500, -200}};
    EXPECT_EQ(Trace(1, p),
              (Lignes{{Px(-500), Py(300), Px(0), Py(0)}, {Px(0), Py(0), Px(500), Py(-200)}}));
    // Bars from the zero line; the point on it gets none.
    EXPECT_EQ(Trace(0, p),
              (Lignes{{Px(-500), Py(0), Px(-500), Py(300)}, {Px(500), Py(0), Px(500), Py(-200)}}));
    c.Debut = -7;
    c.Fin = 2000;
    c.Interpolation = 1;
    surface.Efface();
    TraceCourbeGraphe(g, c);
    EXPECT_EQ(surface.Lignes().size(), 2u);
    EXPECT_EQ(PointProche(g, Px(500), Py(-200), c), 2);

    Trace(-1, {{-500, 0}, {500, 0}, {0, 900}, {-500, 0}});
    // Equidistant from 0 and 1: the lower index wins; the duplicate 3 never beats 0.
    EXPECT_EQ(PointProche(g, Px(0), Py(0), c), 0);
    EXPECT_EQ(PointProche(g, Px(-500), Py(0), c), 0);
    EXPECT_EQ(PointProche(g, 100000, Py(0) + 3000, c), 1) << "no distance limit";
    EXPECT_EQ(PointProche(g, Px(0), Py(890), c), 2);
    c.Debut = 1;
    EXPECT_EQ(PointProche(g, Px(-500), Py(0), c), 3);
    c.Fin = -1;
    EXPECT_EQ(PointProche(g, 0, 0, c), -1) << "empty range";
}

TEST_F(Courbes, FarPositionsSaturateInsteadOfWrapping) {
    // About 50 px per raw unit puts the largest raw values some 10^11 px away; on 32 bits such a
    // position wraps to somewhere on the picture.
    g.ConfX = g.ConfY = {0, 10, 0, 0, "x", ""};
    CalculGraphe(g);
    Trace(-1, {{2147483647, 5}, {5, 5}});
    EXPECT_EQ(PointProche(g, Px(2147483647), Py(5), c), 1) << "the far point is far";
    EXPECT_EQ(Trace(1, {{0, 0}, {0, 2000000000}, {-2000000000, 0}}),
              (Lignes{{Px(0), Py(0), Px(0), -1000000}, {Px(0), -1000000, -1000000, Py(0)}}));

    // A straight line is cut at the same distance but keeps its direction.
    surface.Efface();
    TraceDroite(g, c.Style, 0, 0, 2000000000, 1000000000);
    TraceDroite(g, c.Style, 2000000000, 0, 2000000000, 10); // wholly off the picture
    ASSERT_EQ(surface.Lignes().size(), 1u);
    const auto l = surface.Lignes()[0];
    EXPECT_EQ(l[2], 1000000);
    const double pente = double(Py(1000000) - Py(0)) / double(Px(2000000) - Px(0));
    EXPECT_NEAR(double(l[3] - l[1]) / double(l[2] - l[0]), pente, 1e-4);
}

TEST_F(Courbes, MarkersAndPens) {
    StyloCourbe(g, {3, 1, 0, 2});
    EXPECT_EQ(surface.StyloCourant(), (Stylo{0x008000, StyleTrait::Tirets, 1, ModeTrait::Copie}));
    for (int forme : {2, 4, 5, 0, 6}) TraceMarqueur(g, forme, 50, 60);
    EXPECT_EQ(surface.StyloCourant().Style, StyleTrait::Plein) << "markers are solid";
    EXPECT_EQ(surface.Lignes(), (Lignes{{49, 59, 52, 62}, {49, 61, 52, 58}}));
    const auto p = surface.DeGenre(Trace::Genre::Polygone);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0]->Points, (Points{{48, 60}, {50, 58}, {52, 60}, {50, 62}}));
    EXPECT_EQ(p[1]->Points, (Points{{48, 58}, {52, 58}, {50, 62}}));
    EXPECT_EQ(surface.Traces.size(), 5u) << "a pixel for shape 0, nothing for unknown shapes";

    // Widths in 0,3 mm steps at the surface's resolution; unknown indices fall back.
    SurfaceEnregistreuse page(600);
    g.Surface = &page;
    StyloCourbe(g, {9, 0, 2, 12});
    EXPECT_EQ(page.StyloCourant(), (Stylo{0x000000, StyleTrait::Plein, 14, ModeTrait::Copie}));
    TraceMarqueur(g, 3, 50, 60); // half-size 0,3 mm
    EXPECT_EQ(page.Traces[0].Points, (Points{{43, 53}, {58, 68}}));
    EXPECT_EQ(page.RemplissageCourant().Style, StyleRemplissage::Transparent);
}

TEST_F(Courbes, XorCursorFiguresAndStates) {
    const int x = Px(0), y = Py(0);
    const TRect& k = g.Cadre;
    EXPECT_EQ(Figure(1, surface), (Lignes{{k.Left, y, k.Right, y}, {x, k.Top, x, k.Bottom}}));
    EXPECT_EQ(surface.Traces[0].StyloActif,
              (Stylo{0xFF0000 ^ 0xFFFFFF, StyleTrait::Pointilles, 1, ModeTrait::Xor}));
    CurseurPlace(g, 0, 0); // erases then draws again
    CurseurCache(g);
    CurseurCache(g);
    EXPECT_EQ(surface.Lignes().size(), 8u) << "hidden twice erases once";
    // A curve drawn under a shown cursor hides it first and shows it again last.
    CurseurRafraichit(g);
    ASSERT_EQ(Trace(1, {{0, 0}, {100, 100}}).size(), 5u);
    EXPECT_EQ(surface.Traces.front().StyloActif.Mode, ModeTrait::Xor);
    EXPECT_EQ(surface.Traces.back().StyloActif.Mode, ModeTrait::Xor);
    // A new layout hides it and keeps it active; a reset hides it and makes it inactive.
    surface.Efface();
    CalculGraphe(g);
    CurseurRafraichit(g);
    CurseurRaz(g);
    CurseurRafraichit(g);
    EXPECT_EQ(surface.Lignes().size(), 6u);
    // The thick dot of an acquisition; styles outside the table draw nothing.
    EXPECT_EQ(Figure(0, surface), (Lignes{{x, y, x, y}}));
    EXPECT_EQ(surface.Traces[0].StyloActif.Largeur, 5);
    EXPECT_TRUE(Figure(7, surface).empty() && Figure(-1, surface).empty());
}

TEST_F(Courbes, FiguresThatCannotBeErasedAreDrawnOnceInCopyMode) {
    // Style 6, the printed crosshair: black, dash-dot, 0,2 mm, copy mode, on any surface.
    SurfaceEnregistreuse page(600);
    const TRect& k = g.Cadre;
    const auto croix = [&] {
        const int x = Px(0), y = Py(0);
        return Lignes{{k.Left, y, k.Right, y}, {x, k.Top, x, k.Bottom}};
    };
    Figure(6, page);
    CurseurCache(g); // cannot take it back: draws nothing
    EXPECT_EQ(page.Lignes(), croix());
    EXPECT_EQ(page.Traces.back().StyloActif,
              (Stylo{0x000000, StyleTrait::TiretPoint, 600 * 2 / 254, ModeTrait::Copie}));

    // Without XOR (a vector picture), any style is drawn once in its plain colour.
    SurfaceEnregistreuse image(96, false);
    Figure(1, image);
    CurseurPlace(g, 0, 0);
    CurseurCache(g);
    EXPECT_EQ(image.Lignes(), croix());
    EXPECT_EQ(image.Traces[0].StyloActif,
              (Stylo{0xFF0000, StyleTrait::Pointilles, 1, ModeTrait::Copie}));
}

TEST_F(Courbes, CursorLetsGoOfASurfaceThatIsReplaced) {
    // Shown on a surface that is then destroyed; a new one takes its address.
    std::optional<SurfaceEnregistreuse> ecran(std::in_place, 96);
    Figure(1, *ecran);
    ecran.emplace(96);
    ASSERT_EQ(g.Surface, &*ecran);
    CalculGraphe(g);
    EXPECT_TRUE(ecran->Traces.empty()) << "no stray XOR figure on the new surface";

    // A layout refused for its size still lets go of the surface left behind.
    CurseurRafraichit(g);
    SurfaceEnregistreuse petite;
    g.Surface = &petite;
    g.Cadre = {0, 0, 50, 50};
    CalculGraphe(g);
    EXPECT_EQ(g.CurseurGraphe.Surface, nullptr);
    ecran->Efface();
    CurseurRaz(g);
    EXPECT_TRUE(ecran->Traces.empty() && petite.Traces.empty());

    // Forgetting leaves the figure where it is; the next layout and move draw it afresh.
    g.Cadre = {0, 0, 600, 400};
    Figure(1, *ecran);
    CurseurOublie(g);
    CurseurCache(g);
    EXPECT_EQ(ecran->Lignes().size(), 2u);
    CalculGraphe(g);
    CurseurRafraichit(g);
    EXPECT_EQ(ecran->Lignes().size(), 4u);
}

} // namespace
} // namespace zyv
