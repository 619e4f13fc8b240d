// Any bytes given to the study-file and configuration readers: no crash, no read or write out
// of bounds, whatever is accepted holds indices within their tables and is written back as the
// same bytes (the two unread lengths cut to fit), and an accepted study survives the means, the
// models of its characteristics and their sampling, the text export, the sorts and a point
// deletion.
#include "core/analysis/ExportTexte.h"
#include "core/analysis/TexteModeles.h"
#include "core/data/CodecFichier.h"
#include "core/data/Operations.h"
#include "core/studies/MoyenneCharge.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// The byte written back for the byte read at pos.
std::uint8_t Relu(const std::uint8_t* data, std::size_t pos) {
    if (pos == 0) return std::min<std::uint8_t>(data[0], 21); // signature length
    if (pos == 44) return std::min<std::uint8_t>(data[44], 15);
    if (pos >= 172 && pos < 372 && (pos - 172) % zyv::TailleCaract < 2) return data[pos] != 0;
    return data[pos];
}

bool Dans(std::int32_t v, std::int32_t min, std::int32_t max) {
    return v >= min && v <= max;
}

void Verifie(bool condition) {
    if (!condition) __builtin_trap();
}

// Means of each characteristic's pair, and its three models with the model plot's sampling.
void Analyses(const zyv::TTravail& t) {
    using namespace zyv;
    static TTabValeurs ex, ey;
    for (const TCaract& c : t.Caract) {
        for (int k = 1; k <= t.NbEssais; ++k) {
            const TResultatsMoyenne r = CalculMoyenne(t.Essai(k), c.GrandeurX, c.GrandeurY);
            Verifie(r.ValeurEfficace >= 0 &&
                    (t.Essai(k).NbPoints() >= 2 || r == TResultatsMoyenne{}));
            TexteSecondeValeur(r, c.GrandeurY);
        }
        for (const int type : {ModeleAX, ModeleAXB, ModeleAX2BXC}) {
            const TModeles m = Modelisation(t, type, c.GrandeurX, c.GrandeurY);
            for (int k = 1; k <= t.NbEssais; ++k) {
                const TEssai& e = t.Essai(k);
                if (e.DernierPoint < 0) continue;
                const std::int32_t xmax = MaxValeur(e.Valeurs[c.GrandeurX], 0, e.DernierPoint);
                ValeurModele({}, m.C1[k], m.C0[k], xmax);
                const int d = EchantillonModele(0, xmax, m.C2[k], m.C1[k], m.C0[k], ex, ey);
                Verifie(Dans(d, 1, 101) && ex[0] == d && ex[1] == 0 && ex[d + 1] == xmax);
            }
            TexteEquations(m, t.NbEssais); // symbols read from the file may hold any byte
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyv;
    static auto* etude = new Etude;
    const std::span<const std::uint8_t> octets(data, size);

    if (DecodeTravail(etude->Travail, octets)) {
        const auto ecrit = EncodeTravail(etude->Travail);
        if (ecrit.size() > size) __builtin_trap();
        for (std::size_t k = 0; k < ecrit.size(); ++k)
            if (ecrit[k] != Relu(data, k)) __builtin_trap();
        const TTravail& t = etude->Travail;
        bool dans = Dans(t.TypeEtude, 0, 3) && Dans(t.Interpolation, -1, 5);
        for (const TCaract& c : t.Caract)
            dans = dans && Dans(c.GrandeurX, 0, 12) && Dans(c.GrandeurY, 0, 12) &&
                   Dans(c.ZoomX, 0, 50) && Dans(c.ZoomY, 0, 50) && Dans(c.Quadrants, 0, 8);
        for (int k = 1; k <= t.NbEssais; ++k)
            dans = dans && Dans(t.Essai(k).TypeCharge, 0, 6) && Dans(t.Essai(k).TriGrandeur, 0, 12);
        if (!dans) __builtin_trap();
        Analyses(t);
        etude->EssaiCourant = 1;
        TexteValeurs(*etude, -1);
        TrieEssais(*etude);
        SupprimePointEssai(*etude, 0, 1);
        for (int q = 0; q < NbGrandeurs; ++q) FormatMesure(*etude, q);
    }

    TConfiguration config;
    const bool complet = DecodeConfig(config, octets);
    if (complet != (size >= TailleConfig)) __builtin_trap();
    if (config.Fond > 7) __builtin_trap();
    TConfiguration relue;
    if (!DecodeConfig(relue, EncodeConfig(config)) || !(relue == config)) __builtin_trap();
    return 0;
}
