// Frame decoding, then the port and the module protocol over a scripted line on a manual clock.
#include "core/link/ConfigCom.h"
#include "core/link/ListePorts.h"
#include "core/link/PortCom.h"
#include "core/link/TransportScripte.h"

#include <gtest/gtest.h>

#include <array>

namespace zyv {
namespace {

using test::TransportScripte;

using Journal = std::vector<std::string>;
using Octets = std::vector<std::uint8_t>;

const Octets ReponseExemple{0x09, 0x7E, 0x05, 0x50, 0x0D, 0x7A, 0x00, 0xFD, 0x07, 0xD0, 0x03, 0xE8};

TEST(Decodage, ReposPleineEchelleTempsEtPasDeCharge) {
    // {frame, N, PM, PEm, Rd motor, Rd generator}
    const std::tuple<TrameMesure, std::array<int, 5>> cas[] = {
        // At rest no mechanical power: neither efficiency can be formed.
        {{2400, 500, 0, 300, 1500, 800}, {0, 0, 1200, 0, 0}},
        // 3000 x 300 x 3142 / 3000000 mechanical power, past 32 bits midway; the generator
        // gives out more than it takes in: clamped to 100 %.
        {{2400, 0, 3000, 300, 2400, 1000}, {3000, 942, 0, 0, 1000}},
        // Full scale: 65535^2 x 3142 / 3000000 mechanical power.
        {{65535, 65535, 65535, 65535, 65535, 65535}, {65535, 4498125, 4294836, 1000, 954}}};
    for (const auto& [trame, attendu] : cas) {
        const TMesure m = CalculeMesure(trame, EtudeCaractMoteur, 0).Mesure;
        EXPECT_EQ((std::array{m[GVitesse], m[GPuissanceMeca], m[GPuissanceMoteur],
                              m[GRendementMoteur], m[GRendementGene]}),
                  attendu);
    }

    // Time and load step in load studies only: characteristics 0 and 2, load studies 1 and 3.
    for (int type = 0; type < 4; ++type) {
        const ResultatMesure r = CalculeMesure({2400, 1000, 3000, 500, 2000, 900}, type, 1575);
        EXPECT_EQ(r.Mesure[GTemps] + r.PasCharge, type % 2 ? 1575 + 32 : 0) << type;
    }
    // Half-steps round to the even step.
    for (auto [centiemes, pas] : {std::pair{1575, 32}, {1525, 30}, {25, 0}, {1574, 31}, {-75, -2}})
        EXPECT_EQ(PasDepuisCentiemes(centiemes), pas) << centiemes;
    // Truncated to the hundredth; at Temps0 itself no day has gone by.
    EXPECT_EQ(std::pair(TempsEcouleEntre(5000, 5009), TempsEcouleEntre(5000, 5000)),
              std::pair(0, 0));
}

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
    void Connecte() {
        etude->Config.ChoisitPort("/dev/ttyUSB0");
        module.InitialiseComZYV();
        ASSERT_TRUE(module.OuvrirComZYV());
        ligne->Traces.clear();
        ligne->Repond(0xFF, ReponseExemple);
    }
};

TEST_F(Liaison, OuverturePurgeLeveDtrRelacheLaPrecedenteEcrituresEtDelais) {
    ligne->OuvertureAccepte = false;
    port.InitialisePort("COM99");
    EXPECT_TRUE(!port.OuvrePort() && port.Handle == nullptr);
    port.FermePort(); // harmless when closed

    ligne->OuvertureAccepte = true;
    ligne->Traces.clear();
    Ouvre();
    ASSERT_TRUE(port.OuvrePort() && port.Connecte);
    EXPECT_EQ(ligne->Traces, (Journal{"open", "purge", "dtr", "close", "open", "purge", "dtr"}));

    // Writes: the time-out, and a failed write closes the port.
    port.EcritPort(std::string(1, '\0'));
    EXPECT_EQ(std::pair(ligne->Ecrits, ligne->DelaiEcriture),
              std::pair(Octets{0x00}, std::int64_t{110}));
    ligne->EcritureAccepte = false;
    port.EcritPort("\x05");
    EXPECT_FALSE(port.Connecte);
    ligne->EcritureAccepte = true;

    // Total and interval time-outs.
    // Twelve bytes 1..12 answering FF, each readable at the given delay after the command.
    const auto lit = [this](std::vector<std::int64_t> delais, std::int64_t duree) {
        Ouvre();
        ligne->Repond(0xFF, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, std::move(delais));
        const std::int64_t debut = horloge.Monotone();
        port.EcritPort("\xFF");
        const std::string s = port.LitPort(12);
        EXPECT_EQ(horloge.Monotone() - debut, duree);
        return s;
    };
    ligne->LignePerdueApres = 3; // a line lost midway fails at once
    EXPECT_EQ(lit({}, 0), "Erreur L=3");
    ligne->LignePerdueApres = -1;
    EXPECT_EQ(lit({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 5000}, 1000), "Erreur L=11");
    EXPECT_TRUE(!port.Connecte && ligne->Traces.back() == "close");
    // A silent module, and a slow trickle (bytes at 0, 500 and 1000 ms), are bounded by the
    // total 10 ms x 12 + 1000 ms; the interval counts only after the first byte.
    EXPECT_EQ(lit({5000}, 1120), "Erreur L=0");
    EXPECT_EQ(lit({0, 500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500, 5000, 5500}, 1120),
              "Erreur L=3");
    EXPECT_EQ(lit({1050, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100, 1100}, 1100),
              "\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A\x0B\x0C");
    // The total budget follows the count asked for.
    const std::int64_t debut = horloge.Monotone();
    EXPECT_EQ(port.LitPort(5), "Erreur L=0");
    EXPECT_EQ(horloge.Monotone() - debut, 10 * 5 + 1000);
}

TEST_F(Liaison, LecturesEtConsignes) {
    Connecte();
    module.LectureValeur();
    module.SetCharge(0);
    module.SetCharge(150);
    module.SetCharge(CommandeFinCycle);
    EXPECT_EQ(ligne->Traces, (Journal{"purge", "write", "write", "write", "write"}));
    TMesure avant{0, 3450, 253, 914, 2430, 1360, 3304, 276, 2000, 1000, 2000, 1000, 0};
    EXPECT_EQ(etude->MesureCourante, avant);

    ligne->Repond(0xFD, {'Z', 'Y', 'V', 1, 2, 3});
    EXPECT_EQ(module.LectureVersion(), std::string("ZYV\x01\x02\x03", 6));
    // A short reply closes the port, marks the reading and keeps the values.
    ligne->Repond(0xFF, {0x09, 0x7E, 0x05});
    module.LectureValeur();
    EXPECT_FALSE(module.Connecte());
    avant[GNumero] = -1;
    EXPECT_EQ(etude->MesureCourante, avant);
    // Closed: the reading is marked again, the version is empty.
    etude->MesureCourante[GNumero] = 0;
    module.LectureValeur();
    std::string s = "ancien";
    module.LectureVersion(s);
    EXPECT_EQ(std::pair(etude->MesureCourante[GNumero], s), std::pair(-1, std::string()));
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
    EXPECT_EQ(std::pair(etude->MesureCourante[GTemps], etude->PasCharge), std::pair(1575, 32));
    // The time of day set back an hour (NTP, daylight saving): the cycle's time goes on.
    horloge.RegleHeure(horloge.MillisecondesDepuisMinuit() + MillisecondesParJour - 3600000);
    horloge.Avance(300);
    module.LectureValeur();
    EXPECT_EQ(std::pair(etude->MesureCourante[GTemps], etude->PasCharge), std::pair(1605, 32));
}

TEST(ListePorts, SimulDernierEtNomExact) {
    std::vector<std::string> items;
    const SourcePorts source = [] {
        return std::vector<std::string>{"COM3", "COM1", "COM3", "com4"};
    };
    // The last equal entry wins; names compare exactly; SIMUL alone without a source.
    EXPECT_EQ((std::array{Setnumcomport(items, source, "COM3"),
                          Setnumcomport(items, source, "COM4"), Setnumcomport(items, {}, "SIMUL")}),
              (std::array{2, -1, 0}));
    EXPECT_EQ(NomComportSelect(items, -1), "");
}

} // namespace
} // namespace zyv
