// Serves the simulated bench on a pseudo-terminal, so that a program opens it like a real
// serial port. Prints the device path on the first line of standard output.
#include "core/link/Horloge.h"
#include "core/sim/Banc.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace {

volatile std::sig_atomic_t arret = 0;

void Arrete(int) {
    arret = 1;
}

struct Options {
    bool Cadence = false;
    std::uint32_t Graine = 1;
    double Alimentation = 24.0;
    int Charge = 50;
    bool Muet = false;
    int Court = -1;
    bool IdentificationFausse = false;
    long Debranche = -1;
    bool Journal = false;
};

void Usage() {
    std::fputs("usage: zyv-module-sim [options]\n"
               "  --cadence                 deliver replies at the 19200-baud byte rate\n"
               "  --graine N                noise seed (default 1)\n"
               "  --alimentation V          supply voltage, 0 to 30 (default 24)\n"
               "  --charge P                manual load in percent, 0 to 150 (default 50)\n"
               "  --muet                    never answer\n"
               "  --court K                 send only the first K bytes of each reply\n"
               "  --identification-fausse   answer the identification with another name\n"
               "  --debranche N             close the line on the request after N answered ones\n"
               "  --journal                 print \"R <byte>\" for every byte received\n",
               stderr);
}

bool Analyse(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        auto valeur = [&](const char*& v) {
            if (i + 1 >= argc) return false;
            v = argv[++i];
            return true;
        };
        const char* v = nullptr;
        if (a == "--cadence")
            o.Cadence = true;
        else if (a == "--muet")
            o.Muet = true;
        else if (a == "--identification-fausse")
            o.IdentificationFausse = true;
        else if (a == "--journal")
            o.Journal = true;
        else if (a == "--graine" && valeur(v))
            o.Graine = static_cast<std::uint32_t>(std::strtoul(v, nullptr, 10));
        else if (a == "--alimentation" && valeur(v))
            o.Alimentation = std::strtod(v, nullptr);
        else if (a == "--charge" && valeur(v))
            o.Charge = std::atoi(v);
        else if (a == "--court" && valeur(v))
            o.Court = std::atoi(v);
        else if (a == "--debranche" && valeur(v))
            o.Debranche = std::atol(v);
        else
            return false;
    }
    return true;
}

// One byte on the wire: start bit, 8 data bits, stop bit at 19200 baud.
constexpr long DureeOctetNs = 10L * 1000000000L / 19200L;

void AttendJusqua(timespec& t, long ns) {
    t.tv_nsec += ns;
    while (t.tv_nsec >= 1000000000L) {
        t.tv_nsec -= 1000000000L;
        ++t.tv_sec;
    }
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &t, nullptr) == EINTR && !arret) {
    }
}

bool EcritTout(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        const ssize_t k = ::write(fd, p, n);
        if (k < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

// Sends a reply; with pacing, each byte leaves when it would have finished crossing the line,
// counting the request byte that had to arrive first.
bool Envoie(int fd, const std::vector<std::uint8_t>& reponse, bool cadence, timespec recu) {
    if (!cadence) return EcritTout(fd, reponse.data(), reponse.size());
    AttendJusqua(recu, DureeOctetNs);
    for (std::uint8_t octet : reponse) {
        AttendJusqua(recu, DureeOctetNs);
        if (!EcritTout(fd, &octet, 1)) return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!Analyse(argc, argv, o)) {
        Usage();
        return 2;
    }

    const int maitre = posix_openpt(O_RDWR | O_NOCTTY);
    if (maitre < 0 || grantpt(maitre) != 0 || unlockpt(maitre) != 0) {
        std::perror("zyv-module-sim: pseudo-terminal");
        return 1;
    }
    const char* chemin = ptsname(maitre);
    if (!chemin) {
        std::perror("zyv-module-sim: ptsname");
        return 1;
    }
    const std::string nom = chemin;
    // Holding the slave side open keeps the line alive between the client's opens and sets it
    // raw before anyone reads: no echo, no line editing, every byte value passes.
    const int esclave = ::open(nom.c_str(), O_RDWR | O_NOCTTY);
    if (esclave < 0) {
        std::perror("zyv-module-sim: slave");
        return 1;
    }
    termios t{};
    tcgetattr(esclave, &t);
    cfmakeraw(&t);
    cfsetispeed(&t, B19200);
    cfsetospeed(&t, B19200);
    tcsetattr(esclave, TCSANOW, &t);

    struct sigaction sa {};
    sa.sa_handler = Arrete;
    sigaction(SIGTERM, &sa, nullptr);
    sigaction(SIGINT, &sa, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    std::printf("%s\n", nom.c_str());
    std::fflush(stdout);

    zyv::HorlogeSysteme horloge;
    zyv::Banc banc(o.Graine);
    banc.SetTensionAlimentation(o.Alimentation);
    banc.SetChargeManuelle(o.Charge);
    banc.Stabilise();
    banc.AvanceJusqua(horloge.Monotone());

    long echanges = 0;
    std::uint8_t tampon[256];
    while (!arret) {
        pollfd p{maitre, POLLIN, 0};
        const int r = poll(&p, 1, 200);
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) continue;
        const ssize_t n = ::read(maitre, tampon, sizeof tampon);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EIO)) continue;
        if (n <= 0) break;
        timespec recu{};
        clock_gettime(CLOCK_MONOTONIC, &recu);
        for (ssize_t i = 0; i < n && !arret; ++i) {
            const std::uint8_t octet = tampon[i];
            if (o.Journal) {
                std::printf("R %u\n", octet);
                std::fflush(stdout);
            }
            banc.AvanceJusqua(horloge.Monotone());
            std::vector<std::uint8_t> reponse = banc.Recoit(octet);
            if (reponse.empty()) continue;
            // Unplugged with a request on the line: the client is left waiting for the reply.
            if (o.Debranche >= 0 && echanges >= o.Debranche) {
                arret = 1;
                break;
            }
            ++echanges;
            if (o.IdentificationFausse && octet == 0xFD) reponse[0] = 'X';
            if (o.Muet) reponse.clear();
            if (o.Court >= 0 && static_cast<std::size_t>(o.Court) < reponse.size())
                reponse.resize(static_cast<std::size_t>(o.Court));
            Envoie(maitre, reponse, o.Cadence, recu);
            clock_gettime(CLOCK_MONOTONIC, &recu);
        }
    }
    ::close(esclave);
    ::close(maitre);
    return 0;
}
