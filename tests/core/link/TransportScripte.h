// A module double on the port: each command byte schedules its scripted reply, whose bytes
// become readable at given instants of a manual clock; the line can drop after a number of
// delivered bytes.
#pragma once

#include "core/link/Horloge.h"
#include "core/link/Transport.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace zyv::test {

class TransportScripte final : public Transport {
public:
    explicit TransportScripte(HorlogeManuelle& horloge) : horloge_(horloge) {}
    // bytes[i] readable delais[i] ms after the command (0 when missing).
    void Repond(std::uint8_t commande, std::vector<std::uint8_t> octets,
                std::vector<std::int64_t> delais = {}) {
        reponses_[commande] = {std::move(octets), std::move(delais)};
    }

    bool OuvertureAccepte = true, EcritureAccepte = true;
    EchecOuverture Refus = EchecOuverture::Inconnu; // the reason given when the open is refused
    int LignePerdueApres = -1;       // bytes delivered before the line drops; -1 never
    std::vector<std::string> Traces; // "open", "write", "purge", "dtr", "close"
    std::vector<std::uint8_t> Ecrits;
    std::int64_t DelaiEcriture = 0;

    bool open(const std::string&, const ParametresLigne&) override {
        Traces.push_back("open");
        return ouvert_ = OuvertureAccepte;
    }
    EchecOuverture Echec() const override {
        return OuvertureAccepte ? EchecOuverture::Aucun : Refus;
    }
    void close() override {
        Traces.push_back("close");
        ouvert_ = false;
    }
    bool isOpen() const override { return ouvert_; }
    bool write(const std::uint8_t* octets, std::size_t n, std::int64_t timeoutMs) override {
        Traces.push_back("write");
        DelaiEcriture = timeoutMs;
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
        const auto perdue = [this] { return LignePerdueApres >= 0 && livres_ >= LignePerdueApres; };
        if (!ouvert_ || perdue()) return -1;
        if (file_.empty() || file_.front().first > horloge_.Monotone() + timeoutMs) {
            horloge_.Avance(timeoutMs);
            return 0;
        }
        horloge_.Avance(std::max<std::int64_t>(0, file_.front().first - horloge_.Monotone()));
        std::size_t k = 0;
        while (k < n && !file_.empty() && file_.front().first <= horloge_.Monotone() && !perdue()) {
            dest[k++] = file_.front().second;
            file_.pop_front();
            ++livres_;
        }
        return static_cast<std::ptrdiff_t>(k);
    }
    void purge() override {
        Traces.push_back("purge");
        file_.clear();
    }
    bool raiseDtr() override {
        Traces.push_back("dtr");
        return true;
    }

private:
    HorlogeManuelle& horloge_;
    bool ouvert_ = false;
    int livres_ = 0;
    std::deque<std::pair<std::int64_t, std::uint8_t>> file_;
    std::map<std::uint8_t, std::pair<std::vector<std::uint8_t>, std::vector<std::int64_t>>>
        reponses_;
};

} // namespace zyv::test
