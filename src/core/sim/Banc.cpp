#include "core/sim/Banc.h"

#include "core/link/ConfigCom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zyv {

namespace {

constexpr double PasIntegration = 0.001; // s
// Far beyond any time constant of the bench: after that long the state has settled, so a long
// idle period costs no more than this.
constexpr std::int64_t RattrapageMax = 20000; // ms

std::uint16_t Borne(double v) {
    if (!(v > 0)) return 0;
    if (v > 65535) return 65535;
    return static_cast<std::uint16_t>(std::lround(v));
}

} // namespace

Banc::Banc(std::uint32_t graine, ConstantesBanc constantes) : k_(constantes), alea_(graine) {
    etat_ = Calcule(0);
}

void Banc::SetTensionAlimentation(double volts) {
    alimentation_ = std::isfinite(volts) ? std::clamp(volts, 0.0, 30.0) : 0.0;
    etat_ = Calcule(etat_.Vitesse);
}

void Banc::SetChargeManuelle(int pourcent) {
    chargeManuelle_ = std::clamp(pourcent, 0, 150);
    etat_ = Calcule(etat_.Vitesse);
}

GrandeursBanc Banc::Calcule(double w) const {
    GrandeursBanc g;
    g.Vitesse = w;
    const double em = k_.KMoteur * w;
    // A laboratory supply sources current but cannot sink it.
    g.CourantMoteur = std::max(0.0, (alimentation_ - em) / k_.RMoteur);
    g.TensionMoteur = g.CourantMoteur > 0 ? alimentation_ : std::max(alimentation_, em);
    const double conductance = k_.ConductancePleineCharge * ChargeEffective() / 100.0;
    const double eg = k_.KGene * w;
    g.CourantGene = eg * conductance / (1.0 + k_.RGene * conductance);
    g.TensionGene = eg - k_.RGene * g.CourantGene;
    const double frottement = w > 0 ? k_.FrottementSec + k_.FrottementVisqueux * w : 0.0;
    // The sensor sits between the machines: it carries what the generator absorbs.
    g.Couple = k_.KGene * g.CourantGene + frottement;
    return g;
}

void Banc::Avance(std::int64_t ms) {
    ms = std::min(ms, RattrapageMax);
    for (std::int64_t i = 0; i < ms; ++i) {
        const double w = etat_.Vitesse;
        const double moteur = k_.KMoteur * etat_.CourantMoteur;
        const double frottementMoteur = w > 0 ? k_.FrottementSec + k_.FrottementVisqueux * w : 0;
        double net = moteur - frottementMoteur - etat_.Couple;
        // At rest, dry friction holds the shaft until the motor torque overcomes it.
        if (w <= 0 && moteur <= 2 * k_.FrottementSec) net = 0;
        const double suivante = std::max(0.0, w + net / k_.Inertie * PasIntegration);
        etat_ = Calcule(suivante);
    }
    if (ms > 0) etat_ = Calcule(etat_.Vitesse);
}

void Banc::AvanceJusqua(std::int64_t instant) {
    if (origine_ && instant > instant_) Avance(instant - instant_);
    if (!origine_ || instant > instant_) instant_ = instant;
    origine_ = true;
}

GrandeursBanc Banc::RegimePermanent() const {
    const double g = k_.ConductancePleineCharge * ChargeEffective() / 100.0;
    const double couple = k_.KMoteur * alimentation_ / k_.RMoteur - 2 * k_.FrottementSec;
    const double pente = k_.KMoteur * k_.KMoteur / k_.RMoteur + 2 * k_.FrottementVisqueux +
                         k_.KGene * k_.KGene * g / (1.0 + k_.RGene * g);
    return Calcule(couple > 0 ? couple / pente : 0.0);
}

double Banc::Bruit(double amplitude) {
    // Two uniform draws from the engine's raw output: triangular noise, identical on every
    // standard library for a given seed.
    const double a = static_cast<double>(alea_()) / 4294967296.0;
    const double b = static_cast<double>(alea_()) / 4294967296.0;
    return (a + b - 1.0) * amplitude;
}

std::array<std::uint8_t, 12> Banc::Mesure() {
    const GrandeursBanc& g = etat_;
    const double tours = g.Vitesse * 60.0 / (2.0 * std::numbers::pi);
    TrameMesure t;
    t.Um = Borne(g.TensionMoteur * 100.0 + Bruit(2));
    t.Im = Borne(g.CourantMoteur * 1000.0 + Bruit(3));
    t.N = Borne(tours + Bruit(3));
    t.C = Borne(g.Couple * 10000.0 + Bruit(3));
    t.Ug = Borne(g.TensionGene * 100.0 + Bruit(2));
    t.Ig = Borne(g.CourantGene * 1000.0 + Bruit(3));
    return EncodeTrame(t);
}

std::vector<std::uint8_t> Banc::Recoit(std::uint8_t commande) {
    switch (commande) {
    case 0xFF: {
        const auto m = Mesure();
        return {m.begin(), m.end()};
    }
    case 0xFD:
        return {Identification.begin(), Identification.end()};
    case 0xFE:
        consigne_ = -1;
        break;
    default:
        if (commande <= 150) consigne_ = commande;
        break;
    }
    etat_ = Calcule(etat_.Vitesse);
    return {};
}

TransportSimule::TransportSimule(Banc& banc, Horloge& horloge) : banc_(banc), horloge_(horloge) {}

bool TransportSimule::open(const std::string&, const ParametresLigne&) {
    recus_.clear();
    banc_.AvanceJusqua(horloge_.Monotone());
    ouvert_ = true;
    return true;
}

void TransportSimule::close() {
    ouvert_ = false;
    recus_.clear();
}

bool TransportSimule::write(const std::uint8_t* octets, std::size_t n, std::int64_t) {
    if (!ouvert_) return false;
    banc_.AvanceJusqua(horloge_.Monotone());
    for (std::size_t i = 0; i < n; ++i) {
        const auto reponse = banc_.Recoit(octets[i]);
        recus_.insert(recus_.end(), reponse.begin(), reponse.end());
    }
    return true;
}

std::ptrdiff_t TransportSimule::read(std::uint8_t* dest, std::size_t n, std::int64_t timeoutMs) {
    if (!ouvert_) return -1;
    if (recus_.empty()) {
        // The bench only speaks when asked: nothing can come before the time-out.
        horloge_.Attends(timeoutMs);
        return 0;
    }
    const std::size_t k = std::min(n, recus_.size());
    std::copy_n(recus_.begin(), k, dest);
    recus_.erase(recus_.begin(), recus_.begin() + static_cast<std::ptrdiff_t>(k));
    return static_cast<std::ptrdiff_t>(k);
}

} // namespace zyv
