// The port and the module protocol over a scripted line on a manual clock.
#include "core/link/ConfigCom.h"
#include "core/link/Horloge.h"
#include "core/link/ListePorts.h"
#include "core/link/PortCom.h"
#include "core/link/Transport.h"
#include "core/link/TransportScripte.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace zyv {
namespace {

using test::TransportScripte;

using Journal = std::vector<std::string>;
using Octets = std::vector<std::uint8_t>;

const Octets ReponseExemple{0x09, 0x7E, 0x05, 0x50, 0x0D, 0x7A, 0x00, 0xFD, 0x07, 0xD0, 0x03, 0xE8};

struct Liaison : ::testing::Test {
    HorlogeManuelle horloge;
    std::shared_ptr<TransportScripte> ligne = std::make_shared<TransportScripte>(horloge);
    TPortCom port{[this](const std::string&) { return ligne; }, horloge};
    std::unique_ptr<Etude> etude = std::make_unique<Etude>();
    ModuleZYV module{*etude, port, horloge};

    void Ouvre() {
        port.InitialisePort("COM12");
        ASSERT_TRUE(port.OuvrePort());
    }
    // Twelve bytes 1..12 answering FF, each readable at the given delay after the command.
    std::string Lit12(std::vector<std::int64_t> delais) {
        Octets v(12);
        std::iota(v.begin(), v.end(), std::uint8_t{1});
        ligne->Repond(0xFF, v, std::move(delais));
        port.EcritPort("\xFF");
        return port.LitPort(12);
    }
    void Connecte() {
        port.Nom = "COM7";
        module.InitialiseComZYV();
        EXPECT_EQ(port.Nom, "COM7") << "no port chosen: nothing prepared";
        etude->Config.ChoisitPort("/dev/ttyUSB0");
        module.InitialiseComZYV();
        ASSERT_TRUE(module.OuvrirComZYV());
        EXPECT_EQ(ligne->NomOuvert, "/dev/ttyUSB0");
        ligne->Traces.clear();
        ligne->Repond(0xFF, ReponseExemple);
    }
};

TEST_F(Liaison, OuverturePurgeLeveDtrEtRelacheLaPrecedente) {
    ligne->OuvertureAccepte = false;
    port.InitialisePort("COM99");
    EXPECT_FALSE(port.OuvrePort());
    EXPECT_EQ(port.Handle, nullptr);
    port.FermePort(); // harmless when closed
    EXPECT_EQ(port.LitPort(6), "Erreur L=0");

    ligne->OuvertureAccepte = true;
    ligne->Traces.clear();
    Ouvre();
    EXPECT_EQ(port.Parametres.Vitesse, 19200);
    ASSERT_TRUE(port.OuvrePort());
    EXPECT_TRUE(port.Connecte);
    EXPECT_EQ(ligne->Traces, (Journal{"open", "purge", "dtr", "close", "open", "purge", "dtr"}));
}

TEST_F(Liaison, DelaisTotalEtIntervalle) {
    Ouvre();
    EXPECT_EQ(port.LitPort(12), "Erreur L=0") << "silent module";
    EXPECT_EQ(horloge.Monotone(), 1120);
    EXPECT_FALSE(port.Connecte);
    EXPECT_EQ(port.Handle, nullptr);
    EXPECT_EQ(ligne->Traces.back(), "close");

    Ouvre();
    std::int64_t debut = horloge.Monotone();
    EXPECT_EQ(port.LitPort(6), "Erreur L=0");
    EXPECT_EQ(horloge.Monotone() - debut, 1060);

    // Eleven bytes, then 1000 ms of silence.
    Ouvre();
    debut = horloge.Monotone();
    std::vector<std::int64_t> delais(11, 0);
    delais.push_back(5000);
    EXPECT_EQ(Lit12(delais), "Erreur L=11");
    EXPECT_EQ(horloge.Monotone() - debut, 1000);
    EXPECT_FALSE(port.Connecte);

    // The interval counts only after the first byte.
    Ouvre();
    delais.assign(12, 1100);
    delais[0] = 1050;
    EXPECT_EQ(Lit12(delais).size(), 12u);

    // A slow trickle is bounded by the total: bytes at 0, 500 and 1000 ms of 1120.
    Ouvre();
    debut = horloge.Monotone();
    delais.clear();
    for (int i = 0; i < 12; ++i) delais.push_back(500 * i);
    EXPECT_EQ(Lit12(delais), "Erreur L=3");
    EXPECT_EQ(horloge.Monotone() - debut, 1120);
}

TEST_F(Liaison, LignePerdueEtEcritures) {
    Ouvre();
    ligne->LignePerdueApres = 4;
    EXPECT_EQ(Lit12({}), "Erreur L=4");
    EXPECT_FALSE(port.Connecte);
    EXPECT_LT(horloge.Monotone(), 1000);

    ligne->LignePerdueApres = -1;
    ligne->Ecrits.clear();
    Ouvre();
    port.EcritPort(std::string(1, '\0'));
    EXPECT_EQ(ligne->Ecrits, Octets{0x00});
    EXPECT_EQ(ligne->DelaiEcriture, 110);
    EXPECT_TRUE(port.Connecte);
    ligne->EcritureAccepte = false;
    port.EcritPort("\x05");
    EXPECT_FALSE(port.Connecte);
    port.EcritPort("\x05"); // closed: nothing goes out
    EXPECT_EQ(ligne->Ecrits.size(), 1u);
}

TEST_F(Liaison, LectureValeurPurgeEnvoieFFEtDecode) {
    Connecte();
    module.LectureValeur();
    EXPECT_EQ(ligne->Traces, (Journal{"purge", "write"}));
    EXPECT_EQ(ligne->Ecrits, Octets{0xFF});
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

TEST_F(Liaison, LectureVersionEtConsignes) {
    module.SetCharge(80); // closed: nothing
    EXPECT_TRUE(ligne->Ecrits.empty());
    Connecte();
    module.SetCharge(0);
    module.SetCharge(150);
    module.SetCharge(CommandeFinCycle);
    EXPECT_EQ(ligne->Ecrits, (Octets{0, 150, 254}));
    EXPECT_EQ(ligne->Traces, (Journal{"write", "write", "write"})) << "no purge, no read";

    ligne->Ecrits.clear();
    ligne->Repond(0xFD, {'Z', 'Y', 'V', 1, 2, 3});
    EXPECT_EQ(module.LectureVersion(), std::string("ZYV\x01\x02\x03", 6));
    EXPECT_EQ(ligne->Ecrits, Octets{0xFD});
    ligne->Repond(0xFD, {'Z', 'Y', 'V'});
    std::string s = "ancien";
    module.LectureVersion(s);
    EXPECT_EQ(s, "");
    EXPECT_FALSE(module.Connecte());
}

TEST_F(Liaison, TempsDuCycleDeCharge) {
    Connecte();
    etude->Travail.TypeEtude = EtudeChargeGeneratrice;
    // Before any cycle Temps0 is 0: time counts from midnight.
    horloge.RegleHeure(3600000);
    module.LectureValeur();
    EXPECT_EQ(etude->MesureCourante[GTemps], 360000);

    horloge.RegleHeure(86399000);
    module.SetTemps0();
    horloge.Avance(15750); // across midnight
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
