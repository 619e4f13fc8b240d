// Load profiles: the set-points of each kind, the random sequence, the drawing measures; the mean,
// energy and RMS value of a recorded quantity, and their read-out texts.
#include "core/studies/MoyenneCharge.h"
#include "core/studies/ProfilCharge.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zyv;

namespace {

// Each {first, last, value}: set-points first..last all hold value; -7 marks what the kind
// leaves untouched.
using Plages = std::initializer_list<std::tuple<int, int, std::int32_t>>;

TEST(SetCharge, KindsOnTheWorkedExamplesTheRandomSequenceAndTheDrawingMeasures) {
    TGenerateurAleatoire alea;
    auto essai = std::make_unique<TEssai>();
    const auto attend = [&](int type, std::int32_t max, std::int32_t min, Plages plages) {
        essai->Consignes.fill(-7);
        SetCharge(*essai, type, max, min, alea);
        for (auto [debut, fin, v] : plages)
            for (int n = debut; n <= fin; ++n) EXPECT_EQ(essai->Consignes[n], v) << type << n;
    };
    attend(ChargeCyclique25, 100, 25,
           {{0, 10, 100}, {11, 40, 25}, {41, 50, 100}, {91, 120, 25}, {121, NbConsignes - 1, -7}});
    EXPECT_EQ(std::tuple(essai->TypeCharge, essai->ChargeMax, essai->ChargeMin),
              std::tuple(1, 100, 25));
    attend(ChargeCyclique50, 100, 25, {{0, 20, 100}, {21, 40, 25}, {60, 60, 100}, {61, 61, 25}});
    attend(ChargeCyclique75, 100, 25, {{0, 30, 100}, {31, 40, 25}, {110, 110, 100}});
    attend(ChargeTriangulaire, 100, 25,
           {{0, 0, 25}, {10, 10, 62}, {20, 20, 100}, {30, 30, 63}, {120, 120, 25}, {121, 121, -7}});
    attend(ChargeTrapezoidale, 100, 25,
           {{5, 5, 62}, {10, 20, 100}, {25, 25, 63}, {30, 40, 25}, {45, 45, 62}, {121, 121, -7}});
    // Levels read from a file may span the whole 32-bit range.
    attend(ChargeTriangulaire, INT32_MAX, INT32_MIN,
           {{0, 0, INT32_MIN}, {10, 10, -1}, {20, 20, INT32_MAX}, {30, 30, 0}});
    attend(ChargeConstante, 70, 10,
           {{0, DernierPasCycle, 70}, {DernierPasCycle + 1, NbConsignes - 1, -7}});

    // The same 5 s blocks at each start of the program; later profiles continue the sequence.
    // clang-format off
    attend(ChargeAleatoire, 100, 25,
           {{0, 9, 0}, {10, 19, 4}, {20, 29, 129}, {30, 39, 30}, {40, 49, 40}, {50, 59, 100},
            {60, 69, 47}, {70, 79, 24}, {80, 89, 55}, {90, 99, 63}, {100, 109, 12}, {110, 119, 71},
            {120, 129, 10}, {NbConsignesAleatoires, NbConsignes - 1, -7}});
    // clang-format on
    attend(ChargeAleatoire, 0, 0, {{0, 0, 126}, {10, 10, 8}});

    // Measures of the profile's drawing.
    const TMesuresTrace m = MesuresTrace(504, 162);
    EXPECT_EQ(std::tuple(m.Largeur, m.Hauteur, m.Pas), std::tuple(494, 152, 122));
    EXPECT_EQ(std::tuple(m.X(0), m.X(60), m.X(DernierPasCycle)), std::tuple(5, 252, m.X1));
    EXPECT_EQ(std::tuple(m.Y(0), m.Y(25), m.Y(150)), std::tuple(m.YBas, 132, m.YHaut));
}

using V = std::vector<std::int32_t>;

TEST(CalculMoyenne, WorkedExamplesAndDegenerateRecordings) {
    const std::tuple<V, V, TResultatsMoyenne> cas[] = {
        // Time counts from the start of the cycle, not from a first point taken late.
        {{100, 150, 200}, {1000, 2000, 3000}, {1250, 250, 1802}},
        {{0, 0}, {5000, 5000}, {}},
        {{0, 100, 10}, {0, 1, 10}, {-80, 0, 0}}}; // time going back: negative under the root
    for (const auto& [x, y, r] : cas) EXPECT_EQ(CalculMoyenne(x, y), r) << x[0];
    const V extremes{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MAX};
    EXPECT_GE(CalculMoyenne(V{0, INT32_MAX, INT32_MIN, -1}, extremes).ValeurEfficace, 0);

    auto essai = std::make_unique<TEssai>();
    essai->Valeurs[GTemps] = {-1, 0, 50, 100, 150}; // slot 0 holds no point
    essai->Valeurs[GPuissanceMeca] = {-1, 1000, 2000, 3000, 99999};
    essai->DernierPoint = 2; // the fourth point is not part of the trial
    const TResultatsMoyenne p = CalculMoyenne(*essai, GTemps, GPuissanceMeca);
    EXPECT_EQ(p, (TResultatsMoyenne{2500, 250, 2549}));
    EXPECT_EQ(
        std::pair(TexteSecondeValeur(p, GPuissanceGene), TexteSecondeValeur(p, GCourantGene)),
        std::pair(std::optional<std::string>("25,0 J"), std::optional<std::string>("2,549 A")));
    EXPECT_EQ(CalculMoyenne(*essai, GTemps, NbGrandeurs), TResultatsMoyenne{});
}

} // namespace
