// Sorting: fund slots by name with their records relabelled, records by trade date.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>

#include "investments/model/portfolio_sort.h"
#include "investments/table_test_portfolio.h"

using namespace testportfolio;

class Sorting : public PortfolioTest {
  protected:
    QStringList names() const {
        QStringList n;
        for (int k = 1; k <= p.fundCount; ++k) n << p.funds[k].FundName;
        return n;
    }
    std::vector<int> fundsOfRecords() const {
        std::vector<int> f;
        for (int r = 1; r <= p.recordCount; ++r)
            f.push_back(static_cast<int>(p.records[r].FundNo.wholePart()));
        return f;
    }
};

TEST_F(Sorting, SwappedFundsTakeTheirRecordsAndLeaveTheNumberTexts) {
    AddFund("Zephyr");
    AddFund("Acme");
    AddRecord(1, "B", 10, 1, 0, 0, QDate(1996, 1, 1));
    AddRecord(2, "B", 20, 2, 0, 0, QDate(1996, 1, 2));
    AddRecord(1, "C", 0, 0, 0, 5, QDate(1996, 1, 3));
    SortFunds(p);
    EXPECT_EQ(names(), (QStringList{"Acme", "Zephyr"}));
    EXPECT_EQ(fundsOfRecords(), (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(p.funds[1].FundNumberText, " 1");
    EXPECT_EQ(p.funds[2].FundNumberText, " 2");
    EXPECT_EQ(p.records[2].Price, M(20));  // the records themselves stay in place
}

TEST_F(Sorting, MarkedFundGoesLastAndEveryRecordFollowsItsName) {
    const QStringList start = {"Pine", "zzzzzzzzz", "Birch", "Oak", "Ash", "Maple", "Elm"};
    for (const QString& n : start) AddFund(n);
    for (int f = 1; f <= start.size(); ++f)
        for (int i = 0; i < f; ++i) AddRecord(f, "B", f, 1, 0, 0, QDate(1996, 1, 1 + i));
    SortFunds(p);
    EXPECT_EQ(names(), (QStringList{"Ash", "Birch", "Elm", "Maple", "Oak", "Pine", "zzzzzzzzz"}));
    // Each record's price was its original slot: it must now point at the same name.
    for (int r = 1; r <= p.recordCount; ++r) {
        const FundRecord& rec = p.records[r];
        const int original = static_cast<int>(rec.Price.wholePart());
        EXPECT_EQ(p.funds[rec.FundNo.wholePart()].FundName, start[original - 1]) << r;
    }
}

TEST_F(Sorting, NamesCompareByCharacterCode) {
    AddFund("beta");
    AddFund("Gamma");
    AddFund("alpha");
    SortFunds(p);
    EXPECT_EQ(names(), (QStringList{"Gamma", "alpha", "beta"}));
}

TEST_F(Sorting, RecordsSortByDateWithEveryColumn) {
    AddFund("A");
    AddFund("B");
    AddRecord(2, "S", 11, 5, 1, 0, QDate(1997, 5, 1));
    AddRecord(1, "B", 10, 100, 50, 0, QDate(1996, 3, 15));
    AddRecord(1, "C", 0, 0, 0, 7, QDate(1996, 12, 31));
    ASSERT_TRUE(SortRecordsByDate(p));
    const auto& r = p.records;
    EXPECT_EQ(r[1].TradeDate.toDate(), QDate(1996, 3, 15));
    EXPECT_EQ(r[1].BookValue, M(1050));
    EXPECT_EQ(r[2].TypeCode, "C");
    EXPECT_EQ(r[2].CashDiv, M(7));
    EXPECT_EQ(r[3].FundNo, M(2));
    EXPECT_EQ(r[3].Shares, M(-5));
    EXPECT_EQ(r[3].Fee, M(1));
}

// The record window marks a record for deletion with a far date given as text.
TEST_F(Sorting, RecordMarkedWithDateTextSortsLast) {
    AddFund("A");
    for (int i = 0; i < 5; ++i) AddRecord(1, "B", i + 1, 1, 0, 0, QDate(1996, 1, 1 + i));
    p.records[2].TradeDate = QStringLiteral("12/10/2078");
    ASSERT_TRUE(SortRecordsByDate(p));
    EXPECT_EQ(p.records[5].Price, M(2));
    EXPECT_EQ(p.records[4].Price, M(5));
}

TEST_F(Sorting, DateThatDoesNotConvertLeavesRecordsUntouched) {
    AddFund("A");
    AddRecord(1, "B", 3, 1, 0, 0, QDate(1998, 1, 1));
    AddRecord(1, "B", 2, 1, 0, 0, QDate(1997, 1, 1));
    AddRecord(1, "B", 1, 1, 0, 0, QDate(1996, 1, 1));
    p.records[3].TradeDate = QStringLiteral("31.31.31x");
    EXPECT_FALSE(SortRecordsByDate(p));
    EXPECT_EQ(p.records[1].Price, M(3));
    EXPECT_EQ(p.records[2].Price, M(2));
}

TEST_F(Sorting, FullTableSortsAscendingAndKeepsEveryRecord) {
    for (int f = 1; f <= 30; ++f) AddFund(QStringLiteral("Fund %1").arg(31 - f));
    QRandomGenerator rng(7);
    for (int r = 0; r < 1000; ++r)
        AddRecord(1 + rng.bounded(30), "B", r + 1, 1, 0, 0,
                  QDate(1990, 1, 1).addDays(rng.bounded(3000)));
    SortFunds(p);
    ASSERT_TRUE(SortRecordsByDate(p));
    std::vector<int64_t> prices;
    for (int r = 1; r <= 1000; ++r) {
        if (r > 1) {
            EXPECT_LE(p.records[r - 1].TradeDate.toDate(), p.records[r].TradeDate.toDate());
        }
        prices.push_back(p.records[r].Price.wholePart());
    }
    std::sort(prices.begin(), prices.end());
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(prices[i], i + 1);
    EXPECT_EQ(p.funds[1].FundName, "Fund 1");
    EXPECT_EQ(p.funds[30].FundName, "Fund 9");
}
