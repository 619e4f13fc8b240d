// A module double on the port: answers the identification with a chosen reply, measures with a
// fixed frame, and can be unplugged after a number of measurements.
#pragma once

#include "core/link/Transport.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace zyv {

class TransportScripte final : public Transport {
public:
    bool Ouvrable = true;
    std::string Identification = "ZYV110";
    // 24,30 V 1,360 A 3450 tr/min 25,3 mN.m 20,00 V 1,000 A
    std::array<std::uint8_t, 12> Trame{0x09, 0x7E, 0x05, 0x50, 0x0D, 0x7A,
                                       0x00, 0xFD, 0x07, 0xD0, 0x03, 0xE8};
    // Measurements answered before the cable is pulled; negative: never pulled.
    int MesuresAvantCoupure = -1;

    int Ouvertures = 0;
    std::vector<std::uint8_t> Envoyes;

    bool open(const std::string&, const ParametresLigne&) override {
        ++Ouvertures;
        ouvert_ = Ouvrable;
        return ouvert_;
    }
    void close() override {
        ouvert_ = false;
    }
    bool isOpen() const override { return ouvert_; }
    bool write(const std::uint8_t* octets, std::size_t n, std::int64_t) override {
        if (!ouvert_ || debranche_) return false;
        for (std::size_t i = 0; i < n; ++i) Recoit(octets[i]);
        return true;
    }
    std::ptrdiff_t read(std::uint8_t* dest, std::size_t n, std::int64_t) override {
        if (!ouvert_ || debranche_) return -1;
        std::size_t k = 0;
        for (; k < n && !reponse_.empty(); ++k) {
            dest[k] = reponse_.front();
            reponse_.pop_front();
        }
        return static_cast<std::ptrdiff_t>(k);
    }
    void purge() override { reponse_.clear(); }
    bool raiseDtr() override { return ouvert_; }

    int MesuresEnvoyees() const { return mesures_; }

private:
    void Recoit(std::uint8_t octet) {
        Envoyes.push_back(octet);
        if (octet == 0xFD) {
            reponse_.insert(reponse_.end(), Identification.begin(), Identification.end());
        } else if (octet == 0xFF) {
            if (MesuresAvantCoupure >= 0 && mesures_ >= MesuresAvantCoupure) {
                debranche_ = true;
                return;
            }
            ++mesures_;
            reponse_.insert(reponse_.end(), Trame.begin(), Trame.end());
        }
    }

    bool ouvert_ = false;
    bool debranche_ = false;
    int mesures_ = 0;
    std::deque<std::uint8_t> reponse_;
};

} // namespace zyv
