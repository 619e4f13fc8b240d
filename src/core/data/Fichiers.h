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

// Return true on success. File names are UTF-8 paths.
bool LireConfig(Etude& e, Messages& m);
bool EcrireConfig(const Etude& e, Messages& m);
bool LireTravail(Etude& e, const std::string& nom, Messages& m);
bool EcrireTravail(Etude& e, const std::string& nom, Messages& m);

} // namespace zyv
