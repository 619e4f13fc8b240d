// Layout, graduations and label texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/plot/SurfaceEnregistreuse.h"
#include "core/plot/UniteGraphe.h"

namespace zyv {
namespace {

TAxe Axe(std::int64_t min, std::int64_t max, int decimales, int exposant = 0,
         std::int64_t pixels = 1000) {
    TAxe a;
    a.ValMin = min;
    a.ValMax = max;
    a.ValEtendue = std::max<std::int64_t>(1, max > min ? max - min : min - max);
    a.Mode = decimales;
    a.ExpLibelle = exposant;
    a.PixDebut = 100;
    a.PixFin = 100 + pixels;
    a.PixEtendue = pixels;
    CalculGraduation(zyv::Axe::X, a);
    return a;
}

TEST(Graduation, StepsAndOrigins) {
    struct Cas {
        std::int64_t min, max, pas, origine;
    };
    const Cas cas[] = {{0, 3500, 400, 0},    {-1750, 1750, 400, 0}, {20, 95, 10, 30},
                       {-95, -20, 10, -30},  {0, 7, 10, 0},         {0, 0, 1, 0},
                       {5, 5, 1, 6},         {0, 1200, 100, 0},     {0, 1300, 200, 0},
                       {0, 4900, 500, 0},    {0, 6500, 1000, 0},    {0, 2147483647, 200000000, 0},
                       {1001, 1012, 1, 1002}};
    for (const Cas& c : cas) {
        const TAxe a = Axe(c.min, c.max, 0);
        EXPECT_EQ(a.ValPas, c.pas) << c.min << ".." << c.max;
        EXPECT_EQ(a.ValOrigine, c.origine) << c.min << ".." << c.max;
        EXPECT_EQ(a.PasLibelle, a.ValPas) << "fixed labels follow the raw values";
    }
}

TEST(Graduation, FixedModeLabelsAndPixelScale) {
    const TAxe a = Axe(0, 3500, 2);
    EXPECT_EQ(a.PasLibelle, 400);
    EXPECT_EQ(a.DecLibelle, 2);
    EXPECT_EQ(a.ExpLibelle, 0);
    EXPECT_EQ(a.PixPas, 1000 * 400 / 3500);
    EXPECT_EQ(a.PixOrigine, 100);

    TAxe y = a;
    y.ValMin = 20;
    y.ValMax = 95;
    y.ValEtendue = 75;
    CalculGraduation(zyv::Axe::Y, y);
    EXPECT_EQ(y.PixOrigine, 1100 - 1000 * 10 / 75); // origin 30 measured up from the bottom
}

TEST(Graduation, AutomaticModeLabelsMatchValues) {
    // graduation value in units = PasLibelle / 10^DecLibelle * 10^ExpLibelle
    //                           = ValPas * 10^Exposant
    struct Cas {
        std::int64_t max;
        int exposant;
        std::int64_t pasLibelle, decLibelle, expLibelle;
    };
    const Cas cas[] = {
        {3500, -2, 4, 0, 0},   // 4 V steps
        {2500, -3, 4, 1, 0},   // 0,4 A
        {35000, -2, 40, 0, 0}, // k = 1: 4000 raw x 0,01 = 40
        {7, -3, 10, 0, -3},    // one digit: step 10 raw = 10 mV
        {7, -1, 10, 1, 0},     // step 10 raw x 0,1 = 1,0
        {7, 0, 10, 0, 0},
    };
    for (const Cas& c : cas) {
        const TAxe a = Axe(0, c.max, -1, c.exposant);
        EXPECT_EQ(a.PasLibelle, c.pasLibelle) << c.max << " e" << c.exposant;
        EXPECT_EQ(a.DecLibelle, c.decLibelle) << c.max << " e" << c.exposant;
        EXPECT_EQ(a.ExpLibelle, c.expLibelle) << c.max << " e" << c.exposant;
    }
}

TEST(Textes, GraduationLabels) {
    EXPECT_EQ(TexteGraduation(5, 1), "0,5");
    EXPECT_EQ(TexteGraduation(-15, 1), "-1,5");
    EXPECT_EQ(TexteGraduation(0, 2), "0,00");
    EXPECT_EQ(TexteGraduation(1500, 0), "1500");
    EXPECT_EQ(TexteGraduation(-400, 2), "-4,00");
    EXPECT_EQ(TexteGraduation(7, -3), "7");
    EXPECT_EQ(TexteGraduation(1, 1000000000).size(), 66u) << "absurd decimals stay bounded";
}

TEST(Textes, ValueTexts) {
    TaxeC c;
    c.Decimales = 2;
    c.Unite = "V";
    EXPECT_EQ(TexteValeur(1234, c), "12,34 V");
    c.Unite = "W";
    EXPECT_EQ(TexteValeur(-5, c), "-0,05 W");
    c.Decimales = 0;
    c.Unite = "tr/min";
    EXPECT_EQ(TexteValeur(1500, c), "1500 tr/min");
    c.Decimales = 3;
    c.Unite = "A";
    EXPECT_EQ(TexteValeur(5, c), "0,005 A");

    TaxeC a;
    a.Decimales = -1;
    a.Exposant = -3;
    a.Unite = "V";
    EXPECT_EQ(TexteValeur(123, a), "123 mV");
    EXPECT_EQ(TexteValeur(12345, a), "12,345 V");
    EXPECT_EQ(TexteValeur(123456, a), "123,45 V");
    EXPECT_EQ(TexteValeur(-1234, a), "-1,234 V");
    EXPECT_EQ(TexteValeur(0, a), "0 mV");
    // Digit counts the plain comma rules miss: 12,3 V and 50 V, not 123 V and 5 V.
    a.Exposant = -1;
    EXPECT_EQ(TexteValeur(123, a), "12,3 V");
    a.Exposant = 1;
    EXPECT_EQ(TexteValeur(5, a), "50 V");
}

TEST(Textes, PrefixesAndSchemes) {
    // Beyond the table the prefix keeps its form; an unknown scheme is scheme 0.
    EXPECT_EQ(Prefixe(-6), "\u00B5");
    EXPECT_EQ(Prefixe(48), "E+48 ");
    EXPECT_EQ(Prefixe(-51), "E-51 ");
    EXPECT_EQ(&SchemaCouleurs(8), &TableCouleurs[0]);
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
    std::vector<const Trace*> Textes() const { return surface.DeGenre(Trace::Genre::Texte); }
};

TEST_F(Graphe, TooSmallRectangleGivesNoLayoutAndNoDrawing) {
    g.Cadre = {0, 0, 100, 300};
    g.AxeX.PixPas = 77;
    CalculGraphe(g);
    EXPECT_FALSE(g.Valide);
    EXPECT_EQ(g.AxeX.PixPas, 77) << "fields stay as they were";
    EXPECT_EQ(g.TaillePolice, 0);
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

TEST_F(Graphe, LayoutMarginsAndFontSize) {
    CalculGraphe(g);
    ASSERT_TRUE(g.Valide);
    EXPECT_EQ(g.TaillePolice, 400 / 100 + 5);
    const int h = 9 * 96 / 72; // 12 px
    const int marge = 96 * 15 / 254;
    const int car = h / 2;
    EXPECT_EQ(g.AxeX.PixDebut, marge + 6 * car);     // "-00,00"
    EXPECT_EQ(g.AxeX.PixFin, 600 - marge - 3 * car); // "(V)" wider than "Um"
    EXPECT_EQ(g.AxeY.PixDebut, 2 * (h + marge));
    EXPECT_EQ(g.AxeY.PixFin, 400 - (h + marge));

    g.ConfY.Decimales = 0; // widest Y label: the digits of the range
    g.TaillePolice = 8;
    CalculGraphe(g);
    EXPECT_EQ(g.TaillePolice, 8);
    EXPECT_EQ(g.AxeX.PixDebut, marge + 4 * (8 * 96 / 72 / 2));
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
    // The X ticks drawn by the axes sit on the same pixels.
    TraceAxes(g);
    const int yo = static_cast<int>(g.AxeY.PixOrigine);
    std::vector<int> ticks;
    for (const auto& l : surface.Lignes())
        if (l[1] == yo && l[0] == l[2] && l[3] > yo) ticks.push_back(l[0]);
    ASSERT_FALSE(ticks.empty());
    for (int x : ticks) EXPECT_EQ((x - g.AxeX.PixOrigine) % g.AxeX.PixPas, 0) << x;
}

TEST_F(Graphe, AxisLabelsFixedMode) {
    CalculGraphe(g);
    TraceAxes(g);
    std::vector<std::string> t;
    for (const Trace* x : Textes()) t.push_back(x->Texte);
    // X: 4,00 8,00 ...; the origin carries no label; Y 0,400 A steps (Decimales 3).
    EXPECT_EQ(t[0], "Um");
    EXPECT_EQ(t[1], "(V)");
    EXPECT_EQ(t[2], "4,00");
    EXPECT_EQ(t[3], "8,00");
    EXPECT_EQ(std::count(t.begin(), t.end(), "0,00"), 0);
    EXPECT_NE(std::find(t.begin(), t.end(), "0,400"), t.end());
    EXPECT_NE(std::find(t.begin(), t.end(), "(A)"), t.end());

    // Every drawn X label ends at least t before the end of the axis.
    const int tt = 96 * 5 / 254;
    for (const Trace* x : Textes()) {
        if (x->Points[0].Y != g.AxeY.PixOrigine + tt + 1) continue;
        const int w = surface.LargeurTexte(x->Texte);
        EXPECT_LT(x->Points[0].X + w / 2 + w / 2 + tt, g.AxeX.PixFin) << x->Texte;
    }
    // Background first, in the background colour, over the whole rectangle.
    ASSERT_EQ(surface.Traces[0].Type, Trace::Genre::Rectangle);
    EXPECT_EQ(surface.Traces[0].Points[1], (PointPixel{600, 400}));
    EXPECT_EQ(surface.Traces[0].RemplissageActif.Couleur, 0xFFFFFFu);
}

TEST_F(Graphe, LastLabelDroppedNearTheArrow) {
    // Axis 41..583, step 400 raw = 66 px: the graduation of 32,00 falls at 569 and its label
    // (30 px wide) would reach the arrow, so it goes with its tick.
    g.ConfX = {0, 3250, -2, 2, "", ""};
    CalculGraphe(g);
    ASSERT_EQ(g.AxeX.PixDebut, 41);
    ASSERT_EQ(g.AxeX.PixFin, 583);
    ASSERT_EQ(g.AxeX.PixPas, 66);
    TraceAxes(g);
    const int tt = 96 * 5 / 254;
    const int yo = static_cast<int>(g.AxeY.PixOrigine);
    std::vector<std::string> labels;
    for (const Trace* x : Textes())
        if (x->Points[0].Y == yo + tt + 1) labels.push_back(x->Texte);
    ASSERT_EQ(labels.size(), 7u);
    EXPECT_EQ(labels.back(), "28,00");
    const auto lignes = surface.Lignes();
    for (const auto& l : lignes) EXPECT_FALSE(l[0] == 569 && l[2] == 569);
    EXPECT_TRUE(std::any_of(lignes.begin(), lignes.end(),
                            [](const auto& l) { return l[0] == 503 && l[2] == 503; }));
}

TEST_F(Graphe, AutomaticUnitPrefixOnAxis) {
    g.ConfY = {0, 7, -3, -1, "U", "V"};
    CalculGraphe(g);
    TraceAxes(g);
    std::vector<std::string> t;
    for (const Trace* x : Textes()) t.push_back(x->Texte);
    EXPECT_NE(std::find(t.begin(), t.end(), "(mV)"), t.end());
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
