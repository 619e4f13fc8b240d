#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace zyv;

namespace {

std::unique_ptr<Etude> NouvelleEtude() {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    return e;
}

// Appends points whose speed takes the given values; the other quantities derive from it.
void AjouteVitesses(Etude& e, const std::vector<int>& vitesses) {
    for (int v : vitesses) {
        for (int q = 0; q < NbGrandeurs; ++q) e.MesureCourante[q] = v * 100 + q;
        e.MesureCourante[GVitesse] = v;
        AjoutePoint(e);
    }
}

std::vector<int> Colonne(const Etude& e, int t, int q) {
    std::vector<int> v;
    const TEssai& essai = e.Travail.Essai(t);
    for (int i = 0; i <= essai.DernierPoint; ++i) v.push_back(essai.Valeur(q, i));
    return v;
}

// Every point still carries the values it was acquired with.
void VerifiePointsIntacts(const Etude& e, int t) {
    const TEssai& essai = e.Travail.Essai(t);
    for (int i = 0; i <= essai.DernierPoint; ++i) {
        const int v = essai.Valeur(GVitesse, i);
        for (int q = 2; q < NbGrandeurs; ++q) EXPECT_EQ(essai.Valeur(q, i), v * 100 + q);
    }
}

} // namespace

TEST(NouveauTravail, GivesOneEmptyTrialAndTheQuantityTable) {
    auto e = std::make_unique<Etude>();
    e->Travail.Caract[0].Defini = true;
    e->Travail.Caract[2].Defini = true;
    e->Travail.NbEssais = 4;
    e->Travail.Essai(3).DernierPoint = 12;
    e->Travail.Essai(3).Valeur(GVitesse, 0) = 77;
    e->EssaiCourant = 3;
    e->Enregistre = false;
    e->NomFichier = "a.ZYV";
    NouveauTravail(*e);

    const TTravail& w = e->Travail;
    EXPECT_EQ(w.Signature.Texte(), "ZYV-1");
    EXPECT_EQ(w.Reserve1, 1500);
    EXPECT_EQ(w.NbEssais, 1);
    EXPECT_EQ(w.Interpolation, -1);
    EXPECT_EQ(NbCaract(*e), 0);
    EXPECT_TRUE(w.Caract[0].Defini) << "the working slot is not reset";
    EXPECT_EQ(w.Caract[2], TCaract{});
    EXPECT_EQ(w.Essai(3).DernierPoint, -1);
    EXPECT_EQ(w.Essai(3).TypeCharge, 2);
    EXPECT_EQ(w.Essai(3).Valeur(GVitesse, 0), 77) << "only trial headers are reset";
    EXPECT_EQ(w.Grandeurs, TableGrandeurs());
    EXPECT_EQ(e->EssaiCourant, 1);
    EXPECT_TRUE(e->Enregistre);
    EXPECT_EQ(e->MesureCourante[0], -1);
    EXPECT_TRUE(e->NomFichier.empty());
}

TEST(Grandeurs, TableHoldsTheFileBytesAndDecimals) {
    const auto& t = TableGrandeurs();
    EXPECT_EQ(t[GNumero].Nom.Texte(), "Num\xE9ro");
    EXPECT_EQ(t[GNumero].Symbole.Texte(), "N\xB0");
    EXPECT_EQ(t[GNumero].Unite.Longueur, 0);
    EXPECT_EQ(t[GCouple].Nom.Texte(), "Couple ");
    EXPECT_EQ(t[GPuissanceGene].Nom.Texte(), "Puissance \xE9lectrique g\xE9n\xE9ratrice");
    EXPECT_EQ(t[GRendementMoteur].Symbole.Texte(), t[GRendementGene].Symbole.Texte());
    const int decimales[NbGrandeurs] = {0, 0, 1, 2, 2, 3, 2, 1, 2, 3, 2, 1, 2};
    const int pleines[NbGrandeurs] = {4000, 7500, 700,  5000, 3500, 2500, 6000,
                                      1000, 4000, 2500, 4000, 1000, 7300};
    for (int q = 0; q < NbGrandeurs; ++q) {
        EXPECT_EQ(t[q].Decimales, decimales[q]) << q;
        EXPECT_EQ(t[q].Exposant, -decimales[q]) << q;
        EXPECT_EQ(t[q].PleineEchelle, pleines[q]) << q;
        EXPECT_EQ(t[q].Reserve1, 1) << q;
    }
    EXPECT_EQ(GrandeurEnergie().Unite.Texte(), "J");
    EXPECT_EQ(GrandeurEnergie().PleineEchelle, 50000);
    EXPECT_EQ(GrandeurEnergie().Exposant, -1);
    EXPECT_EQ(GrandeurCourant().Symbole.Texte(), "I");
    EXPECT_EQ(GrandeurCourant().Decimales, 3);
}

TEST(AjoutePoint, NumbersPointsInAcquisitionOrderAndStopsAtTheLastSlot) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {1500});
    const TEssai& essai = e->Travail.Essai(1);
    EXPECT_EQ(essai.DernierPoint, 0);
    EXPECT_EQ(essai.Valeur(GNumero, 0), 0);
    EXPECT_EQ(essai.Valeurs[GVitesse][0], 0) << "slot 0 holds no point";
    EXPECT_EQ(essai.Valeurs[GVitesse][1], 1500);
    EXPECT_EQ(e->MesureCourante[0], 0);
    EXPECT_FALSE(e->Enregistre);

    for (int i = 1; i < NbPointsMax; ++i) AjoutePoint(*e);
    EXPECT_EQ(essai.DernierPoint, 2000);
    e->MesureCourante[GVitesse] = 9999;
    e->Enregistre = true;
    AjoutePoint(*e);
    EXPECT_EQ(essai.DernierPoint, 2000);
    EXPECT_TRUE(e->Enregistre);
    EXPECT_EQ(e->MesureCourante[GVitesse], 9999);
    EXPECT_EQ(e->Travail.Essai(2).Valeurs[GNumero][0], 0) << "nothing spilled into trial 2";

    e->EssaiCourant = 0;
    e->Travail.Essai(1).DernierPoint = 3;
    AjoutePoint(*e);
    EXPECT_EQ(e->Travail.Essai(1).DernierPoint, 3);
}

TEST(TrieEssai, FollowsTheExactPartitionSteps) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {2, 1, 2, 1});
    TrieEssai(*e, 0, GVitesse, 1);
    // A stable sort would give 1 3 0 2.
    EXPECT_EQ(Colonne(*e, 1, GNumero), (std::vector<int>{3, 1, 0, 2}));
    VerifiePointsIntacts(*e, 1);

    auto d = NouvelleEtude();
    AjouteVitesses(*d, {1, 2, 1, 2});
    TrieEssai(*d, 1, GVitesse, 1);
    EXPECT_EQ(Colonne(*d, 1, GNumero), (std::vector<int>{3, 1, 0, 2}));
    EXPECT_EQ(Colonne(*d, 1, GVitesse), (std::vector<int>{2, 2, 1, 1}));
}

TEST(TrieEssai, SortsSignedKeysAndRefusesUnknownArguments) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {5, -3, 40, 0, -3, 7, 1000, -2000});
    TrieEssai(*e, 0, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), (std::vector<int>{-2000, -3, -3, 0, 5, 7, 40, 1000}));
    VerifiePointsIntacts(*e, 1);
    TrieEssai(*e, 1, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), (std::vector<int>{1000, 40, 7, 5, 0, -3, -3, -2000}));
    e->Enregistre = true;

    const auto avant = Colonne(*e, 1, GVitesse);
    TrieEssai(*e, 2, GVitesse, 1);
    TrieEssai(*e, 0, NbGrandeurs, 1);
    TrieEssai(*e, 0, -1, 1);
    TrieEssai(*e, 0, GVitesse, 2);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), avant);
    EXPECT_TRUE(e->Enregistre) << "sorting is not a change";

    // A key read from a file that names no quantity must not index past the columns.
    e->Travail.Essai(1).TriGrandeur = 1000;
    TrieEssais(*e);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), avant);
}

TEST(TrieEssai, AllEqualKeysKeepEveryPoint) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {7, 7, 7, 7, 7, 7, 7});
    TrieEssai(*e, 0, GVitesse, 1);
    EXPECT_EQ(e->Travail.Essai(1).DernierPoint, 6);
    auto numeros = Colonne(*e, 1, GNumero);
    std::sort(numeros.begin(), numeros.end());
    EXPECT_EQ(numeros, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    VerifiePointsIntacts(*e, 1);
}

TEST(SupprimePointEssai, RenumbersInAcquisitionOrderThenSortsAgain) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {300, 100, 500, 200, 400});
    NouvelEssai(*e);
    AjouteVitesses(*e, {9, 8});
    e->Travail.Essai(1).TriGrandeur = GVitesse;
    e->Travail.Essai(2).TriGrandeur = GVitesse;
    e->Travail.Essai(2).TriOrdre = 1;
    TrieEssais(*e);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), (std::vector<int>{100, 200, 300, 400, 500}));
    e->Enregistre = true;

    SupprimePointEssai(*e, 2, 1); // the point numbered 2 holds speed 500
    EXPECT_EQ(e->Travail.Essai(1).DernierPoint, 3);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), (std::vector<int>{100, 200, 300, 400}));
    EXPECT_EQ(Colonne(*e, 1, GNumero), (std::vector<int>{1, 2, 0, 3}));
    VerifiePointsIntacts(*e, 1);
    EXPECT_EQ(Colonne(*e, 2, GVitesse), (std::vector<int>{9, 8})) << "other trials sorted again";
    EXPECT_FALSE(e->Enregistre);

    // In acquisition mode the caller passes DernierPoint: the latest point goes.
    SupprimePointEssai(*e, e->Travail.Essai(1).DernierPoint, 1);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), (std::vector<int>{100, 200, 300}));

    e->Enregistre = true;
    SupprimePointEssai(*e, 3, 1);
    SupprimePointEssai(*e, -1, 1);
    SupprimePointEssai(*e, 0, 3);
    SupprimePointEssai(*e, 0, 0);
    EXPECT_EQ(e->Travail.Essai(1).DernierPoint, 2);
    EXPECT_TRUE(e->Enregistre);
}

TEST(NouvelEssai, InheritsSettingsOfThePreviousTrialUpToFive) {
    auto e = NouvelleEtude();
    NouvelEssai(*e);
    TEssai& deux = e->Travail.Essai(2);
    deux.TriGrandeur = 4;
    deux.TriOrdre = 1;
    deux.TypeCharge = 5;
    deux.ChargeMax = 120;
    deux.ChargeMin = 30;
    deux.Consignes[0] = 30;
    deux.Consignes[120] = 120;
    deux.Commentaire.Affecte("charge lourde");
    AjouteVitesses(*e, {1, 2});
    e->Enregistre = true;

    NouvelEssai(*e);
    const TEssai& trois = e->Travail.Essai(3);
    EXPECT_EQ(e->Travail.NbEssais, 3);
    EXPECT_EQ(e->EssaiCourant, 3);
    EXPECT_EQ(trois.DernierPoint, -1);
    EXPECT_EQ(trois.Commentaire.Longueur, 0);
    EXPECT_EQ(trois.TriGrandeur, 4);
    EXPECT_EQ(trois.TriOrdre, 1);
    EXPECT_EQ(trois.TypeCharge, 5);
    EXPECT_EQ(trois.ChargeMax, 120);
    EXPECT_EQ(trois.ChargeMin, 30);
    EXPECT_EQ(trois.Consignes, deux.Consignes);
    EXPECT_FALSE(e->Enregistre);

    NouvelEssai(*e);
    NouvelEssai(*e);
    e->Enregistre = true;
    e->EssaiCourant = 2;
    NouvelEssai(*e);
    EXPECT_EQ(e->Travail.NbEssais, 5);
    EXPECT_EQ(e->EssaiCourant, 2);
    EXPECT_TRUE(e->Enregistre);
}

TEST(SupprimeEssai, MovesLaterTrialsDownWhole) {
    auto e = NouvelleEtude();
    for (int t = 1; t <= 4; ++t) {
        if (t > 1) NouvelEssai(*e);
        e->Travail.Essai(t).Commentaire.Affecte("essai " + std::to_string(t));
        AjouteVitesses(*e, std::vector<int>(static_cast<std::size_t>(t), t * 10));
    }
    SupprimeEssai(*e, 2);
    const TTravail& w = e->Travail;
    EXPECT_EQ(w.NbEssais, 3);
    EXPECT_EQ(e->EssaiCourant, 1);
    EXPECT_FALSE(e->Enregistre);
    EXPECT_EQ(w.Essai(2).Commentaire.Texte(), "essai 3");
    EXPECT_EQ(Colonne(*e, 2, GVitesse), (std::vector<int>{30, 30, 30}));
    EXPECT_EQ(w.Essai(3).Commentaire.Texte(), "essai 4");
    EXPECT_EQ(Colonne(*e, 3, GVitesse), (std::vector<int>{40, 40, 40, 40}));
    EXPECT_EQ(w.Essai(4).DernierPoint, -1);
    EXPECT_EQ(w.Essai(4).Commentaire.Longueur, 0);

    e->Enregistre = true;
    SupprimeEssai(*e, 4);
    SupprimeEssai(*e, 0);
    EXPECT_EQ(w.NbEssais, 3);
    SupprimeEssai(*e, 3);
    SupprimeEssai(*e, 2);
    EXPECT_EQ(w.NbEssais, 1);
    e->Enregistre = true;
    SupprimeEssai(*e, 1);
    EXPECT_EQ(w.NbEssais, 1) << "the only trial stays";
    EXPECT_TRUE(e->Enregistre);
}

TEST(SupprimeCaract, PacksTheSlots) {
    auto e = NouvelleEtude();
    for (int k = 1; k <= 3; ++k) {
        e->Travail.Caract[k].Defini = true;
        e->Travail.Caract[k].GrandeurY = k;
    }
    SupprimeCaract(*e, 1);
    EXPECT_EQ(NbCaract(*e), 2);
    EXPECT_EQ(e->Travail.Caract[1].GrandeurY, 2);
    EXPECT_EQ(e->Travail.Caract[2].GrandeurY, 3);
    EXPECT_EQ(e->Travail.Caract[3], TCaract{});
    EXPECT_EQ(e->Travail.Caract[4], TCaract{});
    EXPECT_FALSE(e->Enregistre);

    e->Enregistre = true;
    SupprimeCaract(*e, 0);
    SupprimeCaract(*e, 5);
    EXPECT_EQ(NbCaract(*e), 2);
    EXPECT_TRUE(e->Enregistre);
}

TEST(SelectionnePoint, CopiesAPointOrClearsTheSelection) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {10, 20, 30});
    SelectionnePoint(*e, 1);
    EXPECT_EQ(e->MesureCourante[GVitesse], 20);
    EXPECT_EQ(e->MesureCourante[GTemps], 20 * 100 + GTemps);
    EXPECT_EQ(e->MesureCourante[0], 1);
    SelectionnePoint(*e, -1);
    EXPECT_EQ(e->MesureCourante[0], -1);
    EXPECT_EQ(e->MesureCourante[GVitesse], 20) << "clearing keeps the values";
    SelectionnePoint(*e, 3);
    EXPECT_EQ(e->MesureCourante[0], -1) << "past the last point: refused";
}

TEST(FormatEntier, TruncatesWithADecimalComma) {
    EXPECT_EQ(FormatEntier(1360, 3), "1,360");
    EXPECT_EQ(FormatEntier(-1360, 3), "-1,360");
    EXPECT_EQ(FormatEntier(24, 2), "0,24");
    EXPECT_EQ(FormatEntier(7, 2), "0,07");
    EXPECT_EQ(FormatEntier(5, 3), "0,005");
    EXPECT_EQ(FormatEntier(-5, 1), "-0,5");
    EXPECT_EQ(FormatEntier(-5, 2), "-0,05");
    EXPECT_EQ(FormatEntier(3450, 0), "3450");
    EXPECT_EQ(FormatEntier(1500, 0), "1500");
    EXPECT_EQ(FormatEntier(0, 0), "0");
    EXPECT_EQ(FormatEntier(0, 2), "0,00");
    EXPECT_EQ(FormatEntier(-7, 0), "-7");
    EXPECT_EQ(FormatEntier(INT32_MIN, 0), "-2147483648");
    EXPECT_EQ(FormatEntier(INT32_MIN, 3), "-2147483,648");
    EXPECT_EQ(FormatEntier(INT32_MIN, 12), "-0,002147483648");
    EXPECT_EQ(FormatEntier(INT32_MAX, 2), "21474836,47");
    EXPECT_EQ(FormatEntier(12, -3), "12");
    EXPECT_EQ(FormatEntier(1, 2000000000).size(), 22u) << "absurd decimals from a file are capped";
}

TEST(FormatMesure, AppendsABlankAndTheUnit) {
    auto e = NouvelleEtude();
    e->MesureCourante = {4, 3450, 253, 0, 2430, 1360, -5, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(FormatMesure(*e, GNumero), "4 ");
    EXPECT_EQ(FormatMesure(*e, GVitesse), "3450 tr/min");
    EXPECT_EQ(FormatMesure(*e, GCouple), "25,3 mN.m");
    EXPECT_EQ(FormatMesure(*e, GTensionMoteur), "24,30 V");
    EXPECT_EQ(FormatMesure(*e, GCourantMoteur), "1,360 A");
    EXPECT_EQ(FormatMesure(*e, GPuissanceMoteur), "-0,05 W");
    EXPECT_EQ(FormatMesure(*e, NbGrandeurs), "");
}
