#include "core/data/Cp1252.h"
#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

using namespace zyv;

namespace {

using Vi = std::vector<int>;

// Each point gets speed v and v * 100 + q in every other quantity q, so points can be checked
// whole after a sort.
std::unique_ptr<Etude> EtudeAvec(const Vi& vitesses) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    for (int v : vitesses) {
        for (int q = 0; q < NbGrandeurs; ++q) e->MesureCourante[q] = v * 100 + q;
        e->MesureCourante[GVitesse] = v;
        AjoutePoint(*e);
    }
    return e;
}

Vi Colonne(const Etude& e, int q, int t = 1) {
    Vi v;
    for (int i = 0; i <= e.Travail.Essai(t).DernierPoint; ++i)
        v.push_back(e.Travail.Essai(t).Valeur(q, i));
    return v;
}

bool PointsIntacts(const Etude& e) {
    const TEssai& s = e.Travail.Essai(1);
    for (int i = 0; i <= s.DernierPoint; ++i)
        for (int q = 2; q < NbGrandeurs; ++q)
            if (s.Valeur(q, i) != s.Valeur(GVitesse, i) * 100 + q) return false;
    return true;
}

} // namespace

TEST(NouveauTravail, ResetsHeadersButNotTheWorkingSlotOrTheColumns) {
    auto e = EtudeAvec({77});
    NouvelEssai(*e);
    e->Travail.Caract[0].Defini = e->Travail.Caract[2].Defini = true;
    e->Travail.Interpolation = 3;
    e->NomFichier = "a.ZYV";
    NouveauTravail(*e);
    const TTravail& w = e->Travail;
    EXPECT_TRUE(w.NbEssais == 1 && w.Interpolation == -1 && NbCaract(*e) == 0 &&
                w.Essai(1).DernierPoint == -1 && e->EssaiCourant == 1 && e->Enregistre &&
                e->NomFichier.empty());
    EXPECT_TRUE(w.Caract[0].Defini && w.Essai(1).Valeur(GVitesse, 0) == 77) << "kept";

    // The quantity table, then the two descriptors of the load study's read-outs.
    // clang-format off
    const std::tuple<const char*, const char*, const char*, int, int> table[NbGrandeurs + 2] = {
        {"Numéro", "N°", "", 0, 4000}, {"Vitesse de rotation", "N", "tr/min", 0, 7500},
        {"Couple ", "C", "mN.m", 1, 700}, {"Puissance mécanique", "PM", "W", 2, 5000},
        {"Tension moteur", "Um", "V", 2, 3500}, {"Courant moteur", "Im", "A", 3, 2500},
        {"Puissance électrique moteur", "PEm", "W", 2, 6000}, {"Rendement moteur", "Rd", "%", 1, 1000},
        {"Tension génératrice", "Ug", "V", 2, 4000}, {"Courant génératrice", "Ig", "A", 3, 2500},
        {"Puissance électrique génératrice", "PEg", "W", 2, 4000},
        {"Rendement génératrice", "Rd", "%", 1, 1000}, {"Temps", "t", "s", 2, 7300},
        {"Energie", "E", "J", 1, 50000}, {"Courant", "I", "A", 3, 3000}};
    // clang-format on
    for (int q = 0; q < NbGrandeurs + 2; ++q) {
        const TGrandeur& g = q < NbGrandeurs    ? e->Travail.Grandeurs[q]
                             : q == NbGrandeurs ? GrandeurEnergie()
                                                : GrandeurCourant();
        const auto [nom, symbole, unite, decimales, pleineEchelle] = table[q];
        EXPECT_EQ(std::tuple(Cp1252VersUtf8(g.Nom.Texte()), Cp1252VersUtf8(g.Symbole.Texte()),
                             Cp1252VersUtf8(g.Unite.Texte()), g.Decimales, g.Exposant,
                             g.PleineEchelle, g.Reserve1),
                  std::tuple(nom, symbole, unite, decimales, -decimales, pleineEchelle, 1));
    }
}

TEST(AjoutePoint, NumbersInAcquisitionOrderAndRefusesAFullTrial) {
    auto e = EtudeAvec({1500});
    const TEssai& essai = e->Travail.Essai(1);
    EXPECT_EQ(essai.Valeurs[GVitesse][1], 1500) << "slot 0 holds no point";
    EXPECT_TRUE(e->MesureCourante[0] == 0 && !e->Enregistre);
    for (int i = 1; i < NbPointsMax; ++i) AjoutePoint(*e);
    e->Enregistre = true;
    AjoutePoint(*e);
    EXPECT_TRUE(essai.DernierPoint == 2000 && e->Enregistre) << "the 2002nd point is refused";
    EXPECT_EQ(e->Travail.Essai(2).Valeurs[GNumero][0], 0) << "nothing spilled into trial 2";
}

TEST(TrieEssai, FollowsTheExactPartitionStepsOnSignedKeys) {
    auto e = EtudeAvec({2, 1, 2, 1});
    TrieEssai(*e, 0, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, GNumero), (Vi{3, 1, 0, 2})) << "not 1 3 0 2 as a stable sort";
    TrieParNumero(*e);
    TrieEssai(*e, 1, GVitesse, 1);
    EXPECT_EQ(Colonne(*e, GNumero), (Vi{2, 0, 3, 1}));

    auto s = EtudeAvec({5, -3, 40, 0, -3, 7, 1000, -2000});
    TrieEssai(*s, 0, GVitesse, 1);
    EXPECT_EQ(Colonne(*s, GVitesse), (Vi{-2000, -3, -3, 0, 5, 7, 40, 1000}));
    EXPECT_TRUE(PointsIntacts(*s));
    // Unknown order, quantity or trial: nothing moves; a key read from a file that names no
    // quantity must not index past the columns.
    TrieEssai(*s, 2, GNumero, 1);
    TrieEssai(*s, 0, NbGrandeurs, 1);
    TrieEssai(*s, 0, GNumero, 2);
    s->Travail.Essai(1).TriGrandeur = 1000;
    TrieEssais(*s);
    EXPECT_EQ(Colonne(*s, GVitesse).front(), -2000);
}

TEST(SupprimePointEssai, RenumbersInAcquisitionOrderThenSortsAgain) {
    auto e = EtudeAvec({300, 100, 500, 200, 400});
    e->Travail.Essai(1).TriGrandeur = GVitesse;
    TrieEssais(*e);
    SupprimePointEssai(*e, 2, 1); // speed 500
    EXPECT_EQ(Colonne(*e, GVitesse), (Vi{100, 200, 300, 400}));
    EXPECT_EQ(Colonne(*e, GNumero), (Vi{1, 2, 0, 3}));
    EXPECT_TRUE(PointsIntacts(*e));
    EXPECT_FALSE(e->Enregistre);
    // While acquiring, the caller passes DernierPoint: the latest point goes.
    SupprimePointEssai(*e, e->Travail.Essai(1).DernierPoint, 1);
    EXPECT_EQ(Colonne(*e, GVitesse), (Vi{100, 200, 300}));
    e->Enregistre = true;
    for (auto [n, t] : {std::pair{3, 1}, {-1, 1}, {0, 0}, {0, 2}}) SupprimePointEssai(*e, n, t);
    EXPECT_EQ(e->Travail.Essai(1).DernierPoint, 2);
    EXPECT_TRUE(e->Enregistre);
}

TEST(Essais, NewTrialInheritsSettingsAndDeletionMovesLaterTrialsDown) {
    auto e = EtudeAvec({1});
    TEssai& un = e->Travail.Essai(1);
    un.TriGrandeur = GCouple, un.TriOrdre = 1, un.TypeCharge = 5, un.ChargeMax = 140;
    un.ChargeMin = 20, un.Consignes[120] = 120;
    un.Commentaire.Affecte("un");
    NouvelEssai(*e);
    EXPECT_EQ(e->EssaiCourant, 2);
    const TEssai& deux = e->Travail.Essai(2);
    EXPECT_EQ((std::array{deux.DernierPoint, deux.TriGrandeur, deux.TriOrdre, deux.TypeCharge,
                          deux.ChargeMax, deux.ChargeMin, int(deux.Commentaire.Longueur)}),
              (std::array{-1, int(GCouple), 1, 5, 140, 20, 0}));
    EXPECT_EQ(deux.Consignes, un.Consignes);
    e->MesureCourante[GVitesse] = 3;
    AjoutePoint(*e);
    for (int t = 3; t <= 5; ++t) NouvelEssai(*e);
    e->Enregistre = true;
    NouvelEssai(*e);
    EXPECT_TRUE(e->Travail.NbEssais == 5 && e->Enregistre) << "a sixth trial is refused";

    SupprimeEssai(*e, 1);
    EXPECT_TRUE(e->Travail.NbEssais == 4 && e->EssaiCourant == 1 && !e->Enregistre);
    EXPECT_EQ(Colonne(*e, GVitesse), (Vi{3})) << "trial 2 moved down whole";
    EXPECT_EQ(e->Travail.Essai(5).DernierPoint, -1);
    for (int t : {4, 3, 2}) SupprimeEssai(*e, t);
    e->Enregistre = true;
    SupprimeEssai(*e, 1);
    EXPECT_TRUE(e->Travail.NbEssais == 1 && e->Enregistre) << "the only trial stays";
}

TEST(SelectionnePoint, CopiesThePointClearsAndRefusesPastTheLast) {
    auto e = EtudeAvec({10, 20, 30});
    SelectionnePoint(*e, 1);
    EXPECT_EQ(e->MesureCourante[GVitesse], 20);
    SelectionnePoint(*e, -1);
    EXPECT_EQ(e->MesureCourante[0], -1);
    EXPECT_EQ(e->MesureCourante[GVitesse], 20) << "clearing keeps the values";
    e->MesureCourante[GVitesse] = 99;
    SelectionnePoint(*e, 3);
    EXPECT_EQ(e->MesureCourante[GVitesse], 99) << "past the last point: refused";
}

TEST(FormatEntier, TruncatesWithADecimalCommaAndFormatMesureAddsTheUnit) {
    // clang-format off
    const std::tuple<std::int32_t, int, const char*> cas[] = {
        {1360, 3, "1,360"}, {-1360, 3, "-1,360"}, {7, 2, "0,07"}, {-5, 1, "-0,5"},
        {3450, 0, "3450"}, {0, 2, "0,00"}, {12, -3, "12"}, {INT32_MIN, 3, "-2147483,648"},
        {INT32_MAX, 2, "21474836,47"}};
    // clang-format on
    for (auto [v, d, texte] : cas) EXPECT_EQ(FormatEntier(v, d), texte) << v << " " << d;
    EXPECT_LT(FormatEntier(1, 2000000000).size(), 100u) << "decimals from a file are bounded";
}

TEST(Cp1252, EveryByteSurvivesATripThroughUtf8AndTheRestBecomesQuestionMarks) {
    std::string tous;
    for (int b = 0; b < 256; ++b) tous += static_cast<char>(b);
    EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(tous)), tous);
    EXPECT_EQ(Cp1252VersUtf8("Num\xE9ro N\xB0 \x80\x8C\x9C\x9F\x85\x96\x99"), "Numéro N° €ŒœŸ…–™");
    EXPECT_EQ(Cp1252VersUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
    EXPECT_EQ(Utf8VersCp1252("Génératrice à 50 € Ÿ"), "G\xE9n\xE9ratrice \xE0 50 \x80 \x9F");
    // Unknown or malformed input becomes question marks.
    const std::pair<const char*, const char*> cas[] = {
        {"a中b", "a?b"},        {"😀", "?"},
        {"\xC2\x80", "?"},        // U+0080 has no byte: 0x80 is the euro
        {"x\xE9y", "x?y"},        // a lone Latin-1 byte is not UTF-8
        {"\xE2\x82", "??"},       // cut sequence
        {"\xC0\xAF", "??"},       // overlong form
        {"\xED\xA0\x80", "???"}}; // surrogate
    for (auto [entree, sortie] : cas) EXPECT_EQ(Utf8VersCp1252(entree), sortie) << entree;
}
