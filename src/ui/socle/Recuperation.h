// Crash recovery: while the study has changes the user has not saved, a copy of it is kept in
// the user's data folder, so that a program killed or a laptop gone flat costs at most the
// last second of work. Each running program keeps its own copy, guarded by a lock file; a start
// offers back only the copies whose program is no longer running.
#pragma once

#include "core/data/Messages.h"
#include "core/data/Travail.h"

#include <QLockFile>
#include <QObject>
#include <QTimer>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace zyv {

inline constexpr const char* MessageRecuperation =
    "Une étude non enregistrée a été retrouvée. Voulez-vous la récupérer ?";

// The program's folder in the user's application data (UTF-8), created when missing.
std::string DossierDonneesUtilisateur();
// Where this run keeps its copy (file-system bytes): named after the process, in the folder
// above, beside the copies of other runs.
std::string CheminRecuperation();

// One per run. Copies are taken on the user-interface thread (a plain copy of the document)
// and encoded and written on a thread of their own, so that no acquisition tick waits for
// the disk. Requests reach the file in the order they were made.
class Recuperation : public QObject {
    Q_OBJECT
public:
    // Between a change and the copy being taken; the write itself follows within
    // milliseconds, keeping every change on disk less than a second after it was made.
    static constexpr int DelaiCopie = 750;

    // chemin: this run's copy; the copies of other runs are those beside it named like it.
    Recuperation(Etude& e, std::string chemin, QObject* parent = nullptr);
    // Lets the last request reach the disk.
    ~Recuperation() override;

    const std::string& Chemin() const { return chemin_; }
    bool Presente() const;
    // The copies left by runs no longer running, newest first. Only regular files: anything
    // else named like a copy is not offered.
    std::vector<std::string> Abandonnees() const;
    // Deletes a copy another run left; false when a running program has taken it meanwhile.
    bool Jette(const std::string& abandonnee);

    // The study has changed. A steady stream of changes still gets a copy every DelaiCopie.
    void Modifie();
    // The study matches a file or is new: the copy goes, and any copy not yet taken with it.
    void Efface();
    // Replaces the study with the copy another run left, unsaved and without a file name, so
    // that the save prompt will ask for one; the copy becomes this run's. An unreadable copy is
    // reported, removed, and leaves an empty study.
    bool Recupere(Messages& m, const std::string& abandonnee);
    // Waits until the file reflects every request made so far.
    void Termine();

private:
    void Copie();
    // copie null: remove the file.
    void Demande(std::unique_ptr<TTravail> copie);
    void Boucle();

    Etude& etude_;
    std::string chemin_;
    std::unique_ptr<QLockFile> proprietaire_;
    QTimer minuterie_;

    std::mutex verrou_;
    std::condition_variable reveil_, fait_;
    bool demande_ = false;            // a request waits for the writer
    std::unique_ptr<TTravail> copie_; // what it asks for
    bool enCours_ = false;
    bool arret_ = false;
    std::thread ecrivain_;
};

} // namespace zyv
