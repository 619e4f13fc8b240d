#include "core/data/Operations.h"

#include "core/data/Cp1252.h"

#include <algorithm>
#include <cstdlib>

namespace zyv {

namespace {

void ModeleCaract(TCaract& c) {
    c = TCaract{};
}

// Only the header: the columns keep their stale values, hidden behind DernierPoint = -1.
void ModeleEssai(TEssai& e) {
    e.DernierPoint = -1;
    e.TriGrandeur = 0;
    e.TriOrdre = 0;
    e.TypeCharge = 2;
    e.ChargeMax = 0;
    e.ChargeMin = 0;
    e.Consignes.fill(0);
    e.Commentaire = {};
    e.Bourrage.fill(0);
}

void CopieEntete(TEssai& dest, const TEssai& src) {
    dest.DernierPoint = src.DernierPoint;
    dest.TriGrandeur = src.TriGrandeur;
    dest.TriOrdre = src.TriOrdre;
    dest.TypeCharge = src.TypeCharge;
    dest.ChargeMax = src.ChargeMax;
    dest.ChargeMin = src.ChargeMin;
    dest.Consignes = src.Consignes;
    dest.Commentaire = src.Commentaire;
    dest.Bourrage = src.Bourrage;
}

bool EssaiValide(const Etude& e, int t) {
    return t >= 1 && t <= e.Travail.NbEssais && t <= NbEssaisMax;
}

// Points are exchanged whole so that every column stays aligned.
void EchangePoints(TEssai& essai, int a, int b) {
    for (auto& colonne : essai.Valeurs) std::swap(colonne[a + 1], colonne[b + 1]);
}

// Hoare partition with the pivot read once from the middle; equal keys end up in the order
// these steps give, which the saved files and the plots show.
void TriRapide(TEssai& essai, int cle, bool decroissant, int lo, int hi) {
    const std::int32_t pivot = essai.Valeur(cle, (lo + hi) / 2);
    int i = lo;
    int j = hi;
    do {
        if (decroissant) {
            while (essai.Valeur(cle, i) > pivot) ++i;
            while (essai.Valeur(cle, j) < pivot) --j;
        } else {
            while (essai.Valeur(cle, i) < pivot) ++i;
            while (essai.Valeur(cle, j) > pivot) --j;
        }
        if (i <= j) {
            EchangePoints(essai, i, j);
            ++i;
            --j;
        }
    } while (i <= j);
    if (lo < j) TriRapide(essai, cle, decroissant, lo, j);
    if (i < hi) TriRapide(essai, cle, decroissant, i, hi);
}

} // namespace

void NouveauTravail(Etude& e) {
    TTravail& w = e.Travail;
    w.Signature.Affecte("ZYV-1");
    w.Reserve1 = 1500;
    w.TypeEtude = 0;
    w.Reserve2.fill(0);
    w.Reserve3 = {};
    w.Titre = {};
    w.Bourrage.fill(0);
    w.NbEssais = 1;
    w.Interpolation = -1;
    for (int k = 1; k <= NbCaractMax; ++k) ModeleCaract(w.Caract[k]);
    w.Grandeurs = TableGrandeurs();
    for (int t = 1; t <= NbEssaisMax; ++t) ModeleEssai(w.Essai(t));
    e.EssaiCourant = 1;
    e.ModeAcquisition = 0;
    e.Enregistre = true;
    e.MesureCourante[0] = -1;
    e.NomFichier.clear();
}

int NbCaract(const Etude& e) {
    int n = 0;
    for (int k = 1; k <= NbCaractMax; ++k)
        if (e.Travail.Caract[k].Defini) ++n;
    return n;
}

void SupprimeCaract(Etude& e, int k) {
    if (k < 1 || k > NbCaractMax) return;
    auto& c = e.Travail.Caract;
    for (int j = k; j < NbCaractMax; ++j) c[j] = c[j + 1];
    ModeleCaract(c[NbCaractMax]);
    e.Enregistre = false;
}

void NouvelEssai(Etude& e) {
    TTravail& w = e.Travail;
    if (w.NbEssais >= NbEssaisMax || w.NbEssais < 1) return;
    w.NbEssais += 1;
    e.EssaiCourant = w.NbEssais;
    TEssai& nouveau = w.Essai(w.NbEssais);
    CopieEntete(nouveau, w.Essai(w.NbEssais - 1));
    nouveau.DernierPoint = -1;
    nouveau.Commentaire = {};
    e.Enregistre = false;
}

void SupprimeEssai(Etude& e, int t) {
    TTravail& w = e.Travail;
    if (!EssaiValide(e, t) || w.NbEssais <= 1) return;
    for (int s = t; s < w.NbEssais; ++s) w.Essai(s) = w.Essai(s + 1);
    ModeleEssai(w.Essai(w.NbEssais));
    w.NbEssais -= 1;
    e.EssaiCourant = 1;
    e.Enregistre = false;
}

void AjoutePoint(Etude& e) {
    if (!EssaiValide(e, e.EssaiCourant)) return;
    TEssai& essai = e.Courant();
    // A full trial refuses the point rather than write past the last slot.
    if (essai.DernierPoint >= NbPointsMax - 1) return;
    essai.DernierPoint += 1;
    e.MesureCourante[GNumero] = essai.DernierPoint;
    for (int q = 0; q < NbGrandeurs; ++q) essai.Valeur(q, essai.DernierPoint) = e.MesureCourante[q];
    e.Enregistre = false;
}

void SupprimePointEssai(Etude& e, int n, int t) {
    if (!EssaiValide(e, t)) return;
    TEssai& essai = e.Travail.Essai(t);
    if (n < 0 || n > essai.DernierPoint) return;
    TrieParNumero(e);
    for (int k = n; k < essai.DernierPoint; ++k) {
        for (auto& colonne : essai.Valeurs) colonne[k + 1] = colonne[k + 2];
        essai.Valeur(GNumero, k) = k;
    }
    essai.DernierPoint -= 1;
    TrieEssais(e);
    e.Enregistre = false;
}

void SelectionnePoint(Etude& e, int i) {
    if (i >= 0) {
        if (!EssaiValide(e, e.EssaiCourant) || i > e.Courant().DernierPoint) return;
        for (int q = 0; q < NbGrandeurs; ++q) e.MesureCourante[q] = e.Courant().Valeur(q, i);
    }
    e.MesureCourante[GNumero] = i;
}

void TrieEssai(Etude& e, int ordre, int cle, int t) {
    if (ordre != 0 && ordre != 1) return;
    // The key comes from the file: an unknown quantity leaves the trial as it is.
    if (cle < 0 || cle >= NbGrandeurs || !EssaiValide(e, t)) return;
    TEssai& essai = e.Travail.Essai(t);
    if (essai.DernierPoint < 0 || essai.DernierPoint >= NbPointsMax) return;
    TriRapide(essai, cle, ordre == 1, 0, essai.DernierPoint);
}

void TrieEssais(Etude& e) {
    for (int t = 1; t <= e.Travail.NbEssais; ++t) {
        const TEssai& essai = e.Travail.Essai(t);
        TrieEssai(e, essai.TriOrdre, essai.TriGrandeur, t);
    }
}

void TrieParNumero(Etude& e) {
    for (int t = 1; t <= e.Travail.NbEssais; ++t) TrieEssai(e, 0, GNumero, t);
}

std::string FormatEntier(std::int32_t v, int d) {
    // A count of decimals read from a file must not ask for a gigabyte of zeros.
    d = std::clamp(d, 0, 20);
    const std::int64_t grand = v;
    std::string chiffres = std::to_string(grand < 0 ? -grand : grand);
    while (chiffres.size() <= static_cast<std::size_t>(d)) chiffres.insert(chiffres.begin(), '0');
    if (d > 0) chiffres.insert(chiffres.size() - static_cast<std::size_t>(d), 1, ',');
    return v < 0 ? "-" + chiffres : chiffres;
}

std::string FormatMesure(const Etude& e, int q) {
    if (q < 0 || q >= NbGrandeurs) return {};
    const TGrandeur& g = e.Travail.Grandeurs[q];
    return FormatEntier(e.MesureCourante[q], g.Decimales) + " " + Cp1252VersUtf8(g.Unite.Texte());
}

} // namespace zyv
