// Random replies and random arrival schedules through the port and the frame decoding.
#include "core/link/ConfigCom.h"
#include "core/link/PortCom.h"
#include "core/link/TransportScripte.h"

#include <cstdlib>
#include <memory>

namespace {

using namespace zyv;

void Verifie(bool condition) {
    if (!condition) std::abort();
}

void DecodeToutes(const std::uint8_t* data) {
    std::array<std::uint8_t, LongueurMesure> o{};
    std::copy(data, data + LongueurMesure, o.begin());
    const auto temps = static_cast<std::int32_t>((data[0] << 16) | (data[1] << 8) | data[2]);
    for (std::int32_t type = 0; type < 4; ++type) {
        const TMesure m = DecodeMesure(o, type, temps).Mesure;
        for (int q = 1; q < NbGrandeurs; ++q) Verifie(m[q] >= 0);
        Verifie(m[GNumero] == 0 && m[GRendementMoteur] <= 1000 && m[GRendementGene] <= 1000);
        Verifie(m[GTemps] == ((type == 1 || type == 3) ? temps : 0));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < LongueurMesure + 2) return 0;
    DecodeToutes(data);

    // Reply byte k (of value k) arrives after the sum of the delays so far; the line may drop.
    const int n = 1 + data[LongueurMesure] % 50;
    HorlogeManuelle horloge;
    auto ligne = std::make_shared<test::TransportScripte>(horloge);
    ligne->LignePerdueApres = data[LongueurMesure + 1] < 60 ? data[LongueurMesure + 1] : -1;
    std::vector<std::uint8_t> octets;
    std::vector<std::int64_t> delais;
    for (std::size_t i = LongueurMesure + 2; i < size; ++i) {
        delais.push_back((delais.empty() ? 0 : delais.back()) + data[i] * 5);
        octets.push_back(static_cast<std::uint8_t>(octets.size()));
    }
    ligne->Repond(0xFF, octets, delais);
    TPortCom port([&](const std::string&) { return ligne; }, horloge);
    port.InitialisePort("COM1");
    Verifie(port.OuvrePort());
    port.EcritPort("\xFF");
    const std::int64_t debut = horloge.Monotone();
    const std::string s = port.LitPort(n);
    Verifie(horloge.Monotone() - debut <= 10 * n + 1000);
    if (port.Connecte) {
        Verifie(s.size() == static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) Verifie(static_cast<std::uint8_t>(s[i]) == i);
    } else {
        Verifie(s.rfind("Erreur L=", 0) == 0 && std::atoi(s.c_str() + 9) < n);
        Verifie(port.Handle == nullptr);
    }
    return 0;
}
