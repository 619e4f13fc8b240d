#include "ui/link/TransportSerie.h"

#include "core/link/ListePorts.h"
#include "core/sim/Banc.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <QSerialPortInfo>

// Device files and their rights exist only on POSIX systems; elsewhere the port's own error is
// all there is.
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef __linux__
#include <sys/sysmacros.h>
#endif

namespace zyv {

namespace {

// Pseudo-terminals accept the line settings only in part: they have no modem lines.
bool EstPseudoTerminal(const std::string& nom, [[maybe_unused]] QSerialPort& port) {
    const QString n = QString::fromStdString(nom);
    if (n.startsWith(QLatin1String("/dev/pts/")) || n.startsWith(QLatin1String("pts/")) ||
        n.startsWith(QLatin1String("/dev/ttys")))
        return true;
#ifdef __linux__
    struct stat st {};
    if (port.handle() >= 0 && fstat(port.handle(), &st) == 0 && S_ISCHR(st.st_mode))
        return major(st.st_rdev) >= 136 && major(st.st_rdev) <= 143; // Unix98 pty slaves
#endif
    return false;
}

// Errors after which the line cannot carry bytes any more. A refused setting is not one.
bool Perdu(QSerialPort::SerialPortError e) {
    switch (e) {
    case QSerialPort::DeviceNotFoundError:
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
    case QSerialPort::NotOpenError:
    case QSerialPort::WriteError:
    case QSerialPort::ReadError:
    case QSerialPort::ResourceError:
        return true;
    default:
        return false;
    }
}

#ifdef Q_OS_UNIX
// The device file QSerialPort opens for a port name.
QByteArray Peripherique(const std::string& nom) {
    const QString n = QString::fromStdString(nom);
    if (n.startsWith(QLatin1Char('/')) || n.startsWith(QLatin1String("./")) ||
        n.startsWith(QLatin1String("../")))
        return n.toLocal8Bit();
    return (QLatin1String("/dev/") + n).toLocal8Bit();
}

// QSerialPort reports a device held by another program (its lock file, or the exclusive
// flag of an open tty) as a permission error: only the file's own access rights tell
// the two apart.
EchecOuverture Cause(QSerialPort::SerialPortError e, const std::string& nom) {
    const QByteArray chemin = Peripherique(nom);
    if (e == QSerialPort::DeviceNotFoundError || ::access(chemin.constData(), F_OK) != 0)
        return EchecOuverture::Absent;
    switch (e) {
    case QSerialPort::PermissionError:
        return ::access(chemin.constData(), R_OK | W_OK) != 0 ? EchecOuverture::AccesRefuse
                                                              : EchecOuverture::Occupe;
    case QSerialPort::OpenError:
    case QSerialPort::ResourceError:
        return EchecOuverture::Occupe;
    default:
        return EchecOuverture::Inconnu;
    }
}
#else
// Windows reports a port held by another program as access denied.
EchecOuverture Cause(QSerialPort::SerialPortError e, const std::string&) {
    switch (e) {
    case QSerialPort::DeviceNotFoundError:
        return EchecOuverture::Absent;
    case QSerialPort::PermissionError:
    case QSerialPort::OpenError:
    case QSerialPort::ResourceError:
        return EchecOuverture::Occupe;
    default:
        return EchecOuverture::Inconnu;
    }
}
#endif

} // namespace

TransportSerie::TransportSerie() = default;

TransportSerie::~TransportSerie() {
    close();
}

bool TransportSerie::open(const std::string& nom, const ParametresLigne& p) {
    close();
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(QString::fromStdString(nom));
    if (!port_->open(QIODevice::ReadWrite)) {
        echec_ = Cause(port_->error(), nom);
        port_.reset();
        return false;
    }
    pseudoTerminal_ = EstPseudoTerminal(nom, *port_);
    port_->setReadBufferSize(p.TailleFiles);
    const bool reglee =
        port_->setBaudRate(p.Vitesse) &&
        port_->setDataBits(static_cast<QSerialPort::DataBits>(p.BitsDonnees)) &&
        port_->setParity(p.Parite ? QSerialPort::EvenParity : QSerialPort::NoParity) &&
        port_->setStopBits(p.BitsStop == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        port_->setFlowControl(p.ControleFlux ? QSerialPort::HardwareControl
                                             : QSerialPort::NoFlowControl);
    if (!reglee && !pseudoTerminal_) {
        close();
        echec_ = EchecOuverture::Inconnu;
        return false;
    }
    // Opening a tty raises RTS and nothing else lowers it; a pseudo-terminal has no modem
    // lines and refuses, which leaves the line usable.
    if (!p.ControleFlux) port_->setRequestToSend(false);
    port_->clearError();
    // An adapter pulled out while nobody reads: the device is let go at once, so that once
    // plugged back it comes under the same name (and Qt stops spinning on the dead line).
    // Queued: the error comes from inside the port's own notifier, which closing deletes.
    // The port record learns of it at its next exchange.
    QSerialPort* ligne = port_.get();
    QObject::connect(
        ligne, &QSerialPort::errorOccurred, ligne,
        [ligne](QSerialPort::SerialPortError e) {
            if (Perdu(e) && ligne->isOpen()) ligne->close();
        },
        Qt::QueuedConnection);
    echec_ = EchecOuverture::Aucun;
    return true;
}

void TransportSerie::close() {
    if (port_) {
        if (port_->isOpen()) port_->close();
        port_.reset();
    }
}

bool TransportSerie::isOpen() const {
    return port_ && port_->isOpen();
}

bool TransportSerie::write(const std::uint8_t* octets, std::size_t n, std::int64_t timeoutMs) {
    if (!isOpen()) return false;
    if (n == 0) return true;
    port_->clearError();
    const auto ecrits = port_->write(reinterpret_cast<const char*>(octets), static_cast<qint64>(n));
    if (ecrits != static_cast<qint64>(n)) return false;
    QDeadlineTimer limite(timeoutMs);
    while (port_->bytesToWrite() > 0) {
        if (limite.hasExpired() ||
            !port_->waitForBytesWritten(static_cast<int>(limite.remainingTime())) ||
            Perdu(port_->error()))
            return false;
    }
    return !Perdu(port_->error());
}

std::ptrdiff_t TransportSerie::read(std::uint8_t* dest, std::size_t n, std::int64_t timeoutMs) {
    if (!isOpen()) return -1;
    if (port_->bytesAvailable() == 0) {
        port_->clearError();
        if (!port_->waitForReadyRead(static_cast<int>(std::max<std::int64_t>(timeoutMs, 0)))) {
            if (Perdu(port_->error()) || !port_->isOpen()) return -1;
            return 0;
        }
    }
    const qint64 lus = port_->read(reinterpret_cast<char*>(dest), static_cast<qint64>(n));
    if (lus < 0) return -1;
    if (lus == 0 && Perdu(port_->error())) return -1;
    return static_cast<std::ptrdiff_t>(lus);
}

void TransportSerie::purge() {
    if (!isOpen()) return;
    port_->clear(QSerialPort::AllDirections);
    port_->readAll();
}

bool TransportSerie::raiseDtr() {
    if (!isOpen()) return false;
    const bool ok = port_->setDataTerminalReady(true);
    // A pseudo-terminal has no modem lines: the refusal leaves the line usable.
    if (!ok && pseudoTerminal_) port_->clearError();
    return ok;
}

FabriqueTransport FabriqueTransportZYV(Banc& banc, Horloge& horloge) {
    return [&banc, &horloge](const std::string& nom) -> std::shared_ptr<Transport> {
        if (nom == NomPortSimule) return std::make_shared<TransportSimule>(banc, horloge);
        return std::make_shared<TransportSerie>();
    };
}

std::vector<std::string> PortsSysteme() {
    std::vector<std::string> noms;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        noms.push_back(info.portName().toStdString());
    return noms;
}

} // namespace zyv
