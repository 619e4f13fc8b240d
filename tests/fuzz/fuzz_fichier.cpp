// Any bytes given to the study-file and configuration readers: no crash, no read or write out
// of bounds, whatever is accepted holds indices within their tables and is written back as the
// same bytes (the two unread lengths cut to fit), and an accepted study survives the means, the
// models of its characteristics and their sampling, the text export, the sorts and a point
// deletion. Built with ZYV_DECODEUR_SEUL, it stops after the readers and their round trip: the
// fast target, tens of times more inputs a second.
#include "core/data/CodecFichier.h"
#ifndef ZYV_DECODEUR_SEUL
#include "core/analysis/ExportTexte.h"
#include "core/analysis/TexteModeles.h"
#include "core/data/Operations.h"
#include "core/studies/MoyenneCharge.h"
#endif

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The first n bytes written back for the bytes read: the two unread lengths cut to fit and the
// characteristics' flags as 0 or 1. Whole, so that one comparison checks them.
const std::vector<std::uint8_t>& Relus(const std::uint8_t* data, std::size_t n) {
    static std::vector<std::uint8_t> r;
    r.assign(data, data + n);
    if (n > 0) r[0] = std::min<std::uint8_t>(r[0], 21); // signature length
    if (n > 44) r[44] = std::min<std::uint8_t>(r[44], 15);
    for (std::size_t pos = 172; pos < std::min<std::size_t>(n, 372); pos += zyv::TailleCaract)
        for (std::size_t k = pos; k < std::min(pos + 2, n); ++k) r[k] = r[k] != 0;
    return r;
}

bool Dans(std::int32_t v, std::int32_t min, std::int32_t max) {
    return v >= min && v <= max;
}

#ifndef ZYV_DECODEUR_SEUL
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
#endif

} // namespace

#ifdef ZYV_DECODEUR_SEUL
// The readers keep no pointer from one input to the next: a short quarantine and no fill of new
// blocks let every input run in warm memory, twice as fast.
extern "C" const char* __asan_default_options() {
    return "quarantine_size_mb=4:max_malloc_fill_size=0";
}
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyv;
    static auto* etude = new Etude;
    const std::span<const std::uint8_t> octets(data, size);

    if (DecodeTravail(etude->Travail, octets)) {
        const auto ecrit = EncodeTravail(etude->Travail);
        if (ecrit.size() > size || ecrit != Relus(data, ecrit.size())) __builtin_trap();
        const TTravail& t = etude->Travail;
        bool dans = Dans(t.TypeEtude, 0, 3) && Dans(t.Interpolation, -1, 5);
        for (const TCaract& c : t.Caract)
            dans = dans && Dans(c.GrandeurX, 0, 12) && Dans(c.GrandeurY, 0, 12) &&
                   Dans(c.ZoomX, 0, 50) && Dans(c.ZoomY, 0, 50) && Dans(c.Quadrants, 0, 8);
        for (int k = 1; k <= t.NbEssais; ++k)
            dans = dans && Dans(t.Essai(k).TypeCharge, 0, 6) && Dans(t.Essai(k).TriGrandeur, 0, 12);
        if (!dans) __builtin_trap();
#ifndef ZYV_DECODEUR_SEUL
        Analyses(t);
        etude->EssaiCourant = 1;
        TexteValeurs(*etude, -1);
        TrieEssais(*etude);
        SupprimePointEssai(*etude, 0, 1);
        for (int q = 0; q < NbGrandeurs; ++q) FormatMesure(*etude, q);
#endif
    }

    TConfiguration config;
    const bool complet = DecodeConfig(config, octets);
    if (complet != (size >= TailleConfig)) __builtin_trap();
    if (config.Fond > 7) __builtin_trap();
    TConfiguration relue;
    if (!DecodeConfig(relue, EncodeConfig(config)) || !(relue == config)) __builtin_trap();
    return 0;
}
