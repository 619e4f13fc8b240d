#include "TransportScripte.h"
#include "core/link/PortCom.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace zyv {
namespace {

using test::TransportScripte;
using Journal = std::vector<std::string>;

struct PortComTest : ::testing::Test {
    HorlogeManuelle horloge;
    std::shared_ptr<TransportScripte> ligne = std::make_shared<TransportScripte>(horloge);
    TPortCom port{[this](const std::string&) { return ligne; }, horloge};

    void Ouvre() {
        port.InitialisePort("COM12");
        ASSERT_TRUE(port.OuvrePort());
    }
    // Twelve bytes 1..12 answering FF, each readable at the given delay after the command.
    std::string Lit12(std::vector<std::int64_t> delais) {
        std::vector<std::uint8_t> v(12);
        std::iota(v.begin(), v.end(), std::uint8_t{1});
        ligne->Repond(0xFF, v, std::move(delais));
        port.EcritPort("\xFF");
        return port.LitPort(12);
    }
};

TEST_F(PortComTest, OuverturePurgeLeveDtrEtRelacheLaPrecedente) {
    ligne->OuvertureAccepte = false;
    port.InitialisePort("COM99");
    EXPECT_FALSE(port.OuvrePort());
    EXPECT_EQ(port.Handle, nullptr);
    port.FermePort(); // harmless when closed
    EXPECT_EQ(port.LitPort(6), "Erreur L=0");

    ligne->OuvertureAccepte = true;
    ligne->Journal.clear();
    Ouvre();
    ASSERT_TRUE(port.OuvrePort());
    EXPECT_TRUE(port.Connecte);
    EXPECT_EQ(ligne->NomOuvert, "COM12");
    EXPECT_EQ(ligne->Journal, (Journal{"open", "purge", "dtr", "close", "open", "purge", "dtr"}));
}

TEST_F(PortComTest, LectureCompleteRendChaqueOctetTelQuel) {
    Ouvre();
    const std::vector<std::uint8_t> octets{0x00, 0xFF, 0x80, 0x0D, 0x0A, 0x1A};
    ligne->Repond(0xFD, octets, {3, 3, 4, 4, 5, 6});
    port.EcritPort("\xFD");
    const std::string s = port.LitPort(6);
    EXPECT_EQ(std::vector<std::uint8_t>(s.begin(), s.end()), octets);
    EXPECT_TRUE(port.Connecte);
    EXPECT_EQ(horloge.Monotone(), 6);
}

TEST_F(PortComTest, DelaisTotalEtIntervalle) {
    Ouvre();
    EXPECT_EQ(port.LitPort(12), "Erreur L=0") << "silent module";
    EXPECT_EQ(horloge.Monotone(), 1120);
    EXPECT_FALSE(port.Connecte);
    EXPECT_EQ(port.Handle, nullptr);
    EXPECT_EQ(ligne->Journal.back(), "close");

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

TEST_F(PortComTest, LignePerdueEtEcritures) {
    Ouvre();
    ligne->LignePerdueApres = 4;
    EXPECT_EQ(Lit12({}), "Erreur L=4");
    EXPECT_FALSE(port.Connecte);
    EXPECT_LT(horloge.Monotone(), 1000);

    ligne->LignePerdueApres = -1;
    ligne->Ecrits.clear();
    Ouvre();
    port.EcritPort(std::string(1, '\0'));
    EXPECT_EQ(ligne->Ecrits, std::vector<std::uint8_t>{0x00});
    EXPECT_EQ(ligne->DelaisEcriture.back(), 110);
    EXPECT_TRUE(port.Connecte);
    ligne->EcritureAccepte = false;
    port.EcritPort("\x05");
    EXPECT_FALSE(port.Connecte);
    port.EcritPort("\x05"); // closed: nothing goes out
    EXPECT_EQ(ligne->Ecrits.size(), 1u);
}

} // namespace
} // namespace zyv
