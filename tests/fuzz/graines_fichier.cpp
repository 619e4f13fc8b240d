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
    const std::filesystem::path graines = argv[1];
    const std::filesystem::path corpus = argv[2];
    std::filesystem::remove_all(graines);
    std::filesystem::remove_all(corpus);
    std::filesystem::create_directories(graines);
    std::filesystem::create_directories(corpus);

    auto e = std::make_unique<Etude>();
    NouveauTravail(*e);
    Ecrit(graines / "vide.ZYV", EncodeTravail(e->Travail));

    e->Travail.Titre.Affecte("Moteur");
    // Every index at the far end of its range.
    e->Travail.TypeEtude = EtudeChargeGeneratrice;
    e->Travail.Interpolation = 5;
    e->Travail.Caract[1] = TCaract{true, true, {}, 12, 50, {}, 12, 50, {}, 8};
    e->Travail.Essai(1).TypeCharge = 6;
    for (int i = 0; i < 3; ++i) {
        for (int q = 0; q < NbGrandeurs; ++q) e->MesureCourante[q] = i * 1000 - q;
        AjoutePoint(*e);
    }
    NouvelEssai(*e);
    e->Travail.Essai(2).Commentaire.Affecte("essai");
    Ecrit(graines / "deux.ZYV", EncodeTravail(e->Travail));
    for (int t = 3; t <= NbEssaisMax; ++t) {
        NouvelEssai(*e);
        AjoutePoint(*e);
    }
    Ecrit(graines / "cinq.ZYV", EncodeTravail(e->Travail));

    // Curves the three models fit, and a load cycle recorded against time.
    NouveauTravail(*e);
    e->Travail.Caract[0] = TCaract{true, true, {}, GCourantMoteur, 10, {}, GCouple, 10, {}, 1};
    for (int i = 0; i < 12; ++i) {
        e->MesureCourante[GCourantMoteur] = 150 * i - 300;
        e->MesureCourante[GCouple] = 3 * i * i - 40 * i + 7;
        AjoutePoint(*e);
    }
    Ecrit(graines / "modele.ZYV", EncodeTravail(e->Travail));
    NouveauTravail(*e);
    e->Travail.TypeEtude = EtudeChargeMoteur;
    e->Travail.Caract[0] = TCaract{true, true, {}, GTemps, 10, {}, GPuissanceMoteur, 10, {}, 1};
    TGenerateurAleatoire alea;
    SetCharge(e->Travail.Essai(1), ChargeTriangulaire, 120, 20, alea);
    for (int i = 0; i < 20; ++i) {
        e->MesureCourante[GTemps] = 300 * i;
        e->MesureCourante[GPuissanceMoteur] = 500 + 37 * (i % 7);
        AjoutePoint(*e);
    }
    Ecrit(graines / "charge.ZYV", EncodeTravail(e->Travail));

    TConfiguration c;
    c.Fond = 3;
    c.ChoisitPort("COM3");
    Ecrit(graines / "court.cfg", EncodeConfig(c));
    c.ChoisitPort("ttyUSB0");
    Ecrit(graines / "long.cfg", EncodeConfig(c));
    return 0;
}
