// Operations on the study document. Each refuses silently when an index is out of range or a
// limit is reached.
#pragma once

#include "core/data/Travail.h"

#include <string>

namespace zyv {

// The quantity table and the two descriptors that never enter the document.
const std::array<TGrandeur, NbGrandeurs>& TableGrandeurs();
const TGrandeur& GrandeurEnergie();
const TGrandeur& GrandeurCourant();

void NouveauTravail(Etude& e);
int NbCaract(const Etude& e);
void SupprimeCaract(Etude& e, int k);
void NouvelEssai(Etude& e);
void SupprimeEssai(Etude& e, int t);
void AjoutePoint(Etude& e);
void SupprimePointEssai(Etude& e, int n, int t);
void SelectionnePoint(Etude& e, int i);
void TrieEssai(Etude& e, int ordre, int cle, int t);
void TrieEssais(Etude& e);
void TrieParNumero(Etude& e);

// Raw value to text with d decimals and a decimal comma; truncates, never rounds. UTF-8.
std::string FormatEntier(std::int32_t v, int d);
// Element q of MesureCourante with its decimals, a blank and its unit. UTF-8.
std::string FormatMesure(const Etude& e, int q);

} // namespace zyv
