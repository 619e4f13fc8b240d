#include "core/link/ConfigCom.h"

#include <algorithm>
#include <limits>

namespace zyv {

TrameMesure DecodeTrame(std::span<const std::uint8_t, LongueurMesure> o) {
    auto mot = [&](int i) {
        return static_cast<std::uint16_t>((o[static_cast<std::size_t>(i)] << 8) |
                                          o[static_cast<std::size_t>(i) + 1]);
    };
    return TrameMesure{mot(0), mot(2), mot(4), mot(6), mot(8), mot(10)};
}

std::array<std::uint8_t, LongueurMesure> EncodeTrame(const TrameMesure& t) {
    std::array<std::uint8_t, LongueurMesure> o{};
    const std::uint16_t mots[6] = {t.Um, t.Im, t.N, t.C, t.Ug, t.Ig};
    for (std::size_t i = 0; i < 6; ++i) {
        o[2 * i] = static_cast<std::uint8_t>(mots[i] >> 8);
        o[2 * i + 1] = static_cast<std::uint8_t>(mots[i] & 0xFF);
    }
    return o;
}

std::int32_t PasDepuisCentiemes(std::int32_t centiemes) {
    const bool negatif = centiemes < 0;
    const std::int64_t x = negatif ? -static_cast<std::int64_t>(centiemes) : centiemes;
    std::int64_t q = x / 50;
    const std::int64_t r = x % 50;
    if (r > 25 || (r == 25 && (q % 2) == 1)) ++q;
    return static_cast<std::int32_t>(negatif ? -q : q);
}

std::int32_t TempsEcouleEntre(std::int32_t temps0, std::int32_t maintenant) {
    std::int64_t n = maintenant;
    if (n < temps0) n += MillisecondesParJour;
    return static_cast<std::int32_t>((n - temps0) / 10);
}

ResultatMesure CalculeMesure(const TrameMesure& t, std::int32_t typeEtude,
                             std::int32_t tempsEcoule) {
    // Every product in 64 bits: full-scale words (65535 x 65535) would overflow 32 bits.
    ResultatMesure r;
    TMesure& m = r.Mesure;
    const std::int64_t n = t.N, c = t.C, um = t.Um, im = t.Im, ug = t.Ug, ig = t.Ig;
    m[GNumero] = 0;
    m[GVitesse] = t.N;
    m[GCouple] = t.C;
    const std::int64_t pm = n * c * 3142 / 3000000;
    m[GPuissanceMeca] = static_cast<std::int32_t>(pm);
    m[GTensionMoteur] = t.Um;
    m[GCourantMoteur] = t.Im;
    const std::int64_t pem = um * im / 1000;
    m[GPuissanceMoteur] = static_cast<std::int32_t>(pem);
    m[GRendementMoteur] =
        static_cast<std::int32_t>(std::min<std::int64_t>(pem > 0 ? pm * 1000 / pem : 0, 1000));
    m[GTensionGene] = t.Ug;
    m[GCourantGene] = t.Ig;
    const std::int64_t peg = ug * ig / 1000;
    m[GPuissanceGene] = static_cast<std::int32_t>(peg);
    m[GRendementGene] =
        static_cast<std::int32_t>(std::min<std::int64_t>(pm > 0 ? peg * 1000 / pm : 0, 1000));
    const bool charge = typeEtude == EtudeChargeMoteur || typeEtude == EtudeChargeGeneratrice;
    const std::int32_t centiemes = charge ? tempsEcoule : 0;
    m[GTemps] = centiemes;
    r.PasCharge = PasDepuisCentiemes(centiemes);
    return r;
}

ResultatMesure DecodeMesure(std::span<const std::uint8_t, LongueurMesure> octets,
                            std::int32_t typeEtude, std::int32_t tempsEcoule) {
    return CalculeMesure(DecodeTrame(octets), typeEtude, tempsEcoule);
}

ModuleZYV::ModuleZYV(Etude& etude, TPortCom& port, Horloge& horloge)
    : etude_(etude), port_(port), horloge_(horloge) {}

void ModuleZYV::InitialiseComZYV() {
    const std::string nom = etude_.Config.Port();
    if (!nom.empty()) port_.InitialisePort(nom);
}

bool ModuleZYV::OuvrirComZYV() {
    return port_.OuvrePort();
}

void ModuleZYV::FermeComZYV() {
    port_.FermePort();
}

void ModuleZYV::Clear() {
    port_.VidePort();
}

void ModuleZYV::LectureVersion(std::string& s) {
    Clear();
    std::string reponse;
    if (port_.Connecte) port_.EcritPort(std::string(1, static_cast<char>(CommandeVersion)));
    if (port_.Connecte) reponse = port_.LitPort(LongueurVersion);
    s = port_.Connecte ? reponse : std::string();
}

std::string ModuleZYV::LectureVersion() {
    std::string s;
    LectureVersion(s);
    return s;
}

void ModuleZYV::LectureValeur() {
    Clear();
    std::string reponse;
    if (port_.Connecte) port_.EcritPort(std::string(1, static_cast<char>(CommandeMesure)));
    if (port_.Connecte) reponse = port_.LitPort(LongueurMesure);
    if (!port_.Connecte || reponse.size() != LongueurMesure) {
        etude_.MesureCourante[GNumero] = -1;
        return;
    }
    std::array<std::uint8_t, LongueurMesure> octets{};
    std::copy(reponse.begin(), reponse.end(), reinterpret_cast<char*>(octets.data()));
    // The clock is read only where a load study needs it.
    const std::int32_t type = etude_.Travail.TypeEtude;
    const bool charge = type == EtudeChargeMoteur || type == EtudeChargeGeneratrice;
    const ResultatMesure r = DecodeMesure(octets, type, charge ? TempsEcoule() : 0);
    etude_.MesureCourante = r.Mesure;
    etude_.PasCharge = r.PasCharge;
}

void ModuleZYV::SetCharge(std::uint8_t v) {
    if (port_.Connecte) port_.EcritPort(std::string(1, static_cast<char>(v)));
}

void ModuleZYV::SetTemps0() {
    etude_.Temps0 = horloge_.MillisecondesDepuisMinuit();
    origine_ = horloge_.Monotone();
}

std::int32_t ModuleZYV::TempsEcoule() const {
    if (!origine_) return TempsEcouleEntre(etude_.Temps0, horloge_.MillisecondesDepuisMinuit());
    const std::int64_t centiemes = (horloge_.Monotone() - *origine_) / 10;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(centiemes, std::numeric_limits<std::int32_t>::max()));
}

} // namespace zyv
