// Any bytes given to the study-file and configuration readers: no crash, no read or write out
// of bounds, and whatever is accepted is written back as the same bytes.
#include "core/data/CodecFichier.h"

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
    static auto* travail = new TTravail;
    const std::span<const std::uint8_t> octets(data, size);

    if (DecodeTravail(*travail, octets)) {
        const auto ecrit = EncodeTravail(*travail);
        if (ecrit.size() > size) __builtin_trap();
        for (std::size_t k = 0; k < ecrit.size(); ++k) {
            const std::uint8_t attendu = EstBooleen(k) ? (data[k] != 0) : data[k];
            if (ecrit[k] != attendu) __builtin_trap();
        }
    }

    TConfiguration config;
    const bool complet = DecodeConfig(config, octets);
    if (complet != (size >= TailleConfig)) __builtin_trap();
    if (config.Fond > 7) __builtin_trap();
    TConfiguration relue;
    if (!DecodeConfig(relue, EncodeConfig(config)) || !(relue == config)) __builtin_trap();
    return 0;
}
