// Where a run keeps its configuration and studies, and reads its guide.
#include "core/data/Emplacements.h"
#include "core/data/Fichiers.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace zyv;

namespace {

QByteArray Contenu(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
}

void Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size());
}

TEST(Emplacements, ChoixSelonLeDossierDeDemarrageEtLeGuide) {
    const std::string cle = "/media/cle", perso = "/home/e/.local/share/ZYV",
                      part = "/usr/share/zyv";
    const struct {
        Situation s;
        Emplacements attendu;
    } cas[] = {
        // A writable start-up folder keeps everything; the installed guide only when it has none.
        {{cle, true, true, perso, part, true}, {cle, cle, false}},
        {{cle, true, false, perso, part, true}, {cle, part, false}},
        {{cle, true, false, perso, part, false}, {cle, cle, false}},
        {{part, false, true, perso, part, true}, {perso, part, true}},
        {{"/usr/bin", false, false, perso, part, true}, {perso, part, true}},
        {{"/usr/bin", false, false, "", part, true}, {"/usr/bin", part, false}},
    };
    for (const auto& c : cas) EXPECT_EQ(ChoisitEmplacements(c.s), c.attendu) << c.s.Demarrage;
}

TEST(Emplacements, DossierUtilisateurAmorceUneFoisPuisLaisseAuxMainsDeLUtilisateur) {
    QTemporaryDir racine;
    const QDir partage(racine.filePath("partage"));
    ASSERT_TRUE(partage.mkpath("Fichiers"));
    Ecrit(partage.filePath("Fichiers/A.ZYV"), "etude A");
    Ecrit(partage.filePath("Fichiers/notes.txt"), "pas une etude");
    QFile::setPermissions(partage.filePath("Fichiers/A.ZYV"), QFile::ReadOwner);
    const QDir perso(racine.filePath("donnees/ZYV"));
    const Situation s{
        "/usr/bin", false, false, perso.path().toStdString(), partage.path().toStdString(), true};

    EXPECT_TRUE(EmplacementsPrets(s).ParUtilisateur);
    EXPECT_EQ(QDir(perso.filePath("Fichiers")).entryList(QDir::Files), QStringList{"A.ZYV"});
    EXPECT_TRUE(QFile::permissions(perso.filePath("Fichiers/A.ZYV")) & QFile::WriteOwner);
    // The default configuration: a first start is not a read error.
    EXPECT_EQ(Contenu(perso.filePath(NomFichierConfig)), QByteArray(16, '\0'));

    // The user's own changes stay at the next start.
    Ecrit(perso.filePath("Fichiers/A.ZYV"), "modifiee");
    Ecrit(perso.filePath(NomFichierConfig), "port choisi");
    EXPECT_TRUE(EmplacementsPrets(s).ParUtilisateur);
    EXPECT_EQ(Contenu(perso.filePath("Fichiers/A.ZYV")), "modifiee");
    EXPECT_EQ(Contenu(perso.filePath(NomFichierConfig)), "port choisi");

    // A data folder that cannot be made (a file in its way): the start-up folder, as before.
    Ecrit(racine.filePath("bloque"), "un fichier");
    Situation bloquee = s;
    bloquee.DonneesUtilisateur = racine.filePath("bloque/ZYV").toStdString();
    EXPECT_EQ(EmplacementsPrets(bloquee), (Emplacements{"/usr/bin", s.Partage, false}));
}

} // namespace
