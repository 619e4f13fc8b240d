// The serial port record of the module link. One instance per run, owned by the application.
#pragma once

#include "core/link/Horloge.h"
#include "core/link/Transport.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zyv {

// Builds the transport able to open a given port name ("SIMUL" or a serial device).
using FabriqueTransport = std::function<std::shared_ptr<Transport>(const std::string& nom)>;

// Read and write time-outs, in milliseconds.
struct DelaisPort {
    std::int64_t IntervalleLecture = 1000;
    std::int64_t MultiplicateurLecture = 10;
    std::int64_t ConstanteLecture = 1000;
    std::int64_t MultiplicateurEcriture = 10;
    std::int64_t ConstanteEcriture = 100;
};

class TPortCom {
public:
    TPortCom(FabriqueTransport fabrique, Horloge& horloge);
    ~TPortCom();
    TPortCom(const TPortCom&) = delete;
    TPortCom& operator=(const TPortCom&) = delete;

    std::string Nom;                   // port name as configured, without device prefix
    std::shared_ptr<Transport> Handle; // null while closed
    DelaisPort Delais;
    ParametresLigne Parametres;
    bool Connecte = false;                               // the one truth about the link
    EchecOuverture DernierEchec = EchecOuverture::Aucun; // why the last OuvrePort failed

    // Prepares the settings of the next open; never touches the device.
    void InitialisePort(const std::string& nom);
    // Opens Nom, applies the settings, purges and raises DTR. Sets Connecte.
    bool OuvrePort();
    // n bytes as a string of n characters, or "Erreur L=<count received>" and the port closed.
    std::string LitPort(int n);
    // Sends the bytes of s (a 0 byte like any other); a failed write closes the port.
    void EcritPort(std::string_view s);
    // Harmless on a closed port.
    void FermePort();
    // Drops everything pending in both directions.
    void VidePort();

private:
    FabriqueTransport fabrique_;
    Horloge& horloge_;
};

} // namespace zyv
