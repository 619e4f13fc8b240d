// The serial line through QSerialPort, and the choice of transport by port name.
#pragma once

#include "core/link/PortCom.h"
#include "core/link/Transport.h"

#include <memory>
#include <string>
#include <vector>

class QSerialPort;

namespace zyv {

class Banc;
class Horloge;

class TransportSerie final : public Transport {
public:
    TransportSerie();
    ~TransportSerie() override;

    bool open(const std::string& nom, const ParametresLigne& parametres) override;
    EchecOuverture Echec() const override { return echec_; }
    void close() override;
    bool isOpen() const override;
    bool write(const std::uint8_t* octets, std::size_t n, std::int64_t timeoutMs) override;
    std::ptrdiff_t read(std::uint8_t* dest, std::size_t n, std::int64_t timeoutMs) override;
    void purge() override;
    bool raiseDtr() override;

    // True when the open device is a pseudo-terminal (settings it refuses are not fatal).
    bool PseudoTerminal() const { return pseudoTerminal_; }

private:
    std::unique_ptr<QSerialPort> port_;
    bool pseudoTerminal_ = false;
    EchecOuverture echec_ = EchecOuverture::Aucun;
};

// "SIMUL" gives the in-process bench, any other name the serial line. The bench and the clock
// must outlive the port that uses the factory.
FabriqueTransport FabriqueTransportZYV(Banc& banc, Horloge& horloge);

// Serial port names present, in the system's order (names QSerialPort opens).
std::vector<std::string> PortsSysteme();

} // namespace zyv
