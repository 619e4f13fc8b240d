#include "core/analysis/ExportTexte.h"
#include "core/data/Cp1252.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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
    EXPECT_EQ(TexteValeurs(*e, 2), Entete) << "a trial without points: the two header lines";
    EXPECT_EQ(TexteValeurs(*e, 3).substr(0, 4), "N°\t") << "no Essai line for one trial";
    EXPECT_EQ(TexteValeurs(*e, 0), "");
    EXPECT_EQ(TexteValeurs(*e, 6), "");

    // A file may carry its own table: units, symbols and decimals come from it.
    e->Travail.Grandeurs[0].Unite.Affecte("#");
    e->Travail.Grandeurs[1].Decimales = 3;
    e->Travail.Grandeurs[2].Symbole.Affecte("\x80");
    const std::string texte = TexteValeurs(*e, 1);
    EXPECT_EQ(texte.substr(0, texte.find('\t', 8)), "N°\tN\t€");
    EXPECT_NE(texte.find("\r\n#\t(tr/min)\t"), std::string::npos);
    EXPECT_NE(texte.find("\r\n0\t1,500\t"), std::string::npos);
}

TEST(ZyvExport, PrintsTheValuesOfASavedStudyOrTheReadError) {
    const auto lance = [](const QStringList& arguments) {
        QProcess p;
        p.start(QStringLiteral(ZYV_EXPORT_CHEMIN), arguments);
        EXPECT_TRUE(p.waitForFinished(60000));
        const int code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return std::tuple{code, p.readAllStandardOutput().toStdString(),
                          p.readAllStandardError().trimmed().toStdString()};
    };
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath("étude 1.ZYV");
    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    e->Travail.Essai(1).Commentaire.Affecte("\xE9t\xE9");
    for (int i = 0; i < 40; ++i) {
        for (int q = 1; q < NbGrandeurs; ++q) e->MesureCourante[q] = i * 37 - q * 11;
        AjoutePoint(*e);
    }
    NouvelEssai(*e);
    NouvelEssai(*e);
    AjoutePoint(*e);
    SansMessages m;
    ASSERT_TRUE(EcrireTravail(*e, chemin.toStdString(), m));

    const std::string attendu = TexteValeurs(*e, -1);
    EXPECT_EQ(attendu.substr(0, 15), "Essai 1\tété\r\n");
    EXPECT_EQ(lance({chemin}), std::tuple(0, attendu, std::string()));

    QFile f(chemin);
    ASSERT_TRUE(f.resize(2244 + 616 + 100));
    EXPECT_EQ(lance({chemin}), std::tuple(1, std::string(), std::string(MessageErreurLecture)))
        << "no partial table";
    EXPECT_EQ(std::get<0>(lance({dossier.filePath("absent.ZYV")})), 1);
    EXPECT_EQ(std::get<0>(lance({})), 2);
}
