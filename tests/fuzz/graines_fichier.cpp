// Writes the seed corpus of fuzz_fichier: the demo folder's studies and configuration, and a
// study with every index at the far end of its range.
#include "core/data/CodecFichier.h"
#include "core/data/Operations.h"
#include "core/sim/DossierDemo.h"

#include <filesystem>
#include <fstream>
#include <memory>

using namespace zyv;

namespace {

struct Muet : Messages {
    void Avertissement(const std::string&) override {}
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::filesystem::path graines = std::filesystem::absolute(argv[1]), corpus = argv[2];
    for (const auto& dossier : {graines, corpus}) {
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
    }
    Muet m;
    if (!EcrireDossierDemo(graines.string(), m)) return 1;

    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    TTravail& w = e->Travail;
    w.TypeEtude = EtudeChargeGeneratrice;
    w.Interpolation = 5;
    w.Caract[1] = TCaract{true, true, {}, 12, 50, {}, 12, 50, {}, 8};
    w.Essai(1).TypeCharge = 6;
    for (int t = 1; t <= NbEssaisMax; ++t) {
        if (t > 1) NouvelEssai(*e);
        AjoutePoint(*e);
    }
    const auto o = EncodeTravail(w);
    std::ofstream(graines / "bornes.ZYV", std::ios::binary)
        .write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
    return 0;
}
