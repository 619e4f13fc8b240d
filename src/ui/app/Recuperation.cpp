#include "ui/app/Recuperation.h"

#include "core/data/Fichiers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace zyv {

std::string DossierDonneesUtilisateur() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dossier);
    return dossier.toStdString();
}

std::string CheminRecuperation() {
    return QDir(QString::fromStdString(DossierDonneesUtilisateur()))
        .filePath(QStringLiteral("Recuperation.ZYV"))
        .toStdString();
}

Recuperation::Recuperation(Etude& e, std::string chemin, QObject* parent)
    : QObject(parent), etude_(e), chemin_(std::move(chemin)) {
    minuterie_.setSingleShot(true);
    minuterie_.setTimerType(Qt::PreciseTimer);
    minuterie_.setInterval(DelaiCopie);
    connect(&minuterie_, &QTimer::timeout, this, &Recuperation::Copie);
    ecrivain_ = std::thread(&Recuperation::Boucle, this);
}

Recuperation::~Recuperation() {
    {
        const std::lock_guard l(verrou_);
        arret_ = true;
    }
    reveil_.notify_all();
    ecrivain_.join();
}

bool Recuperation::Presente() const {
    return QFileInfo::exists(QString::fromStdString(chemin_));
}

void Recuperation::Modifie() {
    // Not restarted by later changes: the first one unsaved sets the deadline.
    if (!minuterie_.isActive()) minuterie_.start();
}

void Recuperation::Efface() {
    minuterie_.stop();
    Demande(nullptr);
}

void Recuperation::Copie() {
    Demande(std::make_unique<TTravail>(etude_.Travail));
}

void Recuperation::Demande(std::unique_ptr<TTravail> copie) {
    {
        const std::lock_guard l(verrou_);
        // A request not yet begun is outdated by this one.
        copie_ = std::move(copie);
        demande_ = true;
    }
    reveil_.notify_all();
}

void Recuperation::Termine() {
    std::unique_lock l(verrou_);
    fait_.wait(l, [this] { return !demande_ && !enCours_; });
}

void Recuperation::Boucle() {
    std::unique_lock l(verrou_);
    for (;;) {
        reveil_.wait(l, [this] { return demande_ || arret_; });
        if (!demande_) return;
        const std::unique_ptr<TTravail> copie = std::move(copie_);
        demande_ = false;
        enCours_ = true;
        l.unlock();
        // A copy that cannot be written is not worth a message every second: the study
        // itself is untouched and the save prompt still guards it.
        if (copie)
            EcritImageTravail(*copie, chemin_);
        else
            QFile::remove(QString::fromStdString(chemin_));
        l.lock();
        enCours_ = false;
        fait_.notify_all();
    }
}

bool Recuperation::Recupere(Messages& m) {
    Termine();
    const bool lue = LireTravail(etude_, chemin_, m);
    etude_.NomFichier.clear();
    if (!lue) {
        Efface();
        return false;
    }
    etude_.Enregistre = false;
    return true;
}

} // namespace zyv
