// The demo folder: a configuration on the simulated bench and sample studies recorded on it,
// so a newcomer has something to open before ever touching the real bench.
#pragma once

#include "core/data/Messages.h"
#include "core/data/Travail.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zyv {

// The four sample studies, each recorded through the module link on a fresh simulated bench, as
// the study windows would record them. Return false if the link failed.
bool EnregistreCaractMoteur(Etude& e, std::uint32_t graine = 1);
bool EnregistreCaractGeneratrice(Etude& e, std::uint32_t graine = 2);
bool EnregistreChargeMoteur(Etude& e, std::uint32_t graine = 3);
bool EnregistreChargeGeneratrice(Etude& e, std::uint32_t graine = 4);

struct FichierDemo {
    std::string Nom; // file name inside the "Fichiers" folder
    bool (*Enregistre)(Etude&, std::uint32_t);
    std::uint32_t Graine;
};
const std::vector<FichierDemo>& FichiersDemo();

// Writes CFGZYV.cfg selecting the simulated bench into dossier, and the sample studies into
// dossier/Fichiers (created when missing). dossier is a UTF-8 path.
bool EcrireDossierDemo(const std::string& dossier, Messages& m);

} // namespace zyv
