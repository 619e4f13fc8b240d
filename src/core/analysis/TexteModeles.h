// The model equations of a characteristic in physical units: the modelling window's rows and
// copied text, and zyv-export --modele.
#pragma once

#include "core/analysis/UnitMath.h"
#include "core/data/Travail.h"

#include <array>
#include <string>

namespace zyv {

// The models of every trial, indexed by trial 1..5 (slot 0 unused).
struct TModeles {
    int Type = AucunModele;
    std::array<TNombreDec, NbEssaisMax + 1> C2{}, C1{}, C0{};
    std::array<std::string, NbEssaisMax + 1> Equations; // UTF-8; empty without a model
};

// «Y» = a x «X»... with the raw coefficients scaled by the quantities' decimals; empty for kind 0.
std::string TexteEquation(const TTravail& w, int type, int grandeurX, int grandeurY, TNombreDec c2,
                          TNombreDec c1, TNombreDec c0);

// Fits kind type to trials 1..NbEssais of Y against X; a failed fit keeps its zero coefficients
// and shows them. An unknown kind or quantity gives no model at all.
TModeles Modelisation(const TTravail& w, int type, int grandeurX, int grandeurY);

// What "Copier les équations" puts on the clipboard: for trials 1..nbEssais, "Essai t :", two
// spaces, the equation and CR LF.
std::string TexteEquations(const TModeles& m, int nbEssais);

} // namespace zyv
