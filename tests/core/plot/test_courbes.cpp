// Curves, filters, markers, picking and the cursor, observed on the recording surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/plot/SurfaceEnregistreuse.h"
#include "core/plot/UniteGraphe.h"

namespace zyv {
namespace {

using Lignes = std::vector<std::array<int, 4>>;
using V = std::vector<std::int64_t>;

TEST(Interpolation, CapByNumberOfPoints) {
    // dernier: 0 -> none; 1..3 -> cubic; 4 -> 3-point; 5, 6 -> 5-point; 7+ -> 7-point
    const int plafonds[] = {-1, 2, 2, 2, 3, 4, 4, 5, 5, 5};
    for (int dernier = 0; dernier < 10; ++dernier) {
        EXPECT_EQ(InterpolationEffective(5, dernier), plafonds[dernier]) << dernier;
        EXPECT_EQ(InterpolationEffective(1, dernier), std::min(1, plafonds[dernier]));
    }
    EXPECT_EQ(InterpolationEffective(9, 2000), 5);
    EXPECT_EQ(InterpolationEffective(0, 2000), 0);
    EXPECT_EQ(InterpolationEffective(-1, 2000), -1);
}

TEST(Filtres, KnownArrays) {
    using F = void (*)(std::span<const std::int64_t>, std::span<std::int64_t>);
    const std::tuple<F, V, V> cas[] = {
        {Lissage3, {0, 4, 8, 0, 4}, {0, 4, 5, 3, 4}},
        {Lissage3, {-1, -2, 0}, {-1, -1, 0}}, // -5/4 truncates to -1
        {Lissage5, {0, 0, 0, 64, 0, 0, 0}, {0, 0, 16, 24, 16, 0, 0}},
        {Lissage7, {0, 0, 0, 0, 64, 0, 0, 0, 0}, {0, 0, 4, 12, 22, 12, 4, 0, 0}}, // 1 8 12 22
        {Lissage7, {0, 0, 0, 64, 0, 0, 0}, {0, 0, 16, 22, 16, 0, 0}},
        {Lissage7, {5, 9}, {5, 9}}, // short arrays stay in bounds
        {Lissage5, {7}, {7}},
        {Lissage7, {-7, -9, -2}, {-7, -6, -2}}};
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
    int x0 = 0, y0 = 0;
    for (std::size_t k = 0; k < l.size(); ++k) {
        const int x = 8 * static_cast<int>(k < 8 ? k + 1 : k);
        EXPECT_EQ(l[k], (std::array<int, 4>{x0, y0, x, ys[k]})) << "piece " << k;
        x0 = x;
        y0 = ys[k];
    }
    // Partial ranges: from point 1 no first parabola; up to 3 of 4 no last one.
    const V px{0, 64, 128, 192, 256}, py(5, 0);
    s.Efface();
    TraceCubique(s, px, py, 1, 4);
    EXPECT_EQ(s.Lignes().size(), 16u + 9u);
    EXPECT_EQ(s.Lignes()[0][0], 64);
    s.Efface();
    TraceCubique(s, px, py, 0, 3);
    EXPECT_EQ(s.Lignes().size(), 8u + 8u);
    EXPECT_EQ(s.Lignes().back()[2], 64 + 7 * 8);
}

struct Courbes : ::testing::Test {
    SurfaceEnregistreuse surface{96};
    TGraphe g;
    TCourbe c;
    void SetUp() override {
        g.Surface = &surface;
        g.Cadre = {0, 0, 600, 400};
        g.Couleurs = TableCouleurs[0];
        g.ConfX = {-1000, 1000, 0, 0, "x", ""};
        g.ConfY = {-1000, 1000, 0, 0, "y", ""};
        CalculGraphe(g);
        ASSERT_TRUE(g.Valide);
        surface.Efface();
        c.Style = {2, 0, 0, 3};
    }
    void Points(std::vector<std::pair<int, int>> p) {
        c.Dernier = c.Fin = static_cast<int>(p.size()) - 1;
        c.Debut = 0;
        for (std::size_t i = 0; i < p.size(); ++i) {
            c.X[i] = p[i].first;
            c.Y[i] = p[i].second;
        }
    }
    Lignes Trace(int interpolation) {
        surface.Efface();
        c.Interpolation = interpolation;
        TraceCourbeGraphe(g, c);
        return surface.Lignes();
    }
    int Px(int v) const { return ValeurVersPixelX(g, v); }
    int Py(int v) const { return ValeurVersPixelY(g, v); }
};

TEST_F(Courbes, EmptySingleAndTwoPointCurves) {
    c.Dernier = -1;
    c.Marqueur = 1;
    EXPECT_TRUE(Trace(5).empty());
    EXPECT_TRUE(surface.Traces.empty());

    Points({{100, 200}});
    c.Marqueur = 3;
    EXPECT_TRUE(Trace(5).empty()) << "the marker only";
    const int r = 96 * 3 / 254;
    ASSERT_EQ(surface.DeGenre(Trace::Genre::Rectangle).size(), 1u);
    EXPECT_EQ(
        surface.DeGenre(Trace::Genre::Rectangle)[0]->Points,
        (std::vector<PointPixel>{{Px(100) - r, Py(200) - r}, {Px(100) + r + 1, Py(200) + r + 1}}));

    c.Marqueur = 0;
    Points({{-500, 300}, {500, -200}});
    for (int genre = 1; genre <= 5; ++genre)
        EXPECT_EQ(Trace(genre), (Lignes{{Px(-500), Py(300), Px(500), Py(-200)}})) << genre;
}

TEST_F(Courbes, FivePointsUseTheThreePointFilter) {
    Points({{-800, 0}, {-400, 500}, {0, -300}, {400, 700}, {800, 100}});
    V px, py, fx(5), fy(5);
    for (int i = 0; i < 5; ++i) {
        px.push_back(Px(c.X[i]));
        py.push_back(Py(c.Y[i]));
    }
    Lissage3(px, fx);
    Lissage3(py, fy);
    SurfaceEnregistreuse attendu;
    TraceCubique(attendu, fx, fy, 0, 4);
    EXPECT_EQ(Trace(5), attendu.Lignes());
}

TEST_F(Courbes, SegmentsBarsAndOutOfRangeBounds) {
    Points({{-500, 300}, {0, 0}, {500, -200}});
    EXPECT_EQ(Trace(1),
              (Lignes{{Px(-500), Py(300), Px(0), Py(0)}, {Px(0), Py(0), Px(500), Py(-200)}}));
    // Bars from the zero line; the point on it gets none.
    EXPECT_EQ(Trace(0),
              (Lignes{{Px(-500), Py(0), Px(-500), Py(300)}, {Px(500), Py(0), Px(500), Py(-200)}}));
    c.Debut = -7;
    c.Fin = 2000;
    EXPECT_EQ(Trace(1).size(), 2u);
    EXPECT_EQ(PointProche(g, Px(500), Py(-200), c), 2);
}

TEST_F(Courbes, FarPositionsSaturateInsteadOfWrapping) {
    // About 50 px per raw unit puts the largest raw values some 10^11 px away; on 32 bits such a
    // position wraps to somewhere on the picture.
    g.ConfX = g.ConfY = {0, 10, 0, 0, "x", ""};
    CalculGraphe(g);
    const int loin = 2147483647;
    Points({{loin, 5}, {5, 5}});
    EXPECT_EQ(PointProche(g, ValeurVersPixelX(g, loin), Py(5), c), 1) << "the far point is far";
    Points({{0, 0}, {0, 2000000000}, {-2000000000, 0}});
    EXPECT_EQ(Trace(1),
              (Lignes{{Px(0), Py(0), Px(0), -1000000}, {Px(0), -1000000, -1000000, Py(0)}}));

    // A straight line is cut at the same distance but keeps its direction.
    surface.Efface();
    TraceDroite(g, c.Style, 0, 0, 2000000000, 1000000000);
    auto l = surface.Lignes();
    ASSERT_EQ(l.size(), 1u);
    EXPECT_EQ(l[0][2], 1000000);
    const double pente = double(Py(1000000) - Py(0)) / double(Px(2000000) - Px(0));
    EXPECT_NEAR(double(l[0][3] - l[0][1]) / double(l[0][2] - l[0][0]), pente, 1e-4);
    surface.Efface();
    TraceDroite(g, c.Style, 2000000000, 0, 2000000000, 10);
    EXPECT_TRUE(surface.Lignes().empty()) << "wholly off the picture";
}

TEST_F(Courbes, MarkersAndPens) {
    StyloCourbe(g, {3, 1, 0, 2});
    EXPECT_EQ(surface.StyloCourant().Couleur, 0x008000u);
    EXPECT_EQ(surface.StyloCourant().Style, StyleTrait::Tirets);
    TraceMarqueur(g, 1, 50, 60);
    EXPECT_EQ(surface.StyloCourant().Style, StyleTrait::Plein) << "markers are solid";
    TraceMarqueur(g, 2, 50, 60);
    EXPECT_EQ(surface.Lignes(),
              (Lignes{{49, 60, 52, 60}, {50, 59, 50, 62}, {49, 59, 52, 62}, {49, 61, 52, 58}}));
    TraceMarqueur(g, 4, 50, 60);
    TraceMarqueur(g, 5, 50, 60);
    const auto p = surface.DeGenre(Trace::Genre::Polygone);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0]->Points, (std::vector<PointPixel>{{48, 60}, {50, 58}, {52, 60}, {50, 62}}));
    EXPECT_EQ(p[1]->Points, (std::vector<PointPixel>{{48, 58}, {52, 58}, {50, 62}}));
    surface.Efface();
    for (int m : {0, 6, -1}) TraceMarqueur(g, m, 5, 6);
    ASSERT_EQ(surface.Traces.size(), 1u) << "a pixel for 0, nothing for unknown markers";

    // Widths in 0,3 mm steps at the surface's resolution; unknown indices fall back.
    SurfaceEnregistreuse page(600);
    g.Surface = &page;
    StyloCourbe(g, {9, 0, 2, 12});
    EXPECT_EQ(page.StyloCourant().Largeur, 14);
    EXPECT_EQ(page.StyloCourant().Couleur, 0x000000u);
    EXPECT_EQ(page.RemplissageCourant().Style, StyleRemplissage::Transparent);
}

TEST_F(Courbes, NearestPoint) {
    Points({{-500, 0}, {500, 0}, {0, 900}, {-500, 0}});
    // Equidistant from 0 and 1: the lower index wins; the duplicate 3 never beats 0.
    EXPECT_EQ(PointProche(g, Px(0), Py(0), c), 0);
    EXPECT_EQ(PointProche(g, Px(-500), Py(0), c), 0);
    EXPECT_EQ(PointProche(g, 100000, Py(0) + 3000, c), 1) << "no distance limit";
    EXPECT_EQ(PointProche(g, Px(0), Py(890), c), 2);
    c.Debut = 1;
    EXPECT_EQ(PointProche(g, Px(-500), Py(0), c), 3);
    c.Debut = 3;
    c.Fin = 2;
    EXPECT_EQ(PointProche(g, 0, 0, c), -1) << "empty range";
    c.Dernier = -1;
    c.Debut = c.Fin = 0;
    EXPECT_EQ(PointProche(g, 0, 0, c), -1) << "no points";
}

TEST_F(Courbes, InvalidLayoutDrawsNothing) {
    g.Cadre = {0, 0, 90, 400};
    CalculGraphe(g);
    ASSERT_FALSE(g.Valide);
    surface.Efface();
    Points({{0, 0}, {100, 100}, {200, 0}});
    c.Marqueur = 2;
    Trace(5);
    TracePointCourbe(g, 1, c);
    TraceDroite(g, c.Style, 0, 0, 10, 10);
    EXPECT_EQ(PointProche(g, 0, 0, c), -1);
    CurseurPlace(g, 10, 10);
    CurseurRafraichit(g);
    EXPECT_TRUE(surface.Traces.empty());
    EXPECT_EQ(g.CurseurX, 10) << "the position is kept for the next layout";

    TGraphe vierge; // never laid out: zero steps everywhere
    vierge.Surface = &surface;
    EXPECT_EQ(PixelVersValeurX(vierge, 5), 0);
    EXPECT_EQ(PixelVersValeurY(vierge, 5), 0);
    vierge.AxeX.ValPas = 0; // a step read back from nowhere
    EXPECT_EQ(ValeurVersPixelX(vierge, 5), 0);
}

TEST_F(Courbes, CursorFiguresAndStates) {
    CurseurStyle(g, 2, 1);
    EXPECT_EQ(g.CurseurGraphe.CouleurXor, 0xFF0000u ^ 0xFFFFFFu);
    CurseurPlace(g, 0, 0);
    const int x = Px(0), y = Py(0);
    EXPECT_EQ(surface.Lignes(), (Lignes{{x - 20, y, x + 20, y}, {x, y - 20, x, y + 20}}));
    EXPECT_EQ(surface.Traces[0].StyloActif.Mode, ModeTrait::Xor);
    // Placing again at the same spot erases then draws: the figure twice more.
    CurseurPlace(g, 0, 0);
    EXPECT_EQ(surface.Lignes().size(), 6u);
    CurseurCache(g);
    CurseurCache(g);
    EXPECT_EQ(surface.Lignes().size(), 8u) << "hidden twice erases once";
    CurseurRafraichit(g);
    EXPECT_EQ(surface.Lignes().size(), 10u);

    // A curve drawn under a shown cursor hides it first and shows it again last.
    Points({{0, 0}, {100, 100}});
    ASSERT_EQ(Trace(1).size(), 5u);
    EXPECT_EQ(surface.Traces.front().StyloActif.Mode, ModeTrait::Xor);
    EXPECT_EQ(surface.Traces[2].StyloActif.Mode, ModeTrait::Copie);
    EXPECT_EQ(surface.Traces.back().StyloActif.Mode, ModeTrait::Xor);

    // A new layout hides the cursor on its surface; a new surface forgets the old one.
    surface.Efface();
    CalculGraphe(g);
    EXPECT_EQ(surface.Lignes().size(), 2u);
    EXPECT_FALSE(g.CurseurGraphe.Dessine);
    EXPECT_TRUE(g.CurseurGraphe.Actif);
    CurseurRafraichit(g);
    SurfaceEnregistreuse autre;
    g.Surface = &autre;
    surface.Efface();
    CalculGraphe(g);
    EXPECT_TRUE(surface.Traces.empty()) << "nothing drawn on the surface left behind";

    // Reset: erased, inactive.
    CurseurPlace(g, 0, 0);
    autre.Efface();
    CurseurRaz(g);
    CurseurRafraichit(g);
    EXPECT_EQ(autre.Lignes().size(), 2u);
    EXPECT_FALSE(g.CurseurGraphe.Actif);
}

TEST_F(Courbes, CursorStylesOtherFigures) {
    auto figure = [&](int style) {
        CurseurRaz(g);
        CurseurStyle(g, style, 0);
        surface.Efface();
        CurseurPlace(g, 0, 0);
        return surface.Lignes();
    };
    const int x = Px(0), y = Py(0);
    const TRect& k = g.Cadre;
    EXPECT_EQ(figure(1), (Lignes{{k.Left, y, k.Right, y}, {x, k.Top, x, k.Bottom}}));
    // The rising stroke of the diagonal cross covers (x+20, y-20)..(x-19, y+19) as well.
    EXPECT_EQ(figure(3),
              (Lignes{{x - 20, y - 20, x + 20, y + 20}, {x - 19, y + 19, x + 21, y - 21}}));
    figure(4);
    EXPECT_EQ(surface.Traces[0].Points, (std::vector<PointPixel>{{0, 0}, {x, y}})) << "from anchor";
    EXPECT_TRUE(figure(7).empty() && surface.Traces.empty());
    EXPECT_TRUE(figure(-1).empty() && surface.Traces.empty());
}

} // namespace
} // namespace zyv
