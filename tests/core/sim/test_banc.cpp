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

TEST(Banc, ArretSousLeFrottementSec) {
    // The shaft does not turn; the noise never wraps negative.
    Banc arret;
    arret.SetTensionAlimentation(0.05);
    arret.Avance(2000);
    EXPECT_EQ(arret.Grandeurs().Vitesse, 0.0);
    const TMesure m = DecodeMesure(arret.Mesure(), EtudeCaractMoteur, 0).Mesure;
    EXPECT_TRUE(m[GVitesse] <= 2 && m[GCourantGene] < 10);
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
        EXPECT_NEAR(DecodeTrame(ma).N, ToursParMinute(banc.Grandeurs().Vitesse), 3.5);
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
    EXPECT_EQ(port.LitPort(12), "Erreur L=0") << "silent when nothing was asked";
}

} // namespace
} // namespace zyv
