// Mean, energy and RMS value of a recorded quantity, and their read-out texts.
#include "core/studies/MoyenneCharge.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <utility>
#include <vector>

using namespace zyv;

namespace {

using V = std::vector<std::int32_t>;

TEST(CalculMoyenne, WorkedExamplesOverATrial) {
    auto essai = std::make_unique<TEssai>();
    const std::int32_t temps[] = {0, 50, 100, 150}, puissance[] = {1000, 2000, 3000, 99999};
    for (int i = 0; i < 4; ++i) {
        essai->Valeur(GTemps, i) = temps[i];
        essai->Valeur(GPuissanceMeca, i) = puissance[i];
        essai->Valeur(GCourantMoteur, i) = 1360;
    }
    essai->DernierPoint = 2; // the fourth point is not part of the trial
    const TResultatsMoyenne p = CalculMoyenne(*essai, GTemps, GPuissanceMeca);
    EXPECT_EQ(p, (TResultatsMoyenne{2500, 250, 2549}));
    EXPECT_EQ(TexteSecondeValeur(p, GPuissanceGene), "25,0 J");
    const TResultatsMoyenne i = CalculMoyenne(*essai, GTemps, GCourantMoteur);
    EXPECT_EQ(std::pair(i.Moyenne, i.ValeurEfficace), std::pair(1360, 1360));
    EXPECT_EQ(TexteSecondeValeur(i, GCourantGene), "1,360 A");
    EXPECT_EQ(TexteSecondeValeur(i, GTensionMoteur), std::nullopt);
    EXPECT_EQ(SecondeLignePour(GTemps), SecondeLigne::Inchangee);
    EXPECT_EQ(CalculMoyenne(*essai, GTemps, NbGrandeurs), TResultatsMoyenne{});
    essai->DernierPoint = 0;
    EXPECT_EQ(CalculMoyenne(*essai, GTemps, GPuissanceMeca), TResultatsMoyenne{});
}

TEST(CalculMoyenne, DegenerateRecordingsGiveZerosWithoutFaults) {
    EXPECT_EQ(CalculMoyenne(V{0, 0}, V{5000, 5000}), TResultatsMoyenne{});
    // Time going back: a negative quotient under the root.
    EXPECT_EQ(CalculMoyenne(V{0, 100, 10}, V{0, 1, 10}), (TResultatsMoyenne{-80, 0, 0}));
    const std::int32_t bas = std::numeric_limits<std::int32_t>::min();
    const std::int32_t haut = std::numeric_limits<std::int32_t>::max();
    EXPECT_GE(CalculMoyenne(V{0, haut, bas, -1}, V{bas, bas, bas, haut}).ValeurEfficace, 0);
}

} // namespace
