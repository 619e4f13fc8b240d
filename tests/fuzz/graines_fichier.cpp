// Writes the seed corpus of fuzz_fichier: a few valid study and configuration images.
#include "core/data/CodecFichier.h"
#include "core/data/Operations.h"
#include "core/studies/ProfilCharge.h"

#include <filesystem>
#include <fstream>
#include <memory>

using namespace zyv;

namespace {

void Ecrit(const std::filesystem::path& chemin, const std::vector<std::uint8_t>& o) {
    std::ofstream f(chemin, std::ios::binary);
    f.write(reinterpret_cast<const char*>(o.data()), static_cast<std::streamsize>(o.size()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::filesystem::path graines = argv[1], corpus = argv[2];
    for (const auto& dossier : {graines, corpus}) {
        std::filesystem::remove_all(dossier);
        std::filesystem::create_directories(dossier);
    }

    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    Ecrit(graines / "vide.ZYV", EncodeTravail(e->Travail));

    // Every index at the far end of its range, a curve the three models fit, a load cycle.
    TTravail& w = e->Travail;
    w.Titre.Affecte("Moteur");
    w.TypeEtude = EtudeChargeGeneratrice;
    w.Interpolation = 5;
    w.Caract[0] = TCaract{true, true, {}, GCourantMoteur, 10, {}, GCouple, 10, {}, 1};
    w.Caract[1] = TCaract{true, true, {}, 12, 50, {}, 12, 50, {}, 8};
    TGenerateurAleatoire alea;
    SetCharge(w.Essai(1), ChargeTriangulaire, 120, 20, alea);
    for (int i = 0; i < 12; ++i) {
        for (int q = 0; q < NbGrandeurs; ++q) e->MesureCourante[q] = i * 1000 - q;
        e->MesureCourante[GTemps] = 300 * i;
        e->MesureCourante[GCourantMoteur] = 150 * i - 300;
        e->MesureCourante[GCouple] = 3 * i * i - 40 * i + 7;
        AjoutePoint(*e);
    }
    NouvelEssai(*e);
    w.Essai(2).Commentaire.Affecte("essai");
    w.Essai(2).TypeCharge = 6;
    Ecrit(graines / "deux.ZYV", EncodeTravail(w));
    for (int t = 3; t <= NbEssaisMax; ++t) {
        NouvelEssai(*e);
        AjoutePoint(*e);
    }
    Ecrit(graines / "cinq.ZYV", EncodeTravail(w));

    TConfiguration c;
    c.Fond = 3;
    c.ChoisitPort("ttyUSB0");
    Ecrit(graines / "long.cfg", EncodeConfig(c));
    return 0;
}
