// The module protocol: single-byte commands, the measurement frame and the derived quantities.
#pragma once

#include "core/data/Travail.h"
#include "core/link/Horloge.h"
#include "core/link/PortCom.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace zyv {

// Command bytes.
constexpr std::uint8_t CommandeMesure = 0xFF;
constexpr std::uint8_t CommandeVersion = 0xFD;
constexpr std::uint8_t CommandeFinCycle = 0xFE;
constexpr std::uint8_t ConsigneMax = 150;
constexpr int LongueurMesure = 12;
constexpr int LongueurVersion = 6;

// The six words of a measurement reply, in raw module units.
struct TrameMesure {
    std::uint16_t Um = 0; // 0.01 V
    std::uint16_t Im = 0; // mA
    std::uint16_t N = 0;  // tr/min
    std::uint16_t C = 0;  // 0.1 mN.m
    std::uint16_t Ug = 0; // 0.01 V
    std::uint16_t Ig = 0; // mA
};

TrameMesure DecodeTrame(std::span<const std::uint8_t, LongueurMesure> octets);
// The inverse, for the simulated module.
std::array<std::uint8_t, LongueurMesure> EncodeTrame(const TrameMesure& t);

struct ResultatMesure {
    TMesure Mesure{};
    std::int32_t PasCharge = 0; // half-second step of a load cycle, 0 outside load studies
};

// The thirteen quantities of one reading. tempsEcoule (hundredths of a second since Temps0) is
// only used by load studies.
ResultatMesure CalculeMesure(const TrameMesure& t, std::int32_t typeEtude,
                             std::int32_t tempsEcoule);
ResultatMesure DecodeMesure(std::span<const std::uint8_t, LongueurMesure> octets,
                            std::int32_t typeEtude, std::int32_t tempsEcoule);

// Hundredths of a second from temps0 to maintenant (both ms since midnight), across midnight.
std::int32_t TempsEcouleEntre(std::int32_t temps0, std::int32_t maintenant);
// Hundredths of a second to half-second steps, halves to the even neighbour.
std::int32_t PasDepuisCentiemes(std::int32_t centiemes);

// The module link: the only code that exchanges bytes with the module.
class ModuleZYV {
public:
    ModuleZYV(Etude& etude, TPortCom& port, Horloge& horloge);

    void InitialiseComZYV();
    bool OuvrirComZYV();
    void FermeComZYV();
    void Clear();
    // s := the 6-byte identification reply, or empty when the link failed.
    void LectureVersion(std::string& s);
    std::string LectureVersion();
    // Fills MesureCourante; element 0 is -1 when the link failed.
    void LectureValeur();
    void SetCharge(std::uint8_t v);
    void SetTemps0();
    std::int32_t TempsEcoule() const;

    bool Connecte() const { return port_.Connecte; }
    TPortCom& Port() { return port_; }

private:
    Etude& etude_;
    TPortCom& port_;
    Horloge& horloge_;
    // The time origin on the monotonic clock, once a cycle has set one: a step of the time of
    // day (NTP, daylight saving) neither ends nor stretches the cycle.
    std::optional<std::int64_t> origine_;
};

} // namespace zyv
