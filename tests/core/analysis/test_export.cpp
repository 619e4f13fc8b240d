// Least-squares models, their sampling and equation texts; the values as text; zyv-export.
#include "core/analysis/ExportTexte.h"
#include "core/analysis/TexteModeles.h"
#include "core/analysis/UnitMath.h"
#include "core/data/Cp1252.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

using namespace zyv;

namespace {

const char* const Entete =
    "N°\tN\tC\tPM\tUm\tIm\tPEm\tRd\tUg\tIg\tPEg\tRd\tt\r\n"
    "\t(tr/min)\t(mN.m)\t(W)\t(V)\t(A)\t(W)\t(%)\t(V)\t(A)\t(W)\t(%)\t(s)\r\n";

void Ajoute(Etude& e, const TMesure& m) {
    e.MesureCourante = m;
    AjoutePoint(e);
}

struct SansMessages : Messages {
    void Avertissement(const std::string&) override {}
};

// Exit code, standard output and trimmed standard error of zyv-export (-1: killed or hung), run
// by the shell in the folder on "laté 1.ZYV" named in Latin-1, a name that is not UTF-8.
std::tuple<int, std::string, std::string> Lance(const QTemporaryDir& dossier, QStringList options,
                                                const QString& redirection = "") {
    QProcess p;
    p.setWorkingDirectory(dossier.path());
    p.start("/bin/sh",
            QStringList{"-c", "exec \"$0\" \"$@\" \"$(printf 'lat\\351 1.ZYV')\"" + redirection,
                        ZYV_EXPORT_CHEMIN} +
                options);
    EXPECT_TRUE(p.waitForFinished(20000));
    const int code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return {code, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().trimmed().toStdString()};
}

struct Modele {
    TNombreDec c2, c1, c0;
    bool ok = false;
    bool operator==(const Modele&) const = default;
};
const Modele Echec{};

// The model of kind type over the n points point(0)..point(n - 1), each an (X, Y) pair.
template <class F> Modele Ajuste(int type, int n, F point) {
    TTabValeurs x{}, y{};
    for (int i = 0; i < n; ++i) std::tie(x[i + 1], y[i + 1]) = point(i);
    Modele m;
    m.ok = CalculModele(type, n - 1, 0, y, x, m.c2, m.c1, m.c0);
    return m;
}

TEST(NombreEnTexte, FixedDecimalsCommaAndSignPrefixesAndModelSamplesFromX1ExactlyToX2) {
    const std::tuple<TNombreDec, TNombreDec, const char*, const char*> cas[] = {
        {{25800, -5}, {1, 0}, "  0,25800", "+ 0,25800"},
        {{-123, -5}, {1, 2}, " -0,123", "- 0,123"},
        {{2365, 0}, {1, -1}, "  236,5", "+ 236,5"},
        {{5, 0}, {1, 2}, "  500", "+ 500"},
        {{0, -5}, {1, -3}, "0", "+0"},
        {{INT32_MIN, 0}, {1, -2}, " -21474836,48", "- 21474836,48"}};
    for (const auto& [v, echelle, texte, signe] : cas) {
        EXPECT_EQ(NombreEnTexte(v, echelle), texte);
        EXPECT_EQ(NombreEnTexteSigne(v, echelle), signe);
    }
    // Exponents from a corrupt file give a bounded text, without overflowing their sum.
    EXPECT_EQ(NombreEnTexte({1, INT32_MIN}, {1, INT32_MIN}), "  0," + std::string(59, '0') + "1");

    // Sampling a model: each term truncated on its own (4.5 + 1.5 + 7); beyond 32 bits the value
    // saturates.
    const TNombreDec demi{50000, -5}, raide{INT32_MAX, -5};
    EXPECT_EQ(ValeurModele(demi, demi, {7, 0}, 3), 4 + 1 + 7);
    EXPECT_EQ(ValeurModele({-INT32_MAX, -5}, raide, {}, INT32_MAX), INT32_MIN);
    EXPECT_EQ(ValeurModele(raide, raide, raide, INT64_MAX), INT32_MAX) << "no 128-bit wrap";
    EXPECT_EQ(ValeurModele({INT32_MIN, 0}, {INT32_MIN, 0}, {}, INT64_C(1) << 48), INT32_MIN);
    // Terms beyond 64 bits that cancel: 64000000016 - 64000000008 + 7.
    EXPECT_EQ(ValeurModele({1, -9}, {-8, 0}, {7, 0}, 8000000001), 15);
    TTabValeurs x{}, y{};
    // x1, x2, last index, the second X, the X before the repeated last one
    const std::int32_t echantillons[][5] = {
        {0, 250, 101, 2, 200}, {0, -1000, 101, -10, -1000},
        {5, 12, 8, 6, 12},     {5, 2, 4, 4, 2},
        {3, 3, 1, 3, 3},       {INT32_MIN, INT32_MAX, 101, INT32_MIN + 42949672, INT32_MAX - 95}};
    for (const auto& [x1, x2, dernier, second, avant] : echantillons) {
        EXPECT_EQ(EchantillonModele(x1, x2, {100000, -5}, {}, {}, x, y), dernier);
        EXPECT_EQ(std::tuple(x[0], x[1], x[2], x[dernier], x[dernier + 1]),
                  std::tuple(dernier, x1, second, avant, x2));
        EXPECT_EQ(y[dernier + 1], ValeurModele({100000, -5}, {}, {}, x2));
    }
    // The largest X: the first of the range when it is empty.
    EXPECT_EQ(std::pair(MaxValeur(x, 0, 100), MaxValeur(x, 1, 0)), std::pair(INT32_MAX - 95, x[2]));
}

// The exact least-squares parabola as the fit stores it: Cramer's rule on integer sums of powers
// of X less the middle X, expanded back, each coefficient truncated toward zero.
Modele ParaboleExacte(const std::vector<std::pair<int, int>>& p) {
    using i64 = std::int64_t;
    const i64 m = p[p.size() / 2].first;
    std::array<i64, 5> s{};
    std::array<i64, 3> t{};
    for (const auto& [x, y] : p)
        for (i64 k = 0, uk = 1; k <= 4; ++k, uk *= x - m) {
            s[k] += uk;
            if (k <= 2) t[k] += y * uk;
        }
    const auto det = [&](int remplacee) {
        const auto a = [&](int i, int j) { return j == remplacee ? t[i] : s[i + j]; };
        return a(0, 0) * (a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1)) -
               a(0, 1) * (a(1, 0) * a(2, 2) - a(1, 2) * a(2, 0)) +
               a(0, 2) * (a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0));
    };
    const i64 d = det(-1), d0 = det(0), d1 = det(1), d2 = det(2);
    // f x k / d without overflowing f x k: both parts share the quotient's sign.
    const auto tronque = [d](i64 k, i64 f) {
        return static_cast<std::int32_t>(f * (k / d) + f * (k % d) / d);
    };
    return {{tronque(d2, 100000), -5},
            {tronque(d1 - 2 * m * d2, 100000), -5},
            {tronque(d0 - m * d1 + m * m * d2, 1), 0},
            true};
}

TEST(CalculModele, WorkedFitsTruncationFailuresAndPivoting) {
    // Intercepts 7.9 and -7.9 (nine 8s and one 7 on X = 0 and on X = 1) truncate toward zero.
    for (int s : {1, -1}) {
        const auto septNeuf = [s](int i) { return std::pair{i / 10, s * (i % 10 ? 8 : 7)}; };
        EXPECT_EQ(Ajuste(ModeleAXB, 20, septNeuf), (Modele{{}, {0, -5}, {7 * s, 0}, true}));
    }
    // sum(x²) must exceed 1: one point at X = 1 or -1 among zeros is not enough.
    for (int x : {1, -1, 2}) {
        const auto unSeul = [x](int i) { return std::pair{i == 1 ? x : 0, 9}; };
        EXPECT_EQ(Ajuste(ModeleAX, 3, unSeul).ok, x == 2);
    }
    const auto memeX = [](int i) { return std::pair{5, 10 + 10 * i}; };
    EXPECT_EQ(Ajuste(ModeleAXB, 2, memeX), Echec);
    EXPECT_EQ(Ajuste(ModeleAX, 2, memeX).c1, (TNombreDec{300000, -5}));
    // Y = 30000 (X² - X): every coefficient beyond a 32-bit mantissa fails rather than wraps.
    const auto raide = [](int i) { return std::pair{i, 30000 * (i * i - i)}; };
    for (int type : {ModeleAX, ModeleAXB, ModeleAX2BXC}) EXPECT_EQ(Ajuste(type, 3, raide), Echec);

    // A noisy parabola, checked against the exact least-squares solution in 128-bit integers.
    const auto bruit = [](int i) {
        const int x = 10 * i;
        return std::pair{x, 2365 + 3 * x - x * x / 300 + static_cast<int>(i * 7919u % 101) - 50};
    };
    EXPECT_EQ(Ajuste(ModeleAX2BXC, 101, bruit),
              (Modele{{-334, -5}, {301986, -5}, {2359, 0}, true}));
    const auto exacte = [](int i) { return std::pair{10 * i, i * i - 40 * i + 7}; };
    EXPECT_EQ(Ajuste(ModeleAX2BXC, 301, exacte), (Modele{{1000, -5}, {-400000, -5}, {7, 0}, true}));
    // Two distinct X: rounding noise, never a parabola. Three at 2 x 10^9 whose mean Y are all 2:
    // the flat line.
    const auto deuxX = [](int i) { return std::pair{i % 2 ? 7499 : 13, i % 7}; };
    const auto serres = [](int i) { return std::pair{2000000000 + i % 3, i % 5}; };
    EXPECT_EQ(Ajuste(ModeleAX2BXC, 2001, deuxX), Echec);
    EXPECT_EQ(Ajuste(ModeleAX2BXC, 300, serres), (Modele{{0, -5}, {0, -5}, {2, 0}, true}));

    // Well spread but far from zero, where the sums of powers of X share their leading digits
    // (from X = 500 on, the raw sums gave a wrong c1, from 2000 on none); and about zero.
    const auto jeu = [](int x0, int pas, int n, int (*y)(int)) {
        std::vector<std::pair<int, int>> p;
        for (int i = 0; i < n; ++i) p.emplace_back(x0 + pas * i, y(i));
        return p;
    };
    const auto creux = [](int i) { return 1000 + 3 * (i - 5) * (i - 5) + i * 7919 % 13; };
    for (const auto& p :
         {jeu(500, 1, 11, creux), jeu(2000, 1, 11, creux),
          jeu(3000, 1, 19, [](int i) { return 20000 - 40 * i + i * i + i * 31 % 11; }),
          jeu(20000, 5, 13, [](int i) { return 500 + 2 * (i - 6) * (i - 6) + i * 17 % 7; }),
          jeu(-50, 10, 11, [](int i) { return 7 + 2 * i - i * i / 3 + i * 13 % 5; })}) {
        const auto point = [&p](int i) { return p[i]; };
        EXPECT_EQ(Ajuste(ModeleAX2BXC, static_cast<int>(p.size()), point), ParaboleExacte(p))
            << p[0].first;
    }

    // Gauss elimination must take the largest pivot of the column: the first one here is zero.
    TSystemeLineaire s;
    s.Matrice = {{{0, 1, 1}, {1, 0, 1}, {2, 1, 0}}};
    s.SecondMembre = {5, 4, 4};
    ASSERT_TRUE(ResolutionGauss(2, s));
    EXPECT_EQ(s.Solution, (std::array<double, 5>{1, 2, 3, 0, 0}));
}

} // namespace

TEST(TexteValeurs, AllTrialsSkipEmptyOnesAndEndEveryLineWithCrLf) {
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    e->Travail.Essai(1).Commentaire.Affecte(Utf8VersCp1252("à vide"));
    Ajoute(*e, {0, 1500, 253, 3975, 2430, 1360, 3304, 1203, -5, -1, 0, 0, 0});
    NouvelEssai(*e);
    NouvelEssai(*e);
    e->Travail.Essai(3).Commentaire.Affecte("charge");
    Ajoute(*e, {0, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12345});
    Ajoute(*e, {0, INT32_MIN, -1, 0, 0, 0, 0, 0, 0, 0, 0, 1000, 0});

    const std::string attendu =
        std::string("Essai 1\tà vide\r\n") + Entete +
        "0\t1500\t25,3\t39,75\t24,30\t1,360\t33,04\t120,3\t-0,05\t-0,001\t0,00\t0,0\t0,00\r\n" +
        "Essai 3\tcharge\r\n" + Entete +
        "0\t7\t0,0\t0,00\t0,00\t0,000\t0,00\t0,0\t0,00\t0,000\t0,00\t0,0\t123,45\r\n" +
        "1\t-2147483648\t-0,1\t0,00\t0,00\t0,000\t0,00\t0,0\t0,00\t0,000\t0,00\t100,0\t0,00\r\n";
    EXPECT_EQ(TexteValeurs(*e, -1), attendu);
    EXPECT_EQ(TexteValeurs(*e, 2), Entete) << "one trial without points: the two header lines";
    // Coefficients scaled by the quantities' decimals: C has one, N none.
    EXPECT_EQ(TexteEquation(e->Travail, ModeleAX2BXC, GCouple, GVitesse, {-12, -5}, {345678, -5},
                            {2365, 0}),
              "N =  -0,012 x C² + 34,5678 x C + 2365");

    // A file may carry its own table: units and decimals come from it, symbols below.
    e->Travail.Grandeurs[0].Unite.Affecte("#");
    e->Travail.Grandeurs[1].Decimales = 3;
    const std::string texte = TexteValeurs(*e, 1);
    EXPECT_TRUE(texte.find("\r\n#\t(tr/min)\t") != std::string::npos &&
                texte.find("\r\n0\t1,500\t") != std::string::npos);

    // Fields from a crafted file add no row or column, send no escape, run no formula.
    e->Travail.Essai(1).Commentaire.Affecte("=1+1\r\n\x1B[2J\x81\x7F\xA0"); // C1, DEL, NBSP
    e->Travail.Grandeurs[2].Symbole.Affecte("C\t2");
    e->Travail.Grandeurs[3].Unite.Affecte("W\n");
    const std::string hostile = TexteValeurs(*e, -1);
    EXPECT_EQ(
        hostile.substr(0, hostile.find('\n', 40) + 1),
        "Essai 1\t'=1+1   [2J  \u00A0\r\nN°\tN\tC 2\tPM\tUm\tIm\tPEm\tRd\tUg\tIg\tPEg\tRd\tt\r\n");
    EXPECT_NE(hostile.find("\t(mN.m)\t(W )\t"), std::string::npos);
    EXPECT_EQ(TexteEquation(e->Travail, ModeleAXB, GVitesse, GCouple, {}, {1, 0}, {2, 0}),
              "C 2 =   100 x N + 0,2");
}

TEST(ZyvExport, ValuesAndModelEquationsOfASavedStudyOrTheError) {
    QTemporaryDir dossier;
    const std::string chemin = dossier.path().toStdString() + "/lat\xE9 1.ZYV";
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    e->Travail.Essai(1).Commentaire.Affecte("\xE9t\xE9");
    for (int n = 0; n < 5; ++n) Ajoute(*e, {0, 100 * n, 300 * n + 7});
    NouvelEssai(*e);
    NouvelEssai(*e);
    for (int n = 0; n < 60; ++n) Ajoute(*e, {0, 50 * n, 2365 + 3 * n - n * n / 7 + n % 5 * 13});
    SansMessages m;
    ASSERT_TRUE(EcrireTravail(*e, chemin, m));
    const auto sortie = [&](const QStringList& options) { return Lance(dossier, options); };

    EXPECT_EQ(sortie({}), std::tuple(0, TexteValeurs(*e, -1), std::string()));
    EXPECT_EQ(sortie({"--modele", "4", "--x", "N°", "--y", "C"}),
              std::tuple(0, TexteEquations(Modelisation(e->Travail, 4, GNumero, GCouple), 3), ""));
    EXPECT_EQ(sortie({"--y", "2", "--modele", "2", "--x", "1"}),
              std::tuple(0,
                         "Essai 1 :  C =   0,300000 x N + 0,7\r\n"
                         "Essai 2 :  C = 0 x N +0\r\n"
                         "Essai 3 :  C =  -0,010683 x N + 247,0\r\n",
                         ""));
    // Unknown kind, a symbol two quantities share (Rd), an unknown one, a missing or an extra
    // option: one usage line.
    for (const QStringList& fautif : {QStringList{"--modele", "3", "--x", "N", "--y", "C"},
                                      {"--modele", "1", "--x", "Rd", "--y", "C"},
                                      {"--modele", "1", "--x", "N", "--y", "Zz"},
                                      {"--modele", "1", "--x", "N"},
                                      {"--modele", "1", "--x", "N", "--y", "C", "--z"}}) {
        const auto [code, texte, erreur] = sortie(fautif);
        EXPECT_TRUE(code == 2 && texte.empty() &&
                    erreur.find("usage: zyv-export") != std::string::npos &&
                    erreur.find('\n') == std::string::npos)
            << erreur;
    }

    // An output onto a full device: a failure that says why.
    const auto [code, texte, erreur] = Lance(dossier, {}, " >/dev/full");
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(erreur.starts_with("zyv-export: ") && erreur.size() > 20) << erreur;

    std::filesystem::resize_file(chemin, 2244 + 616 + 100);
    EXPECT_EQ(sortie({}), std::tuple(1, std::string(), std::string(MessageErreurLecture)))
        << "no partial table";
}
