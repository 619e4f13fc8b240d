// Any bytes given to the study-file and configuration readers: no crash, no read or write out
// of bounds, whatever is accepted is written back as the same bytes, and an accepted study
// survives the text export, the sorts and a point deletion.
#include "core/analysis/ExportTexte.h"
#include "core/data/CodecFichier.h"
#include "core/data/Operations.h"

#include <cstddef>
#include <cstdint>

namespace {

bool EstBooleen(std::size_t pos) {
    if (pos < 172 || pos >= 372) return false;
    return (pos - 172) % zyv::TailleCaract < 2;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zyv;
    static auto* etude = new Etude;
    const std::span<const std::uint8_t> octets(data, size);

    if (DecodeTravail(etude->Travail, octets)) {
        const auto ecrit = EncodeTravail(etude->Travail);
        if (ecrit.size() > size) __builtin_trap();
        for (std::size_t k = 0; k < ecrit.size(); ++k) {
            const std::uint8_t attendu = EstBooleen(k) ? (data[k] != 0) : data[k];
            if (ecrit[k] != attendu) __builtin_trap();
        }
        etude->EssaiCourant = 1;
        const std::string texte = TexteValeurs(*etude, -1);
        if (!texte.empty() && texte.substr(texte.size() - 2) != "\r\n") __builtin_trap();
        const int points = etude->Travail.Essai(1).NbPoints();
        TrieEssais(*etude);
        SupprimePointEssai(*etude, 0, 1);
        if (points > 0 && etude->Travail.Essai(1).NbPoints() != points - 1) __builtin_trap();
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
