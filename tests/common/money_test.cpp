#include "common/money.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(Money, FromDoubleRoundsHalfToEven) {
    // A typed decimal half goes to the even neighbour, whatever its binary form.
    EXPECT_EQ(Money::fromDouble(1.00005).raw(), 10000);
    EXPECT_EQ(Money::fromDouble(1.00015).raw(), 10002);
    EXPECT_EQ(Money::fromDouble(0.00005).raw(), 0);
    EXPECT_EQ(Money::fromDouble(0.00015).raw(), 2);  // 1.5 -> 2
    EXPECT_EQ(Money::fromDouble(0.00025).raw(), 2);  // 2.5 -> 2
    EXPECT_EQ(Money::fromDouble(-0.00015).raw(), -2);
    EXPECT_EQ(Money::fromDouble(1234.5678).raw(), 12345678);
    EXPECT_EQ(Money::fromDouble(0.000051).raw(), 1);
    EXPECT_EQ(Money::fromDouble(0.0000049).raw(), 0);
    EXPECT_EQ(Money::fromDouble(-0.0).raw(), 0);
    EXPECT_EQ(Money::fromDouble(12345678901.2345).raw(), 123456789012345);
}

TEST(Money, ProductRoundsHalfToEven) {
    const Money half = Money::fromRaw(5000);         // 0.5
    EXPECT_EQ((Money::fromRaw(1) * half).raw(), 0);  // 0.00005 -> 0
    EXPECT_EQ((Money::fromRaw(3) * half).raw(), 2);  // 0.00015 -> 0.0002
    EXPECT_EQ((Money::fromInt(10) * Money::fromInt(100)).raw(), Money::fromInt(1000).raw());
    EXPECT_EQ((Money::fromInt(-10) * Money::fromRaw(12345)).raw(), -123450);
}

TEST(Money, OverflowRaisesInsteadOfWrapping) {
    const Money max = Money::fromRaw(std::numeric_limits<int64_t>::max());
    EXPECT_THROW(max + Money::fromRaw(1), MoneyOverflow);
    EXPECT_THROW(-max - Money::fromRaw(2), MoneyOverflow);
    EXPECT_THROW(max * Money::fromInt(2), MoneyOverflow);
    EXPECT_THROW(-Money::fromRaw(std::numeric_limits<int64_t>::min()), MoneyOverflow);
    EXPECT_THROW(Money::fromDouble(1e300), MoneyOverflow);
    EXPECT_THROW(Money::fromDouble(std::numeric_limits<double>::quiet_NaN()), MoneyOverflow);
    EXPECT_THROW(Money::fromDouble(std::numeric_limits<double>::infinity()), MoneyOverflow);
    EXPECT_THROW(Money::fromInt(std::numeric_limits<int64_t>::max() / 1000), MoneyOverflow);
    // The largest amounts that fit are still exact.
    EXPECT_EQ((max - Money::fromRaw(1)).raw(), std::numeric_limits<int64_t>::max() - 1);
}

TEST(Money, FileTextIsPlainDecimal) {
    EXPECT_EQ(Money::fromInt(1050).toFileText(), "1050");
    EXPECT_EQ(Money::fromInt(-950).toFileText(), "-950");
    EXPECT_EQ(Money::fromRaw(105000).toFileText(), "10.5");
    EXPECT_EQ(Money::fromRaw(1).toFileText(), "0.0001");
    EXPECT_EQ(Money::fromRaw(-12345).toFileText(), "-1.2345");
    EXPECT_EQ(Money().toFileText(), "0");
    EXPECT_EQ(Money::fromRaw(std::numeric_limits<int64_t>::min()).toFileText(),
              "-922337203685477.5808");
}

TEST(Money, ParseReadsWhatTheFilesHold) {
    EXPECT_EQ(Money::parse(u"10")->raw(), 100000);
    EXPECT_EQ(Money::parse(u"10.50")->raw(), 105000);  // trailing zeros are accepted
    EXPECT_EQ(Money::parse(u"-950")->raw(), -9500000);
    EXPECT_EQ(Money::parse(u" .5 ")->raw(), 5000);
    EXPECT_EQ(Money::parse(u"0.00005")->raw(), 0);  // more decimals: half to even
    EXPECT_EQ(Money::parse(u"0.00015")->raw(), 2);
    EXPECT_FALSE(Money::parse(u""));
    EXPECT_FALSE(Money::parse(u"-"));
    EXPECT_FALSE(Money::parse(u"1.2.3"));
    EXPECT_FALSE(Money::parse(u"12a"));
    EXPECT_FALSE(Money::parse(u"99999999999999999999"));
    for (const Money m : {Money::fromRaw(123456789), Money::fromRaw(-1), Money::fromInt(7)})
        EXPECT_EQ(*Money::parse(m.toFileText()), m);
}

// From 10^11 on, 15 significant digits no longer reach the fourth decimal; the
// figures below are the doubles' exact values rounded half to even by hand.
TEST(Money, FromDoubleKeepsEveryTenThousandthUpToTheRange) {
    EXPECT_EQ(Money::fromDouble(123456789012.34).raw(), 1234567890123400);
    EXPECT_EQ(Money::fromDouble(1234567890123.4567).raw(), 12345678901234568);
    EXPECT_EQ(Money::fromDouble(98765432109876.55).raw(), 987654321098765469);
    EXPECT_EQ(Money::fromDouble(-900000000000000.25).raw(), -9000000000000002500);
    // Exact halves still go to the even neighbour.
    EXPECT_EQ(Money::fromDouble(100000000000.03125).raw(), 1000000000000312);
    EXPECT_EQ(Money::fromDouble(100000000000.09375).raw(), 1000000000000938);
    EXPECT_EQ(Money::fromDouble(922337203685477.5).raw(), 9223372036854775000);
    EXPECT_THROW(Money::fromDouble(922337203685477.7), MoneyOverflow);
}
