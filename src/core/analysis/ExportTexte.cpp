#include "core/analysis/ExportTexte.h"

#include "core/data/Cp1252.h"
#include "core/data/Operations.h"

namespace zyv {

namespace {

void AjouteTable(std::string& s, const TTravail& w, int t) {
    for (int q = 0; q < NbGrandeurs; ++q) {
        if (q > 0) s += '\t';
        s += ChampEcrit(Cp1252VersUtf8(w.Grandeurs[q].Symbole.Texte()));
    }
    s += "\r\n";
    s += ChampEcrit(Cp1252VersUtf8(w.Grandeurs[0].Unite.Texte()));
    for (int q = 1; q < NbGrandeurs; ++q) {
        s += '\t';
        const std::string unite = ChampEcrit(Cp1252VersUtf8(w.Grandeurs[q].Unite.Texte()));
        if (!unite.empty()) s += "(" + unite + ")";
    }
    s += "\r\n";
    const TEssai& essai = w.Essai(t);
    for (int i = 0; i <= essai.DernierPoint && i < NbPointsMax; ++i) {
        for (int q = 0; q < NbGrandeurs; ++q) {
            if (q > 0) s += '\t';
            s += FormatEntier(essai.Valeur(q, i), w.Grandeurs[q].Decimales);
        }
        s += "\r\n";
    }
}

} // namespace

std::string TexteValeurs(const Etude& e, int essai) {
    const TTravail& w = e.Travail;
    std::string s;
    if (essai == -1) {
        for (int t = 1; t <= NbEssaisMax; ++t) {
            if (w.Essai(t).DernierPoint < 0) continue;
            s += "Essai " + std::to_string(t) + "\t" +
                 ChampEcrit(Cp1252VersUtf8(w.Essai(t).Commentaire.Texte())) + "\r\n";
            AjouteTable(s, w, t);
        }
    } else if (essai >= 1 && essai <= NbEssaisMax) {
        AjouteTable(s, w, essai);
    }
    return s;
}

} // namespace zyv
