#include "common/number_format.h"

#include <gtest/gtest.h>

#include "common/money.h"

TEST(Format, PictureExamplesTheWindowsUse) {
    EXPECT_EQ(Format(0.5, u"###.00"), ".50");
    EXPECT_EQ(Format(1234567.89, u"####,,###.00"), "1,234,567.89");
    EXPECT_EQ(Format(0.0, u"####,,##0.00"), "0.00");
    EXPECT_EQ(Format(0.0, u"####,,###.00"), ".00");
    EXPECT_EQ(Format(0.148698, u"#,,###.000%"), "14.870%");
    EXPECT_EQ(Format(1000.0, u"###,,###.00"), "1,000.00");
    EXPECT_EQ(Format(25.0, u"###"), "25");
    EXPECT_EQ(Format(0.0, u"###"), "");
    EXPECT_EQ(Format(12.3456, u"####,,##0.0000"), "12.3456");
    EXPECT_EQ(Format(999.0, u"#,###.00"), "999.00");  // one comma groups as two do
    EXPECT_EQ(Format(1234.0, u"#,###"), "1,234");
}

TEST(Format, RoundsHalfAwayFromZeroAfterFifteenDigits) {
    EXPECT_EQ(Format(2.5, u"#"), "3");
    EXPECT_EQ(Format(-2.5, u"#"), "-3");
    EXPECT_EQ(Format(0.125, u"0.00"), "0.13");
    // 1.005 is 1.00499999999999989... in binary; at 15 digits it is 1.005.
    EXPECT_EQ(Format(1.005, u"0.00"), "1.01");
    EXPECT_EQ(Format(999.995, u"###,,###.00"), "1,000.00");
    EXPECT_EQ(Format(0.999, u"0"), "1");
}

TEST(Format, NegativesAndLiterals) {
    EXPECT_EQ(Format(-1234.5, u"####,,###.00"), "-1,234.50");
    EXPECT_EQ(Format(-0.001, u"0.00"), "0.00");  // a figure that rounds to zero has no sign
    EXPECT_EQ(Format(12.0, u"$###.00"), "$12.00");
    EXPECT_EQ(Format(-12.0, u"$###.00"), "-$12.00");
    EXPECT_EQ(Format(0.05, u"##.00%"), "5.00%");
    EXPECT_EQ(Format(Money::fromRaw(-9500000), u"####,,##0.0000"), "-950.0000");
    EXPECT_EQ(Format(1.5, u"#.##"), "1.5");
}

TEST(Format, HugeAndOddValuesNeverBreak) {
    EXPECT_EQ(Format(1e20, u"####,,###.00"), "100,000,000,000,000,000,000.00");
    EXPECT_EQ(Format(123456789012345678.0, u"#"), "123456789012346000");  // 15 digits kept
    EXPECT_EQ(Format(std::numeric_limits<double>::quiet_NaN(), u"###.00"), "");
    EXPECT_EQ(Format(5.0, u""), "5");  // an empty picture shows the plain number
}

TEST(NumText, BlankBeforeNonNegatives) {
    EXPECT_EQ(NumText(int64_t{5}), " 5");
    EXPECT_EQ(NumText(int64_t{0}), " 0");
    EXPECT_EQ(NumText(int64_t{-5}), "-5");
    EXPECT_EQ(NumText(int64_t{31}), " 31");
    EXPECT_EQ(NumText(0.5), " .5");
    EXPECT_EQ(NumText(-1.25), "-1.25");
}

TEST(RightJustifyWhole, PadsShortFiguresAndKeepsWideOnesWholeAfterTheirGap) {
    const struct {
        const char* text;
        int width, gap;
        const char* expected;
    } cases[] = {{"12.50", 8, 0, "   12.50"},
                 {"12.50", 8, 1, "   12.50"},
                 {"1,234.50", 8, 0, "1,234.50"},
                 {"1,234.50", 8, 1, " 1,234.50"},
                 {"12,345.50", 8, 0, "12,345.50"},
                 {"12,345.50", 8, 2, "  12,345.50"},
                 {"", 3, 1, "   "}};
    for (const auto& c : cases)
        EXPECT_EQ(RightJustifyWhole(QString::fromLatin1(c.text), c.width, c.gap),
                  QString::fromLatin1(c.expected))
            << c.text << " in " << c.width << " gap " << c.gap;
}

TEST(RightJustify, PadsOnTheLeftAndCutsLongTexts) {
    EXPECT_EQ(RightJustify("12.50", 8), "   12.50");
    EXPECT_EQ(RightJustify("123456789", 5), "12345");
    EXPECT_EQ(RightJustify("abc", 3), "abc");
    EXPECT_EQ(RightJustify("", 2), "  ");
    EXPECT_EQ(RightJustify("x", 0), "");
}

TEST(LeadingNumber, ReadsTheNumericPrefixOfATypedFigure) {
    EXPECT_DOUBLE_EQ(LeadingNumber(u"12.5"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"12.5abc"), 12.5);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"-5"), -5);
    EXPECT_DOUBLE_EQ(LeadingNumber(u""), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"abc"), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"."), 0);
    EXPECT_DOUBLE_EQ(LeadingNumber(u"1.2.3"), 1.2);
}
