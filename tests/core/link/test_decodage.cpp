#include "core/link/ConfigCom.h"

#include <gtest/gtest.h>

#include <array>

namespace zyv {
namespace {

using Octets = std::array<std::uint8_t, LongueurMesure>;

TEST(Decodage, ExempleDeReponseDuModule) {
    const Octets o{0x09, 0x7E, 0x05, 0x50, 0x0D, 0x7A, 0x00, 0xFD, 0x07, 0xD0, 0x03, 0xE8};
    const ResultatMesure r = DecodeMesure(o, EtudeCaractMoteur, 0);
    const TMesure attendu{0, 3450, 253, 914, 2430, 1360, 3304, 276, 2000, 1000, 2000, 1000, 0};
    EXPECT_EQ(r.Mesure, attendu);
    EXPECT_EQ(r.PasCharge, 0);
}

TEST(Decodage, MoteurArreteEtSansCourant) {
    // At rest: no mechanical power, so neither efficiency can be formed.
    TrameMesure t{2400, 500, 0, 300, 1500, 800};
    TMesure m = CalculeMesure(t, EtudeCaractMoteur, 0).Mesure;
    EXPECT_EQ(m[GPuissanceMeca], 0);
    EXPECT_EQ(m[GPuissanceMoteur], 1200);
    EXPECT_EQ(m[GRendementMoteur], 0);
    EXPECT_EQ(m[GPuissanceGene], 1200);
    EXPECT_EQ(m[GRendementGene], 0);

    t = TrameMesure{2400, 0, 3000, 300, 0, 0};
    m = CalculeMesure(t, EtudeCaractMoteur, 0).Mesure;
    EXPECT_EQ(m[GPuissanceMoteur], 0);
    EXPECT_EQ(m[GRendementMoteur], 0);
    EXPECT_EQ(m[GPuissanceMeca], 942); // 3000 x 300 x 3142 / 3000000, past 32 bits midway
    EXPECT_EQ(m[GRendementGene], 0);
}

TEST(Decodage, PleineEchellePartoutSansDebordement) {
    Octets o;
    o.fill(0xFF);
    const TMesure m = DecodeMesure(o, EtudeChargeMoteur, 0).Mesure;
    EXPECT_EQ(m[GVitesse], 65535);
    EXPECT_EQ(m[GPuissanceMeca], 4498125); // 65535^2 x 3142 / 3000000
    EXPECT_EQ(m[GPuissanceMoteur], 4294836);
    EXPECT_EQ(m[GPuissanceGene], 4294836);
    EXPECT_EQ(m[GRendementMoteur], 1000);
    EXPECT_EQ(m[GRendementGene], 954);
}

TEST(Decodage, TempsSeulementEnEtudeDeCharge) {
    const TrameMesure t{2400, 1000, 3000, 500, 2000, 900};
    for (int type : {EtudeCaractMoteur, EtudeCaractGeneratrice}) {
        const ResultatMesure r = CalculeMesure(t, type, 1575);
        EXPECT_EQ(r.Mesure[GTemps], 0);
        EXPECT_EQ(r.PasCharge, 0);
    }
    for (int type : {EtudeChargeMoteur, EtudeChargeGeneratrice}) {
        const ResultatMesure r = CalculeMesure(t, type, 1575);
        EXPECT_EQ(r.Mesure[GTemps], 1575);
        EXPECT_EQ(r.PasCharge, 32);
    }
}

TEST(Decodage, PasArrondiAuPairLePlusProche) {
    EXPECT_EQ(PasDepuisCentiemes(1575), 32); // 31.5
    EXPECT_EQ(PasDepuisCentiemes(1525), 30); // 30.5
    EXPECT_EQ(PasDepuisCentiemes(25), 0);    // 0.5
    EXPECT_EQ(PasDepuisCentiemes(1574), 31);
    EXPECT_EQ(PasDepuisCentiemes(1526), 31);
    EXPECT_EQ(PasDepuisCentiemes(-75), -2);
}

TEST(Decodage, TempsEcouleTraverseMinuit) {
    EXPECT_EQ(TempsEcouleEntre(1000, 16750), 1575);
    EXPECT_EQ(TempsEcouleEntre(86399000, 500), 150); // 1 s before midnight to 0.5 s after
    EXPECT_EQ(TempsEcouleEntre(0, 86399999), 8639999);
    EXPECT_EQ(TempsEcouleEntre(5000, 5009), 0); // truncated to the hundredth
}

} // namespace
} // namespace zyv
