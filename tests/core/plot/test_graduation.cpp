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
    struct Cas {
        std::int64_t min, max, pas, origine;
    };
    // clang-format off
    const Cas cas[] = {{0, 3500, 400, 0},   {-1750, 1750, 400, 0}, {20, 95, 10, 30},
                       {-95, -20, 10, -30}, {0, 7, 10, 0},         {0, 0, 1, 0},
                       {0, 1300, 200, 0},   {0, 4900, 500, 0},     {0, 6400, 500, 0},
                       {0, 6500, 1000, 0},  {5, 5, 1, 6},          {1001, 1012, 1, 1002},
                       {0, 2147483647, 200000000, 0}};
    // clang-format on
    for (const Cas& c : cas) {
        SCOPED_TRACE(testing::Message() << c.min << ".." << c.max);
        const TAxe a = Axe(c.min, c.max, 0);
        EXPECT_EQ(a.ValPas, c.pas);
        EXPECT_EQ(a.ValOrigine, c.origine);
        EXPECT_EQ(a.PasLibelle, a.ValPas);
    }
    EXPECT_EQ(Axe(0, 3500, 2).PixPas, 1000 * 400 / 3500);
    TAxe y = Axe(20, 95, 0);
    CalculGraduation(zyv::Axe::Y, y);
    EXPECT_EQ(y.PixOrigine, 1100 - 1000 * 10 / 75) << "Y origin measured up from the bottom";

    // Automatic mode: label step = ValPas x 10^Exposant, written PasLibelle / 10^Dec x 10^Exp.
    struct Auto {
        std::int64_t max;
        int exposant;
        std::int64_t pas, dec, exp;
    };
    const Auto autos[] = {{3500, -2, 4, 0, 0},
                          {2500, -3, 4, 1, 0},
                          {35000, -2, 40, 0, 0},
                          {7, -3, 10, 0, -3},
                          {7, -1, 10, 1, 0}};
    for (const Auto& c : autos) {
        SCOPED_TRACE(testing::Message() << c.max << " e" << c.exposant);
        const TAxe a = Axe(0, c.max, -1, c.exposant);
        EXPECT_EQ(a.PasLibelle, c.pas);
        EXPECT_EQ(a.DecLibelle, c.dec);
        EXPECT_EQ(a.ExpLibelle, c.exp);
    }
}

// Time axis of a load study at the default zoom: 60,83 s; out-of-range positions saturate.
TEST(Zoom, ExtentsByPosition) {
    EXPECT_EQ(EtendueZoom(7300, 10), 6083);
    EXPECT_EQ(EtendueZoom(7300, -1), 2 * 7300);
    EXPECT_EQ(EtendueZoom(7300, 51), 7300 / 50);
}

TEST(Textes, GraduationsValuesAndPrefixes) {
    EXPECT_EQ(TexteGraduation(5, 1), "0,5");
    EXPECT_EQ(TexteGraduation(-15, 1), "-1,5");
    EXPECT_EQ(TexteGraduation(-400, 2), "-4,00");
    EXPECT_EQ(TexteGraduation(7, -3), "7");
    EXPECT_EQ(TexteGraduation(1, 1000000000).size(), 66u) << "absurd decimals stay bounded";

    struct Cas {
        std::int64_t valeur;
        int decimales, exposant;
        const char *unite, *texte;
    };
    const Cas cas[] = {{-5, 2, 0, "W", "-0,05 W"},
                       {5, 3, 0, "A", "0,005 A"},
                       {1500, 0, 0, "tr/min", "1500 tr/min"},
                       {123, -1, -3, "V", "123 mV"},
                       {12345, -1, -3, "V", "12,345 V"},
                       {123456, -1, -3, "V", "123,45 V"},
                       {-1234, -1, -3, "V", "-1,234 V"},
                       {123, -1, -1, "V", "12,3 V"},
                       {5, -1, 1, "V", "50 V"}};
    for (const Cas& c : cas) {
        TaxeC conf;
        conf.Decimales = c.decimales;
        conf.Exposant = c.exposant;
        conf.Unite = c.unite;
        EXPECT_EQ(TexteValeur(c.valeur, conf), c.texte);
    }
    EXPECT_EQ(Prefixe(-6), "\u00B5");
    EXPECT_EQ(Prefixe(48), "E+48 ") << "beyond the table";
    EXPECT_EQ(Prefixe(-51), "E-51 ");
    EXPECT_EQ(&SchemaCouleurs(8), &TableCouleurs[0]) << "unknown scheme";
    EXPECT_EQ(&SchemaCouleurs(-1), &TableCouleurs[0]);
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
    std::vector<std::string> Textes(int y = -1) const {
        std::vector<std::string> t;
        for (const Trace* x : surface.DeGenre(Trace::Genre::Texte))
            if (y < 0 || x->Points[0].Y == y) t.push_back(x->Texte);
        return t;
    }
    int LigneLibellesX() const { return static_cast<int>(g.AxeY.PixOrigine) + 96 * 5 / 254 + 1; }
};

TEST_F(Graphe, TooSmallRectangleGivesNoLayoutAndNoDrawing) {
    g.Cadre = {0, 0, 100, 300};
    g.AxeX.PixPas = 77;
    CalculGraphe(g);
    EXPECT_FALSE(g.Valide);
    EXPECT_EQ(g.AxeX.PixPas, 77) << "fields stay as they were";
    TraceAxes(g);
    EffaceFond(g);
    EXPECT_TRUE(surface.Traces.empty());
    g.Cadre = {10, 10, 111, 111};
    CalculGraphe(g);
    EXPECT_TRUE(g.Valide);
    g.Surface = nullptr;
    CalculGraphe(g);
    EXPECT_FALSE(g.Valide);
}

TEST_F(Graphe, GraduationsLieOnExactMultiplesOfThePixelStep) {
    g.ConfX.Min = -1750;
    g.ConfX.Max = 1750;
    CalculGraphe(g);
    for (int j = -4; j <= 4; ++j) {
        EXPECT_EQ(ValeurVersPixelX(g, j * g.AxeX.ValPas), g.AxeX.PixOrigine + j * g.AxeX.PixPas);
        EXPECT_EQ(ValeurVersPixelY(g, j * g.AxeY.ValPas), g.AxeY.PixOrigine - j * g.AxeY.PixPas);
        EXPECT_EQ(PixelVersValeurX(g, static_cast<int>(g.AxeX.PixOrigine + j * g.AxeX.PixPas)),
                  j * g.AxeX.ValPas);
        EXPECT_EQ(PixelVersValeurY(g, static_cast<int>(g.AxeY.PixOrigine - j * g.AxeY.PixPas)),
                  j * g.AxeY.ValPas);
    }
    TraceAxes(g);
    const int yo = static_cast<int>(g.AxeY.PixOrigine);
    int ticks = 0;
    for (const auto& l : surface.Lignes())
        if (l[1] == yo && l[0] == l[2] && l[3] > yo) {
            ++ticks;
            EXPECT_EQ((l[0] - g.AxeX.PixOrigine) % g.AxeX.PixPas, 0) << l[0];
        }
    EXPECT_GT(ticks, 0);
}

TEST_F(Graphe, AxisLabels) {
    CalculGraphe(g);
    TraceAxes(g);
    const auto t = Textes();
    EXPECT_EQ(std::vector<std::string>(t.begin(), t.begin() + 4),
              (std::vector<std::string>{"Um", "(V)", "4,00", "8,00"}));
    EXPECT_EQ(std::count(t.begin(), t.end(), "0,00"), 0) << "the origin carries no label";
    EXPECT_EQ(std::count(t.begin(), t.end(), "0,400"), 1);
    ASSERT_EQ(surface.Traces[0].Type, Trace::Genre::Rectangle) << "background first";
    EXPECT_EQ(surface.Traces[0].RemplissageActif.Couleur, 0xFFFFFFu);

    surface.Efface();
    g.ConfY = {0, 7, -3, -1, "U", "V"};
    CalculGraphe(g);
    TraceAxes(g);
    const auto a = Textes();
    EXPECT_NE(std::find(a.begin(), a.end(), "(mV)"), a.end()) << "automatic unit prefix";
}

TEST_F(Graphe, LastLabelDroppedNearTheArrow) {
    // Axis 41..583, 66 px steps: the graduation of 32,00 at 569 would reach the arrow with its
    // 30 px label, so label and tick both go.
    g.ConfX = {0, 3250, -2, 2, "", ""};
    CalculGraphe(g);
    EXPECT_EQ(g.TaillePolice, 9);
    EXPECT_EQ(g.AxeY.PixDebut, 2 * (12 + 96 * 15 / 254)) << "two text lines above the plot";
    ASSERT_EQ(g.AxeX.PixDebut, 41);
    ASSERT_EQ(g.AxeX.PixFin, 583);
    ASSERT_EQ(g.AxeX.PixPas, 66);
    TraceAxes(g);
    const auto labels = Textes(LigneLibellesX());
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(labels.back(), "28,00");
    const auto lignes = surface.Lignes();
    for (const auto& l : lignes) EXPECT_FALSE(l[0] == 569 && l[2] == 569);
    EXPECT_TRUE(std::any_of(lignes.begin(), lignes.end(),
                            [](const auto& l) { return l[0] == 503 && l[2] == 503; }));
}

TEST_F(Graphe, SqueezedAxisHasNoGraduationsAndNoDivisionByZero) {
    g.Cadre = {0, 0, 101, 400};
    g.ConfY.Max = 2000000000;
    g.TaillePolice = 30; // labels eat the whole width
    CalculGraphe(g);
    ASSERT_TRUE(g.Valide);
    g.AxeX.PixPas = 0;
    TraceAxes(g);
    EXPECT_EQ(PixelVersValeurX(g, 50), g.AxeX.ValOrigine);
}

} // namespace
} // namespace zyv
