// Layout, graduations and label texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/plot/SurfaceEnregistreuse.h"
#include "core/plot/TableZoom.h"
#include "core/plot/UniteGraphe.h"

namespace zyv {
namespace {

TAxe Axe(std::int64_t min, std::int64_t max, int decimales, int exposant = 0) {
    TAxe a;
    a.ValMin = min;
    a.ValMax = max;
    a.ValEtendue = std::max<std::int64_t>(1, max > min ? max - min : min - max);
    a.Mode = decimales;
    a.ExpLibelle = exposant;
    a.PixDebut = 100;
    a.PixFin = 1100;
    a.PixEtendue = 1000;
    CalculGraduation(zyv::Axe::X, a);
    return a;
}

TEST(Graduation, StepsOriginsAndLabelSteps) {
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
    EXPECT_EQ(Axe(0, 3500, 2).PixPas, 1000 * 400 / 3500);
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

    TAxe main; // built by hand, no extent: no division by zero
    main.ValMax = 3500;
    main.ValEtendue = 0;
    main.PixEtendue = 1000;
    CalculGraduation(zyv::Axe::X, main);
    EXPECT_EQ(main.PixPas, 1000 * 400 / 3500);
}

// Time axis of a load study at the default zoom: 60,83 s; out-of-range positions saturate.
TEST(Zoom, ExtentsByPosition) {
    EXPECT_EQ(EtendueZoom(7300, 10), 6083);
    EXPECT_EQ(EtendueZoom(7300, -1), 2 * 7300);
    EXPECT_EQ(EtendueZoom(7300, 51), 7300 / 50);
}

TEST(Textes, GraduationsValuesAndPrefixes) {
    for (auto [v, d, texte] : {std::tuple{5, 1, "0,5"},
                               {-15, 1, "-1,5"},
                               {-400, 2, "-4,00"},
                               {0, 2, "0,00"},
                               {1500, 0, "1500"},
                               {7, -3, "7"}})
        EXPECT_EQ(TexteGraduation(v, d), texte);

    // clang-format off
    const std::tuple<std::int64_t, int, int, const char*, const char*> cas[] = {
        {-5, 2, 0, "W", "-0,05 W"}, {5, 3, 0, "A", "0,005 A"}, {1500, 0, 0, "tr/min", "1500 tr/min"},
        {123, -1, -3, "V", "123 mV"}, {12345, -1, -3, "V", "12,345 V"},
        {123456, -1, -3, "V", "123,45 V"}, {-1234, -1, -3, "V", "-1,234 V"},
        {123, -1, -1, "V", "12,3 V"}, {5, -1, 1, "V", "50 V"}};
    // clang-format on
    for (auto [valeur, decimales, exposant, unite, texte] : cas)
        EXPECT_EQ(TexteValeur(valeur, {0, 0, exposant, decimales, "", unite}), texte);
    EXPECT_EQ(Prefixe(-6) + Prefixe(48), "\u00B5E+48 ") << "beyond the table";
    EXPECT_EQ(&SchemaCouleurs(8), &TableCouleurs[0]) << "unknown scheme";
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
    // Texts drawn, in order, with their top-left corners.
    std::vector<std::pair<std::string, PointPixel>> Textes() const {
        std::vector<std::pair<std::string, PointPixel>> t;
        for (const Trace* x : surface.DeGenre(Trace::Genre::Texte))
            t.emplace_back(x->Texte, x->Points[0]);
        return t;
    }
    bool ALigne(std::array<int, 4> l) const {
        const auto v = surface.Lignes();
        return std::find(v.begin(), v.end(), l) != v.end();
    }
};

TEST_F(Graphe, TooSmallRectangleGivesNoLayoutAndNoDrawing) {
    g.Cadre = {0, 0, 100, 300};
    g.AxeX.PixPas = 77;
    CalculGraphe(g);
    TraceAxes(g);
    EXPECT_TRUE(!g.Valide && g.AxeX.PixPas == 77 && surface.Traces.empty());
    g.Cadre = {10, 10, 111, 111};
    CalculGraphe(g);
    EXPECT_TRUE(g.Valide);
}

TEST_F(Graphe, ConversionsNamesUnitsAndLabels) {
    g.ConfX.Min = -1750;
    g.ConfX.Max = 1750;
    CalculGraphe(g);
    // Graduation j lies exactly at PixOrigine + j x PixPas, both ways.
    for (int j = -4; j <= 4; ++j) {
        EXPECT_EQ(ValeurVersPixelX(g, j * g.AxeX.ValPas), g.AxeX.PixOrigine + j * g.AxeX.PixPas);
        EXPECT_EQ(ValeurVersPixelY(g, j * g.AxeY.ValPas), g.AxeY.PixOrigine - j * g.AxeY.PixPas);
        EXPECT_EQ(PixelVersValeurX(g, static_cast<int>(g.AxeX.PixOrigine + j * g.AxeX.PixPas)),
                  j * g.AxeX.ValPas);
        EXPECT_EQ(PixelVersValeurY(g, static_cast<int>(g.AxeY.PixOrigine - j * g.AxeY.PixPas)),
                  j * g.AxeY.ValPas);
    }
    TraceAxes(g);
    const auto t = Textes();
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ((std::array{t[0].first, t[1].first, t[2].first, t[3].first}),
              (std::array<std::string, 4>{"Um", "(V)", "4,00", "8,00"}));
    for (const auto& [texte, p] : t) EXPECT_NE(texte, "0,00") << "the origin carries no label";
    EXPECT_EQ(surface.Traces[0].RemplissageActif.Couleur, 0xFFFFFFu) << "background first";

    surface.Efface();
    g.ConfY = {0, 7, -3, -1, "U", "V"};
    CalculGraphe(g);
    TraceAxes(g);
    const auto a = Textes();
    EXPECT_TRUE(std::any_of(a.begin(), a.end(), [](auto& x) { return x.first == "(mV)"; }));
}

TEST_F(Graphe, AxesOffZeroLabelFromTheFirstGraduationPastTheOrigin) {
    // 20..95 on both axes: origin 30, unlabelled; X labels 40 to 90 centred under their ticks,
    // Y labels right-aligned a tick's length left of the axis and centred on their ticks.
    g.ConfX = {20, 95, 0, 0, "x", ""};
    g.ConfY = {20, 95, 0, 0, "y", ""};
    CalculGraphe(g);
    TraceAxes(g);
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
    const auto textes = Textes(); // name, X labels, name, Y labels
    EXPECT_EQ(std::vector(textes.begin() + 1, textes.begin() + 7), x);
    EXPECT_EQ(std::vector(textes.begin() + 8, textes.end()), y);
}

TEST_F(Graphe, LastLabelDroppedNearTheArrow) {
    // Axis 41..583, 66 px steps: the graduation of 32,00 at 569 would reach the arrow with its
    // 30 px label, so label and tick both go.
    g.ConfX = {0, 3250, -2, 2, "", ""};
    CalculGraphe(g);
    ASSERT_EQ(g.AxeX.PixDebut, 41);
    ASSERT_EQ(g.AxeX.PixFin, 583);
    ASSERT_EQ(g.AxeX.PixPas, 66);
    TraceAxes(g);
    const auto t = Textes(); // no name, X labels 4,00 to 28,00, then the Y name
    EXPECT_EQ(t[7].first, "28,00");
    EXPECT_EQ(t[8].first, "Im");
    const int yo = static_cast<int>(g.AxeY.PixOrigine);
    EXPECT_TRUE(ALigne({503, yo, 503, yo + 2}));
    for (const auto& l : surface.Lignes()) EXPECT_FALSE(l[0] == 569 && l[2] == 569);
}

} // namespace
} // namespace zyv
