// The byte pipe under the module port: a real serial line, the in-process bench or a test double.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zyv {

// Line settings the port asks for on every open.
struct ParametresLigne {
    std::int32_t Vitesse = 19200; // baud
    std::int32_t BitsDonnees = 8;
    bool Parite = false;
    std::int32_t BitsStop = 1;
    bool ControleFlux = false;
    std::int32_t TailleFiles = 4096; // input and output queues, where the platform allows
};

// Why an open failed, so that the user can be told what to fix.
enum class EchecOuverture {
    Aucun,       // the last open succeeded, or none was tried
    Inconnu,     // the device gave no usable reason (settings refused...)
    AccesRefuse, // the user may not use the device
    Absent,      // no such device: adapter unplugged
    Occupe,      // another program holds the device
};

class Transport {
public:
    virtual ~Transport() = default;

    // Opens the device and applies the line settings. False leaves the transport closed.
    virtual bool open(const std::string& nom, const ParametresLigne& parametres) = 0;
    // The reason of the last failed open.
    virtual EchecOuverture Echec() const { return EchecOuverture::Inconnu; }
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Sends every byte within timeoutMs; false on any failure.
    virtual bool write(const std::uint8_t* octets, std::size_t n, std::int64_t timeoutMs) = 0;

    // Waits up to timeoutMs for at least one byte, then takes what is there, at most n.
    // Returns the count taken (0 when nothing came in time) or -1 when the line is lost.
    virtual std::ptrdiff_t read(std::uint8_t* dest, std::size_t n, std::int64_t timeoutMs) = 0;

    // Drops everything pending in both directions.
    virtual void purge() = 0;

    // Raises DTR for as long as the line stays open. False when the device cannot.
    virtual bool raiseDtr() = 0;
};

} // namespace zyv
