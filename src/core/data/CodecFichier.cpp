#include "core/data/CodecFichier.h"

#include <algorithm>

namespace zyv {

namespace {

// Ends of the ranges a study file's indices must respect.
constexpr std::int32_t PositionZoomMax = 50;
constexpr std::int32_t QuadrantsMax = 8;
constexpr std::int32_t TypeChargeMax = 6; // the seven load profiles
constexpr std::int32_t InterpolationMax = 5;

class Ecrivain {
public:
    explicit Ecrivain(std::vector<std::uint8_t>& o) : o_(o) {}
    void Octet(std::uint8_t v) { o_.push_back(v); }
    void Mot(std::uint16_t v) {
        Octet(static_cast<std::uint8_t>(v));
        Octet(static_cast<std::uint8_t>(v >> 8));
    }
    void Entier(std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int k = 0; k < 4; ++k) Octet(static_cast<std::uint8_t>(u >> (8 * k)));
    }
    template <std::size_t N> void Octets(const std::array<std::uint8_t, N>& a) {
        o_.insert(o_.end(), a.begin(), a.end());
    }
    template <std::size_t N> void Entiers(const std::array<std::int32_t, N>& a) {
        for (std::int32_t v : a) Entier(v);
    }
    template <std::size_t N> void Chaine(const ShortString<N>& s) {
        Octet(s.Longueur);
        for (char c : s.Octets) Octet(static_cast<std::uint8_t>(c));
    }

private:
    std::vector<std::uint8_t>& o_;
};

// Reads sequentially; once the bytes run out or a field is out of range, every later read is a
// no-op and Ok() stays false.
class Lecteur {
public:
    explicit Lecteur(std::span<const std::uint8_t> o) : o_(o) {}
    bool Ok() const { return ok_; }
    // Values that index a table elsewhere must lie in it.
    void Borne(std::int32_t v, std::int32_t min, std::int32_t max) {
        if (v < min || v > max) ok_ = false;
    }
    bool Disponible(std::size_t n) {
        if (ok_ && o_.size() - pos_ < n) ok_ = false;
        return ok_;
    }
    void Octet(std::uint8_t& v) {
        if (Disponible(1)) v = o_[pos_++];
    }
    void Booleen(bool& v) {
        std::uint8_t o = 0;
        Octet(o);
        if (ok_) v = o != 0;
    }
    void Mot(std::uint16_t& v) {
        if (!Disponible(2)) return;
        v = static_cast<std::uint16_t>(o_[pos_] | (o_[pos_ + 1] << 8));
        pos_ += 2;
    }
    void Entier(std::int32_t& v) {
        if (!Disponible(4)) return;
        std::uint32_t u = 0;
        for (int k = 0; k < 4; ++k) u |= static_cast<std::uint32_t>(o_[pos_ + k]) << (8 * k);
        v = static_cast<std::int32_t>(u);
        pos_ += 4;
    }
    template <std::size_t N> void Octets(std::array<std::uint8_t, N>& a) {
        for (auto& v : a) Octet(v);
    }
    template <std::size_t N> void Entiers(std::array<std::int32_t, N>& a) {
        for (auto& v : a) Entier(v);
    }
    // A length byte past the capacity would make every later text read run off the record:
    // refused, or cut to the capacity for a string nobody reads.
    template <std::size_t N> void Chaine(ShortString<N>& s, bool coupe = false) {
        std::uint8_t n = 0;
        Octet(n);
        if (!Disponible(N)) return;
        if (n > N) {
            if (!coupe) {
                ok_ = false;
                return;
            }
            n = N;
        }
        s.Longueur = n;
        for (auto& c : s.Octets) c = static_cast<char>(o_[pos_++]);
    }

private:
    std::span<const std::uint8_t> o_;
    std::size_t pos_ = 0;
    bool ok_ = true;
};

// The bool fields are written as 0 or 1 whatever their representation in memory.
void EcritCaract(Ecrivain& w, const TCaract& c) {
    w.Octet(c.Defini ? 1 : 0);
    w.Octet(c.Affiche ? 1 : 0);
    w.Octets(c.Bourrage);
    w.Entier(c.GrandeurX);
    w.Entier(c.ZoomX);
    w.Entiers(c.ReserveX);
    w.Entier(c.GrandeurY);
    w.Entier(c.ZoomY);
    w.Entiers(c.ReserveY);
    w.Entier(c.Quadrants);
}

void LitCaract(Lecteur& r, TCaract& c) {
    r.Booleen(c.Defini);
    r.Booleen(c.Affiche);
    r.Octets(c.Bourrage);
    r.Entier(c.GrandeurX);
    r.Entier(c.ZoomX);
    r.Entiers(c.ReserveX);
    r.Entier(c.GrandeurY);
    r.Entier(c.ZoomY);
    r.Entiers(c.ReserveY);
    r.Entier(c.Quadrants);
    r.Borne(c.GrandeurX, 0, NbGrandeurs - 1);
    r.Borne(c.GrandeurY, 0, NbGrandeurs - 1);
    r.Borne(c.ZoomX, 0, PositionZoomMax);
    r.Borne(c.ZoomY, 0, PositionZoomMax);
    r.Borne(c.Quadrants, 0, QuadrantsMax);
}

void EcritGrandeur(Ecrivain& w, const TGrandeur& g) {
    w.Chaine(g.Nom);
    w.Chaine(g.Symbole);
    w.Chaine(g.Unite);
    w.Octets(g.Bourrage);
    w.Entier(g.PleineEchelle);
    w.Entier(g.Exposant);
    w.Entier(g.Reserve1);
    w.Octets(g.Reserve2);
    w.Entier(g.Decimales);
}

void LitGrandeur(Lecteur& r, TGrandeur& g) {
    r.Chaine(g.Nom);
    r.Chaine(g.Symbole);
    r.Chaine(g.Unite);
    r.Octets(g.Bourrage);
    r.Entier(g.PleineEchelle);
    r.Entier(g.Exposant);
    r.Entier(g.Reserve1);
    r.Octets(g.Reserve2);
    r.Entier(g.Decimales);
}

// The last point index actually written: memory cannot hold more than the slots.
int DernierEcrit(const TEssai& e) {
    return std::clamp(e.DernierPoint, -1, NbPointsMax - 1);
}

void EcritEssai(Ecrivain& w, const TEssai& e) {
    const int dernier = DernierEcrit(e);
    w.Entier(dernier);
    w.Entier(e.TriGrandeur);
    w.Entier(e.TriOrdre);
    w.Entier(e.TypeCharge);
    w.Entier(e.ChargeMax);
    w.Entier(e.ChargeMin);
    w.Entiers(e.Consignes);
    w.Chaine(e.Commentaire);
    w.Octets(e.Bourrage);
    for (int q = 0; q < NbGrandeurs; ++q)
        for (int i = 0; i <= dernier; ++i) w.Entier(e.Valeur(q, i));
}

void LitEssai(Lecteur& r, TEssai& e) {
    r.Entier(e.DernierPoint);
    r.Borne(e.DernierPoint, -1, NbPointsMax - 1);
    r.Entier(e.TriGrandeur);
    r.Borne(e.TriGrandeur, 0, NbGrandeurs - 1);
    r.Entier(e.TriOrdre);
    r.Entier(e.TypeCharge);
    r.Borne(e.TypeCharge, 0, TypeChargeMax);
    r.Entier(e.ChargeMax);
    r.Entier(e.ChargeMin);
    r.Entiers(e.Consignes);
    r.Chaine(e.Commentaire);
    r.Octets(e.Bourrage);
    if (!r.Ok()) return;
    // Checked once so that a short file fails before any column is touched.
    if (!r.Disponible(static_cast<std::size_t>(NbGrandeurs) * 4 * (e.DernierPoint + 1))) return;
    for (int q = 0; q < NbGrandeurs; ++q)
        for (int i = 0; i <= e.DernierPoint; ++i) r.Entier(e.Valeur(q, i));
}

} // namespace

std::vector<std::uint8_t> EncodeTravail(const TTravail& t) {
    std::vector<std::uint8_t> o;
    const int nbEssais = std::clamp(t.NbEssais, 1, NbEssaisMax);
    std::size_t taille = TailleEnteteTravail;
    for (int k = 1; k <= nbEssais; ++k)
        taille += TailleEnteteEssai +
                  NbGrandeurs * 4 * static_cast<std::size_t>(DernierEcrit(t.Essai(k)) + 1);
    o.reserve(taille);

    Ecrivain w(o);
    w.Chaine(t.Signature);
    w.Mot(t.Reserve1);
    w.Entier(t.TypeEtude);
    w.Entiers(t.Reserve2);
    w.Chaine(t.Reserve3);
    w.Chaine(t.Titre);
    w.Octets(t.Bourrage);
    w.Entier(nbEssais);
    w.Entier(t.Interpolation);
    for (const TCaract& c : t.Caract) EcritCaract(w, c);
    for (const TGrandeur& g : t.Grandeurs) EcritGrandeur(w, g);
    for (int k = 1; k <= nbEssais; ++k) EcritEssai(w, t.Essai(k));
    return o;
}

bool DecodeTravail(TTravail& t, std::span<const std::uint8_t> octets) {
    Lecteur r(octets);
    // Nothing reads the signature or the carried string: a file is taken whatever they hold.
    r.Chaine(t.Signature, true);
    r.Mot(t.Reserve1);
    r.Entier(t.TypeEtude);
    r.Borne(t.TypeEtude, EtudeCaractMoteur, EtudeChargeGeneratrice);
    r.Entiers(t.Reserve2);
    r.Chaine(t.Reserve3, true);
    r.Chaine(t.Titre);
    r.Octets(t.Bourrage);
    r.Entier(t.NbEssais);
    r.Borne(t.NbEssais, 1, NbEssaisMax);
    if (!r.Ok()) return false;
    r.Entier(t.Interpolation);
    if (t.Interpolation != -1) r.Borne(t.Interpolation, 1, InterpolationMax);
    for (TCaract& c : t.Caract) LitCaract(r, c);
    for (TGrandeur& g : t.Grandeurs) LitGrandeur(r, g);
    for (int k = 1; r.Ok() && k <= t.NbEssais; ++k) LitEssai(r, t.Essai(k));
    return r.Ok();
}

std::vector<std::uint8_t> EncodeConfig(const TConfiguration& c) {
    std::vector<std::uint8_t> o;
    Ecrivain w(o);
    w.Octets(c.Reserve);
    w.Octet(c.Fond);
    w.Chaine(c.NomPort);
    const std::string port = c.Port();
    if (port.size() > c.NomPort.Capacite && port.size() <= 255) {
        w.Octet(static_cast<std::uint8_t>(port.size()));
        for (char ch : port) w.Octet(static_cast<std::uint8_t>(ch));
    }
    return o;
}

bool DecodeConfig(TConfiguration& c, std::span<const std::uint8_t> octets) {
    // Byte by byte: a short file still supplies what it holds.
    const auto n = std::min(octets.size(), TailleConfig);
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint8_t o = octets[k];
        if (k < 8)
            c.Reserve[k] = o;
        else if (k == 8)
            c.Fond = o;
        else if (k == 9)
            c.NomPort.Longueur = o;
        else
            c.NomPort.Octets[k - 10] = static_cast<char>(o);
    }
    // The colour indexes an eight-entry table: an unknown one falls back to the default.
    if (c.Fond > 7) c.Fond = 0;
    c.NomPortComplet.clear();
    if (octets.size() < TailleConfig) return false;

    if (octets.size() > TailleConfig) {
        const std::size_t longueur = octets[TailleConfig];
        if (longueur > c.NomPort.Capacite && octets.size() >= TailleConfig + 1 + longueur) {
            const auto* debut = reinterpret_cast<const char*>(octets.data() + TailleConfig + 1);
            c.NomPortComplet.assign(debut, longueur);
            c.NomPortComplet.resize(std::min(longueur, c.NomPortComplet.find('\0')));
            // Kept only when a 16-byte writer has not changed the port since, and while it is
            // still longer than the six bytes once cut: written back, it must read the same.
            if (c.NomPortComplet.size() <= c.NomPort.Capacite || c.Port() != c.NomPortComplet)
                c.NomPortComplet.clear();
        }
    }
    return true;
}

} // namespace zyv
