// Load profiles: the set-points of each kind, the program's random sequence, the drawing measures.
#include "core/studies/ProfilCharge.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace zyv;

namespace {

class Profils : public ::testing::Test {
protected:
    TGenerateurAleatoire alea;
    std::unique_ptr<TEssai> essai = std::make_unique<TEssai>();

    void Calcule(int type, std::int32_t max, std::int32_t min) {
        essai->Consignes.fill(-7); // what no kind may touch keeps this
        SetCharge(*essai, type, max, min, alea);
    }
    // Each {first, last, value}: set-points first..last all hold value.
    void Attend(std::initializer_list<std::tuple<int, int, std::int32_t>> plages) {
        for (auto [debut, fin, v] : plages)
            for (int n = debut; n <= fin; ++n) EXPECT_EQ(essai->Consignes[n], v) << n;
    }
};

TEST_F(Profils, KindsOnTheWorkedExamples) {
    Calcule(ChargeCyclique25, 100, 25);
    EXPECT_EQ(std::tuple(essai->TypeCharge, essai->ChargeMax, essai->ChargeMin),
              std::tuple(1, 100, 25));
    // clang-format off
    Attend({{0, 10, 100}, {11, 40, 25}, {41, 50, 100}, {51, 80, 25}, {81, 90, 100}, {91, 120, 25},
            {121, NbConsignes - 1, -7}});
    Calcule(ChargeCyclique50, 100, 25);
    Attend({{0, 20, 100}, {21, 40, 25}, {60, 60, 100}, {61, 61, 25}});
    Calcule(ChargeCyclique75, 100, 25);
    Attend({{0, 30, 100}, {31, 40, 25}, {110, 110, 100}, {111, 120, 25}});
    Calcule(ChargeTriangulaire, 100, 25);
    Attend({{0, 0, 25}, {10, 10, 62}, {20, 20, 100}, {30, 30, 63}, {40, 40, 25}, {120, 120, 25},
            {121, 121, -7}});
    // clang-format on
    Calcule(ChargeTrapezoidale, 100, 25);
    Attend({{5, 5, 62}, {10, 20, 100}, {25, 25, 63}, {30, 40, 25}, {45, 45, 62}, {121, 121, -7}});
}

TEST_F(Profils, EqualLevelsGiveFlatProfilesAndUnknownKindsChangeNothing) {
    for (int type = ChargeConstante; type < ChargeAleatoire; ++type) {
        Calcule(type, 70, 70);
        Attend({{0, DernierPasCycle, 70}});
    }
    Calcule(NbTypesCharge, 10, 5);
    EXPECT_EQ(essai->ChargeMax, 70);
    Attend({{0, 0, -7}});
}

// The same 5 s blocks at each start of the program; later profiles continue the sequence.
TEST_F(Profils, RandomSequenceFromAFreshStart) {
    Calcule(ChargeAleatoire, 100, 25);
    const std::int32_t blocs[] = {0, 4, 129, 30, 40, 100, 47, 24, 55, 63, 12, 71, 10};
    for (int b = 0; b < 13; ++b) Attend({{10 * b, 10 * b + 9, blocs[b]}});
    Attend({{NbConsignesAleatoires, NbConsignes - 1, -7}});
    Calcule(ChargeAleatoire, 0, 0);
    Attend({{0, 0, 126}, {10, 10, 8}});
}

TEST(SelectCharge, DrawingMeasures) {
    const TMesuresTrace m = MesuresTrace(504, 162);
    EXPECT_EQ(std::tuple(m.Largeur, m.Hauteur, m.Pas), std::tuple(494, 152, 122));
    EXPECT_EQ(std::tuple(m.X(0), m.X(60), m.X(DernierPasCycle)), std::tuple(5, 252, m.X1));
    EXPECT_EQ(std::tuple(m.Y(0), m.Y(25), m.Y(150)), std::tuple(m.YBas, 132, m.YHaut));
}

} // namespace
