#include "core/data/Emplacements.h"

#include "core/data/CodecFichier.h"
#include "core/data/Fichiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstdint>
#include <vector>

namespace zyv {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

bool AideDans(const QString& dossier) {
    return !dossier.isEmpty() && QFileInfo(QDir(dossier).filePath(NomDocumentAide)).isFile();
}

void CopieEtudesExemples(const QDir& source, const QDir& cible) {
    const QStringList etudes =
        source.entryList({QStringLiteral("*.ZYV")}, QDir::Files | QDir::Readable);
    for (const QString& nom : etudes) {
        const QString copie = cible.filePath(nom);
        // The copy of a read-only installed file would be read-only too: it is the user's now.
        if (QFile::copy(source.filePath(nom), copie))
            QFile::setPermissions(copie, QFile::permissions(copie) | QFile::WriteOwner);
    }
}

} // namespace

Emplacements ChoisitEmplacements(const Situation& s) {
    Emplacements e;
    e.ParUtilisateur = !s.DemarrageInscriptible && !s.DonneesUtilisateur.empty();
    e.Programme = e.ParUtilisateur ? s.DonneesUtilisateur : s.Demarrage;
    // Missing everywhere, the guide is reported missing from the start-up folder.
    e.Aide = !s.AideAuDemarrage && s.AideDansPartage ? s.Partage : s.Demarrage;
    return e;
}

bool PrepareDossierUtilisateur(const std::string& dossier, const std::string& partage) {
    const QDir racine(Q(dossier));
    const QString fichiers = racine.filePath(DossierFichiers);
    if (QFileInfo(fichiers).isDir()) return true;
    if (!racine.mkpath(DossierFichiers)) return false;
    if (!partage.empty()) CopieEtudesExemples(QDir(Q(partage)).filePath(DossierFichiers), fichiers);
    // A first start is not a read error: the user starts from the default configuration.
    QFile config(racine.filePath(NomFichierConfig));
    if (!config.exists() && config.open(QIODevice::NewOnly)) {
        const std::vector<std::uint8_t> octets = EncodeConfig(TConfiguration{});
        const auto taille = static_cast<qint64>(octets.size());
        if (config.write(reinterpret_cast<const char*>(octets.data()), taille) != taille) {
            config.close();
            config.remove();
        }
    }
    return true;
}

Emplacements EmplacementsPrets(const Situation& s) {
    const Emplacements e = ChoisitEmplacements(s);
    if (!e.ParUtilisateur || PrepareDossierUtilisateur(e.Programme, s.Partage)) return e;
    Situation repli = s;
    repli.DonneesUtilisateur.clear();
    return ChoisitEmplacements(repli);
}

Situation SituationActuelle() {
    Situation s;
    // The directory the program was started from, not the executable's.
    const QString demarrage = QDir::currentPath();
    s.Demarrage = demarrage.toStdString();
    s.DemarrageInscriptible = QFileInfo(demarrage).isWritable();
    s.AideAuDemarrage = AideDans(demarrage);
    s.DonneesUtilisateur =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
    const QString executable = QCoreApplication::applicationDirPath();
    if (!executable.isEmpty()) {
        const QString partage = QDir::cleanPath(QDir(executable).filePath(PartageRelatif));
        s.Partage = partage.toStdString();
        s.AideDansPartage = AideDans(partage);
    }
    return s;
}

} // namespace zyv
