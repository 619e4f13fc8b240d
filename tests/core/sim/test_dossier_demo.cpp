// The demo folder: readable studies that look like a real bench session.
#include "core/sim/DossierDemo.h"

#include "core/data/Fichiers.h"
#include "core/data/Operations.h"
#include "core/plot/TableZoom.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace zyv;

namespace {

struct MessagesNotes final : Messages {
    std::vector<std::string> textes;
    void Avertissement(const std::string& texte) override { textes.push_back(texte); }
};

class DossierDemo : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    MessagesNotes messages;
    std::unique_ptr<Etude> e = std::make_unique<Etude>();

    std::int32_t V(int t, int q, int i) const { return e->Travail.Essai(t).Valeur(q, i); }
    std::int32_t Dernier(int t) const { return e->Travail.Essai(t).DernierPoint; }
    static QString Chemin(const QString& racine, const std::string& nom) {
        return QDir(racine).filePath(QStringLiteral("Fichiers/") + QString::fromStdString(nom));
    }
    static QByteArray Octets(const QString& racine, const std::string& nom) {
        QFile f(Chemin(racine, nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(DossierDemo, ConfigurationEtEtudesRelisiblesEtReproductibles) {
    QTemporaryDir autre;
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
        SCOPED_TRACE(nom);
        ASSERT_TRUE(LireTravail(*e, Chemin(dossier.path(), nom).toStdString(), messages));
        EXPECT_EQ(e->Travail.TypeEtude, types[f]);
        EXPECT_GT(NbCaract(*e), 0);
        for (int t = 1; t <= e->Travail.NbEssais; ++t) EXPECT_GE(Dernier(t), 0) << t;
        // Same seeds, same bytes: rebuilding the folder does not churn the files.
        EXPECT_EQ(Octets(dossier.path(), nom), Octets(autre.path(), nom));
    }
    EXPECT_TRUE(messages.textes.empty());

    const QString occupe = dossier.filePath(QStringLiteral("occupe")); // a file, not a folder
    QFile f(occupe);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_FALSE(EcrireDossierDemo(occupe.toStdString(), messages));
    EXPECT_EQ(messages.textes, std::vector<std::string>{MessageErreurEcriture});
}

// Every study opens with axes that hold all its points without being needlessly wide.
TEST_F(DossierDemo, ZoomsCadrentLesPoints) {
    for (const FichierDemo& f : FichiersDemo()) {
        SCOPED_TRACE(f.Nom);
        ASSERT_TRUE(f.Enregistre(*e, f.Graine));
        for (const TCaract& c : e->Travail.Caract) {
            if (!c.Defini) continue;
            for (auto [q, zoom] : {std::pair{c.GrandeurX, c.ZoomX}, {c.GrandeurY, c.ZoomY}}) {
                ASSERT_TRUE(zoom >= 0 && zoom <= 50);
                const std::int32_t etendue =
                    EtendueZoom(e->Travail.Grandeurs[q].PleineEchelle, zoom);
                std::int32_t maximum = 0;
                for (int t = 1; t <= e->Travail.NbEssais; ++t)
                    for (int i = 0; i <= Dernier(t); ++i) maximum = std::max(maximum, V(t, q, i));
                EXPECT_LE(maximum, etendue) << "grandeur " << q;
                EXPECT_GT(maximum, etendue / 2) << "grandeur " << q;
            }
        }
    }
}

} // namespace
