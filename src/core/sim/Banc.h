// The simulated bench: a separately excited DC motor driving a DC generator on a controlled
// load, behind the module's byte protocol.
#pragma once

#include "core/link/Horloge.h"
#include "core/link/Transport.h"

#include <array>
#include <cstdint>
#include <deque>
#include <random>
#include <vector>

namespace zyv {

// Machine constants of a small teaching bench (SI units). At 24 V, from no load to 150 %, every
// quantity stays inside the plots' default views while filling most of them: 4340 to
// 3840 tr/min, torque up to 51.6 mN.m, efficiencies peaking near 70 %.
struct ConstantesBanc {
    double KMoteur = 0.050;                 // V.s/rad, also N.m/A
    double RMoteur = 3.2;                   // armature resistance, ohm
    double KGene = 0.050;                   // V.s/rad
    double RGene = 3.6;                     // armature resistance, ohm
    double FrottementSec = 0.0045;          // dry friction of each machine, N.m
    double FrottementVisqueux = 1.2e-5;     // viscous friction of each machine, N.m.s/rad
    double Inertie = 3.2e-4;                // both rotors and the coupling, kg.m2
    double ConductancePleineCharge = 0.033; // load conductance at 100 %, S
};

// Instantaneous physical state, in SI units (speed in rad/s).
struct GrandeursBanc {
    double Vitesse = 0;       // rad/s
    double Couple = 0;        // shaft torque seen by the sensor, N.m
    double TensionMoteur = 0; // V
    double CourantMoteur = 0; // A
    double TensionGene = 0;   // V
    double CourantGene = 0;   // A
};

class Banc {
public:
    explicit Banc(std::uint32_t graine = 1, ConstantesBanc constantes = {});

    // Manual controls.
    void SetTensionAlimentation(double volts); // clamped to 0..30 V
    double TensionAlimentation() const { return alimentation_; }
    void SetChargeManuelle(int pourcent); // clamped to 0..150 %
    int ChargeManuelle() const { return chargeManuelle_; }

    // Last set-point byte received (0..150), -1 outside a load cycle.
    int Consigne() const { return consigne_; }
    // The load applied now: the set-point during a cycle, else the manual load.
    int ChargeEffective() const { return consigne_ >= 0 ? consigne_ : chargeManuelle_; }

    // Lets ms milliseconds of bench time pass.
    void Avance(std::int64_t ms);
    // Brings the bench to a monotonic instant (ms); the first call only sets the origin, so
    // several users sharing one clock never count the same time twice.
    void AvanceJusqua(std::int64_t instant);
    const GrandeursBanc& Grandeurs() const { return etat_; }
    // The state the bench settles to under the present controls.
    GrandeursBanc RegimePermanent() const;
    // Jumps straight to that state, as if the bench had been running for a while.
    void Stabilise() { etat_ = RegimePermanent(); }
    const ConstantesBanc& Constantes() const { return k_; }

    // One measurement reply: six big-endian words with a little noise, clamped to 0..65535.
    std::array<std::uint8_t, 12> Mesure();
    // The module's answer to one command byte (empty for set-points and unknown bytes).
    std::vector<std::uint8_t> Recoit(std::uint8_t commande);

    static constexpr std::array<std::uint8_t, 6> Identification{'Z', 'Y', 'V', '1', '1', '0'};

private:
    GrandeursBanc Calcule(double vitesse) const;
    double Bruit(double amplitude);

    ConstantesBanc k_;
    double alimentation_ = 24.0;
    int chargeManuelle_ = 50;
    int consigne_ = -1;
    std::int64_t instant_ = 0;
    bool origine_ = false;
    GrandeursBanc etat_;
    std::mt19937 alea_;
};

// The "SIMUL" port: the bench answered in-process, on the program's clock.
class TransportSimule final : public Transport {
public:
    TransportSimule(Banc& banc, Horloge& horloge);

    bool open(const std::string& nom, const ParametresLigne& parametres) override;
    void close() override;
    bool isOpen() const override { return ouvert_; }
    bool write(const std::uint8_t* octets, std::size_t n, std::int64_t timeoutMs) override;
    std::ptrdiff_t read(std::uint8_t* dest, std::size_t n, std::int64_t timeoutMs) override;
    void purge() override { recus_.clear(); }
    bool raiseDtr() override { return ouvert_; }

private:
    Banc& banc_;
    Horloge& horloge_;
    bool ouvert_ = false;
    std::deque<std::uint8_t> recus_;
};

} // namespace zyv
