#include "common/Win1252.h"

#include <gtest/gtest.h>

using namespace sv;

TEST(Win1252, ConvertsTheSpecialRangeBothWays)
{
    const std::string bytes = "God\x92s \x93word\x94 \x97 caf\xE9";
    const QString text = FromWin1252(bytes);
    EXPECT_EQ(text, QString::fromUtf8("God’s “word” — café"));
    EXPECT_EQ(ToWin1252(text).value(), bytes);
    EXPECT_EQ(Utf8ToWin1252("God’s").value(), "God\x92s");
    EXPECT_EQ(Win1252ToUtf8("\x80"), "€");
}

TEST(Win1252, RefusesUnmappableCharacters)
{
    QChar bad;
    EXPECT_FALSE(Utf8ToWin1252("Ω here", &bad).has_value());
    EXPECT_EQ(bad, QChar(0x03A9));
}

TEST(Win1252, LowerAsciiLeavesEveryOtherByteAsItIs)
{
    // "GRACE-É’s Ü" in Windows-1252: only A..Z change; É (0xC9), the closing quote (0x92) and
    // Ü (0xDC) keep their bytes.
    EXPECT_EQ(LowerAscii(std::string("GRACE-\xC9\x92s \xDC[Z@]")), std::string("grace-\xC9\x92s \xDC[z@]"));
    EXPECT_EQ(LowerAscii('@'), '@');
    EXPECT_EQ(LowerAscii('['), '[');
}
