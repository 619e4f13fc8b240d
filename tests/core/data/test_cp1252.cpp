#include "core/data/Cp1252.h"

#include <gtest/gtest.h>

using namespace zyv;

TEST(Cp1252, EveryByteSurvivesATripThroughUtf8) {
    std::string tous;
    for (int b = 0; b < 256; ++b) tous += static_cast<char>(b);
    const std::string utf8 = Cp1252VersUtf8(tous);
    EXPECT_EQ(Utf8VersCp1252(utf8), tous);
    for (int b = 0; b < 256; ++b) {
        const std::string un(1, static_cast<char>(b));
        EXPECT_EQ(Utf8VersCp1252(Cp1252VersUtf8(un)), un) << b;
    }
}

TEST(Cp1252, MapsTheWindowsBlockAndLatin1) {
    EXPECT_EQ(Cp1252VersUtf8("Num\xE9ro N\xB0"), "Numéro N°");
    EXPECT_EQ(Cp1252VersUtf8("\x80"), "€");
    EXPECT_EQ(Cp1252VersUtf8("\x8C\x9C\x9F"), "ŒœŸ");
    EXPECT_EQ(Cp1252VersUtf8("\x85\x96\x99"), "…–™");
    EXPECT_EQ(Cp1252VersUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(Cp1252VersUtf8("\x9D"), "\xC2\x9D");
    EXPECT_EQ(Utf8VersCp1252("Génératrice à 50 €"), "G\xE9n\xE9ratrice \xE0 50 \x80");
    EXPECT_EQ(Utf8VersCp1252("Ÿ"), "\x9F");
}

TEST(Cp1252, UnknownOrMalformedInputBecomesQuestionMarks) {
    EXPECT_EQ(Utf8VersCp1252("a中b"), "a?b");
    EXPECT_EQ(Utf8VersCp1252("😀"), "?");
    EXPECT_EQ(Utf8VersCp1252("\xC2\x80"), "?") << "U+0080 has no byte: 0x80 is the euro";
    EXPECT_EQ(Utf8VersCp1252("x\xE9y"), "x?y") << "a lone Latin-1 byte is not UTF-8";
    EXPECT_EQ(Utf8VersCp1252("\xE2\x82"), "??") << "cut sequence";
    EXPECT_EQ(Utf8VersCp1252("\xC0\xAF"), "??") << "overlong form";
    EXPECT_EQ(Utf8VersCp1252("\xED\xA0\x80"), "???") << "surrogate";
}
