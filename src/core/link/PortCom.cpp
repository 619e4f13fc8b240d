#include "core/link/PortCom.h"

#include <algorithm>
#include <vector>

namespace zyv {

TPortCom::TPortCom(FabriqueTransport fabrique, Horloge& horloge)
    : fabrique_(std::move(fabrique)), horloge_(horloge) {}

TPortCom::~TPortCom() {
    FermePort();
}

void TPortCom::InitialisePort(const std::string& nom) {
    Nom = nom;
    Delais = DelaisPort{};
    Parametres = ParametresLigne{};
}

bool TPortCom::OuvrePort() {
    // A second open would otherwise leave the first device held with no way to release it.
    FermePort();
    Handle = fabrique_ ? fabrique_(Nom) : nullptr;
    if (!Handle || !Handle->open(Nom, Parametres)) {
        DernierEchec = Handle ? Handle->Echec() : EchecOuverture::Inconnu;
        Handle.reset();
        Connecte = false;
        return false;
    }
    DernierEchec = EchecOuverture::Aucun;
    Handle->purge();
    Handle->raiseDtr();
    Connecte = true;
    return true;
}

std::string TPortCom::LitPort(int n) {
    const std::size_t voulu = static_cast<std::size_t>(std::max(n, 0));
    std::vector<std::uint8_t> tampon(voulu);
    std::size_t recus = 0;
    bool perdu = !Handle || !Handle->isOpen();

    // Total budget from the call; the interval limit starts with the first byte.
    const std::int64_t debut = horloge_.Monotone();
    const std::int64_t finTotale = debut +
                                   Delais.MultiplicateurLecture * static_cast<std::int64_t>(voulu) +
                                   Delais.ConstanteLecture;
    std::int64_t finIntervalle = finTotale;
    while (!perdu && recus < voulu) {
        const std::int64_t maintenant = horloge_.Monotone();
        const std::int64_t reste = std::min(finTotale, finIntervalle) - maintenant;
        if (reste <= 0) break;
        const std::ptrdiff_t r = Handle->read(tampon.data() + recus, voulu - recus, reste);
        if (r < 0) {
            perdu = true;
        } else if (r > 0) {
            recus += static_cast<std::size_t>(r);
            finIntervalle = horloge_.Monotone() + Delais.IntervalleLecture;
        }
    }
    if (!perdu && recus == voulu)
        return std::string(reinterpret_cast<const char*>(tampon.data()), voulu);
    FermePort();
    return "Erreur L=" + std::to_string(recus);
}

void TPortCom::EcritPort(std::string_view s) {
    const auto n = static_cast<std::int64_t>(s.size());
    const bool ok = Handle && Handle->isOpen() &&
                    Handle->write(reinterpret_cast<const std::uint8_t*>(s.data()), s.size(),
                                  Delais.MultiplicateurEcriture * n + Delais.ConstanteEcriture);
    if (!ok) FermePort();
}

void TPortCom::FermePort() {
    if (Handle) {
        Handle->close();
        Handle.reset();
    }
    Connecte = false;
}

void TPortCom::VidePort() {
    if (Handle) Handle->purge();
}

} // namespace zyv
