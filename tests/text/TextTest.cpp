// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstring>

#include "text/Compare.h"
#include "text/Cp932.h"
#include "text/Padding.h"
#include "text/Sjis.h"

namespace {

using text::Cp932ToUtf8;
using text::Utf8ToCp932;

TEST(Cp932Conversion, RoundTripsJapaneseIncludingWindowsExtensions) {
    // 表 has the backslash byte as its second byte; ① and ㈱ exist only in the Windows set.
    EXPECT_EQ(Utf8ToCp932("表"), "\x95\x5C");
    EXPECT_EQ(Utf8ToCp932("①"), "\x87\x40");
    EXPECT_EQ(Utf8ToCp932("㈱"), "\x87\x8A");
    EXPECT_EQ(Utf8ToCp932("ﾈｯﾄ"), "\xC8\xAF\xC4");
    for (const char* sample : {"部品表 抽出", "VORN ﾈｯﾄﾘｽﾄ/部品表 抽出", "①㈱～∥－", "abc"}) {
        bool lossy = false;
        EXPECT_EQ(Cp932ToUtf8(Utf8ToCp932(sample, &lossy)), sample);
        EXPECT_FALSE(lossy) << sample;
    }
}

TEST(Cp932Conversion, UnconvertibleTextIsReplacedNotDropped) {
    bool lossy = false;
    EXPECT_EQ(Utf8ToCp932("a\xF0\x9F\x98\x80"
                          "b",
                          &lossy),
              "a?b");  // an emoji
    EXPECT_TRUE(lossy);
    lossy = false;
    EXPECT_EQ(Utf8ToCp932("x\xC3(y", &lossy), "x?(y");  // broken UTF-8
    EXPECT_TRUE(lossy);

    // A lone lead byte at the end and an undefined byte show as replacement characters.
    EXPECT_EQ(Cp932ToUtf8("A\x81"), "A\xEF\xBF\xBD");
    EXPECT_EQ(Cp932ToUtf8("\xFD"
                          "B"),
              "\xEF\xBF\xBD"
              "B");
    EXPECT_EQ(Cp932ToUtf8(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(TextComparison, AsciiFoldingTouchesOnlySingleByteLetters) {
    EXPECT_EQ(text::CompareAsciiNoCase("vcc", "VCC"), 0);
    EXPECT_LT(text::CompareAsciiNoCase("AB", "abc"), 0);
    EXPECT_GT(text::CompareAsciiNoCase("b", "A"), 0);
    // '_' (0x5F) lies between the upper and lower case letters: folding decides its order.
    EXPECT_LT(text::CompareAsciiNoCase("a", "_"), 0);
    // Two different katakana whose trail bytes differ only as 'b' and 'B' would.
    EXPECT_NE(text::CompareAsciiNoCase("\x83\x62", "\x83\x42"), 0);
    EXPECT_TRUE(text::EqualAsciiNoCase("Title2", "TITLE2"));
    // The folded key used by the indexes agrees with the comparison.
    EXPECT_EQ(text::FoldAscii("ab\x83\x62"
                              "c"),
              "AB\x83\x62"
              "C");
    EXPECT_FALSE(text::EqualAsciiNoCase("TITLE", "TITLE2"));
}

TEST(TextComparison, ByteOrderIsUnsignedAndCaseSensitive) {
    EXPECT_GT(text::CompareBytes("\x81\x40", "Z"), 0);
    EXPECT_LT(text::CompareBytes("B", "a"), 0);
    EXPECT_LT(text::CompareBytes("R1", "R10"), 0);
    EXPECT_EQ(text::CompareBytes("U", "U"), 0);
}

TEST(TextComparison, LocaleOrderIgnoresCase) {
    EXPECT_EQ(text::CompareLocale("resistor", "RESISTOR"), 0);
    EXPECT_LT(text::CompareLocale("apple", "Banana"), 0);
    EXPECT_NE(text::CompareLocale(Utf8ToCp932("抵抗"), Utf8ToCp932("容量")), 0);
}

TEST(FixedFields, KeepAtMostSizeMinusOneBytesOfWholeCharacters) {
    EXPECT_EQ(text::FitField("ABCDEFGH", 8), "ABCDEFG");
    EXPECT_EQ(text::FitField("ABC", 8), "ABC");
    // "A表" is 3 bytes; a 3-byte field keeps 2 bytes, and the character must not be split.
    EXPECT_EQ(text::FitField("A\x95\x5C", 3), "A");
    EXPECT_EQ(text::FitField("A\x95\x5C", 4), "A\x95\x5C");
    EXPECT_EQ(text::FitField(std::string("AB\0CD", 5), 8), "AB");
    EXPECT_EQ(text::FitField("abc", 0), "");

    char field[4];
    std::memset(field, 'x', sizeof field);
    text::CopyToField(field, "\x95\x5C\x95\x5C");  // two characters, room for one
    EXPECT_STREQ(field, "\x95\x5C");
    EXPECT_EQ(text::FieldText(field), "\x95\x5C");

    char full[3] = {'a', 'b', 'c'};  // no NUL: the whole array is the text
    EXPECT_EQ(text::FieldText(full), "abc");
}

TEST(Padding, CountsBytesLikePrintf) {
    EXPECT_EQ(text::PadRight("R1", 5), "R1   ");
    EXPECT_EQ(text::PadRight("\x95\x5C", 4), "\x95\x5C  ");  // a double-byte character takes two
    EXPECT_EQ(text::PadRight("TOOLONG", 3), "TOOLONG");
    EXPECT_EQ(text::Format("Wire Count = %d", 12), "Wire Count = 12");
    EXPECT_EQ(text::Format("%3d : %s", 7, "A1"), "  7 : A1");
    for (long long n :
         {0LL, 7LL, -7LL, 123456LL, 1234567LL, -99999LL, -123456LL, 2147483647LL, -2147483648LL}) {
        EXPECT_EQ(text::ZeroPadded(n, 6), text::Format("%06lld", n)) << n;
    }
}

}  // namespace
