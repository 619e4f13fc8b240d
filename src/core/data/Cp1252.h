// Conversion between the files' single-byte Windows-1252 text and the UTF-8 used elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace zyv {

std::string Cp1252VersUtf8(std::string_view octets);
// Characters with no Windows-1252 byte become '?'.
std::string Utf8VersCp1252(std::string_view texte);

// A text field of a study (title, comment, quantity name, symbol, unit), UTF-8, as written into
// copied tables, exported text and printed pages: every control character (C0, DEL, C1) becomes
// a space, so a field never adds rows or columns to a table nor sends an escape sequence to a
// terminal. In a table (tableur) a field starting with "=" also gets a leading apostrophe, so a
// spreadsheet shows it instead of running it.
std::string ChampEcrit(std::string_view utf8, bool tableur = true);

} // namespace zyv
