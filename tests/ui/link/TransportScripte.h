// A module double on the port: each command byte queues its scripted reply, readable at once;
// the line can drop after a number of delivered bytes.
#pragma once

#include "core/link/Transport.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace zyv::test {

class TransportScripte final : public Transport {
public:
    void Repond(std::uint8_t commande, std::vector<std::uint8_t> octets) {
        reponses_[commande] = std::move(octets);
    }
    bool OuvertureAccepte = true;
    int LignePerdueApres = -1;        // bytes delivered before the line drops; -1 never
    std::vector<std::string> Journal; // "open", "close"
    std::vector<std::uint8_t> Ecrits;

    bool open(const std::string&, const ParametresLigne&) override {
        Journal.push_back("open");
        return ouvert_ = OuvertureAccepte;
    }
    void close() override {
        Journal.push_back("close");
        ouvert_ = false;
    }
    bool isOpen() const override { return ouvert_; }
    bool write(const std::uint8_t* octets, std::size_t n, std::int64_t) override {
        if (!ouvert_) return false;
        for (std::size_t i = 0; i < n; ++i) {
            Ecrits.push_back(octets[i]);
            const std::vector<std::uint8_t>& r = reponses_[octets[i]];
            file_.insert(file_.end(), r.begin(), r.end());
        }
        return true;
    }
    std::ptrdiff_t read(std::uint8_t* dest, std::size_t n, std::int64_t) override {
        if (!ouvert_ || (LignePerdueApres >= 0 && livres_ >= LignePerdueApres)) return -1;
        std::size_t k = 0;
        for (; k < n && !file_.empty() && livres_ != LignePerdueApres; ++k, ++livres_) {
            dest[k] = file_.front();
            file_.pop_front();
        }
        return static_cast<std::ptrdiff_t>(k);
    }
    void purge() override { file_.clear(); }
    bool raiseDtr() override { return ouvert_; }

private:
    bool ouvert_ = false;
    int livres_ = 0;
    std::deque<std::uint8_t> file_;
    std::map<std::uint8_t, std::vector<std::uint8_t>> reponses_;
};

} // namespace zyv::test
