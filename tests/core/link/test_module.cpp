#include "TransportScripte.h"
#include "core/link/ConfigCom.h"
#include "core/link/ListePorts.h"

#include <gtest/gtest.h>

#include <memory>

namespace zyv {
namespace {

using test::TransportScripte;

const std::vector<std::uint8_t> ReponseExemple{0x09, 0x7E, 0x05, 0x50, 0x0D, 0x7A,
                                               0x00, 0xFD, 0x07, 0xD0, 0x03, 0xE8};

struct ModuleTest : ::testing::Test {
    HorlogeManuelle horloge;
    std::shared_ptr<TransportScripte> ligne = std::make_shared<TransportScripte>(horloge);
    std::unique_ptr<Etude> etude = std::make_unique<Etude>();
    TPortCom port{[this](const std::string&) { return ligne; }, horloge};
    ModuleZYV module{*etude, port, horloge};

    void Connecte() {
        port.Nom = "COM7";
        module.InitialiseComZYV();
        EXPECT_EQ(port.Nom, "COM7") << "no port chosen: nothing prepared";
        etude->Config.ChoisitPort("/dev/ttyUSB0");
        module.InitialiseComZYV();
        ASSERT_TRUE(module.OuvrirComZYV());
        EXPECT_EQ(ligne->NomOuvert, "/dev/ttyUSB0");
        ligne->Journal.clear();
        ligne->Repond(0xFF, ReponseExemple);
    }
};

TEST_F(ModuleTest, LectureValeurPurgeEnvoieFFEtDecode) {
    Connecte();
    module.LectureValeur();
    EXPECT_EQ(ligne->Journal, (std::vector<std::string>{"purge", "write"}));
    EXPECT_EQ(ligne->Ecrits, std::vector<std::uint8_t>{0xFF});
    TMesure avant{0, 3450, 253, 914, 2430, 1360, 3304, 276, 2000, 1000, 2000, 1000, 0};
    EXPECT_EQ(etude->MesureCourante, avant);

    // A short reply closes the port, marks the reading and keeps the values.
    ligne->Repond(0xFF, {0x09, 0x7E, 0x05});
    module.LectureValeur();
    EXPECT_FALSE(module.Connecte());
    avant[GNumero] = -1;
    EXPECT_EQ(etude->MesureCourante, avant);
    // Closed: nothing is written, the reading is marked again.
    etude->MesureCourante[GNumero] = 0;
    ligne->Ecrits.clear();
    module.LectureValeur();
    EXPECT_TRUE(ligne->Ecrits.empty());
    EXPECT_EQ(etude->MesureCourante[GNumero], -1);
}

TEST_F(ModuleTest, LectureVersionEtConsignes) {
    module.SetCharge(80); // closed: nothing
    EXPECT_TRUE(ligne->Ecrits.empty());
    Connecte();
    module.SetCharge(0);
    module.SetCharge(150);
    module.SetCharge(CommandeFinCycle);
    EXPECT_EQ(ligne->Ecrits, (std::vector<std::uint8_t>{0, 150, 254}));
    EXPECT_EQ(ligne->Journal, (std::vector<std::string>{"write", "write", "write"}));

    ligne->Ecrits.clear();
    ligne->Repond(0xFD, {'Z', 'Y', 'V', 1, 2, 3});
    EXPECT_EQ(module.LectureVersion(), std::string("ZYV\x01\x02\x03", 6));
    EXPECT_EQ(ligne->Ecrits, std::vector<std::uint8_t>{0xFD});
    ligne->Repond(0xFD, {'Z', 'Y', 'V'});
    std::string s = "ancien";
    module.LectureVersion(s);
    EXPECT_EQ(s, "");
    EXPECT_FALSE(module.Connecte());
}

TEST_F(ModuleTest, TempsDuCycleDeCharge) {
    Connecte();
    etude->Travail.TypeEtude = EtudeChargeGeneratrice;
    // Before any cycle Temps0 is 0: time counts from midnight.
    horloge.RegleHeure(3600000);
    module.LectureValeur();
    EXPECT_EQ(etude->MesureCourante[GTemps], 360000);

    horloge.RegleHeure(86399000);
    module.SetTemps0();
    horloge.Avance(15750); // across midnight
    EXPECT_EQ(module.TempsEcoule(), 1575);
    module.LectureValeur();
    EXPECT_EQ(etude->MesureCourante[GTemps], 1575);
    EXPECT_EQ(etude->PasCharge, 32);

    etude->Travail.TypeEtude = EtudeCaractMoteur;
    module.LectureValeur();
    EXPECT_EQ(etude->MesureCourante[GTemps], 0);
    EXPECT_EQ(etude->PasCharge, 0);
}

TEST(ListePorts, SimulDernierEtNomExact) {
    std::vector<std::string> items{"vieux"};
    const SourcePorts source = [] {
        return std::vector<std::string>{"COM3", "COM1", "COM3", "com4"};
    };
    EXPECT_EQ(Setnumcomport(items, source, "COM3"), 2); // the last equal entry wins
    EXPECT_EQ(items, (std::vector<std::string>{"COM3", "COM1", "COM3", "com4", "SIMUL"}));
    EXPECT_EQ(Setnumcomport(items, source, "COM4"), -1);
    EXPECT_EQ(Setnumcomport(items, {}, "SIMUL"), 0);
    EXPECT_EQ(NomComportSelect(items, -1), "");
}

} // namespace
} // namespace zyv
