// Random replies and random arrival schedules through the port and the frame decoding.
#include "core/link/ConfigCom.h"
#include "core/link/PortCom.h"

#include <cstdlib>
#include <deque>
#include <memory>

namespace {

using namespace zyv;

void Verifie(bool condition) {
    if (!condition) std::abort();
}

// Bytes arrive in chunks after scripted delays; the line may drop at any point.
class LigneAleatoire : public Transport {
public:
    struct Morceau {
        std::int64_t Delai;
        std::size_t Nombre;
        bool Coupure;
    };
    LigneAleatoire(HorlogeManuelle& h, std::deque<Morceau> morceaux)
        : h_(h), morceaux_(std::move(morceaux)) {}

    bool open(const std::string&, const ParametresLigne&) override { return ouvert_ = true; }
    void close() override { ouvert_ = false; }
    bool isOpen() const override { return ouvert_; }
    bool write(const std::uint8_t*, std::size_t, std::int64_t) override { return ouvert_; }
    std::ptrdiff_t read(std::uint8_t* dest, std::size_t n, std::int64_t timeoutMs) override {
        Verifie(ouvert_ && n > 0 && timeoutMs > 0);
        if (morceaux_.empty() || morceaux_.front().Delai > timeoutMs) {
            if (!morceaux_.empty()) morceaux_.front().Delai -= timeoutMs;
            h_.Avance(timeoutMs);
            return 0;
        }
        Morceau m = morceaux_.front();
        morceaux_.pop_front();
        h_.Avance(m.Delai);
        if (m.Coupure) return -1;
        const std::size_t k = std::min(n, m.Nombre);
        for (std::size_t i = 0; i < k; ++i) dest[i] = static_cast<std::uint8_t>(livres_++);
        return static_cast<std::ptrdiff_t>(k);
    }
    void purge() override {}
    bool raiseDtr() override { return true; }

private:
    HorlogeManuelle& h_;
    std::deque<Morceau> morceaux_;
    bool ouvert_ = false;
    unsigned livres_ = 0;
};

void DecodeToutes(const std::uint8_t* data) {
    std::array<std::uint8_t, LongueurMesure> o{};
    std::copy(data, data + LongueurMesure, o.begin());
    for (std::int32_t type = 0; type < 4; ++type) {
        const std::int32_t temps =
            static_cast<std::int32_t>((data[0] << 16) | (data[1] << 8) | data[2]);
        const ResultatMesure r = DecodeMesure(o, type, temps);
        const TMesure& m = r.Mesure;
        Verifie(m[GNumero] == 0);
        for (int q = 1; q < NbGrandeurs; ++q) Verifie(m[q] >= 0);
        Verifie(m[GRendementMoteur] <= 1000 && m[GRendementGene] <= 1000);
        Verifie(m[GTemps] == ((type == 1 || type == 3) ? temps : 0));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < LongueurMesure + 1) return 0;
    DecodeToutes(data);

    const int n = 1 + data[LongueurMesure] % 50;
    std::deque<LigneAleatoire::Morceau> morceaux;
    for (std::size_t i = LongueurMesure + 1; i + 1 < size; i += 2)
        morceaux.push_back({static_cast<std::int64_t>(data[i]) * 8, std::size_t(data[i + 1] % 8),
                            data[i + 1] == 0xFF});
    HorlogeManuelle horloge;
    auto ligne = std::make_shared<LigneAleatoire>(horloge, std::move(morceaux));
    TPortCom port([&](const std::string&) { return ligne; }, horloge);
    port.InitialisePort("COM1");
    Verifie(port.OuvrePort());
    const std::string s = port.LitPort(n);
    Verifie(horloge.Monotone() <= 10 * n + 1000);
    if (port.Connecte) {
        Verifie(s.size() == static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            Verifie(static_cast<std::uint8_t>(s[i]) == static_cast<std::uint8_t>(i));
    } else {
        Verifie(s.rfind("Erreur L=", 0) == 0);
        Verifie(std::atoi(s.c_str() + 9) < n);
        Verifie(port.Handle == nullptr);
    }
    return 0;
}
