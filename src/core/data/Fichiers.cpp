#include "core/data/Fichiers.h"

#include "core/data/CodecFichier.h"
#include "core/data/Operations.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <filesystem>
#include <memory>

// The POSIX calls say more than the standard library can (open without blocking, flush to the
// disk); elsewhere, or built with ZYV_FICHIERS_PORTABLES, the standard library does the same work.
#if (defined(__unix__) || defined(__APPLE__)) && !defined(ZYV_FICHIERS_PORTABLES)
#define ZYV_FICHIERS_POSIX 1
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include <fstream>
#include <random>
#endif

namespace zyv {

namespace {

// Relative names are taken from the start-up directory, whatever the current one is now.
// Names are the file system's own bytes, whatever their encoding.
std::string Chemin(const Etude& e, const std::string& nom) {
    if (e.RepertoireProgramme.empty() || std::filesystem::path(nom).is_absolute()) return nom;
    return (std::filesystem::path(e.RepertoireProgramme) / nom).string();
}

// A link is followed, so the file it names gets the new content.
bool Cible(const std::string& nom, std::filesystem::path& cible) {
    std::error_code ec;
    cible = nom;
    if (!std::filesystem::is_symlink(cible, ec)) return true;
    cible = std::filesystem::weakly_canonical(cible, ec);
    return !ec;
}

// jeton tells writers apart (the process number where there is one), the counter this one's files.
std::string NomTemporaire(const std::filesystem::path& cible, unsigned long jeton) {
    static std::atomic<unsigned> compteur{0};
    return cible.string() + "." + std::to_string(jeton) + "-" + std::to_string(compteur++) + ".tmp";
}

#ifdef ZYV_FICHIERS_POSIX

bool EcritTout(int fd, const std::uint8_t* p, std::size_t n) {
    while (n > 0) {
        const ssize_t k = ::write(fd, p, n);
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) return false;
        p += k;
        n -= static_cast<std::size_t>(k);
    }
    return true;
}

// Refused unless a regular file, and opened without blocking: a FIFO or a device named like a
// study would otherwise hang the caller in open or read.
bool LitOctets(const std::string& chemin, std::size_t maximum, std::vector<std::uint8_t>& octets) {
    const int fd = ::open(chemin.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    octets.clear();
    while (ok && octets.size() < maximum) {
        const std::size_t avant = octets.size();
        octets.resize(std::min(maximum, avant + 65536));
        const ssize_t k = ::read(fd, octets.data() + avant, octets.size() - avant);
        if (k < 0 && errno == EINTR) {
            octets.resize(avant);
            continue;
        }
        octets.resize(avant + static_cast<std::size_t>(std::max<ssize_t>(k, 0)));
        if (k <= 0) {
            ok = k == 0;
            break;
        }
    }
    ::close(fd);
    return ok;
}

bool EcritOctetsRemplace(const std::filesystem::path& cible,
                         const std::vector<std::uint8_t>& octets) {
    struct stat st {};
    const bool existe = ::stat(cible.c_str(), &st) == 0;
    if (existe && !S_ISREG(st.st_mode)) return false;

    std::string temporaire;
    int fd = -1;
    for (int essai = 0; fd < 0 && essai < 100; ++essai) {
        temporaire = NomTemporaire(cible, static_cast<unsigned long>(::getpid()));
        // Created as any new file of the user (umask applies), unless the old file says better.
        fd = ::open(temporaire.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = (!existe || ::fchmod(fd, st.st_mode & 07777) == 0) &&
              EcritTout(fd, octets.data(), octets.size()) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporaire.c_str(), cible.c_str()) == 0;
    if (!ok) ::unlink(temporaire.c_str());
    return ok;
}

#else

bool LitOctets(const std::string& chemin, std::size_t maximum, std::vector<std::uint8_t>& octets) {
    std::error_code ec;
    octets.clear();
    if (!std::filesystem::is_regular_file(chemin, ec)) return false;
    std::ifstream f(std::filesystem::path(chemin), std::ios::binary);
    if (!f) return false;
    octets.resize(maximum);
    f.read(reinterpret_cast<char*>(octets.data()), static_cast<std::streamsize>(maximum));
    octets.resize(static_cast<std::size_t>(f.gcount()));
    return !f.bad();
}

bool EcritOctetsRemplace(const std::filesystem::path& cible,
                         const std::vector<std::uint8_t>& octets) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto etat = fs::status(cible, ec);
    const bool existe = fs::exists(etat);
    if (existe && !fs::is_regular_file(etat)) return false;
    // No process number here: a random one keeps two programs saving side by side apart.
    const unsigned long jeton = std::random_device{}();
    std::string temporaire;
    for (int essai = 0; essai < 100; ++essai) {
        temporaire = NomTemporaire(cible, jeton);
        if (!fs::exists(temporaire, ec)) break;
    }
    bool ok;
    {
        std::ofstream f(fs::path(temporaire), std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(octets.data()),
                static_cast<std::streamsize>(octets.size()));
        f.flush();
        ok = static_cast<bool>(f);
    }
    if (ok && existe) fs::permissions(temporaire, etat.permissions(), ec);
    ok = ok && !ec;
    if (ok) fs::rename(temporaire, cible, ec);
    ok = ok && !ec;
    if (!ok) fs::remove(temporaire, ec);
    return ok;
}

#endif

// The new content goes to a temporary file next to the target and replaces it only once it
// is complete, so a failed save never costs the previous good file. A link is followed, so the
// file it names gets the new content.
bool EcritOctets(const std::string& nom, const std::vector<std::uint8_t>& octets) {
    std::filesystem::path cible;
    return Cible(nom, cible) && EcritOctetsRemplace(cible, octets);
}

} // namespace

std::string FichierPdfPropose(const Etude& e) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (e.NomFichier.empty())
        return fs::absolute(fs::path(Chemin(e, DossierFichiers)) / "ZYV.pdf", ec).string();
    const fs::path etude = fs::absolute(Chemin(e, e.NomFichier), ec);
    return (etude.parent_path() / etude.stem()).string() + ".pdf";
}

bool LireConfig(Etude& e, Messages& m) {
    e.Config = TConfiguration{};
    std::vector<std::uint8_t> octets;
    bool ok = LitOctets(Chemin(e, NomFichierConfig), TailleMaxConfig, octets);
    if (ok) ok = DecodeConfig(e.Config, octets);
    if (!ok) m.Avertissement(MessageErreurLecture);
    return ok;
}

bool EcrireConfig(const Etude& e, Messages& m) {
    if (EcritOctets(Chemin(e, NomFichierConfig), EncodeConfig(e.Config))) return true;
    m.Avertissement(MessageErreurEcriture);
    return false;
}

bool LireTravail(Etude& e, const std::string& nom, Messages& m) {
    NouveauTravail(e);
    e.NomFichier = nom;
    std::vector<std::uint8_t> octets;
    bool ok = LitOctets(Chemin(e, nom), TailleMaxTravail, octets);
    if (ok) {
        // Decoded aside, so that a bad file leaves nothing of itself in the document.
        auto lu = std::make_unique<TTravail>(e.Travail);
        ok = DecodeTravail(*lu, octets);
        if (ok) e.Travail = *lu;
    }
    e.Enregistre = true;
    if (ok) {
        e.EssaiCourant = 1;
        return true;
    }
    m.Avertissement(MessageErreurLecture);
    NouveauTravail(e);
    return false;
}

bool EcrireTravail(Etude& e, const std::string& nom, Messages& m) {
    e.NomFichier = nom;
    if (EcritImageTravail(e.Travail, Chemin(e, nom))) {
        e.Enregistre = true;
        return true;
    }
    // The document still differs from any file: the save prompt must go on asking.
    m.Avertissement(MessageErreurEcriture);
    return false;
}

bool EcritImageTravail(const TTravail& t, const std::string& chemin) {
    return EcritOctets(chemin, EncodeTravail(t));
}

void IgnoreLimiteTailleFichier() {
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

} // namespace zyv
