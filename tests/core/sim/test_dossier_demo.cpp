// The demo folder: readable studies that look like a real bench session, rebuilt identically.
#include "core/sim/DossierDemo.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace zyv;

namespace {

struct MessagesNotes final : Messages {
    std::vector<std::string> textes;
    void Avertissement(const std::string& texte) override { textes.push_back(texte); }
};

QString Chemin(const QTemporaryDir& racine, const std::string& nom) {
    return racine.filePath(QStringLiteral("Fichiers/") + QString::fromStdString(nom));
}

TEST(DossierDemo, ConfigurationEtEtudesRelisiblesEtReproductibles) {
    QTemporaryDir dossier, autre;
    MessagesNotes messages;
    auto e = std::make_unique<Etude>();
    ASSERT_TRUE(EcrireDossierDemo(dossier.path().toStdString(), messages));
    ASSERT_TRUE(EcrireDossierDemo(autre.path().toStdString(), messages));
    e->RepertoireProgramme = dossier.path().toStdString();
    ASSERT_TRUE(LireConfig(*e, messages));
    EXPECT_EQ(e->Config.Port(), "SIMUL");

    const int types[] = {EtudeCaractMoteur, EtudeCaractGeneratrice, EtudeChargeMoteur,
                         EtudeChargeGeneratrice};
    ASSERT_EQ(FichiersDemo().size(), 4u);
    for (std::size_t f = 0; f < 4; ++f) {
        const std::string& nom = FichiersDemo()[f].Nom;
        ASSERT_TRUE(LireTravail(*e, Chemin(dossier, nom).toStdString(), messages)) << nom;
        EXPECT_EQ(e->Travail.TypeEtude, types[f]);
        EXPECT_GT(NbCaract(*e), 0);
        for (int t = 1; t <= e->Travail.NbEssais; ++t)
            EXPECT_GT(e->Travail.Essai(t).NbPoints(), 10) << nom << " " << t;
        // Same seeds, same bytes: rebuilding the folder does not churn the files.
        QFile a(Chemin(dossier, nom)), b(Chemin(autre, nom));
        EXPECT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        EXPECT_EQ(a.readAll(), b.readAll()) << nom;
    }
    EXPECT_TRUE(messages.textes.empty());

    const QString occupe = dossier.filePath(QStringLiteral("occupe")); // a file, not a folder
    QFile f(occupe);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(EcrireDossierDemo(occupe.toStdString(), messages));
    EXPECT_EQ(messages.textes, std::vector<std::string>{MessageErreurEcriture});
}

} // namespace
