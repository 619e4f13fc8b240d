// Where a run keeps its configuration and studies, and reads its guide.
#include "core/data/Emplacements.h"
#include "core/data/Fichiers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

using namespace zyv;

namespace {

struct AucunMessage : Messages {
    int nombre = 0;
    void Avertissement(const std::string&) override { ++nombre; }
};

QByteArray Contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

TEST(Emplacements, ChoixSelonLeDossierDeDemarrageEtLeGuide) {
    const Situation usb{"/media/cle/zyv", true, true, "/home/e/.local/share/ZYV",
                        "/usr/share/zyv", true};
    // A writable start-up folder keeps everything, the guide included.
    EXPECT_EQ(ChoisitEmplacements(usb), (Emplacements{"/media/cle/zyv", "/media/cle/zyv", false}));
    Situation s = usb;
    s.AideAuDemarrage = false;
    EXPECT_EQ(ChoisitEmplacements(s), (Emplacements{"/media/cle/zyv", "/usr/share/zyv", false}));
    s.AideDansPartage = false; // reported missing where the user started
    EXPECT_EQ(ChoisitEmplacements(s).Aide, "/media/cle/zyv");

    const Situation installe{"/usr/share/zyv", false, true, "/home/e/.local/share/ZYV",
                             "/usr/share/zyv", true};
    EXPECT_EQ(ChoisitEmplacements(installe),
              (Emplacements{"/home/e/.local/share/ZYV", "/usr/share/zyv", true}));
    s = installe;
    s.Demarrage = "/usr/bin";
    s.AideAuDemarrage = false;
    EXPECT_EQ(ChoisitEmplacements(s),
              (Emplacements{"/home/e/.local/share/ZYV", "/usr/share/zyv", true}));
    s.DonneesUtilisateur.clear(); // nowhere else to go
    EXPECT_EQ(ChoisitEmplacements(s), (Emplacements{"/usr/bin", "/usr/share/zyv", false}));
}

class DossierUtilisateur : public ::testing::Test {
protected:
    QTemporaryDir racine;
    QDir partage{racine.filePath("partage")};
    QString utilisateur = racine.filePath("donnees/ZYV");
    Situation situation;

    void SetUp() override {
        ASSERT_TRUE(partage.mkpath("Fichiers") && partage.mkpath("../demarrage"));
        Ecrit(partage.filePath("Fichiers/A.ZYV"), "etude A");
        Ecrit(partage.filePath("Fichiers/B.ZYV"), "etude B");
        Ecrit(partage.filePath("Fichiers/notes.txt"), "pas une etude");
        QFile::setPermissions(partage.filePath("Fichiers/A.ZYV"), QFile::ReadOwner);
        situation = {racine.filePath("demarrage").toStdString(),
                     false,
                     false,
                     utilisateur.toStdString(),
                     partage.path().toStdString(),
                     true};
    }
    QString Fichier(const char* nom) const { return QDir(utilisateur).filePath(nom); }
};

TEST_F(DossierUtilisateur, PremierDemarrageAmorceLeDossierPuisLeLaisseAuxMainsDeLUtilisateur) {
    EXPECT_TRUE(EmplacementsPrets(situation).ParUtilisateur);
    EXPECT_EQ(QDir(Fichier("Fichiers")).entryList(QDir::Files), (QStringList{"A.ZYV", "B.ZYV"}));
    EXPECT_EQ(Contenu(Fichier("Fichiers/A.ZYV")), "etude A");
    EXPECT_TRUE(QFile::permissions(Fichier("Fichiers/A.ZYV")) & QFile::WriteOwner);
    // A default configuration: the first start reads it without a warning.
    auto e = std::make_unique<Etude>();
    e->RepertoireProgramme = utilisateur.toStdString();
    AucunMessage messages;
    EXPECT_TRUE(LireConfig(*e, messages));
    EXPECT_EQ(messages.nombre, 0);
    EXPECT_EQ(e->Config, TConfiguration{});
    EXPECT_EQ(Contenu(Fichier(NomFichierConfig)), QByteArray(16, '\0'));

    // The user's changes stay: nothing is copied or reset at the next start.
    Ecrit(Fichier("Fichiers/A.ZYV"), "modifiee");
    ASSERT_TRUE(QFile::remove(Fichier("Fichiers/B.ZYV")));
    e->Config.ChoisitPort("ttyUSB0");
    ASSERT_TRUE(EcrireConfig(*e, messages));
    const QByteArray config = Contenu(Fichier(NomFichierConfig));
    EXPECT_TRUE(EmplacementsPrets(situation).ParUtilisateur);
    EXPECT_EQ(Contenu(Fichier("Fichiers/A.ZYV")), "modifiee");
    EXPECT_FALSE(QFile::exists(Fichier("Fichiers/B.ZYV")));
    EXPECT_EQ(Contenu(Fichier(NomFichierConfig)), config);
}

TEST_F(DossierUtilisateur, ConfigurationExistanteGardeeQuandFichiersEstRecree) {
    ASSERT_TRUE(QDir().mkpath(utilisateur));
    Ecrit(Fichier(NomFichierConfig), "configuration de l'utilisateur");
    situation.Partage.clear(); // no installed samples: an empty folder
    EXPECT_TRUE(EmplacementsPrets(situation).ParUtilisateur);
    EXPECT_TRUE(QDir(Fichier("Fichiers")).isEmpty());
    EXPECT_EQ(Contenu(Fichier(NomFichierConfig)), "configuration de l'utilisateur");
}

TEST_F(DossierUtilisateur, DemarrageInscriptibleOuDossierImpossibleGardentLeDemarrage) {
    situation.DemarrageInscriptible = true;
    EXPECT_FALSE(EmplacementsPrets(situation).ParUtilisateur);
    EXPECT_FALSE(QFileInfo::exists(utilisateur));

    // The data folder cannot be made (a file stands in its way): the start-up folder, as before.
    Ecrit(racine.filePath("donnees"), "un fichier");
    situation.DemarrageInscriptible = false;
    EXPECT_EQ(EmplacementsPrets(situation),
              (Emplacements{situation.Demarrage, situation.Partage, false}));
}

} // namespace
