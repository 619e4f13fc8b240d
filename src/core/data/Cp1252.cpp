#include "core/data/Cp1252.h"

#include <array>
#include <cstdint>

namespace zyv {

namespace {

// Code points of bytes 0x80..0x9F. The five bytes Windows-1252 leaves undefined keep their C1
// control code point so that any byte string survives a trip through UTF-8.
constexpr std::array<char32_t, 32> TableC1 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char32_t PointDeCode(std::uint8_t octet) {
    if (octet >= 0x80 && octet <= 0x9F) return TableC1[octet - 0x80];
    return octet;
}

void AjouteUtf8(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int OctetCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (TableC1[i] == c) return 0x80 + i;
    return -1;
}

// Decodes one UTF-8 sequence at s[i]; returns its length, or 0 when malformed.
std::size_t LitUtf8(std::string_view s, std::size_t i, char32_t& c) {
    const auto o = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t b = o(i);
    std::size_t n;
    char32_t min;
    if (b < 0x80) {
        c = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        n = 2, c = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        n = 3, c = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        n = 4, c = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((o(i + k) & 0xC0) != 0x80) return 0;
        c = (c << 6) | (o(i + k) & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return n;
}

} // namespace

std::string Cp1252VersUtf8(std::string_view octets) {
    std::string s;
    s.reserve(octets.size() * 2);
    for (char o : octets) AjouteUtf8(s, PointDeCode(static_cast<std::uint8_t>(o)));
    return s;
}

std::string Utf8VersCp1252(std::string_view texte) {
    std::string s;
    s.reserve(texte.size());
    std::size_t i = 0;
    while (i < texte.size()) {
        char32_t c = 0;
        std::size_t n = LitUtf8(texte, i, c);
        if (n == 0) {
            // A malformed byte stands for one unknown character.
            s += '?';
            ++i;
            continue;
        }
        int octet = OctetCp1252(c);
        s += octet < 0 ? '?' : static_cast<char>(octet);
        i += n;
    }
    return s;
}

std::string ChampEcrit(std::string_view utf8, bool tableur) {
    std::string s;
    s.reserve(utf8.size() + 1);
    if (tableur && !utf8.empty() && utf8.front() == '=') s += '\'';
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto o = static_cast<std::uint8_t>(utf8[i]);
        const bool c1 = o == 0xC2 && i + 1 < utf8.size() &&
                        static_cast<std::uint8_t>(utf8[i + 1]) >= 0x80 &&
                        static_cast<std::uint8_t>(utf8[i + 1]) <= 0x9F;
        if (o < 0x20 || o == 0x7F || c1) {
            s += ' ';
            i += c1 ? 1 : 0;
        } else {
            s += utf8[i];
        }
    }
    return s;
}

} // namespace zyv
