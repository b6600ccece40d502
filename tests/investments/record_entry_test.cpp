// The entry rules of the record window: which figures each code takes, book values and signs.
#include "investments/record_entry.h"

#include <gtest/gtest.h>

namespace {

Money m(double v) {
    return Money::fromDouble(v);
}

TEST(RecordRules, SaleIsStoredWithNegativeSharesAndBookValue) {
    const FundRecord r =
        MakeRecord(2, QStringLiteral("s"), QDate(1997, 1, 2), {m(10), m(100), m(50), {}});
    EXPECT_EQ(r.TypeCode, QStringLiteral("S"));
    EXPECT_EQ(r.Shares, m(-100));
    EXPECT_EQ(r.BookValue, m(-950));  // 10 x -100 + 50
    EXPECT_EQ(r.FundNo, m(2));
}

TEST(RecordRules, BookValueAndSignsForEveryOtherCode) {
    const QDate d(2000, 1, 3);
    const FundRecord b = MakeRecord(1, QStringLiteral("B"), d, {m(10), m(100), m(50), {}});
    EXPECT_EQ(b.BookValue, m(1050));
    const FundRecord u = MakeRecord(1, QStringLiteral("U"), d, {m(10), m(5), {}, {}});
    EXPECT_EQ(u.Shares, m(-5));
    EXPECT_EQ(u.BookValue, m(0));
    const FundRecord c = MakeRecord(1, QStringLiteral("C"), d, {{}, {}, {}, m(100)});
    EXPECT_EQ(c.BookValue, m(-100));
    const FundRecord dv = MakeRecord(1, QStringLiteral("D"), d, {m(10), m(10), {}, {}});
    EXPECT_EQ(dv.BookValue, m(0));
    EXPECT_EQ(dv.Shares, m(10));
    const FundRecord f = MakeRecord(1, QStringLiteral("F"), d, {{}, {}, m(100), {}});
    EXPECT_EQ(f.BookValue, m(100));
    // Book value products are rounded to four decimals.
    const FundRecord odd = MakeRecord(1, QStringLiteral("B"), d, {m(10.3333), m(3.3333), {}, {}});
    EXPECT_EQ(odd.BookValue, Money::fromRaw(344440))  // 34.44398889 -> 34.4440
        << odd.BookValue.toFileText().toStdString();
}

TEST(RecordRules, AProductBeyondTheMoneyRangeIsNotStored) {
    EXPECT_THROW(MakeRecord(1, QStringLiteral("B"), QDate(2000, 1, 3), {m(1e8), m(1e8), {}, {}}),
                 MoneyOverflow);
}

TEST(RecordRules, EntriesMustMatchTheirCode) {
    const Money z;
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("B"), {m(10), m(100), m(50), z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("s"), {m(10), m(100), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("B"), {m(10), m(100), z, m(1)}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("B"), {z, m(100), z, z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("C"), {z, z, z, m(100)}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("C"), {m(10), z, z, m(100)}));  // a price typed
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("D"), {m(10), m(10), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("D"), {m(10), m(10), m(1), z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("F"), {z, z, m(100), z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("F"), {z, m(1), m(100), z}));
    EXPECT_TRUE(EntryMatchesCode(QStringLiteral("U"), {m(10), m(5), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("U"), {m(10), m(5), m(2), z}));
    EXPECT_FALSE(EntryMatchesCode(QString(), {m(10), m(5), z, z}));
    EXPECT_FALSE(EntryMatchesCode(QStringLiteral("X"), {m(10), m(5), z, z}));
}

TEST(RecordRules, EntryHelpNamesTheDateExampleAndEnds) {
    const QString help = EntryHelpText(QStringLiteral("3/15/2024"));
    const QStringList lines = help.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.back(), QStringLiteral("End"));
    EXPECT_EQ(lines.count(QStringLiteral(" 3/15/2024")), 6);
    EXPECT_TRUE(lines.contains(QStringLiteral(" Shows data entry for shares Sold. ")));
    EXPECT_TRUE(lines.contains(QStringLiteral(" 50.00 or 0")));
    EXPECT_FALSE(help.contains(u'\n' + QString(u'\n')));  // no bare line feeds
}

}  // namespace
