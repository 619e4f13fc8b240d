// Layout, graduations and label texts; curves, filters, markers, picking and the cursor, observed
// on the recording surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "core/data/Operations.h"
#include "core/plot/EchelleAutomatique.h"
#include "core/plot/SurfaceEnregistreuse.h"
#include "core/plot/TableZoom.h"
#include "core/plot/UniteGraphe.h"

namespace zyv {
namespace {

TAxe Axe(std::int64_t min, std::int64_t max, int decimales, int exposant = 0) {
    TAxe a{};
    std::tie(a.PixDebut, a.PixFin, a.PixEtendue, a.ValMin, a.ValMax, a.ExpLibelle, a.Mode) =
        std::tuple(100, 1100, 1000, min, max, exposant, decimales);
    a.ValEtendue = std::max<std::int64_t>(1, max - min);
    CalculGraduation(zyv::Axe::X, a);
    return a;
}

TEST(Graduation, StepsOriginsLabelStepsAndTexts) {
    // Each edge of the step bands (leads 12/13, 24/25, 48/49, 64/65), off-zero ranges.
    // clang-format off
    const std::array<std::int64_t, 4> cas[] = {{0, 3500, 400, 0},   {-1750, 1750, 400, 0}, {20, 95, 10, 30},
                       {-95, -20, 10, -30}, {0, 7, 10, 0},         {0, 0, 1, 0},
                       {0, 1200, 100, 0},   {0, 1300, 200, 0},     {0, 2400, 200, 0},
                       {0, 2500, 400, 0},   {0, 4800, 400, 0},     {0, 4900, 500, 0},
                       {0, 6400, 500, 0},   {0, 6500, 1000, 0},    {5, 5, 1, 6},
                       {1001, 1012, 1, 1002}, {0, 2147483647, 200000000, 0}};
    // clang-format on
    for (auto [min, max, pas, origine] : cas) {
        const TAxe a = Axe(min, max, 0);
        EXPECT_EQ((std::array{a.ValPas, a.ValOrigine, a.PasLibelle}),
                  (std::array{pas, origine, pas}))
            << min << ".." << max;
    }
    TAxe y = Axe(20, 95, 0);
    CalculGraduation(zyv::Axe::Y, y);
    EXPECT_EQ(y.PixOrigine, 1100 - 1000 * 10 / 75) << "Y origin measured up from the bottom";

    // Automatic mode: label step = ValPas x 10^Exposant, written PasLibelle / 10^Dec x 10^Exp.
    // clang-format off
    for (auto [max, exposant, pas, dec, exp] : {std::array<std::int64_t, 5>{3500, -2, 4, 0, 0},
             {2500, -3, 4, 1, 0}, {35000, -2, 40, 0, 0}, {7, -3, 10, 0, -3}}) {
        // clang-format on
        const TAxe a = Axe(0, max, -1, static_cast<int>(exposant));
        EXPECT_EQ((std::array{a.PasLibelle, a.DecLibelle, a.ExpLibelle}),
                  (std::array{pas, dec, exp}))
            << max;
    }

    TAxe main{.PixEtendue = 1000, .ValMax = 3500, .ValEtendue = 0}; // by hand: no division by 0
    CalculGraduation(zyv::Axe::X, main);
    EXPECT_EQ(main.PixPas, 1000 * 400 / 3500);

    // Texts of graduations and values; signs and whole numbers are seen through TexteValeur below.
    for (auto [v, d, texte] : {std::tuple{5, 1, "0,5"}, {0, 2, "0,00"}, {7, -3, "7"}})
        EXPECT_EQ(TexteGraduation(v, d), texte);

    // clang-format off
    const std::tuple<std::int64_t, int, int, const char*, const char*> valeurs[] = {
        {-5, 2, 0, "W", "-0,05 W"}, {5, 3, 0, "A", "0,005 A"}, {1500, 0, 0, "tr/min", "1500 tr/min"},
        {123, -1, -3, "V", "123 mV"}, {12345, -1, -3, "V", "12,345 V"},
        {123456, -1, -3, "V", "123,45 V"}, {-1234, -1, -3, "V", "-1,234 V"},
        {123, -1, -1, "V", "12,3 V"}, {5, -1, 1, "V", "50 V"}};
    // clang-format on
    for (auto [valeur, decimales, exposant, unite, texte] : valeurs)
        EXPECT_EQ(TexteValeur(valeur, {0, 0, exposant, decimales, "", unite}), texte);
    EXPECT_EQ(Prefixe(-6) + Prefixe(48), "\u00B5E+48 ") << "beyond the table";
}

// "Echelle automatique" on a hand-built study of C(N): the largest positions whose extents hold
// the largest magnitude with a fiftieth to spare.
TEST(Zoom, ExtentsAndAutomaticScaleHoldingEveryPointOfEveryTrialAndTheReading) {
    // Time axis of a load study at the default zoom: 60,83 s; out-of-range positions saturate.
    EXPECT_EQ(std::tuple(EtendueZoom(7300, 10), EtendueZoom(7300, -1), EtendueZoom(7300, 51)),
              std::tuple(6083, 2 * 7300, 7300 / 50));
    auto w = std::make_unique<TTravail>();
    w->Grandeurs = TableGrandeurs();
    w->NbEssais = 2;
    // C -310 counts by its size; trial 3 is not a trial of the study. Slot 0 holds no point.
    for (auto [t, n, c] : {std::array{1, 1000, 120}, {2, 3900, 300}, {3, 7000, 690}}) {
        std::tie(w->Essai(t).DernierPoint, w->Essai(t).Valeurs[GVitesse][1]) = std::pair(0, n);
        w->Essai(t).Valeurs[GCouple][1] = c;
    }
    std::tie(w->Essai(1).DernierPoint, w->Essai(1).Valeurs[GVitesse][2]) = std::pair(1, 2500);
    w->Essai(1).Valeurs[GCouple][2] = -310;
    TCaract k;
    std::tie(k.GrandeurX, k.GrandeurY) = std::pair(GVitesse, GCouple);
    // N 3978 wanted: position 14 shows 4411, 15 only 3947. C 316: 16 shows 333, 17 only 304.
    ZoomsAjustes z = EchelleAutomatique(*w, k, nullptr);
    EXPECT_EQ(std::pair(z.X, z.Y), std::pair(std::optional(14), std::optional(16)));
    TMesure lecture{0, 500, 600}; // C 612 wanted: position 9 shows 636, 10 only 583
    z = EchelleAutomatique(*w, k, &lecture);
    EXPECT_EQ(std::pair(z.X, z.Y), std::pair(std::optional(14), std::optional(9)));

    // Nothing to show, no full scale: leave the zoom; past twice the full scale: the widest.
    EXPECT_EQ((std::array{ZoomAjuste(700, 0), ZoomAjuste(0, 300), ZoomAjuste(700, 1400),
                          ZoomAjuste(700, 13)}),
              (std::array<std::optional<int>, 4>{std::nullopt, std::nullopt, 0, ZoomMax}));
    k.GrandeurY = NbGrandeurs;
    EXPECT_EQ(EchelleAutomatique(*w, k, nullptr).Y, std::nullopt);
}

struct Graphe : ::testing::Test {
    SurfaceEnregistreuse surface{96};
    TGraphe g;
    void SetUp() override {
        g.Surface = &surface;
        g.Cadre = {0, 0, 600, 400};
        g.Couleurs = TableCouleurs[0];
        g.ConfX = {0, 3500, -2, 2, "Um", "V"};
        g.ConfY = {0, 2500, -3, 3, "Im", "A"};
    }
    // Lays out and draws the axes afresh: the texts drawn, in order, with their top-left corners.
    std::vector<std::pair<std::string, PointPixel>> Textes() {
        surface.Efface();
        CalculGraphe(g);
        TraceAxes(g);
        std::vector<std::pair<std::string, PointPixel>> t;
        for (const Trace* x : surface.DeGenre(Trace::Genre::Texte))
            t.emplace_back(x->Texte, x->Points[0]);
        return t;
    }
    bool ALigne(std::array<int, 4> l) const { return std::ranges::count(surface.Lignes(), l) > 0; }
};

TEST_F(Graphe, SizeConversionsNamesUnitsAndLabels) {
    // A rectangle too small gives no layout and no drawing.
    g.Cadre = {0, 0, 100, 300};
    EXPECT_TRUE(Textes().empty() && !g.Valide && surface.Traces.empty());
    g.Cadre = {10, 10, 111, 111};
    EXPECT_TRUE(!Textes().empty() && g.Valide);
    g.Cadre = {0, 0, 600, 400};
    std::tie(g.ConfX.Min, g.ConfX.Max) = std::pair(-1750, 1750);
    const auto t = Textes();
    ASSERT_GE(t.size(), 4u);
    // Graduation j lies exactly at PixOrigine + j x PixPas.
    for (int j = -4; j <= 4; ++j) {
        EXPECT_EQ(ValeurVersPixelX(g, j * g.AxeX.ValPas), g.AxeX.PixOrigine + j * g.AxeX.PixPas);
        EXPECT_EQ(ValeurVersPixelY(g, j * g.AxeY.ValPas), g.AxeY.PixOrigine - j * g.AxeY.PixPas);
    }
    EXPECT_EQ((std::array{t[0].first, t[1].first, t[2].first, t[3].first}),
              (std::array<std::string, 4>{"Um", "(V)", "4,00", "8,00"}));
    EXPECT_EQ(surface.Traces[0].RemplissageActif.Couleur, 0xFFFFFFu) << "background first";

    g.ConfY = {0, 7, -3, -1, "U", "V"};
    const auto a = Textes();
    EXPECT_TRUE(std::any_of(a.begin(), a.end(), [](auto& x) { return x.first == "(mV)"; }));
}

TEST_F(Graphe, AxesLabelFromTheFirstGraduationPastTheOriginAndNotNearTheArrow) {
    // Axis 41..583, 66 px steps: the graduation of 32,00 at 569 would reach the arrow with its
    // 30 px label, so label and tick both go.
    g.ConfX = {0, 3250, -2, 2, "", ""};
    const auto suite = Textes(); // no name, X labels 4,00 to 28,00, then the Y name
    ASSERT_GE(suite.size(), 9u);
    EXPECT_EQ(suite[7].first + " " + suite[8].first, "28,00 Im");
    const int y0 = static_cast<int>(g.AxeY.PixOrigine);
    EXPECT_TRUE(ALigne({503, y0, 503, y0 + 2}));
    for (const auto& l : surface.Lignes()) EXPECT_FALSE(l[0] == 569 && l[2] == 569);

    // 20..95 on both axes: origin 30, unlabelled; X labels 40 to 90 centred under their ticks,
    // Y labels right-aligned a tick's length left of the axis and centred on their ticks.
    g.ConfX = {20, 95, 0, 0, "x", ""};
    g.ConfY = {20, 95, 0, 0, "y", ""};
    const auto textes = Textes(); // name, X labels, name, Y labels
    const int xo = static_cast<int>(g.AxeX.PixOrigine), yo = static_cast<int>(g.AxeY.PixOrigine);
    const int px = static_cast<int>(g.AxeX.PixPas), py = static_cast<int>(g.AxeY.PixPas);
    const int t = 96 * 5 / 254, T = 2 * t, h = surface.HauteurPolice(), l = h; // two digits
    std::vector<std::pair<std::string, PointPixel>> x, y;
    for (int j = 1; j <= 6; ++j) {
        const std::string v = std::to_string(30 + 10 * j);
        x.push_back({v, {xo + j * px - l / 2, yo + t + 1}});
        y.push_back({v, {xo - l - T, yo - j * py - h / 2}});
        EXPECT_TRUE(ALigne({xo + j * px, yo, xo + j * px, yo + T})) << j;
        EXPECT_TRUE(ALigne({xo, yo - j * py, xo - T, yo - j * py})) << j;
    }
    EXPECT_EQ(std::vector(textes.begin() + 1, textes.begin() + 7), x);
    EXPECT_EQ(std::vector(textes.begin() + 8, textes.end()), y);
}

TEST(Libelles, NeverTouchEachOtherInShortNarrowOrPrintedFrames) {
    const std::tuple<int, TRect, int, std::vector<TaxeC>> cas[] = {
        {96, {0, 0, 600, 130}, 8, {}},    // a quarter of the load window: labels 10 px apart
        {96, {0, 0, 200, 300}, 8, {}},    // narrow: X labels wider than their step
        {600, {0, 0, 4000, 1500}, 8, {}}, // a printed page: thick ticks, big labels
        {96, {0, 0, 600, 400}, 0, {{0, 3000, 0, 0, "N", ""}, {-99999999, 0, 0, 0, "P", ""}}},
    };
    for (const auto& [dpi, cadre, taille, alignes] : cas) {
        SurfaceEnregistreuse s(dpi);
        TGraphe g;
        std::tie(g.TaillePolice, g.Surface, g.Cadre) = std::tuple(taille, &s, cadre);
        g.ConfX = g.ConfY = {0, 3500, -2, 2, "", ""};
        g.AxesYAlignes = alignes;
        CalculGraphe(g);
        TraceAxes(g);
        // "-00,00", or the widest label of the plots stacked with this one, "99999999".
        const int h = s.HauteurPolice();
        EXPECT_EQ(g.AxeX.PixDebut, dpi * 15 / 254 + (alignes.empty() ? 6 : 8) * (h / 2)) << dpi;
        // Rectangles with their right and bottom edges, touching when they share a pixel row
        // or column edge to edge.
        const auto touche = [](const TRect& a, const TRect& b) {
            return a.Left <= b.Right && b.Left <= a.Right && a.Top <= b.Bottom && b.Top <= a.Bottom;
        };
        std::vector<TRect> x;
        for (const Trace* t : s.DeGenre(Trace::Genre::Texte))
            if (const PointPixel p = t->Points[0]; !t->Texte.empty()) // not the empty names
                x.push_back({p.X, p.Y, p.X + s.LargeurTexte(t->Texte), p.Y + h});
        for (std::size_t i = 0; i < x.size(); ++i)
            for (std::size_t j = i + 1; j < x.size(); ++j)
                EXPECT_FALSE(touche(x[i], x[j])) << dpi << " " << i << " " << j;
    }
}

using Lignes = std::vector<std::array<int, 4>>;
using Points = std::vector<PointPixel>;
using V = std::vector<std::int64_t>;

TEST(Filtres, KnownArraysTheCapByNumberOfPointsAndTheCubicRows) {
    using F = void (*)(std::span<const std::int64_t>, std::span<std::int64_t>);
    const std::tuple<F, V, V> cas[] = {
        {Lissage3, {0, 4, 8, 0, 4}, {0, 4, 5, 3, 4}},
        {Lissage3, {-1, -2, 0}, {-1, -1, 0}}, // -5/4 truncates to -1
        {Lissage5, {0, 0, 0, 64, 0, 0, 0}, {0, 0, 16, 24, 16, 0, 0}},
        {Lissage7, {0, 0, 0, 0, 64, 0, 0, 0, 0}, {0, 0, 4, 12, 22, 12, 4, 0, 0}}, // 1 8 12 22
        {Lissage7, {0, 0, 0, 64, 0, 0, 0}, {0, 0, 16, 22, 16, 0, 0}}};
    for (const auto& [f, entree, attendu] : cas) {
        V sortie(entree.size(), 12345);
        f(entree, sortie);
        EXPECT_EQ(sortie, attendu);
    }
    // dernier: 0 -> none; 1..3 -> cubic; 4 -> 3-point; 5, 6 -> 5-point; 7+ -> 7-point
    const int plafonds[] = {-1, 2, 2, 2, 3, 4, 4, 5, 5};
    for (int dernier = 0; dernier < 9; ++dernier)
        EXPECT_EQ(std::pair(InterpolationEffective(5, dernier), InterpolationEffective(1, dernier)),
                  std::pair(plafonds[dernier], std::min(1, plafonds[dernier])));

    // The cubic: x is linear (64 px per point) so every row lands on x = 8k; y exercises the
    // truncation.
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

struct Courbes : Graphe {
    TCourbe c;
    void SetUp() override {
        Graphe::SetUp();
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

TEST_F(Courbes, ShortFilteredAndFarCurvesBarsNearestPointMarkersAndPens) {
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

    // Five points use the three-point filter, on pixels.
    const std::vector<std::pair<int, int>> p{
        {-800, 0}, {-400, 500}, {0, -300}, {400, 700}, {800, 1}};
    V px, py, fx(5), fy(5);
    for (auto [x, y] : p) px.push_back(Px(x)), py.push_back(Py(y));
    Lissage3(px, fx);
    Lissage3(py, fy);
    SurfaceEnregistreuse attendu;
    TraceCubique(attendu, fx, fy, 0, 4);
    EXPECT_EQ(Trace(5, p), attendu.Lignes());

    // Bars from the zero line; the point on it gets none.
    EXPECT_EQ(Trace(0, {{-500, 300}, {0, 0}, {500, -200}}),
              (Lignes{{Px(-500), Py(0), Px(-500), Py(300)}, {Px(500), Py(0), Px(500), Py(-200)}}));
    EXPECT_EQ(PointProche(g, Px(500), Py(-200), c), 2);

    Trace(-1, {{-500, 0}, {500, 0}, {0, 900}, {-500, 0}});
    // Equidistant from 0 and 1: the lower index wins; the duplicate 3 never beats 0; no limit.
    EXPECT_EQ(
        (std::array{PointProche(g, Px(0), Py(0), c), PointProche(g, Px(-500), Py(0), c),
                    PointProche(g, 100000, Py(0) + 3000, c), PointProche(g, Px(0), Py(890), c)}),
        (std::array{0, 0, 1, 2}));
    c.Fin = -1;
    EXPECT_EQ(PointProche(g, 0, 0, c), -1) << "empty range";

    // Far positions saturate instead of wrapping. About 50 px per raw unit puts the largest raw
    // values some 10^11 px away; on 32 bits such a position wraps to somewhere on the picture.
    g.ConfX = g.ConfY = {0, 10, 0, 0, "x", ""};
    CalculGraphe(g);
    Trace(-1, {{2147483647, 5}, {5, 5}});
    EXPECT_EQ(PointProche(g, Px(2147483647), Py(5), c), 1) << "the far point is far";
    // Distances of some 10^11 px, squared beyond 64 bits, still compare exactly.
    Trace(-1, {{INT32_MIN, 5}, {INT32_MAX, 5}});
    EXPECT_EQ(std::pair(PointProche(g, Px(-1), Py(5), c), PointProche(g, Px(0), Py(5), c)),
              std::pair(0, 1));
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

    // Markers and pens.
    surface.Efface();
    StyloCourbe(g, {3, 1, 0, 2});
    EXPECT_EQ(surface.StyloCourant(), (Stylo{0x008000, StyleTrait::Tirets, 1, ModeTrait::Copie}));
    for (int forme : {2, 4, 5, 0, 6}) TraceMarqueur(g, forme, 50, 60);
    EXPECT_EQ(surface.StyloCourant().Style, StyleTrait::Plein) << "markers are solid";
    EXPECT_EQ(surface.Lignes(), (Lignes{{49, 59, 52, 62}, {49, 61, 52, 58}}));
    // Two polygons of five drawings: a pixel for shape 0, nothing for unknown shapes.
    const auto poly = surface.DeGenre(Trace::Genre::Polygone);
    ASSERT_EQ((std::array{poly.size(), surface.Traces.size()}), (std::array<std::size_t, 2>{2, 5}));
    EXPECT_EQ(poly[0]->Points, (Points{{48, 60}, {50, 58}, {52, 60}, {50, 62}}));
    EXPECT_EQ(poly[1]->Points, (Points{{48, 58}, {52, 58}, {50, 62}}));

    // Widths in 0,3 mm steps at the surface's resolution; unknown indices fall back.
    SurfaceEnregistreuse page(600);
    g.Surface = &page;
    StyloCourbe(g, {9, 0, 2, 12});
    EXPECT_EQ(page.StyloCourant(), (Stylo{0x000000, StyleTrait::Plein, 14, ModeTrait::Copie}));
    TraceMarqueur(g, 3, 50, 60); // half-size 0,3 mm
    EXPECT_EQ(page.Traces[0].Points, (Points{{43, 53}, {58, 68}}));
    EXPECT_EQ(page.RemplissageCourant().Style, StyleRemplissage::Transparent);
}

TEST_F(Courbes, XorCursorFiguresStatesAndSurfacesLetGo) {
    const TRect& k = g.Cadre;
    const auto croix = [&] {
        return Lignes{{k.Left, Py(0), k.Right, Py(0)}, {Px(0), k.Top, Px(0), k.Bottom}};
    };
    EXPECT_EQ(Figure(1, surface), croix());
    EXPECT_EQ(surface.Traces[0].StyloActif,
              (Stylo{0xFF0000 ^ 0xFFFFFF, StyleTrait::Pointilles, 1, ModeTrait::Xor}));
    CurseurPlace(g, 0, 0); // erases then draws again
    CurseurCache(g);
    CurseurCache(g);
    EXPECT_EQ(surface.Lignes().size(), 8u) << "hidden twice erases once";
    // A curve drawn under a shown cursor hides it first and shows it again last.
    CurseurRafraichit(g);
    ASSERT_EQ(Trace(1, {{0, 0}, {100, 100}}).size(), 5u);
    EXPECT_TRUE(surface.Traces.front().StyloActif.Mode == ModeTrait::Xor &&
                surface.Traces.back().StyloActif.Mode == ModeTrait::Xor);
    // The thick dot of an acquisition.
    EXPECT_EQ(Figure(0, surface), (Lignes{{Px(0), Py(0), Px(0), Py(0)}}));
    EXPECT_EQ(surface.Traces[0].StyloActif.Largeur, 5);

    // Figures that cannot be erased are drawn once in copy mode. Style 6, the printed crosshair:
    // black, dash-dot, 0,2 mm, on any surface.
    SurfaceEnregistreuse page(600);
    Figure(6, page);
    CurseurCache(g); // cannot take it back: draws nothing
    EXPECT_EQ(page.Lignes(), croix());
    EXPECT_EQ(page.Traces.back().StyloActif,
              (Stylo{0x000000, StyleTrait::TiretPoint, 600 * 2 / 254, ModeTrait::Copie}));

    // The cursor lets go of a surface that is replaced. Shown on a surface that is then destroyed;
    // a new one takes its address.
    std::optional<SurfaceEnregistreuse> ecran(std::in_place, 96);
    Figure(1, *ecran);
    ecran.emplace(96);
    ASSERT_EQ(g.Surface, &*ecran);
    CalculGraphe(g);
    EXPECT_TRUE(ecran->Traces.empty()) << "no stray XOR figure on the new surface";

    // A layout refused for its size still lets go of the surface left behind.
    CurseurRafraichit(g);
    SurfaceEnregistreuse petite;
    std::tie(g.Surface, g.Cadre) = std::pair(&petite, TRect{0, 0, 50, 50});
    CalculGraphe(g);
    ecran->Efface();
    CurseurRaz(g);
    EXPECT_TRUE(!g.CurseurGraphe.Surface && ecran->Traces.empty() && petite.Traces.empty());

    // Forgetting leaves the figure where it is; the next layout and move draw it afresh.
    g.Cadre = {0, 0, 600, 400};
    Figure(1, *ecran);
    CurseurOublie(g);
    CurseurCache(g);
    const std::size_t laissees = ecran->Lignes().size();
    CalculGraphe(g);
    CurseurRafraichit(g);
    EXPECT_EQ((std::array{laissees, ecran->Lignes().size()}), (std::array<std::size_t, 2>{2, 4}));
}

} // namespace
} // namespace zyv
