// zyv-export FILE.ZYV: prints the values of every trial of a study as tab-separated UTF-8 text,
// the same text the study windows copy to the clipboard.
// zyv-export --modele K --x Q --y Q FILE.ZYV: prints the equations of model kind K (1, 2 or 4)
// of Y against X for every trial, the text the modelling window copies. Q is a quantity's number
// (0..12) or its symbol in the study's own table.
#include "core/analysis/ExportTexte.h"
#include "core/analysis/TexteModeles.h"
#include "core/data/Cp1252.h"
#include "core/data/Fichiers.h"
#include "core/data/Operations.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

namespace {

constexpr const char* Usage = "usage: zyv-export [--modele 1|2|4 --x Q --y Q] FICHIER.ZYV "
                              "(Q : numéro 0..12 ou symbole de la grandeur)";

class MessagesErreur : public zyv::Messages {
public:
    void Avertissement(const std::string& texte) override { std::cerr << texte << '\n'; }
};

int ErreurUsage(const std::string& raison) {
    std::cerr << "zyv-export: " << (raison.empty() ? "" : raison + " ; ") << Usage << '\n';
    return 2;
}

// The quantity named by its number or by a symbol no other quantity of the table shares.
std::optional<int> Grandeur(const zyv::TTravail& w, const std::string& q, std::string& raison) {
    if (!q.empty() && q.size() <= 2 && q.find_first_not_of("0123456789") == std::string::npos) {
        const int n = std::stoi(q);
        if (n < zyv::NbGrandeurs) return n;
        raison = "numéro de grandeur hors de 0..12 : " + q;
        return std::nullopt;
    }
    std::optional<int> trouvee;
    for (int k = 0; k < zyv::NbGrandeurs; ++k) {
        if (zyv::Cp1252VersUtf8(w.Grandeurs[static_cast<std::size_t>(k)].Symbole.Texte()) != q)
            continue;
        if (trouvee) {
            raison = "symbole partagé par plusieurs grandeurs, donner le numéro : " + q;
            return std::nullopt;
        }
        trouvee = k;
    }
    if (!trouvee) raison = "grandeur inconnue : " + q;
    return trouvee;
}

} // namespace

int main(int argc, char** argv) {
    zyv::IgnoreLimiteTailleFichier();
    std::optional<std::string> fichier, modele, qx, qy;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        std::optional<std::string>* cible = a == "--modele" ? &modele
                                            : a == "--x"    ? &qx
                                            : a == "--y"    ? &qy
                                                            : nullptr;
        if (cible) {
            if (i + 1 >= argc || *cible) return ErreurUsage("option incomplète ou répétée : " + a);
            *cible = argv[++i];
        } else if (a.rfind("--", 0) == 0 || fichier) {
            return ErreurUsage("argument inattendu : " + a);
        } else {
            fichier = a;
        }
    }
    const bool avecModele = modele || qx || qy;
    if (!fichier) return ErreurUsage("");
    if (avecModele && !(modele && qx && qy))
        return ErreurUsage("--modele, --x et --y vont ensemble");
    if (avecModele && *modele != "1" && *modele != "2" && *modele != "4")
        return ErreurUsage("modèle inconnu : " + *modele);

    auto etude = std::make_unique<zyv::Etude>();
    zyv::NouveauTravail(*etude);
    MessagesErreur messages;
    if (!zyv::LireTravail(*etude, *fichier, messages)) return 1;
    std::string texte;
    if (avecModele) {
        const zyv::TTravail& w = etude->Travail;
        std::string raison;
        const auto x = Grandeur(w, *qx, raison);
        const auto y = x ? Grandeur(w, *qy, raison) : std::nullopt;
        if (!y) return ErreurUsage(raison);
        texte = zyv::TexteEquations(zyv::Modelisation(w, std::stoi(*modele), *x, *y), w.NbEssais);
    } else {
        texte = zyv::TexteValeurs(*etude, -1);
    }
    // Binary write: the CR LF line ends are part of the text.
    if (std::fwrite(texte.data(), 1, texte.size(), stdout) != texte.size() ||
        std::fflush(stdout) != 0) {
        const int erreur = errno;
        std::cerr << "zyv-export: écriture de la sortie impossible : " << std::strerror(erreur)
                  << '\n';
        return 1;
    }
    return 0;
}
