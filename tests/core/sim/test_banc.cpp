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

// Physical efficiencies of one state stay within 0..1.
void VerifieRendements(const GrandeursBanc& g) {
    const double pm = g.Vitesse * g.Couple, pem = g.TensionMoteur * g.CourantMoteur;
    const double peg = g.TensionGene * g.CourantGene;
    EXPECT_GE(pm, 0.0);
    EXPECT_GE(peg, 0.0);
    EXPECT_TRUE(pem <= 0 || pm <= pem);
    EXPECT_TRUE(pm <= 0 || peg <= pm);
}

TEST(Banc, RegimesPlausiblesPourUnBancDEnseignement) {
    Banc banc;
    banc.SetTensionAlimentation(24);
    banc.SetChargeManuelle(0);
    GrandeursBanc g = banc.RegimePermanent();
    EXPECT_NEAR(ToursParMinute(g.Vitesse), 3250, 250);
    EXPECT_LT(g.CourantMoteur, 0.3);
    EXPECT_EQ(g.CourantGene, 0.0);

    banc.SetChargeManuelle(100);
    g = banc.RegimePermanent();
    EXPECT_NEAR(g.CourantMoteur, 1.5, 0.5);
    EXPECT_GT(g.TensionGene, 10.0);

    for (double u : {0.0, 1.0, 12.0, 30.0})
        for (int p : {0, 25, 150}) {
            banc.SetTensionAlimentation(u);
            banc.SetChargeManuelle(p);
            VerifieRendements(banc.RegimePermanent());
        }
}

TEST(Banc, EchelonDAlimentationApprocheMonotone) {
    Banc banc;
    banc.SetChargeManuelle(60);
    for (double u : {24.0, 12.0}) {
        SCOPED_TRACE(u);
        banc.SetTensionAlimentation(u);
        const double depart = banc.Grandeurs().Vitesse, finale = banc.RegimePermanent().Vitesse;
        const double sens = finale > depart ? 1 : -1;
        double precedente = depart;
        int t63 = -1;
        for (int t = 10; t <= 8000; t += 10) {
            banc.Avance(10);
            const GrandeursBanc& g = banc.Grandeurs();
            EXPECT_GE(sens * (g.Vitesse - precedente), 0.0) << t;
            EXPECT_LE(sens * (g.Vitesse - finale), finale * 1e-4) << "no overshoot " << t;
            if (sens > 0) VerifieRendements(g); // slowing down, inertia feeds the shaft
            EXPECT_GE(g.CourantMoteur, 0.0);
            if (t63 < 0 && sens * (g.Vitesse - depart) >= 0.632 * std::abs(finale - depart))
                t63 = t;
            precedente = g.Vitesse;
        }
        EXPECT_NEAR(precedente, finale, finale * 0.005);
        if (sens > 0) {
            EXPECT_GE(t63, 100) << "a mechanical time constant of a few tenths of a second";
            EXPECT_LE(t63, 1000);
        }
    }
}

TEST(Banc, ChargeArretEtSaturation) {
    Banc banc;
    banc.SetTensionAlimentation(24);
    banc.SetChargeManuelle(0);
    banc.Avance(5000);
    const GrandeursBanc avant = banc.Grandeurs();
    banc.Recoit(150);
    banc.Avance(5000);
    const GrandeursBanc apres = banc.Grandeurs();
    EXPECT_LT(apres.Vitesse, avant.Vitesse);
    EXPECT_GT(apres.CourantMoteur, avant.CourantMoteur + 1.0);
    EXPECT_GT(apres.CourantGene, 1.0);

    // Below the dry friction the shaft does not turn; the noise never wraps negative.
    Banc arret;
    arret.SetTensionAlimentation(0.05);
    arret.Avance(2000);
    EXPECT_EQ(arret.Grandeurs().Vitesse, 0.0);
    const TMesure m = DecodeMesure(arret.Mesure(), EtudeCaractMoteur, 0).Mesure;
    EXPECT_LE(m[GVitesse], 2);
    EXPECT_LT(m[GCourantGene], 10);
    EXPECT_EQ(m[GRendementGene], 0);

    ConstantesBanc k; // a very fast machine: speed beyond the 16-bit word
    k.KMoteur = 0.0005;
    k.FrottementSec = k.FrottementVisqueux = 0;
    k.Inertie = 1e-8;
    Banc rapide(1, k);
    rapide.SetTensionAlimentation(30);
    rapide.SetChargeManuelle(0);
    rapide.Avance(20000);
    EXPECT_EQ(DecodeTrame(rapide.Mesure()).N, 65535);
}

TEST(Banc, ProtocoleOctetParOctetEtBruitReproductible) {
    Banc banc(7), meme(7);
    banc.SetTensionAlimentation(std::nan(""));
    EXPECT_EQ(banc.TensionAlimentation(), 0.0);
    banc.SetChargeManuelle(400);
    EXPECT_EQ(banc.ChargeManuelle(), 150);
    EXPECT_EQ(banc.Recoit(0xFD).size(), 6u);
    banc.SetChargeManuelle(40);
    for (auto [octet, consigne] : {std::pair{0, 0}, {150, 150}, {151, 150}, {252, 150}}) {
        EXPECT_TRUE(banc.Recoit(static_cast<std::uint8_t>(octet)).empty());
        EXPECT_EQ(banc.Consigne(), consigne) << octet;
    }
    banc.Recoit(254);
    EXPECT_EQ(banc.ChargeEffective(), 40);

    for (Banc* x : {&banc, &meme}) {
        x->SetTensionAlimentation(24);
        x->SetChargeManuelle(100);
        x->Avance(6000);
    }
    for (int i = 0; i < 20; ++i) {
        const auto ma = banc.Mesure();
        EXPECT_EQ(ma, meme.Mesure()) << "same seed, same noise";
        const TrameMesure t = DecodeTrame(ma);
        EXPECT_NEAR(t.N, ToursParMinute(banc.Grandeurs().Vitesse), 3.5);
        EXPECT_NEAR(t.Im, banc.Grandeurs().CourantMoteur * 1000, 3.5);
    }
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
    EXPECT_NEAR(etude->MesureCourante[GVitesse], ToursParMinute(banc.RegimePermanent().Vitesse),
                10);
    module.SetCharge(150);
    EXPECT_EQ(banc.Consigne(), 150);

    // A read nobody asked for: the bench stays silent until the time-out, then the port closes.
    const std::int64_t debut = horloge.Monotone();
    EXPECT_EQ(port.LitPort(12), "Erreur L=0");
    EXPECT_EQ(horloge.Monotone() - debut, 1120);
    EXPECT_FALSE(port.Connecte);
}

} // namespace
} // namespace zyv
