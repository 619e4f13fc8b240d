// The study file and the configuration file. Errors go to the user through Messages.
#pragma once

#include "core/data/Messages.h"
#include "core/data/Travail.h"

#include <string>

namespace zyv {

inline constexpr const char* MessageErreurLecture = "Erreur de lecture du fichier";
inline constexpr const char* MessageErreurEcriture = "Erreur d'ecriture du fichier";
inline constexpr const char* NomFichierConfig = "CFGZYV.cfg";
// Beside the configuration file: where the file dialogs start.
inline constexpr const char* DossierFichiers = "Fichiers";

// Where printing to PDF proposes to write: the study's own folder and name with ".pdf" in
// place of its extension; for a study without file, "ZYV.pdf" in the Fichiers folder. In the
// file system's bytes, as every name here.
std::string FichierPdfPropose(const Etude& e);

// Return true on success. File names are the file system's bytes (QFile::encodeName of a shown
// name), so that a name in another encoding is still reached. Only regular files are read.
bool LireConfig(Etude& e, Messages& m);
bool EcrireConfig(const Etude& e, Messages& m);
bool LireTravail(Etude& e, const std::string& nom, Messages& m);
bool EcrireTravail(Etude& e, const std::string& nom, Messages& m);
// The same image of t written to chemin, leaving the study's file name and saved flag alone
// and showing nothing: for copies the user did not ask for. Safe from any thread.
bool EcritImageTravail(const TTravail& t, const std::string& chemin);

// A write past the file-size limit (ulimit -f) then fails like one on a full disk instead of
// killing the process with the unsaved work. For the whole process: call once at start.
void IgnoreLimiteTailleFichier();

} // namespace zyv
