#include "core/link/ConfigCom.h"
#include "core/sim/Banc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace zyv {
namespace {

double ToursParMinute(double w) {
    return w * 60.0 / (2.0 * std::numbers::pi);
}

// Physical efficiencies of one state; both must stay within 0..1.
void VerifieRendements(const GrandeursBanc& g) {
    const double pm = g.Vitesse * g.Couple;
    const double pem = g.TensionMoteur * g.CourantMoteur;
    const double peg = g.TensionGene * g.CourantGene;
    EXPECT_GE(pm, 0.0);
    EXPECT_GE(peg, 0.0);
    if (pem > 0) {
        EXPECT_LE(pm, pem);
    }
    if (pm > 0) {
        EXPECT_LE(peg, pm);
    }
}

TEST(Banc, RegimesPlausiblesPourUnBancDEnseignement) {
    Banc banc;
    banc.SetTensionAlimentation(24);
    banc.SetChargeManuelle(0);
    GrandeursBanc g = banc.RegimePermanent();
    EXPECT_GT(ToursParMinute(g.Vitesse), 3000);
    EXPECT_LT(ToursParMinute(g.Vitesse), 3500);
    EXPECT_LT(g.CourantMoteur, 0.3);
    EXPECT_EQ(g.CourantGene, 0.0);

    banc.SetChargeManuelle(100);
    g = banc.RegimePermanent();
    EXPECT_GT(g.CourantMoteur, 1.0);
    EXPECT_LT(g.CourantMoteur, 2.0);
    EXPECT_GT(g.Couple, 0.010);
    EXPECT_LT(g.Couple, 0.100);
    EXPECT_GT(g.TensionGene, 10.0);
    // Steady state: the motor torque balances the sensor torque and the motor's friction.
    const ConstantesBanc& k = banc.Constantes();
    const double frottement = k.FrottementSec + k.FrottementVisqueux * g.Vitesse;
    EXPECT_NEAR(k.KMoteur * g.CourantMoteur, g.Couple + frottement, 1e-9);
    EXPECT_NEAR(g.TensionMoteur, k.RMoteur * g.CourantMoteur + k.KMoteur * g.Vitesse, 1e-9);

    for (double u : {0.0, 1.0, 6.0, 12.0, 24.0, 30.0})
        for (int p : {0, 25, 100, 150}) {
            banc.SetTensionAlimentation(u);
            banc.SetChargeManuelle(p);
            VerifieRendements(banc.RegimePermanent());
        }
}

TEST(Banc, EchelonDAlimentationApprocheMonotone) {
    Banc banc;
    banc.SetChargeManuelle(60);
    banc.SetTensionAlimentation(24);
    const double finale = banc.RegimePermanent().Vitesse;
    double precedente = banc.Grandeurs().Vitesse;
    ASSERT_EQ(precedente, 0.0);
    int t63 = -1;
    for (int t = 10; t <= 5000; t += 10) {
        banc.Avance(10);
        const GrandeursBanc& g = banc.Grandeurs();
        EXPECT_GE(g.Vitesse, precedente) << t;
        EXPECT_LE(g.Vitesse, finale * 1.0001) << t;
        VerifieRendements(g);
        if (t63 < 0 && g.Vitesse >= 0.632 * finale) t63 = t;
        precedente = g.Vitesse;
    }
    EXPECT_NEAR(banc.Grandeurs().Vitesse, finale, finale * 0.005);
    // A mechanical time constant of a few tenths of a second.
    EXPECT_GE(t63, 100);
    EXPECT_LE(t63, 1000);

    // Supply down: the speed falls monotonically to the new steady state.
    banc.SetTensionAlimentation(12);
    const double basse = banc.RegimePermanent().Vitesse;
    precedente = banc.Grandeurs().Vitesse;
    for (int t = 0; t < 8000; t += 10) {
        banc.Avance(10);
        EXPECT_LE(banc.Grandeurs().Vitesse, precedente);
        EXPECT_GE(banc.Grandeurs().CourantMoteur, 0.0);
        precedente = banc.Grandeurs().Vitesse;
    }
    EXPECT_NEAR(precedente, basse, basse * 0.005);
}

TEST(Banc, EchelonDeChargeRalentitEtChargeLeMoteur) {
    Banc banc;
    banc.SetTensionAlimentation(24);
    banc.SetChargeManuelle(0);
    banc.Avance(5000);
    const GrandeursBanc avant = banc.Grandeurs();
    banc.Recoit(150);
    EXPECT_EQ(banc.ChargeEffective(), 150);
    banc.Avance(5000);
    const GrandeursBanc apres = banc.Grandeurs();
    EXPECT_LT(apres.Vitesse, avant.Vitesse);
    EXPECT_GT(apres.CourantMoteur, avant.CourantMoteur + 1.0);
    EXPECT_GT(apres.Couple, avant.Couple);
    EXPECT_GT(apres.CourantGene, 1.0);
    EXPECT_NEAR(apres.Vitesse, banc.RegimePermanent().Vitesse, apres.Vitesse * 0.005);

    banc.Recoit(CommandeFinCycle);
    EXPECT_EQ(banc.Consigne(), -1);
    EXPECT_EQ(banc.ChargeEffective(), 0);
}

TEST(Banc, ArretSansAlimentation) {
    Banc banc;
    banc.SetTensionAlimentation(0);
    banc.Avance(2000);
    EXPECT_EQ(banc.Grandeurs().Vitesse, 0.0);
    // Below the dry friction the shaft does not turn.
    banc.SetTensionAlimentation(0.05);
    banc.Avance(2000);
    EXPECT_EQ(banc.Grandeurs().Vitesse, 0.0);
    const TMesure m = DecodeMesure(banc.Mesure(), EtudeCaractMoteur, 0).Mesure;
    EXPECT_LE(m[GVitesse], 2);
    EXPECT_LT(m[GCourantGene], 10); // noise only, never a wrapped negative
    EXPECT_EQ(m[GPuissanceMeca], 0);
    EXPECT_EQ(m[GRendementGene], 0);
}

TEST(Banc, ProtocoleOctetParOctet) {
    Banc banc;
    banc.SetTensionAlimentation(std::nan(""));
    EXPECT_EQ(banc.TensionAlimentation(), 0.0);
    banc.SetChargeManuelle(400);
    EXPECT_EQ(banc.ChargeManuelle(), 150);
    const auto id = banc.Recoit(0xFD);
    ASSERT_EQ(id.size(), 6u);
    EXPECT_EQ(std::string(id.begin(), id.begin() + 3), "ZYV");
    EXPECT_EQ(banc.Recoit(0xFF).size(), 12u);
    banc.SetChargeManuelle(40);
    for (int v : {0, 1, 77, 150}) {
        EXPECT_TRUE(banc.Recoit(static_cast<std::uint8_t>(v)).empty());
        EXPECT_EQ(banc.Consigne(), v);
        EXPECT_EQ(banc.ChargeEffective(), v);
    }
    for (int v : {151, 200, 252}) {
        EXPECT_TRUE(banc.Recoit(static_cast<std::uint8_t>(v)).empty());
        EXPECT_EQ(banc.Consigne(), 150);
    }
    banc.Recoit(254);
    EXPECT_EQ(banc.ChargeEffective(), 40);
}

TEST(Banc, BruitReproductibleEtFaible) {
    Banc a(7), b(7), c(8);
    for (Banc* x : {&a, &b, &c}) {
        x->SetTensionAlimentation(24);
        x->SetChargeManuelle(100);
        x->Avance(6000);
    }
    bool different = false;
    for (int i = 0; i < 50; ++i) {
        const auto ma = a.Mesure();
        EXPECT_EQ(ma, b.Mesure());
        different = different || ma != c.Mesure();
        const TrameMesure t = DecodeTrame(ma);
        const GrandeursBanc& g = a.Grandeurs();
        EXPECT_NEAR(t.N, ToursParMinute(g.Vitesse), 3.5);
        EXPECT_NEAR(t.Im, g.CourantMoteur * 1000, 3.5);
        EXPECT_NEAR(t.C, g.Couple * 10000, 3.5);
        EXPECT_NEAR(t.Ug, g.TensionGene * 100, 2.5);
    }
    EXPECT_TRUE(different);
}

TEST(Banc, ValeursBorneesA65535) {
    ConstantesBanc k;
    k.KMoteur = 0.0005; // a very fast machine: speed beyond the 16-bit word
    k.FrottementSec = 0;
    k.FrottementVisqueux = 0;
    k.Inertie = 1e-8;
    Banc banc(1, k);
    banc.SetTensionAlimentation(30);
    banc.SetChargeManuelle(0);
    banc.Avance(20000);
    const TrameMesure t = DecodeTrame(banc.Mesure());
    EXPECT_EQ(t.N, 65535);
    EXPECT_LE(t.Um, 3003);
}

TEST(TransportSimule, ModuleCompletSurLHorlogeDuProgramme) {
    HorlogeManuelle horloge;
    Banc banc(3);
    banc.SetTensionAlimentation(24);
    banc.SetChargeManuelle(0);
    auto etude = std::make_unique<Etude>();
    TPortCom port(
        [&](const std::string&) { return std::make_shared<TransportSimule>(banc, horloge); },
        horloge);
    ModuleZYV module(*etude, port, horloge);
    etude->Config.ChoisitPort("SIMUL");
    module.InitialiseComZYV();
    ASSERT_TRUE(module.OuvrirComZYV());
    EXPECT_EQ(module.LectureVersion().substr(0, 3), "ZYV");

    horloge.Avance(5000);
    module.LectureValeur();
    ASSERT_EQ(etude->MesureCourante[GNumero], 0);
    const int vide = etude->MesureCourante[GVitesse];
    EXPECT_NEAR(vide, ToursParMinute(banc.RegimePermanent().Vitesse), 10);

    module.SetCharge(150);
    EXPECT_EQ(banc.Consigne(), 150);
    horloge.Avance(5000);
    module.LectureValeur();
    EXPECT_LT(etude->MesureCourante[GVitesse], vide - 200);
    EXPECT_GT(etude->MesureCourante[GRendementMoteur], 500);
    EXPECT_LE(etude->MesureCourante[GRendementGene], 1000);
    EXPECT_GT(etude->MesureCourante[GCourantGene], 1000);

    module.SetCharge(CommandeFinCycle);
    EXPECT_EQ(banc.ChargeEffective(), 0);

    // A read nobody asked for: the bench stays silent until the time-out, then the port closes.
    const std::int64_t debut = horloge.Monotone();
    EXPECT_EQ(port.LitPort(12), "Erreur L=0");
    EXPECT_EQ(horloge.Monotone() - debut, 1120);
    EXPECT_FALSE(port.Connecte);
}

} // namespace
} // namespace zyv
