#include "TransportScripte.h"
#include "core/link/PortCom.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>

namespace zyv {
namespace {

using test::TransportScripte;

struct PortComTest : ::testing::Test {
    HorlogeManuelle horloge;
    std::shared_ptr<TransportScripte> ligne = std::make_shared<TransportScripte>(horloge);
    int fabrications = 0;
    TPortCom port{[this](const std::string&) {
                      ++fabrications;
                      return ligne;
                  },
                  horloge};

    void Ouvre() {
        port.InitialisePort("COM12");
        ASSERT_TRUE(port.OuvrePort());
    }
    static std::vector<std::uint8_t> Suite(int n) {
        std::vector<std::uint8_t> v(static_cast<std::size_t>(n));
        std::iota(v.begin(), v.end(), std::uint8_t{1});
        return v;
    }
};

TEST_F(PortComTest, OuverturePurgeEtLeveDtr) {
    ligne->OuvertureAccepte = false;
    port.InitialisePort("COM99");
    EXPECT_FALSE(port.OuvrePort());
    EXPECT_EQ(port.Handle, nullptr);
    port.FermePort(); // harmless when closed
    EXPECT_FALSE(port.Connecte);
    EXPECT_EQ(port.LitPort(6), "Erreur L=0");

    ligne->OuvertureAccepte = true;
    ligne->Journal.clear();
    port.InitialisePort("COM10");
    EXPECT_EQ(port.Parametres.Vitesse, 19200);
    EXPECT_EQ(port.Delais.ConstanteLecture, 1000);
    ASSERT_TRUE(port.OuvrePort());
    EXPECT_TRUE(port.Connecte);
    EXPECT_EQ(ligne->NomOuvert, "COM10");
    EXPECT_EQ(ligne->Journal, (std::vector<std::string>{"open", "purge", "dtr"}));
}

TEST_F(PortComTest, SecondeOuvertureRelacheLaPremiere) {
    Ouvre();
    ASSERT_TRUE(port.OuvrePort());
    EXPECT_EQ(fabrications, 2);
    EXPECT_EQ(ligne->Journal,
              (std::vector<std::string>{"open", "purge", "dtr", "close", "open", "purge", "dtr"}));
    EXPECT_TRUE(port.Connecte);
}

TEST_F(PortComTest, LectureCompleteRendChaqueOctetTelQuel) {
    Ouvre();
    std::vector<std::uint8_t> octets{0x00, 0xFF, 0x80, 0x0D, 0x0A, 0x1A};
    ligne->Repond(0xFD, octets, {3, 3, 4, 4, 5, 6});
    port.EcritPort("\xFD");
    const std::string s = port.LitPort(6);
    ASSERT_EQ(s.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(static_cast<std::uint8_t>(s[i]), octets[i]);
    EXPECT_TRUE(port.Connecte);
    EXPECT_EQ(horloge.Monotone(), 6);
}

TEST_F(PortComTest, ModuleMuetEchoueApresLeDelaiTotal) {
    Ouvre();
    EXPECT_EQ(port.LitPort(12), "Erreur L=0");
    EXPECT_EQ(horloge.Monotone(), 1120);
    EXPECT_FALSE(port.Connecte);
    EXPECT_EQ(port.Handle, nullptr);
    EXPECT_EQ(ligne->Journal.back(), "close");

    Ouvre();
    const std::int64_t debut = horloge.Monotone();
    EXPECT_EQ(port.LitPort(6), "Erreur L=0");
    EXPECT_EQ(horloge.Monotone() - debut, 1060);
}

TEST_F(PortComTest, ReponseCourteEchoueSurLIntervalle) {
    Ouvre();
    ligne->Repond(0xFF, Suite(11));
    port.EcritPort("\xFF");
    EXPECT_EQ(port.LitPort(12), "Erreur L=11");
    EXPECT_EQ(horloge.Monotone(), 1000); // 1000 ms of silence after the eleventh byte
    EXPECT_FALSE(port.Connecte);
}

TEST_F(PortComTest, IntervalleCompteSeulementApresLePremierOctet) {
    Ouvre();
    // First byte after 1050 ms of silence, the rest soon after: still within 1120 ms.
    std::vector<std::int64_t> delais(12, 1100);
    delais[0] = 1050;
    ligne->Repond(0xFF, Suite(12), delais);
    port.EcritPort("\xFF");
    EXPECT_EQ(port.LitPort(12).size(), 12u);
    EXPECT_TRUE(port.Connecte);
}

TEST_F(PortComTest, LeDelaiTotalBorneUnFiletLent) {
    Ouvre();
    std::vector<std::int64_t> delais;
    for (int i = 0; i < 12; ++i) delais.push_back(500 * i);
    ligne->Repond(0xFF, Suite(12), delais);
    port.EcritPort("\xFF");
    EXPECT_EQ(port.LitPort(12), "Erreur L=3"); // bytes at 0, 500 and 1000 ms; budget 1120 ms
    EXPECT_EQ(horloge.Monotone(), 1120);
}

TEST_F(PortComTest, LignePerdueFermeLePortAvecLeCompte) {
    Ouvre();
    ligne->Repond(0xFF, Suite(12));
    ligne->LignePerdueApres = 4;
    port.EcritPort("\xFF");
    EXPECT_EQ(port.LitPort(12), "Erreur L=4");
    EXPECT_FALSE(port.Connecte);
    EXPECT_LT(horloge.Monotone(), 1000);
}

TEST_F(PortComTest, EcritureDUnOctetNulEtEchec) {
    Ouvre();
    port.EcritPort(std::string(1, '\0'));
    EXPECT_EQ(ligne->Ecrits, std::vector<std::uint8_t>{0x00});
    EXPECT_EQ(ligne->DelaisEcriture.back(), 110);
    EXPECT_TRUE(port.Connecte);

    ligne->EcritureAccepte = false;
    port.EcritPort("\x05");
    EXPECT_FALSE(port.Connecte);
    EXPECT_EQ(port.Handle, nullptr);

    port.EcritPort("\x05"); // closed: nothing goes out, the port stays closed
    EXPECT_FALSE(port.Connecte);
    EXPECT_EQ(ligne->Ecrits.size(), 1u);
}

} // namespace
} // namespace zyv
