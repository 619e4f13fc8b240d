// Mean, energy and RMS value of a recorded quantity, and their read-out texts.
#include "core/studies/MoyenneCharge.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace zyv;

namespace {

using V = std::vector<std::int32_t>;

TEST(CalculMoyenne, WorkedExampleAndDegenerateRecordings) {
    auto essai = std::make_unique<TEssai>();
    const std::int32_t temps[] = {0, 50, 100, 150}, puissance[] = {1000, 2000, 3000, 99999};
    for (int i = 0; i < 4; ++i) {
        essai->Valeur(GTemps, i) = temps[i];
        essai->Valeur(GPuissanceMeca, i) = puissance[i];
    }
    essai->DernierPoint = 2; // the fourth point is not part of the trial
    const TResultatsMoyenne p = CalculMoyenne(*essai, GTemps, GPuissanceMeca);
    EXPECT_EQ(p, (TResultatsMoyenne{2500, 250, 2549}));
    EXPECT_EQ(TexteSecondeValeur(p, GPuissanceGene), "25,0 J");
    EXPECT_EQ(TexteSecondeValeur(p, GCourantGene), "2,549 A");
    EXPECT_EQ(CalculMoyenne(*essai, GTemps, NbGrandeurs), TResultatsMoyenne{});

    EXPECT_EQ(CalculMoyenne(V{0, 0}, V{5000, 5000}), TResultatsMoyenne{});
    // Time going back: a negative quotient under the root.
    EXPECT_EQ(CalculMoyenne(V{0, 100, 10}, V{0, 1, 10}), (TResultatsMoyenne{-80, 0, 0}));
    EXPECT_GE(
        CalculMoyenne(V{0, INT32_MAX, INT32_MIN, -1}, V{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MAX})
            .ValeurEfficace,
        0);
}

} // namespace
