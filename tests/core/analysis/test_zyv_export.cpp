#include "core/analysis/ExportTexte.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

using namespace zyv;

namespace {

struct SansMessages : Messages {
    void Avertissement(const std::string&) override {}
};

struct Sortie {
    int code = -1;
    QByteArray out, err;
};

Sortie Lance(const QStringList& arguments) {
    QProcess p;
    p.start(QStringLiteral(ZYV_EXPORT_CHEMIN), arguments);
    Sortie s;
    if (!p.waitForFinished(60000)) return s;
    s.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    s.out = p.readAllStandardOutput();
    s.err = p.readAllStandardError();
    return s;
}

} // namespace

TEST(ZyvExport, PrintsTheValuesOfASavedStudyOrTheReadError) {
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
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

    const Sortie ok = Lance({chemin});
    EXPECT_EQ(ok.code, 0);
    EXPECT_TRUE(ok.err.isEmpty());
    const std::string attendu = TexteValeurs(*e, -1);
    EXPECT_EQ(ok.out.toStdString(), attendu);
    EXPECT_EQ(attendu.substr(0, 15), "Essai 1\tété\r\n");
    EXPECT_NE(attendu.find("\r\nEssai 3\t\r\n"), std::string::npos);

    QFile f(chemin);
    ASSERT_TRUE(f.resize(2244 + 616 + 100));
    const Sortie court = Lance({chemin});
    EXPECT_EQ(court.code, 1);
    EXPECT_TRUE(court.out.isEmpty()) << "no partial table";
    EXPECT_EQ(court.err.trimmed().toStdString(), "Erreur de lecture du fichier");

    EXPECT_EQ(Lance({dossier.filePath("absent.ZYV")}).code, 1);
    EXPECT_EQ(Lance({}).code, 2);
}
