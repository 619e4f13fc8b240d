#include "core/data/Fichiers.h"

#include "core/data/CodecFichier.h"
#include "core/data/Operations.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace zyv {

namespace {

// Relative names are taken from the start-up directory, whatever the current one is now.
QString Chemin(const Etude& e, const std::string& nom) {
    const QString q = QString::fromStdString(nom);
    if (e.RepertoireProgramme.empty() || QDir::isAbsolutePath(q)) return q;
    return QDir(QString::fromStdString(e.RepertoireProgramme)).filePath(q);
}

} // namespace

std::string FichierPdfPropose(const Etude& e) {
    if (e.NomFichier.empty())
        return QDir(Chemin(e, DossierFichiers))
            .absoluteFilePath(QStringLiteral("ZYV.pdf"))
            .toStdString();
    const QFileInfo f(Chemin(e, e.NomFichier));
    return f.absoluteDir()
        .absoluteFilePath(f.completeBaseName() + QStringLiteral(".pdf"))
        .toStdString();
}

namespace {

bool LitOctets(const QString& chemin, std::size_t maximum, QByteArray& octets) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) return false;
    octets = f.read(static_cast<qint64>(maximum));
    return f.error() == QFileDevice::NoError;
}

// The new content goes to a temporary file next to the target and replaces it only once it
// is complete, so a failed save never costs the previous good file.
bool EcritOctets(const QString& chemin, const std::vector<std::uint8_t>& octets) {
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly)) return false;
    const auto taille = static_cast<qint64>(octets.size());
    // The explicit flush matters: Qt 6.4 commits a file whose last buffered write failed.
    if (f.write(reinterpret_cast<const char*>(octets.data()), taille) != taille || !f.flush() ||
        f.error() != QFileDevice::NoError) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

std::span<const std::uint8_t> Vue(const QByteArray& a) {
    return {reinterpret_cast<const std::uint8_t*>(a.constData()),
            static_cast<std::size_t>(a.size())};
}

} // namespace

bool LireConfig(Etude& e, Messages& m) {
    e.Config = TConfiguration{};
    QByteArray octets;
    bool ok = LitOctets(Chemin(e, NomFichierConfig), TailleMaxConfig, octets);
    if (ok) ok = DecodeConfig(e.Config, Vue(octets));
    if (!ok) m.Avertissement(MessageErreurLecture);
    return ok;
}

bool EcrireConfig(const Etude& e, Messages& m) {
    if (EcritOctets(Chemin(e, NomFichierConfig), EncodeConfig(e.Config))) return true;
    m.Avertissement(MessageErreurEcriture);
    return false;
}

bool LireTravail(Etude& e, const std::string& nom, Messages& m) {
    NouveauTravail(e);
    e.NomFichier = nom;
    QByteArray octets;
    bool ok = LitOctets(Chemin(e, nom), TailleMaxTravail, octets);
    if (ok) {
        // Decoded aside, so that a bad file leaves nothing of itself in the document.
        auto lu = std::make_unique<TTravail>(e.Travail);
        ok = DecodeTravail(*lu, Vue(octets));
        if (ok) e.Travail = *lu;
    }
    e.Enregistre = true;
    if (ok) {
        e.EssaiCourant = 1;
        return true;
    }
    m.Avertissement(MessageErreurLecture);
    NouveauTravail(e);
    return false;
}

bool EcrireTravail(Etude& e, const std::string& nom, Messages& m) {
    e.NomFichier = nom;
    if (EcritImageTravail(e.Travail, Chemin(e, nom).toStdString())) {
        e.Enregistre = true;
        return true;
    }
    // The document still differs from any file: the save prompt must go on asking.
    m.Avertissement(MessageErreurEcriture);
    return false;
}

bool EcritImageTravail(const TTravail& t, const std::string& chemin) {
    return EcritOctets(QString::fromStdString(chemin), EncodeTravail(t));
}

} // namespace zyv
