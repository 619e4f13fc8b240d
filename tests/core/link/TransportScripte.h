// A transport driven by a manual clock: each command byte schedules a scripted reply whose
// bytes become readable at given instants.
#pragma once

#include "core/link/Horloge.h"
#include "core/link/Transport.h"

#include <algorithm>
#include <deque>
#include <map>
#include <utility>
#include <vector>

namespace zyv::test {

struct OctetPrevu {
    std::int64_t Instant; // monotonic ms at which the byte can be read
    std::uint8_t Valeur;
};

class TransportScripte : public Transport {
public:
    explicit TransportScripte(HorlogeManuelle& horloge) : horloge_(horloge) {}

    // Reply to a command: bytes[i] readable delais[i] ms after the command (0 when missing).
    void Repond(std::uint8_t commande, std::vector<std::uint8_t> octets,
                std::vector<std::int64_t> delais = {}) {
        reponses_[commande] = {std::move(octets), std::move(delais)};
    }

    bool OuvertureAccepte = true;
    bool EcritureAccepte = true;
    int LignePerdueApres = -1; // bytes delivered before the line drops; -1 never

    std::vector<std::string> Journal; // "open", "purge", "dtr", "close", "write"
    std::vector<std::uint8_t> Ecrits;
    std::vector<std::int64_t> DelaisEcriture;
    std::string NomOuvert;

    bool open(const std::string& nom, const ParametresLigne&) override {
        Journal.push_back("open");
        NomOuvert = nom;
        ouvert_ = OuvertureAccepte;
        return ouvert_;
    }
    void close() override {
        Journal.push_back("close");
        ouvert_ = false;
    }
    bool isOpen() const override { return ouvert_; }
    bool write(const std::uint8_t* octets, std::size_t n, std::int64_t timeoutMs) override {
        Journal.push_back("write");
        DelaisEcriture.push_back(timeoutMs);
        if (!ouvert_ || !EcritureAccepte) return false;
        for (std::size_t i = 0; i < n; ++i) {
            Ecrits.push_back(octets[i]);
            auto it = reponses_.find(octets[i]);
            if (it == reponses_.end()) continue;
            const auto& [valeurs, delais] = it->second;
            for (std::size_t k = 0; k < valeurs.size(); ++k)
                file_.push_back(
                    {horloge_.Monotone() + (k < delais.size() ? delais[k] : 0), valeurs[k]});
        }
        return true;
    }
    std::ptrdiff_t read(std::uint8_t* dest, std::size_t n, std::int64_t timeoutMs) override {
        if (!ouvert_) return -1;
        if (LignePerdueApres >= 0 && livres_ >= LignePerdueApres) return -1;
        const std::int64_t limite = horloge_.Monotone() + timeoutMs;
        if (file_.empty() || file_.front().Instant > limite) {
            horloge_.Avance(timeoutMs);
            return 0;
        }
        if (file_.front().Instant > horloge_.Monotone())
            horloge_.Avance(file_.front().Instant - horloge_.Monotone());
        std::size_t k = 0;
        while (k < n && !file_.empty() && file_.front().Instant <= horloge_.Monotone() &&
               (LignePerdueApres < 0 || livres_ < LignePerdueApres)) {
            dest[k++] = file_.front().Valeur;
            file_.pop_front();
            ++livres_;
        }
        return static_cast<std::ptrdiff_t>(k);
    }
    void purge() override {
        Journal.push_back("purge");
        file_.clear();
    }
    bool raiseDtr() override {
        Journal.push_back("dtr");
        return true;
    }

private:
    HorlogeManuelle& horloge_;
    bool ouvert_ = false;
    int livres_ = 0;
    std::deque<OctetPrevu> file_;
    std::map<std::uint8_t, std::pair<std::vector<std::uint8_t>, std::vector<std::int64_t>>>
        reponses_;
};

} // namespace zyv::test
