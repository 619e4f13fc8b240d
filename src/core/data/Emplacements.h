// Where a run keeps CFGZYV.cfg and its "Fichiers" folder, and where it reads its guide.
// Started from a writable folder (the demo folder, a copy on a USB stick) the program keeps
// everything there; an installed copy, started from a folder it cannot write, keeps them in the
// user's application data folder and reads the guide from the installed share folder.
#pragma once

#include <string>

namespace zyv {

inline constexpr const char* NomDocumentAide = "Aide ZYV.pdf";
// The installed guide and sample studies, relative to the executable's folder (bin/ → share/zyv).
inline constexpr const char* PartageRelatif = "../share/zyv";

struct Situation {
    std::string Demarrage; // current directory at start (UTF-8)
    bool DemarrageInscriptible = true;
    bool AideAuDemarrage = false;
    std::string DonneesUtilisateur; // the user's application data folder; empty when unknown
    std::string Partage;            // installed share folder; empty when unknown
    bool AideDansPartage = false;
};

struct Emplacements {
    std::string Programme; // becomes RepertoireProgramme: CFGZYV.cfg and Fichiers
    std::string Aide;      // folder the guide is read from
    bool ParUtilisateur = false;
    bool operator==(const Emplacements&) const = default;
};

// The decision alone, without touching the disk.
Emplacements ChoisitEmplacements(const Situation& s);

// Creates the per-user folder's "Fichiers" when missing, and then seeds it with the installed
// sample studies and a default CFGZYV.cfg (unless one is there). False when the folder cannot
// be created.
bool PrepareDossierUtilisateur(const std::string& dossier, const std::string& partage);

// The decision, with the per-user folder made ready; falls back to the start-up folder when
// the per-user folder cannot be created.
Emplacements EmplacementsPrets(const Situation& s);

// The current run's situation; needs the application object (name, executable).
Situation SituationActuelle();

} // namespace zyv
