#include "core/data/Cp1252.h"

#include <gtest/gtest.h>

using namespace zyv;

TEST(Cp1252, EveryByteSurvivesATripThroughUtf8) {
    std::string tous;
    for (int b = 0; b < 256; ++b) tous += static_cast<char>(b);
    EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(tous)), tous);
    EXPECT_EQ(Cp1252VersUtf8("Num\xE9ro N\xB0 \x80\x8C\x9C\x9F\x85\x96\x99"), "Numéro N° €ŒœŸ…–™");
    EXPECT_EQ(Cp1252VersUtf8("\x81\x9D"), "\xC2\x81\xC2\x9D");
    EXPECT_EQ(Utf8VersCp1252("Génératrice à 50 € Ÿ"), "G\xE9n\xE9ratrice \xE0 50 \x80 \x9F");
}

TEST(Cp1252, UnknownOrMalformedInputBecomesQuestionMarks) {
    const std::pair<const char*, const char*> cas[] = {
        {"a中b", "a?b"},        {"😀", "?"},
        {"\xC2\x80", "?"},        // U+0080 has no byte: 0x80 is the euro
        {"x\xE9y", "x?y"},        // a lone Latin-1 byte is not UTF-8
        {"\xE2\x82", "??"},       // cut sequence
        {"\xC0\xAF", "??"},       // overlong form
        {"\xED\xA0\x80", "???"}}; // surrogate
    for (auto [entree, sortie] : cas) EXPECT_EQ(Utf8VersCp1252(entree), sortie) << entree;
}
