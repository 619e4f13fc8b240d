// The trials' values as text for the clipboard and for zyv-export.
#pragma once

#include "core/data/Travail.h"

#include <string>

namespace zyv {

// UTF-8, a tab between fields and CR LF after every line. essai -1: every trial holding points,
// each after its "Essai t" line and comment; a trial number: that trial's table alone.
std::string TexteValeurs(const Etude& e, int essai);

} // namespace zyv
