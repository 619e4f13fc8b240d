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

// Each point gets speed v and v * 100 + q in every other quantity q, so points can be checked
// whole.
void AjouteVitesses(Etude& e, const std::vector<int>& vitesses) {
    for (int v : vitesses) {
        for (int q = 0; q < NbGrandeurs; ++q) e.MesureCourante[q] = v * 100 + q;
        e.MesureCourante[GVitesse] = v;
        AjoutePoint(e);
    }
}

std::vector<int> Colonne(const Etude& e, int t, int q) {
    std::vector<int> v;
    for (int i = 0; i <= e.Travail.Essai(t).DernierPoint; ++i)
        v.push_back(e.Travail.Essai(t).Valeur(q, i));
    return v;
}

bool PointsIntacts(const Etude& e, int t) {
    const TEssai& s = e.Travail.Essai(t);
    for (int i = 0; i <= s.DernierPoint; ++i)
        for (int q = 2; q < NbGrandeurs; ++q)
            if (s.Valeur(q, i) != s.Valeur(GVitesse, i) * 100 + q) return false;
    return true;
}

} // namespace

TEST(NouveauTravail, ResetsHeadersButNotTheWorkingSlotOrTheColumns) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {77});
    NouvelEssai(*e);
    e->Travail.Caract[0].Defini = e->Travail.Caract[2].Defini = true;
    e->NomFichier = "a.ZYV";
    NouveauTravail(*e);
    const TTravail& w = e->Travail;
    EXPECT_EQ(w.Signature.Texte(), "ZYV-1");
    EXPECT_EQ(w.NbEssais, 1);
    EXPECT_EQ(w.Interpolation, -1);
    EXPECT_EQ(NbCaract(*e), 0);
    EXPECT_TRUE(w.Caract[0].Defini);
    EXPECT_EQ(w.Essai(1).DernierPoint, -1);
    EXPECT_EQ(w.Essai(2).TypeCharge, 2);
    EXPECT_EQ(w.Essai(1).Valeur(GVitesse, 0), 77);
    EXPECT_EQ(w.Grandeurs[GCourantMoteur].Decimales, 3);
    EXPECT_EQ(e->EssaiCourant, 1);
    EXPECT_TRUE(e->Enregistre);
    EXPECT_EQ(e->MesureCourante[0], -1);
    EXPECT_TRUE(e->NomFichier.empty());
}

TEST(AjoutePoint, NumbersInAcquisitionOrderAndRefusesAFullTrial) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {1500});
    const TEssai& essai = e->Travail.Essai(1);
    EXPECT_EQ(essai.Valeurs[GVitesse][0], 0) << "slot 0 holds no point";
    EXPECT_EQ(essai.Valeurs[GVitesse][1], 1500);
    EXPECT_EQ(e->MesureCourante[0], 0);
    EXPECT_FALSE(e->Enregistre);
    for (int i = 1; i < NbPointsMax; ++i) AjoutePoint(*e);
    EXPECT_EQ(essai.DernierPoint, 2000);
    e->Enregistre = true;
    AjoutePoint(*e);
    EXPECT_EQ(essai.DernierPoint, 2000);
    EXPECT_TRUE(e->Enregistre);
    EXPECT_EQ(e->Travail.Essai(2).Valeurs[GNumero][0], 0) << "nothing spilled into trial 2";
}

TEST(TrieEssai, FollowsTheExactPartitionStepsOnSignedKeys) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {2, 1, 2, 1});
    TrieEssai(*e, 0, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, 1, GNumero), (std::vector<int>{3, 1, 0, 2}))
        << "not 1 3 0 2 as a stable sort";
    TrieParNumero(*e);
    TrieEssai(*e, 1, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, 1, GNumero), (std::vector<int>{2, 0, 3, 1}));

    auto s = NouvelleEtude();
    AjouteVitesses(*s, {5, -3, 40, 0, -3, 7, 1000, -2000});
    TrieEssai(*s, 0, GVitesse, 1);
    EXPECT_EQ(Colonne(*s, 1, GVitesse), (std::vector<int>{-2000, -3, -3, 0, 5, 7, 40, 1000}));
    EXPECT_TRUE(PointsIntacts(*s, 1));
    // Unknown order, quantity or trial: nothing moves, and a key read from a file that names no
    // quantity must not index past the columns.
    TrieEssai(*s, 2, GNumero, 1);
    TrieEssai(*s, 0, NbGrandeurs, 1);
    TrieEssai(*s, 0, GNumero, 2);
    s->Travail.Essai(1).TriGrandeur = 1000;
    TrieEssais(*s);
    EXPECT_EQ(Colonne(*s, 1, GVitesse).front(), -2000);

    auto egaux = NouvelleEtude();
    AjouteVitesses(*egaux, {7, 7, 7, 7, 7, 7, 7});
    TrieEssai(*egaux, 0, GVitesse, 1);
    auto numeros = Colonne(*egaux, 1, GNumero);
    std::sort(numeros.begin(), numeros.end());
    EXPECT_EQ(numeros, (std::vector<int>{0, 1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(PointsIntacts(*egaux, 1));
}

TEST(SupprimePointEssai, RenumbersInAcquisitionOrderThenSortsAgain) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {300, 100, 500, 200, 400});
    e->Travail.Essai(1).TriGrandeur = GVitesse;
    TrieEssais(*e);
    SupprimePointEssai(*e, 2, 1); // speed 500
    EXPECT_EQ(Colonne(*e, 1, GVitesse), (std::vector<int>{100, 200, 300, 400}));
    EXPECT_EQ(Colonne(*e, 1, GNumero), (std::vector<int>{1, 2, 0, 3}));
    EXPECT_TRUE(PointsIntacts(*e, 1));
    EXPECT_FALSE(e->Enregistre);
    // While acquiring, the caller passes DernierPoint: the latest point goes.
    SupprimePointEssai(*e, e->Travail.Essai(1).DernierPoint, 1);
    EXPECT_EQ(Colonne(*e, 1, GVitesse), (std::vector<int>{100, 200, 300}));
    e->Enregistre = true;
    for (auto [n, t] : {std::pair{3, 1}, {-1, 1}, {0, 0}, {0, 2}}) SupprimePointEssai(*e, n, t);
    EXPECT_EQ(e->Travail.Essai(1).DernierPoint, 2);
    EXPECT_TRUE(e->Enregistre);
}

TEST(Essais, NewTrialInheritsSettingsAndDeletionMovesLaterTrialsDown) {
    auto e = NouvelleEtude();
    NouvelEssai(*e);
    TEssai& deux = e->Travail.Essai(2);
    deux.TriGrandeur = 4, deux.TriOrdre = 1, deux.TypeCharge = 5, deux.ChargeMax = 120;
    deux.Consignes[120] = 120;
    deux.Commentaire.Affecte("deux");
    AjouteVitesses(*e, {1, 2});
    NouvelEssai(*e);
    const TEssai& trois = e->Travail.Essai(3);
    EXPECT_EQ(e->EssaiCourant, 3);
    EXPECT_EQ(trois.DernierPoint, -1);
    EXPECT_EQ(trois.Commentaire.Longueur, 0);
    EXPECT_EQ(trois.TriOrdre, 1);
    EXPECT_EQ(trois.ChargeMax, 120);
    EXPECT_EQ(trois.Consignes, deux.Consignes);
    AjouteVitesses(*e, {3, 3, 3});
    NouvelEssai(*e);
    NouvelEssai(*e);
    e->Enregistre = true;
    NouvelEssai(*e);
    EXPECT_EQ(e->Travail.NbEssais, 5);
    EXPECT_TRUE(e->Enregistre);

    SupprimeEssai(*e, 2);
    EXPECT_EQ(e->Travail.NbEssais, 4);
    EXPECT_EQ(e->EssaiCourant, 1);
    EXPECT_EQ(Colonne(*e, 2, GVitesse), (std::vector<int>{3, 3, 3})) << "moved whole";
    EXPECT_EQ(e->Travail.Essai(5).DernierPoint, -1);
    EXPECT_FALSE(e->Enregistre);
    for (int t : {4, 3, 2}) SupprimeEssai(*e, t);
    e->Enregistre = true;
    SupprimeEssai(*e, 1);
    EXPECT_EQ(e->Travail.NbEssais, 1) << "the only trial stays";
    EXPECT_TRUE(e->Enregistre);
}

TEST(SupprimeCaract, PacksTheSlots) {
    auto e = NouvelleEtude();
    for (int k = 1; k <= 3; ++k)
        e->Travail.Caract[k] = TCaract{true, false, {}, 0, 10, {}, k, 10, {}, 1};
    SupprimeCaract(*e, 1);
    EXPECT_EQ(NbCaract(*e), 2);
    EXPECT_EQ(e->Travail.Caract[1].GrandeurY, 2);
    EXPECT_EQ(e->Travail.Caract[2].GrandeurY, 3);
    EXPECT_EQ(e->Travail.Caract[3], TCaract{});
    EXPECT_FALSE(e->Enregistre);
    SupprimeCaract(*e, 5);
    EXPECT_EQ(NbCaract(*e), 2);
}

TEST(SelectionnePoint, CopiesAPointOrClearsTheSelection) {
    auto e = NouvelleEtude();
    AjouteVitesses(*e, {10, 20, 30});
    SelectionnePoint(*e, 1);
    EXPECT_EQ(e->MesureCourante[GVitesse], 20);
    EXPECT_EQ(e->MesureCourante[GTemps], 2012);
    SelectionnePoint(*e, -1);
    EXPECT_EQ(e->MesureCourante[0], -1);
    EXPECT_EQ(e->MesureCourante[GVitesse], 20) << "clearing keeps the values";
    SelectionnePoint(*e, 3);
    EXPECT_EQ(e->MesureCourante[0], -1) << "past the last point: refused";
}

TEST(FormatEntier, TruncatesWithADecimalCommaAndFormatMesureAddsTheUnit) {
    const std::vector<std::tuple<std::int32_t, int, const char*>> cas = {
        {1360, 3, "1,360"},
        {-1360, 3, "-1,360"},
        {24, 2, "0,24"},
        {7, 2, "0,07"},
        {5, 3, "0,005"},
        {-5, 1, "-0,5"},
        {-5, 2, "-0,05"},
        {3450, 0, "3450"},
        {0, 0, "0"},
        {0, 2, "0,00"},
        {12, -3, "12"},
        {INT32_MIN, 0, "-2147483648"},
        {INT32_MIN, 3, "-2147483,648"},
        {INT32_MIN, 12, "-0,002147483648"},
        {INT32_MAX, 2, "21474836,47"}};
    for (auto [v, d, texte] : cas) EXPECT_EQ(FormatEntier(v, d), texte) << v << " " << d;
    EXPECT_EQ(FormatEntier(1, 2000000000).size(), 22u) << "decimals from a file are capped";

    auto e = NouvelleEtude();
    e->MesureCourante = {4, 3450, 253, 0, 2430, 1360, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(FormatMesure(*e, GNumero), "4 ");
    EXPECT_EQ(FormatMesure(*e, GVitesse), "3450 tr/min");
    EXPECT_EQ(FormatMesure(*e, GCouple), "25,3 mN.m");
    EXPECT_EQ(FormatMesure(*e, GTensionMoteur), "24,30 V");
    EXPECT_EQ(FormatMesure(*e, GCourantMoteur), "1,360 A");
}
