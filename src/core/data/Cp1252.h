// Conversion between the files' single-byte Windows-1252 text and the UTF-8 used elsewhere.
#pragma once

#include <string>
#include <string_view>

namespace zyv {

std::string Cp1252VersUtf8(std::string_view octets);
// Characters with no Windows-1252 byte become '?'.
std::string Utf8VersCp1252(std::string_view texte);

} // namespace zyv
