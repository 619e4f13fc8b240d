// The study document, its records and the shared state of one run.
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace zyv {

// Length-prefixed single-byte string of capacity N, kept as the file's Windows-1252 bytes.
// Bytes past the current length are carried untouched so a read/write round trip is exact.
template <std::size_t N> struct ShortString {
    std::uint8_t Longueur = 0;
    std::array<char, N> Octets{};

    static constexpr std::size_t Capacite = N;

    // Stores up to N bytes of a Windows-1252 text; longer text is cut.
    void Affecte(std::string_view texte) {
        Octets.fill(0);
        Longueur = static_cast<std::uint8_t>(texte.size() < N ? texte.size() : N);
        std::memcpy(Octets.data(), texte.data(), Longueur);
    }
    std::string Texte() const {
        std::size_t n = Longueur < N ? Longueur : N;
        return std::string(Octets.data(), n);
    }
    bool operator==(const ShortString&) const = default;
};

constexpr int NbGrandeurs = 13;
constexpr int NbEssaisMax = 5;
constexpr int NbPointsMax = 2001;    // indices 0..2000
constexpr int NbSlotsValeurs = 2002; // slot 0 spare, point i in slot i + 1
constexpr int NbConsignes = 142;
constexpr int NbCaractMax = 4;

// Quantity indices.
enum Grandeur : int {
    GNumero = 0,
    GVitesse = 1,
    GCouple = 2,
    GPuissanceMeca = 3,
    GTensionMoteur = 4,
    GCourantMoteur = 5,
    GPuissanceMoteur = 6,
    GRendementMoteur = 7,
    GTensionGene = 8,
    GCourantGene = 9,
    GPuissanceGene = 10,
    GRendementGene = 11,
    GTemps = 12,
};

// Study kinds (TypeEtude).
enum TypeEtudeValeur : int {
    EtudeCaractMoteur = 0,
    EtudeChargeMoteur = 1,
    EtudeCaractGeneratrice = 2,
    EtudeChargeGeneratrice = 3,
};

struct TGrandeur {
    ShortString<50> Nom;
    ShortString<20> Symbole;
    ShortString<20> Unite;
    std::array<std::uint8_t, 3> Bourrage{};
    std::int32_t PleineEchelle = 0;
    std::int32_t Exposant = 0;
    std::int32_t Reserve1 = 1;
    std::array<std::uint8_t, 32> Reserve2{};
    std::int32_t Decimales = 0;
    bool operator==(const TGrandeur&) const = default;
};

using TMesure = std::array<std::int32_t, NbGrandeurs>;

struct TCaract {
    bool Defini = false;
    bool Affiche = false;
    std::array<std::uint8_t, 2> Bourrage{};
    std::int32_t GrandeurX = 0;
    std::int32_t ZoomX = 10;
    std::array<std::int32_t, 2> ReserveX{};
    std::int32_t GrandeurY = 0;
    std::int32_t ZoomY = 10;
    std::array<std::int32_t, 2> ReserveY{};
    std::int32_t Quadrants = 1;
    bool operator==(const TCaract&) const = default;
};

struct TEssai {
    std::int32_t DernierPoint = -1;
    std::int32_t TriGrandeur = 0;
    std::int32_t TriOrdre = 0;
    std::int32_t TypeCharge = 2;
    std::int32_t ChargeMax = 0;
    std::int32_t ChargeMin = 0;
    std::array<std::int32_t, NbConsignes> Consignes{};
    ShortString<20> Commentaire;
    std::array<std::uint8_t, 3> Bourrage{};
    // Valeurs[q][i + 1] is point i of quantity q; slot 0 holds no point.
    std::array<std::array<std::int32_t, NbSlotsValeurs>, NbGrandeurs> Valeurs{};

    int NbPoints() const { return DernierPoint + 1; }
    std::int32_t Valeur(int q, int point) const { return Valeurs[q][point + 1]; }
    std::int32_t& Valeur(int q, int point) { return Valeurs[q][point + 1]; }
};

struct TTravail {
    ShortString<21> Signature;
    std::uint16_t Reserve1 = 1500;
    std::int32_t TypeEtude = 0;
    std::array<std::int32_t, 4> Reserve2{};
    ShortString<15> Reserve3;
    ShortString<100> Titre;
    std::array<std::uint8_t, 3> Bourrage{};
    std::int32_t NbEssais = 1;
    std::int32_t Interpolation = -1;
    std::array<TCaract, NbCaractMax + 1> Caract{};
    std::array<TGrandeur, NbGrandeurs> Grandeurs{};
    std::array<TEssai, NbEssaisMax + 1> Essais{}; // slots 1..5; slot 0 unused

    TEssai& Essai(int t) { return Essais[t]; }
    const TEssai& Essai(int t) const { return Essais[t]; }
};

struct TConfiguration {
    std::array<std::uint8_t, 8> Reserve{};
    std::uint8_t Fond = 0;
    ShortString<6> NomPort;
    // Full port name when it does not fit the six bytes above (ttyUSB0, /dev/pts/3...);
    // empty when NomPort holds the whole name.
    std::string NomPortComplet;

    // The name to open: the full one when it still extends NomPort, else the six-byte one; a
    // length byte past the name's bytes stops at the first NUL, which no device name holds.
    std::string Port() const {
        std::string nom = NomPort.Texte();
        if (NomPortComplet.size() > NomPort.Capacite && NomPort.Longueur == NomPort.Capacite &&
            NomPortComplet.compare(0, NomPort.Capacite, nom) == 0)
            nom = NomPortComplet;
        return nom.substr(0, nom.find('\0'));
    }
    // Chooses a port: the first six bytes in NomPort, the whole name aside when it is longer.
    void ChoisitPort(std::string_view nom) {
        NomPort.Affecte(nom);
        NomPortComplet = nom.size() > NomPort.Capacite ? std::string(nom) : std::string();
    }
    bool operator==(const TConfiguration&) const = default;
};

// The one study document and the shared state of a run. Created once by the application and
// handed by reference to every window; tests make their own (on the heap: it is about 520 KB).
struct Etude {
    TTravail Travail;
    int EssaiCourant = 1;
    int ModeAcquisition = 0;
    TMesure MesureCourante{-1};
    std::string RepertoireProgramme; // UTF-8 path
    std::string RepertoireAide;      // UTF-8 path of the folder holding the guide
    std::string NomFichier;          // file-system bytes (QFile::encodeName)
    bool Enregistre = true;
    TConfiguration Config;
    std::int32_t Temps0 = 0;
    std::int32_t PasCharge = 0;

    TEssai& Courant() { return Travail.Essai(EssaiCourant); }
};

} // namespace zyv
