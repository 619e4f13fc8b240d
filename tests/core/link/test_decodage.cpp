#include "core/link/ConfigCom.h"

#include <gtest/gtest.h>

#include <array>

namespace zyv {
namespace {

TEST(Decodage, ExempleDeReponseDuModule) {
    const std::array<std::uint8_t, LongueurMesure> o{0x09, 0x7E, 0x05, 0x50, 0x0D, 0x7A,
                                                     0x00, 0xFD, 0x07, 0xD0, 0x03, 0xE8};
    const ResultatMesure r = DecodeMesure(o, EtudeCaractMoteur, 0);
    // Generator efficiency 2000 W of 914 W: clamped to 100 %.
    EXPECT_EQ(r.Mesure,
              (TMesure{0, 3450, 253, 914, 2430, 1360, 3304, 276, 2000, 1000, 2000, 1000, 0}));
    EXPECT_EQ(r.PasCharge, 0);
}

TEST(Decodage, ReposSansCourantEtPleineEchelle) {
    // At rest no mechanical power: neither efficiency can be formed.
    TMesure m = CalculeMesure({2400, 500, 0, 300, 1500, 800}, EtudeCaractMoteur, 0).Mesure;
    EXPECT_EQ(m[GPuissanceMeca], 0);
    EXPECT_EQ(m[GPuissanceMoteur], 1200);
    EXPECT_EQ(m[GRendementMoteur], 0);
    EXPECT_EQ(m[GRendementGene], 0);
    m = CalculeMesure({2400, 0, 3000, 300, 0, 0}, EtudeCaractMoteur, 0).Mesure;
    EXPECT_EQ(m[GRendementMoteur], 0);
    EXPECT_EQ(m[GPuissanceMeca], 942); // 3000 x 300 x 3142 / 3000000, past 32 bits midway

    std::array<std::uint8_t, LongueurMesure> o;
    o.fill(0xFF);
    m = DecodeMesure(o, EtudeChargeMoteur, 0).Mesure;
    EXPECT_EQ(m[GVitesse], 65535);
    EXPECT_EQ(m[GPuissanceMeca], 4498125); // 65535^2 x 3142 / 3000000
    EXPECT_EQ(m[GPuissanceMoteur], 4294836);
    EXPECT_EQ(m[GRendementMoteur], 1000);
    EXPECT_EQ(m[GRendementGene], 954);
}

TEST(Decodage, TempsEtPasDeCharge) {
    const TrameMesure t{2400, 1000, 3000, 500, 2000, 900};
    for (int type :
         {EtudeCaractMoteur, EtudeCaractGeneratrice, EtudeChargeMoteur, EtudeChargeGeneratrice}) {
        const bool charge = type == EtudeChargeMoteur || type == EtudeChargeGeneratrice;
        const ResultatMesure r = CalculeMesure(t, type, 1575);
        EXPECT_EQ(r.Mesure[GTemps], charge ? 1575 : 0) << type;
        EXPECT_EQ(r.PasCharge, charge ? 32 : 0) << type;
    }
    // Half-steps round to the even step.
    for (auto [centiemes, pas] : {std::pair{1575, 32}, {1525, 30}, {25, 0}, {1574, 31}, {-75, -2}})
        EXPECT_EQ(PasDepuisCentiemes(centiemes), pas) << centiemes;
    EXPECT_EQ(TempsEcouleEntre(1000, 16750), 1575);
    EXPECT_EQ(TempsEcouleEntre(86399000, 500), 150) << "across midnight";
    EXPECT_EQ(TempsEcouleEntre(5000, 5009), 0) << "truncated to the hundredth";
}

} // namespace
} // namespace zyv
