#include "ui/socle/Recuperation.h"

#include "core/data/Fichiers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace zyv {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view DebutNom = "Recuperation", FinNom = ".ZYV";

// The lock beside a copy; held for the whole run by the program the copy belongs to, and
// briefly by a program that deletes or takes over a dead run's copy.
std::unique_ptr<QLockFile> Verrou(const std::string& copie) {
    auto v = std::make_unique<QLockFile>(QFile::decodeName(QByteArray::fromStdString(copie)) +
                                         QStringLiteral(".lock"));
    // Only a dead owner frees a copy, however long its program has been running.
    v->setStaleLockTime(0);
    return v;
}

} // namespace

std::string DossierDonneesUtilisateur() {
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(dossier);
    return QFile::encodeName(dossier).toStdString();
}

std::string CheminRecuperation() {
    const fs::path dossier(DossierDonneesUtilisateur());
    const std::string base =
        std::string(DebutNom) + "-" + std::to_string(QCoreApplication::applicationPid());
    // A copy by this name belongs to a dead run that had the same number: it stays to be offered.
    std::string nom = base + std::string(FinNom);
    std::error_code ec;
    for (int k = 2; fs::exists(dossier / nom, ec) || fs::exists(dossier / (nom + ".lock"), ec); ++k)
        nom = base + "-" + std::to_string(k) + std::string(FinNom);
    return (dossier / nom).string();
}

Recuperation::Recuperation(Etude& e, std::string chemin, QObject* parent)
    : QObject(parent), etude_(e), chemin_(std::move(chemin)), proprietaire_(Verrou(chemin_)) {
    proprietaire_->tryLock(0);
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
    std::error_code ec;
    return fs::is_regular_file(chemin_, ec);
}

std::vector<std::string> Recuperation::Abandonnees() const {
    std::vector<std::pair<fs::file_time_type, std::string>> copies;
    const fs::path propre(chemin_);
    std::error_code ec;
    for (fs::directory_iterator i(propre.parent_path(), ec), fin; !ec && i != fin;
         i.increment(ec)) {
        const std::string nom = i->path().filename().string();
        if (nom.starts_with(DebutNom) && nom.ends_with(std::string(FinNom) + ".lock")) {
            // Left by a program killed before its first copy: probing it clears it away.
            const std::string copie = i->path().string().substr(0, i->path().string().size() - 5);
            if (!fs::exists(copie, ec)) Verrou(copie)->tryLock(0);
            continue;
        }
        if (i->path() == propre || !nom.starts_with(DebutNom) || !nom.ends_with(FinNom) ||
            !i->is_regular_file(ec))
            continue;
        // Free only when its program is gone (the lock then goes with this probe).
        if (!Verrou(i->path().string())->tryLock(0)) continue;
        copies.emplace_back(i->last_write_time(ec), i->path().string());
    }
    std::sort(copies.begin(), copies.end(), std::greater<>());
    std::vector<std::string> chemins;
    for (auto& c : copies) chemins.push_back(std::move(c.second));
    return chemins;
}

bool Recuperation::Jette(const std::string& abandonnee) {
    const auto verrou = Verrou(abandonnee);
    if (!verrou->tryLock(0)) return false;
    std::error_code ec;
    return fs::remove(abandonnee, ec);
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

bool Recuperation::Recupere(Messages& m, const std::string& abandonnee) {
    const auto verrou = Verrou(abandonnee);
    if (!verrou->tryLock(0)) return false;
    std::error_code ec;
    const bool lue = LireTravail(etude_, abandonnee, m);
    etude_.NomFichier.clear();
    if (!lue) {
        fs::remove(abandonnee, ec);
        Efface();
        return false;
    }
    etude_.Enregistre = false;
    // Now this run's copy; the old one goes only once the new one is on disk.
    minuterie_.stop();
    Copie();
    Termine();
    if (Presente()) fs::remove(abandonnee, ec);
    return true;
}

} // namespace zyv
