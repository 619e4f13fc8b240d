#include "core/link/ConfigCom.h"

#include <gtest/gtest.h>

#include <array>

namespace zyv {
namespace {

TEST(Decodage, ReposSansCourantEtPleineEchelle) {
    // At rest no mechanical power: neither efficiency can be formed.
    TMesure m = CalculeMesure({2400, 500, 0, 300, 1500, 800}, EtudeCaractMoteur, 0).Mesure;
    EXPECT_EQ((std::array{m[GPuissanceMeca], m[GPuissanceMoteur], m[GRendementMoteur],
                          m[GRendementGene]}),
              (std::array{0, 1200, 0, 0}));
    m = CalculeMesure({2400, 0, 3000, 300, 0, 0}, EtudeCaractMoteur, 0).Mesure;
    EXPECT_EQ(m[GRendementMoteur], 0);
    EXPECT_EQ(m[GPuissanceMeca], 942); // 3000 x 300 x 3142 / 3000000, past 32 bits midway

    std::array<std::uint8_t, LongueurMesure> o;
    o.fill(0xFF);
    m = DecodeMesure(o, EtudeChargeMoteur, 0).Mesure;
    // 65535^2 x 3142 / 3000000 mechanical power; efficiencies clamped to 100 %.
    EXPECT_EQ((std::array{m[GVitesse], m[GPuissanceMeca], m[GPuissanceMoteur], m[GRendementMoteur],
                          m[GRendementGene]}),
              (std::array{65535, 4498125, 4294836, 1000, 954}));
}

TEST(Decodage, TempsEtPasDeCharge) {
    const TrameMesure t{2400, 1000, 3000, 500, 2000, 900};
    for (int type : {EtudeCaractGeneratrice, EtudeChargeMoteur, EtudeChargeGeneratrice}) {
        const ResultatMesure r = CalculeMesure(t, type, 1575);
        EXPECT_EQ(r.Mesure[GTemps] + r.PasCharge, type == EtudeCaractGeneratrice ? 0 : 1575 + 32);
    }
    // Half-steps round to the even step.
    for (auto [centiemes, pas] : {std::pair{1575, 32}, {1525, 30}, {25, 0}, {1574, 31}, {-75, -2}})
        EXPECT_EQ(PasDepuisCentiemes(centiemes), pas) << centiemes;
    EXPECT_EQ(TempsEcouleEntre(5000, 5009), 0) << "truncated to the hundredth";
}

} // namespace
} // namespace zyv
