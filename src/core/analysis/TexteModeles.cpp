#include "core/analysis/TexteModeles.h"

#include "core/data/Cp1252.h"

#include <algorithm>

namespace zyv {

namespace {

bool GrandeurValide(int q) {
    return q >= 0 && q < NbGrandeurs;
}

} // namespace

std::string TexteEquation(const TTravail& w, int type, int grandeurX, int grandeurY, TNombreDec c2,
                          TNombreDec c1, TNombreDec c0) {
    if (!GrandeurValide(grandeurX) || !GrandeurValide(grandeurY)) return {};
    const TGrandeur& gx = w.Grandeurs[grandeurX];
    const TGrandeur& gy = w.Grandeurs[grandeurY];
    // The decimals a file may carry are bounded as for the values table.
    const int dx = std::clamp(gx.Decimales, 0, 20), dy = std::clamp(gy.Decimales, 0, 20);
    const std::string x = ChampEcrit(Cp1252VersUtf8(gx.Symbole.Texte()), false);
    const std::string debut = ChampEcrit(Cp1252VersUtf8(gy.Symbole.Texte()), false) + " = ";
    const TNombreDec echelle1{1, dx - dy}, echelle0{1, -dy};
    switch (type) {
    case ModeleAX:
        return debut + NombreEnTexte(c1, echelle1) + " x " + x;
    case ModeleAXB:
        return debut + NombreEnTexte(c1, echelle1) + " x " + x + " " +
               NombreEnTexteSigne(c0, echelle0);
    case ModeleAX2BXC:
        return debut + NombreEnTexte(c2, {1, 2 * dx - dy}) + " x " + x + "² " +
               NombreEnTexteSigne(c1, echelle1) + " x " + x + " " +
               NombreEnTexteSigne(c0, echelle0);
    default:
        return {};
    }
}

TModeles Modelisation(const TTravail& w, int type, int grandeurX, int grandeurY) {
    TModeles m;
    if ((type != ModeleAX && type != ModeleAXB && type != ModeleAX2BXC) ||
        !GrandeurValide(grandeurX) || !GrandeurValide(grandeurY))
        return m;
    m.Type = type;
    const int nbEssais = std::clamp(w.NbEssais, 1, NbEssaisMax);
    for (int t = 1; t <= nbEssais; ++t) {
        const TEssai& e = w.Essai(t);
        const auto k = t;
        CalculModele(type, 0, e.DernierPoint, e.Valeurs[grandeurY], e.Valeurs[grandeurX], m.C2[k],
                     m.C1[k], m.C0[k]);
        m.Equations[k] = TexteEquation(w, type, grandeurX, grandeurY, m.C2[k], m.C1[k], m.C0[k]);
    }
    return m;
}

std::string TexteEquations(const TModeles& m, int nbEssais) {
    std::string s;
    for (int t = 1; t <= std::min(nbEssais, NbEssaisMax); ++t)
        s += "Essai " + std::to_string(t) + " :  " + m.Equations[t] + "\r\n";
    return s;
}

} // namespace zyv
