#include "core/data/Travail.h"

#include <gtest/gtest.h>

#include <memory>

using namespace zyv;

TEST(ShortString, CutsAtCapacityAndKeepsBytes) {
    ShortString<6> s;
    s.Affecte("ttyUSB0");
    EXPECT_EQ(s.Longueur, 6);
    EXPECT_EQ(s.Texte(), "ttyUSB");
    s.Affecte("COM3");
    EXPECT_EQ(s.Texte(), "COM3");
    EXPECT_EQ(s.Octets[4], 0);
}

TEST(Etude, StartsWithNoReadingAndTrialOne) {
    auto e = std::make_unique<Etude>();
    EXPECT_EQ(e->MesureCourante[0], -1);
    EXPECT_EQ(e->EssaiCourant, 1);
    EXPECT_TRUE(e->Enregistre);
    EXPECT_EQ(e->Config.Port(), "");
}
