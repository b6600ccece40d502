#include "common/dates.h"

#include <gtest/gtest.h>

namespace {
// Restores the test binary's date format after a case that changes it.
struct FormatGuard {
    ~FormatGuard() { dates::setShortFormat(QStringLiteral("M/d/yyyy")); }
};
const QDate kToday(2026, 12, 7);
}  // namespace

TEST(Dates, ShortFormatIsNumericWithAFourDigitYear) {
    FormatGuard guard;
    dates::setShortFormat(QStringLiteral("M/d/yy"));
    EXPECT_EQ(dates::shortFormat(), "M/d/yyyy");
    dates::setShortFormat(QStringLiteral("dd.MM.yy"));
    EXPECT_EQ(dates::shortFormat(), "dd.MM.yyyy");
    dates::setShortFormat(QStringLiteral("d MMM yyyy"));  // names months: not typeable
    EXPECT_EQ(dates::shortFormat(), "yyyy-MM-dd");
    dates::setShortFormat(QString());
    EXPECT_EQ(dates::shortFormat(), "yyyy-MM-dd");
}

TEST(Dates, TextAndBackInTheShortFormat) {
    EXPECT_EQ(dates::toText(QDate(1996, 3, 15)), "3/15/1996");
    EXPECT_EQ(dates::fromText(u"3/15/1996", kToday), QDate(1996, 3, 15));
    EXPECT_EQ(dates::fromText(u" 3-15-1996 ", kToday), QDate(1996, 3, 15));
    EXPECT_EQ(dates::fromText(u"3.15.1996", kToday), QDate(1996, 3, 15));
    EXPECT_EQ(dates::fromText(u"1996/03/15", kToday), QDate(1996, 3, 15));  // year first
    EXPECT_EQ(dates::fromText(u"12/10/2078", kToday), QDate(2078, 12, 10));
    EXPECT_TRUE(dates::roundTrips(QDate(2000, 2, 29)));
    EXPECT_FALSE(dates::roundTrips(QDate()));
}

TEST(Dates, TwoDigitYearsFallInAWindowAroundToday) {
    // From 80 years before today to 20 years after: 1946 .. 2045.
    EXPECT_EQ(dates::fromText(u"3/15/24", kToday), QDate(2024, 3, 15));
    EXPECT_EQ(dates::fromText(u"3/15/45", kToday), QDate(2045, 3, 15));
    EXPECT_EQ(dates::fromText(u"3/15/46", kToday), QDate(1946, 3, 15));
    EXPECT_EQ(dates::fromText(u"3/15/96", kToday), QDate(1996, 3, 15));
}

TEST(Dates, OrderFollowsTheFormat) {
    FormatGuard guard;
    dates::setShortFormat(QStringLiteral("dd/MM/yyyy"));
    EXPECT_EQ(dates::fromText(u"12/10/2078", kToday), QDate(2078, 10, 12));
    EXPECT_EQ(dates::toText(QDate(1996, 3, 15)), "15/03/1996");
    dates::setShortFormat(QStringLiteral("yyyy-MM-dd"));
    EXPECT_EQ(dates::fromText(u"2078/12/12", kToday), QDate(2078, 12, 12));
    EXPECT_FALSE(dates::fromText(u"12/10/2078", kToday));  // month 10, day 2078
}

TEST(Dates, TextsThatAreNotDatesAreRefused) {
    for (const char16_t* bad : {u"", u"abc", u"2/30/2001", u"13/1/2001", u"1/2", u"1/2/3/4",
                                u"1/2/20011", u"1a/2/2001", u"0/0/0", u"1/1/100000"})
        EXPECT_FALSE(dates::fromText(bad, kToday)) << QString::fromUtf16(bad).toStdString();
}
